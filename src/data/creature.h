// One record of the game's creature tables ("CONSTANT.CRE", "<dir>.CRS"):
// 431 bytes in the file, decoded into its 22 fields in file order. The editor
// looks at `sprite` and `name` only and carries the rest as the game wrote it;
// the fields not used by the editor are named after their file offset.
#pragma once
#include <cstdint>

constexpr int kCreatureSize = 431;
constexpr int kCreatureNameLength = 40;

// The name as a terminated string; a name may fill all 40 bytes of its field.
struct CreatureName {
  char text[kCreatureNameLength + 1];
};

struct Creature {
  unsigned char bytes0[3];
  unsigned char sprite;            // sprite slot of the SpriteSet
  char name[kCreatureNameLength];  // ends at the first zero byte or after 40 characters
  unsigned char bytes44[16];
  unsigned char bytes60[9];
  unsigned char bytes69[59];
  unsigned char bytes128[10];
  unsigned char bytes138[10];
  unsigned char bytes148[39];
  unsigned char bytes187[12];
  unsigned char bytes199[12];
  unsigned char bytes211[12];
  unsigned char bytes223[16];
  unsigned char bytes239[12];
  unsigned char bytes251[12];
  unsigned char bytes263[12];
  unsigned char bytes275[12];
  unsigned char bytes287[8];
  int32_t integers295[8];  // little-endian in the file, bytes 295-326
  unsigned char bytes327[68];
  int32_t integers395[7];  // little-endian in the file, bytes 395-422
  unsigned char bytes423[8];

  CreatureName nameText() const;
};

// Fills c from the 431 bytes of one record, field by field.
void decodeCreature(const unsigned char* record, Creature& c);
// Writes c as the 431 bytes of one record (the editor never writes creature
// files; tools that make them share the layout here).
void encodeCreature(const Creature& c, unsigned char* record);
