// GenericCall: the arguments of a call through the library's generic
// convention, read straight from the call's stack frame. The library's own
// GetArg* functions walk every parameter before the one asked for, so a
// six-argument function read that way cost three gettiles; here a function
// learns its arguments' offsets from the library (GetAddressOfArg) on its
// first call, and every read after that is one load.
#pragma once
#include <angelscript.h>

#include <cstring>
#include <string>

#include "script/script_string.h"

constexpr int kMostGenericArgs = 8;

// Where a function's arguments lie, in bytes from its first one. The layout
// follows the declaration alone, so one per declared function serves every
// engine (scripts run on one thread).
struct GenericArgLayout {
  bool known;
  int offset[kMostGenericArgs];
};

class GenericCall {
 public:
  GenericCall(AngelScript::asIScriptGeneric* gen, GenericArgLayout& layout)
      : gen_(gen), first_(static_cast<const char*>(gen->GetAddressOfArg(0))), layout_(layout) {
    if (!layout.known) learn();
  }

  AngelScript::asIScriptGeneric* generic() const { return gen_; }
  // Argument i (0-based) declared "int", "int &out" or "const string &in".
  int integer(int i) const { return load<int>(i); }
  int* out(int i) const { return load<int*>(i); }
  const std::string& text(int i) const { return load<const ScriptString*>(i)->text; }

  void returnInt(int value) const { gen_->SetReturnDWord(static_cast<AngelScript::asDWORD>(value)); }
  void returnBool(bool value) const { gen_->SetReturnByte(value ? 1 : 0); }

 private:
  template <typename T>
  T load(int i) const {
    T value;
    memcpy(&value, first_ + layout_.offset[i], sizeof value);
    return value;
  }

  void learn() {
    const int count = gen_->GetArgCount();
    for (int i = 0; i < count && i < kMostGenericArgs; i++) {
      const char* at = static_cast<const char*>(gen_->GetAddressOfArg(static_cast<AngelScript::asUINT>(i)));
      layout_.offset[i] = static_cast<int>(at - first_);
    }
    layout_.known = true;
  }

  AngelScript::asIScriptGeneric* gen_;
  const char* first_;
  GenericArgLayout& layout_;
};
