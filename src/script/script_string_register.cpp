// registerScriptString: the "string" type as the engine sees it. Operators are
// plain functions that get the string as their last argument; every + builds a
// new object with count 1, and string literals are shared read-only constants.
#include <angelscript.h>

#include <cstring>

#include "script/script_string.h"

using namespace AngelScript;

namespace {

// Literals take their characters up to the first NUL byte; the engine keeps
// each constant until the module that uses it is discarded.
class LiteralFactory : public asIStringFactory {
 public:
  const void* GetStringConstant(const char* data, asUINT length) override {
    return newScriptString(data, strnlen(data, length));
  }
  int ReleaseStringConstant(const void* str) override {
    if (str == nullptr) return asERROR;
    releaseScriptString(const_cast<ScriptString*>(static_cast<const ScriptString*>(str)));
    return asSUCCESS;
  }
  int GetRawStringData(const void* str, char* data, asUINT* length) const override {
    if (str == nullptr) return asERROR;
    const std::string& text = static_cast<const ScriptString*>(str)->text;
    if (length != nullptr) *length = static_cast<asUINT>(text.size());
    if (data != nullptr) memcpy(data, text.data(), text.size());
    return asSUCCESS;
  }
};

LiteralFactory literalFactory;

ScriptString* makeEmpty() { return newScriptString("", 0); }

ScriptString* joined(const std::string& a, const std::string& b) {
  return newJoinedScriptString(a.data(), a.size(), b.data(), b.size());
}

ScriptString* assign(const ScriptString& other, ScriptString* self) {
  self->text = other.text;
  return self;
}

ScriptString* addAssign(const ScriptString& other, ScriptString* self) {
  self->text += other.text;
  return self;
}

ScriptString* add(const ScriptString& other, const ScriptString* self) {
  return joined(self->text, other.text);
}

bool equals(const ScriptString& other, const ScriptString* self) { return self->text == other.text; }

// Byte-wise order with every byte unsigned; a prefix sorts before the longer text.
int compare(const ScriptString& other, const ScriptString* self) {
  const std::string& a = self->text;
  const std::string& b = other.text;
  size_t common = a.size() < b.size() ? a.size() : b.size();
  int order = memcmp(a.data(), b.data(), common);
  if (order != 0) return order < 0 ? -1 : 1;
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

// A reference to byte i, or the script exception "Out of range". The exception
// cannot be caught by the script: it always ends the run.
unsigned char* byteAt(asUINT i, ScriptString* self) {
  if (i < self->text.size()) return reinterpret_cast<unsigned char*>(&self->text[i]);
  asIScriptContext* context = asGetActiveContext();
  if (context != nullptr) context->SetException("Out of range", false);
  return nullptr;
}

// length() through the generic convention: scripts call it in loops, and a
// native method call costs the engine about twice as much as a generic one.
void length(asIScriptGeneric* gen) {
  gen->SetReturnDWord(static_cast<asDWORD>(static_cast<const ScriptString*>(gen->GetObject())->text.size()));
}

template <typename T, std::string (*Format)(T)>
ScriptString* assignNumber(T value, ScriptString* self) {
  self->text = Format(value);
  return self;
}

template <typename T, std::string (*Format)(T)>
ScriptString* addAssignNumber(T value, ScriptString* self) {
  self->text += Format(value);
  return self;
}

template <typename T, std::string (*Format)(T)>
ScriptString* addNumber(T value, const ScriptString* self) {
  return joined(self->text, Format(value));
}

template <typename T, std::string (*Format)(T)>
ScriptString* numberAdd(T value, const ScriptString* self) {
  return joined(Format(value), self->text);
}

// A small integer type through the formatting of the type it widens to.
template <typename T, typename Wide, std::string (*Format)(Wide)>
std::string widened(T value) {
  return Format(static_cast<Wide>(value));
}

// The four conversions for one number type; typeName is its script name.
template <typename T, std::string (*Format)(T)>
int registerNumber(asIScriptEngine* engine, const char* typeName) {
  char decl[64];
  int failures = 0;
  snprintf(decl, sizeof decl, "string &opAssign(%s)", typeName);
  failures += engine->RegisterObjectMethod("string", decl, asFUNCTION((assignNumber<T, Format>)),
                                           asCALL_CDECL_OBJLAST) < 0;
  snprintf(decl, sizeof decl, "string &opAddAssign(%s)", typeName);
  failures += engine->RegisterObjectMethod("string", decl, asFUNCTION((addAssignNumber<T, Format>)),
                                           asCALL_CDECL_OBJLAST) < 0;
  snprintf(decl, sizeof decl, "string@ opAdd(%s) const", typeName);
  failures += engine->RegisterObjectMethod("string", decl, asFUNCTION((addNumber<T, Format>)),
                                           asCALL_CDECL_OBJLAST) < 0;
  snprintf(decl, sizeof decl, "string@ opAdd_r(%s) const", typeName);
  failures += engine->RegisterObjectMethod("string", decl, asFUNCTION((numberAdd<T, Format>)),
                                           asCALL_CDECL_OBJLAST) < 0;
  return failures;
}

int registerTypeAndLifetime(asIScriptEngine* engine) {
  int failures = 0;
  failures += engine->RegisterObjectType("string", 0, asOBJ_REF) < 0;
  failures += engine->RegisterObjectBehaviour("string", asBEHAVE_FACTORY, "string@ f()",
                                              asFUNCTION(makeEmpty), asCALL_CDECL) < 0;
  failures += engine->RegisterObjectBehaviour("string", asBEHAVE_ADDREF, "void f()",
                                              asFUNCTION(addRefScriptString), asCALL_CDECL_OBJLAST) < 0;
  failures += engine->RegisterObjectBehaviour("string", asBEHAVE_RELEASE, "void f()",
                                              asFUNCTION(releaseScriptString), asCALL_CDECL_OBJLAST) < 0;
  return failures;
}

int registerTextOperators(asIScriptEngine* engine) {
  int failures = 0;
  failures += engine->RegisterObjectMethod("string", "string &opAssign(const string &in)", asFUNCTION(assign),
                                           asCALL_CDECL_OBJLAST) < 0;
  failures += engine->RegisterObjectMethod("string", "string &opAddAssign(const string &in)",
                                           asFUNCTION(addAssign), asCALL_CDECL_OBJLAST) < 0;
  failures += engine->RegisterStringFactory("string", &literalFactory) < 0;
  failures += engine->RegisterObjectMethod("string", "bool opEquals(const string &in) const", asFUNCTION(equals),
                                           asCALL_CDECL_OBJLAST) < 0;
  failures += engine->RegisterObjectMethod("string", "int opCmp(const string &in) const", asFUNCTION(compare),
                                           asCALL_CDECL_OBJLAST) < 0;
  failures += engine->RegisterObjectMethod("string", "string@ opAdd(const string &in) const", asFUNCTION(add),
                                           asCALL_CDECL_OBJLAST) < 0;
  failures += engine->RegisterObjectMethod("string", "uint8 &opIndex(uint)", asFUNCTION(byteAt),
                                           asCALL_CDECL_OBJLAST) < 0;
  failures += engine->RegisterObjectMethod("string", "const uint8 &opIndex(uint) const", asFUNCTION(byteAt),
                                           asCALL_CDECL_OBJLAST) < 0;
  failures += engine->RegisterObjectMethod("string", "uint length() const", asFUNCTION(length),
                                           asCALL_GENERIC) < 0;
  return failures;
}

}  // namespace

bool registerScriptString(asIScriptEngine* engine) {
  int failures = registerTypeAndLifetime(engine);
  failures += registerTextOperators(engine);
  failures += registerNumber<double, formatScriptDouble>(engine, "double");
  failures += registerNumber<int, formatScriptInt>(engine, "int");
  failures += registerNumber<unsigned, formatScriptUint>(engine, "uint");
  // Every integer type has its own conversions: with int64 beside int, a
  // smaller type would match both equally well.
  failures += registerNumber<long long, formatScriptInt64>(engine, "int64");
  failures += registerNumber<unsigned long long, formatScriptUint64>(engine, "uint64");
  failures += registerNumber<signed char, widened<signed char, int, formatScriptInt>>(engine, "int8");
  failures += registerNumber<short, widened<short, int, formatScriptInt>>(engine, "int16");
  failures += registerNumber<unsigned char, widened<unsigned char, unsigned, formatScriptUint>>(engine, "uint8");
  failures += registerNumber<unsigned short, widened<unsigned short, unsigned, formatScriptUint>>(engine, "uint16");
  return failures == 0;
}
