// Decoding a creature record: byte fields copied in file order, the two integer
// arrays assembled little-endian, so the in-memory layout need not match the file.
#include "data/creature.h"

#include <cstring>

#include "data/little_endian.h"

namespace {

// Copies the next width bytes of the record into field and advances the offset.
void takeBytes(const unsigned char* record, int& offset, void* field, int width) {
  memcpy(field, record + offset, static_cast<size_t>(width));
  offset += width;
}

void takeIntegers(const unsigned char* record, int& offset, int32_t* field, int count) {
  for (int i = 0; i < count; i++) {
    field[i] = readLeI32(record + offset);
    offset += 4;
  }
}

}  // namespace

void decodeCreature(const unsigned char* record, Creature& c) {
  int offset = 0;
  takeBytes(record, offset, c.bytes0, sizeof c.bytes0);
  takeBytes(record, offset, &c.sprite, sizeof c.sprite);
  takeBytes(record, offset, c.name, sizeof c.name);
  takeBytes(record, offset, c.bytes44, sizeof c.bytes44);
  takeBytes(record, offset, c.bytes60, sizeof c.bytes60);
  takeBytes(record, offset, c.bytes69, sizeof c.bytes69);
  takeBytes(record, offset, c.bytes128, sizeof c.bytes128);
  takeBytes(record, offset, c.bytes138, sizeof c.bytes138);
  takeBytes(record, offset, c.bytes148, sizeof c.bytes148);
  takeBytes(record, offset, c.bytes187, sizeof c.bytes187);
  takeBytes(record, offset, c.bytes199, sizeof c.bytes199);
  takeBytes(record, offset, c.bytes211, sizeof c.bytes211);
  takeBytes(record, offset, c.bytes223, sizeof c.bytes223);
  takeBytes(record, offset, c.bytes239, sizeof c.bytes239);
  takeBytes(record, offset, c.bytes251, sizeof c.bytes251);
  takeBytes(record, offset, c.bytes263, sizeof c.bytes263);
  takeBytes(record, offset, c.bytes275, sizeof c.bytes275);
  takeBytes(record, offset, c.bytes287, sizeof c.bytes287);
  takeIntegers(record, offset, c.integers295, 8);
  takeBytes(record, offset, c.bytes327, sizeof c.bytes327);
  takeIntegers(record, offset, c.integers395, 7);
  takeBytes(record, offset, c.bytes423, sizeof c.bytes423);
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
