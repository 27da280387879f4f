// ScriptString: the scripts' reference-counted "string" type, and
// registerScriptString, which makes it known to an engine with its operators,
// comparisons, index and number conversions.
#pragma once

#include <string>

namespace AngelScript {
class asIScriptEngine;
}

// A heap object: a counted byte text (any byte value may occur) and the number
// of references the engine holds, 1 when made.
struct ScriptString {
  std::string text;
  int refCount;
};

// A new string with count 1 holding length bytes of bytes; nullptr without memory.
ScriptString* newScriptString(const char* bytes, size_t length);
// A new string with count 1 holding a's bytes followed by b's; nullptr
// without memory, and then nothing is kept.
ScriptString* newJoinedScriptString(const char* a, size_t aLength, const char* b, size_t bLength);
void addRefScriptString(ScriptString* s);
// Drops one reference and deletes the object when none is left.
void releaseScriptString(ScriptString* s);

// Number texts of the conversions: int, uint and their 64-bit kin in decimal, double as the
// standard stream writes it by default (6 significant digits, "3" for 3.0).
std::string formatScriptInt(int value);
std::string formatScriptUint(unsigned value);
std::string formatScriptDouble(double value);
// int64 and uint64 have their own conversions, so a 64-bit number is never
// narrowed to 32 bits on its way into a text.
std::string formatScriptInt64(long long value);
std::string formatScriptUint64(unsigned long long value);

// Registers the type "string", its operators and the string-literal factory.
// Returns false when the engine refused one of the registrations.
bool registerScriptString(AngelScript::asIScriptEngine* engine);
