// Which record a placement names: the one rule, shared by the map picture and
// the placement list, that reads a placement's id and in-use flag.
#pragma once
#include "data/creature_list.h"
#include "data/object_list.h"
#include "data/placement.h"

enum class PlacedKind { None, ConstantObject, PlayerObject, Creature };

struct PlacedRecord {
  PlacedKind kind;
  const MapObject* object;    // ConstantObject, PlayerObject
  const Creature* creature;   // Creature
  int sprite;                 // the record's sprite slot, -1 for None
};

// Ids 0..399 in use: a constant object; 50000 and up in use: player object
// id - 50000; 1000..49999 whatever the flag: creature id - 1000. A record that
// is absent (table not loaded, index out of it) gives None, as do all others.
PlacedRecord placedRecord(const Placement& p, const ObjectList& objects, const CreatureList& creatures);
