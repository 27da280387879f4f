// One record of the game's object tables ("CONSTANT.OBJ", "playername.OBJ"):
// the 79 bytes of the file kept as they are, with the two fields the editor
// reads, the name (bytes 2-31) and the sprite slot (byte 53).
#pragma once
#include <cstddef>

constexpr int kMapObjectSize = 79;
constexpr int kObjectNameOffset = 2;
constexpr int kObjectNameLength = 30;
constexpr int kObjectSpriteOffset = 53;

// The name as a terminated string; a name may fill all 30 bytes of its field.
struct ObjectName {
  char text[kObjectNameLength + 1];
};

struct MapObject {
  unsigned char bytes[kMapObjectSize];

  // The name ends at its first zero byte or after 30 characters; never reads byte 32.
  ObjectName name() const;
  // Unsigned sprite slot (0 to 255) of the SpriteSet.
  int sprite() const { return bytes[kObjectSpriteOffset]; }

  // The game's mark of a slot that holds no object: the name
  // "*unmatchablestring*" exactly (the object list shows it as "empty").
  bool isEmptySlot() const;
  // False for an empty slot and for an all-zero record (no name, the blank
  // sprite), which is what a table shorter than its slots reads as: neither
  // holds an object that a placement could name or the game could show.
  bool holdsObject() const;
};

static_assert(sizeof(MapObject) == kMapObjectSize, "a table of MapObject is the file's bytes");
