// The name field of an object record: up to 30 characters, terminator
// optional; and what makes a slot empty.
#include "data/map_object.h"

#include <cstring>

namespace {
constexpr char kEmptySlotName[] = "*unmatchablestring*";
}  // namespace

bool MapObject::isEmptySlot() const { return strcmp(name().text, kEmptySlotName) == 0; }

bool MapObject::holdsObject() const { return !isEmptySlot() && !(name().text[0] == 0 && sprite() == 0); }

ObjectName MapObject::name() const {
  ObjectName out;
  int length = 0;
  while (length < kObjectNameLength && bytes[kObjectNameOffset + length] != 0) {
    out.text[length] = static_cast<char>(bytes[kObjectNameOffset + length]);
    length++;
  }
  out.text[length] = 0;
  return out;
}
