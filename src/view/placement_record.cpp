// The record a placement shows: its id's table (data/placement.h) looked up in
// the loaded object and creature tables.
#include "view/placement_record.h"

namespace {
PlacedRecord objectRecord(PlacementKind kind, const MapObject* object) {
  if (object == nullptr) return PlacedRecord{PlacementKind::None, nullptr, nullptr, -1};
  return PlacedRecord{kind, object, nullptr, object->sprite()};
}
}  // namespace

PlacedRecord placedRecord(const Placement& p, const ObjectList& objects, const CreatureList& creatures) {
  const PlacementKind kind = placementKind(p.id);
  const int index = placementIndex(p.id);
  if (placementInUse(p)) {
    switch (kind) {
      case PlacementKind::ConstantObject:
        return objectRecord(kind, objects.constantObject(index));
      case PlacementKind::PlayerObject:
        return objectRecord(kind, objects.playerObject(index));
      case PlacementKind::Creature:
        if (const Creature* creature = creatures.creature(index))
          return PlacedRecord{kind, nullptr, creature, creature->sprite};
        break;
      case PlacementKind::None:
        break;
    }
  }
  return PlacedRecord{PlacementKind::None, nullptr, nullptr, -1};
}
