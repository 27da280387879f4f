// The placement id rules: which table a placement's id points into.
#include "view/placement_record.h"

namespace {
constexpr int kLastConstantId = 399;
constexpr int kFirstCreatureId = 1000;
constexpr int kLastCreatureId = 49999;
constexpr int kFirstPlayerObjectId = 50000;

PlacedRecord objectRecord(PlacedKind kind, const MapObject* object) {
  if (object == nullptr) return PlacedRecord{PlacedKind::None, nullptr, nullptr, -1};
  return PlacedRecord{kind, object, nullptr, object->sprite()};
}
}  // namespace

PlacedRecord placedRecord(const Placement& p, const ObjectList& objects, const CreatureList& creatures) {
  if (p.id >= 0 && p.id <= kLastConstantId && p.inUse == 1)
    return objectRecord(PlacedKind::ConstantObject, objects.constantObject(p.id));
  if (p.id >= kFirstPlayerObjectId && p.inUse == 1)
    return objectRecord(PlacedKind::PlayerObject, objects.playerObject(p.id - kFirstPlayerObjectId));
  if (p.id >= kFirstCreatureId && p.id <= kLastCreatureId) {
    const Creature* creature = creatures.creature(p.id - kFirstCreatureId);
    if (creature != nullptr) return PlacedRecord{PlacedKind::Creature, nullptr, creature, creature->sprite};
  }
  return PlacedRecord{PlacedKind::None, nullptr, nullptr, -1};
}
