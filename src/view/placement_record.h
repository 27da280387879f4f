// Which loaded record a placement shows, shared by the map picture and the
// placement list.
#pragma once
#include "data/creature_list.h"
#include "data/object_list.h"
#include "data/placement.h"

struct PlacedRecord {
  PlacementKind kind;       // None when the placement shows nothing
  const MapObject* object;    // ConstantObject, PlayerObject
  const Creature* creature;   // Creature
  int sprite;                 // the record's sprite slot, -1 for None
};

// The record of a placement in use (placementInUse) in its id's table. A
// record that is absent (table not loaded, index out of it) gives None, as do
// placements not in use and ids of no table.
PlacedRecord placedRecord(const Placement& p, const ObjectList& objects, const CreatureList& creatures);
