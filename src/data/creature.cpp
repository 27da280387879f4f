// A creature record to and from its 431 bytes: byte fields copied in file
// order, the two integer arrays little-endian, so the in-memory layout need
// not match the file.
#include "data/creature.h"

#include <cstring>

#include "data/little_endian.h"

namespace {

// Visits the 22 fields of a record in file order: bytes(field, width) for a
// field of bytes, integers(array, count) for an array of 32-bit integers. The
// one statement of the record's layout, for reading and writing alike.
template <typename Record, typename Bytes, typename Integers>
void eachField(Record& c, Bytes bytes, Integers integers) {
  bytes(c.bytes0, sizeof c.bytes0);
  bytes(&c.sprite, sizeof c.sprite);
  bytes(c.name, sizeof c.name);
  bytes(c.bytes44, sizeof c.bytes44);
  bytes(c.bytes60, sizeof c.bytes60);
  bytes(c.bytes69, sizeof c.bytes69);
  bytes(c.bytes128, sizeof c.bytes128);
  bytes(c.bytes138, sizeof c.bytes138);
  bytes(c.bytes148, sizeof c.bytes148);
  bytes(c.bytes187, sizeof c.bytes187);
  bytes(c.bytes199, sizeof c.bytes199);
  bytes(c.bytes211, sizeof c.bytes211);
  bytes(c.bytes223, sizeof c.bytes223);
  bytes(c.bytes239, sizeof c.bytes239);
  bytes(c.bytes251, sizeof c.bytes251);
  bytes(c.bytes263, sizeof c.bytes263);
  bytes(c.bytes275, sizeof c.bytes275);
  bytes(c.bytes287, sizeof c.bytes287);
  integers(c.integers295, 8);
  bytes(c.bytes327, sizeof c.bytes327);
  integers(c.integers395, 7);
  bytes(c.bytes423, sizeof c.bytes423);
}

}  // namespace

void decodeCreature(const unsigned char* record, Creature& c) {
  const unsigned char* p = record;
  eachField(
      c,
      [&p](void* field, size_t width) {
        memcpy(field, p, width);
        p += width;
      },
      [&p](int32_t* field, int count) {
        for (int i = 0; i < count; i++, p += 4) field[i] = readLeI32(p);
      });
}

void encodeCreature(const Creature& c, unsigned char* record) {
  unsigned char* p = record;
  eachField(
      c,
      [&p](const void* field, size_t width) {
        memcpy(p, field, width);
        p += width;
      },
      [&p](const int32_t* field, int count) {
        for (int i = 0; i < count; i++, p += 4) writeLeI32(p, field[i]);
      });
}

CreatureName Creature::nameText() const {
  CreatureName out;
  int length = 0;
  while (length < kCreatureNameLength && name[length] != 0) {
    out.text[length] = name[length];
    length++;
  }
  out.text[length] = 0;
  return out;
}
