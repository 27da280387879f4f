// The 11 bytes of a placement record (four single bytes, three carried as
// they are, and the id as a little-endian 32-bit integer) and the id ranges.
#include "data/placement.h"

#include <cstring>

#include "data/creature_list.h"
#include "data/little_endian.h"
#include "data/object_list.h"

static_assert(kConstantObjectIdEnd == kConstantObjectCount, "a constant object id is its record number");

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

PlacementKind placementKind(int32_t id) {
  if (id >= kPlayerObjectIdBase) return PlacementKind::PlayerObject;
  if (id >= kCreatureIdBase) return PlacementKind::Creature;
  if (id >= 0 && id < kConstantObjectIdEnd) return PlacementKind::ConstantObject;
  return PlacementKind::None;
}

int placementIndex(int32_t id) {
  switch (placementKind(id)) {
    case PlacementKind::ConstantObject:
      return id;
    case PlacementKind::Creature:
      return id - kCreatureIdBase;
    case PlacementKind::PlayerObject:
      return id - kPlayerObjectIdBase;
    case PlacementKind::None:
      break;
  }
  return -1;
}

bool placementInUse(const Placement& p) {
  return p.inUse == 1 || placementKind(p.id) == PlacementKind::Creature;
}

bool placementFree(const Placement& p) { return p.inUse == 0 && placementKind(p.id) != PlacementKind::Creature; }

bool placementIdNamesRecord(int32_t id) {
  const int index = placementIndex(id);
  switch (placementKind(id)) {
    case PlacementKind::ConstantObject:
      return true;
    case PlacementKind::Creature:
      return index < kDirectoryCreatureCount;
    case PlacementKind::PlayerObject:
      return index < kPlayerObjectCount;
    case PlacementKind::None:
      break;
  }
  return false;
}
