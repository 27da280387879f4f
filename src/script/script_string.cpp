// The ScriptString object's lifetime and the number texts of its conversions.
// Objects come from the heap with count 1 and delete themselves at count 0.
#include "script/script_string.h"

#include <cstdio>
#include <exception>
#include <new>

// std::string reports a failed allocation only by throwing; these are the
// one place that catches it, so that no half-made object is kept.
ScriptString* newScriptString(const char* bytes, size_t length) {
  return newJoinedScriptString(bytes, length, "", 0);
}

ScriptString* newJoinedScriptString(const char* a, size_t aLength, const char* b, size_t bLength) {
  ScriptString* s = new (std::nothrow) ScriptString;
  if (s == nullptr) return nullptr;
  try {
    s->text.reserve(aLength + bLength);
    s->text.append(a, aLength).append(b, bLength);
  } catch (const std::exception&) {
    delete s;
    return nullptr;
  }
  s->refCount = 1;
  return s;
}

void addRefScriptString(ScriptString* s) { s->refCount++; }

void releaseScriptString(ScriptString* s) {
  if (--s->refCount == 0) delete s;
}

std::string formatScriptInt(int value) {
  char buffer[16];
  snprintf(buffer, sizeof buffer, "%d", value);
  return buffer;
}

std::string formatScriptUint(unsigned value) {
  char buffer[16];
  snprintf(buffer, sizeof buffer, "%u", value);
  return buffer;
}

std::string formatScriptInt64(long long value) {
  char buffer[24];
  snprintf(buffer, sizeof buffer, "%lld", value);
  return buffer;
}

std::string formatScriptUint64(unsigned long long value) {
  char buffer[24];
  snprintf(buffer, sizeof buffer, "%llu", value);
  return buffer;
}

// "%g" is what a standard output stream writes for a double by default.
std::string formatScriptDouble(double value) {
  char buffer[32];
  snprintf(buffer, sizeof buffer, "%g", value);
  return buffer;
}
