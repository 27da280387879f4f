// The name field of an object record: up to 30 characters, terminator optional.
#include "data/map_object.h"

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
