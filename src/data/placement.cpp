// The 11 bytes of a placement record: four single bytes, three carried as
// they are, and the id as a little-endian 32-bit integer.
#include "data/placement.h"

#include <cstring>

#include "data/little_endian.h"

void decodePlacement(const unsigned char* bytes, Placement& p) {
  p.x = bytes[0];
  p.y = bytes[1];
  p.inUse = bytes[2];
  p.quantity = bytes[3];
  memcpy(p.spare, bytes + 4, sizeof p.spare);
  p.id = readLeI32(bytes + 7);
}

void encodePlacement(const Placement& p, unsigned char* bytes) {
  bytes[0] = p.x;
  bytes[1] = p.y;
  bytes[2] = p.inUse;
  bytes[3] = p.quantity;
  memcpy(bytes + 4, p.spare, sizeof p.spare);
  writeLeI32(bytes + 7, p.id);
}
