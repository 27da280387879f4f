// One placement record of a map's ".DAT" file: 11 bytes that put a constant
// object, a player object or a creature on a cell, and the one rule that says
// which table a record's id points into and whether the record is in use.
#pragma once
#include <cstdint>

constexpr int kPlacementSize = 11;
constexpr int kConstantObjectIdEnd = 400;    // ids 0-399: constant object id
constexpr int kCreatureIdBase = 1000;        // ids 1000-49999: creature id - 1000
constexpr int kPlayerObjectIdBase = 50000;   // ids from 50000: player object id - 50000

struct Placement {
  unsigned char x;         // cell column, 1-based
  unsigned char y;         // cell row, 1-based
  unsigned char inUse;     // 1: an object placement in use; 0: free
  unsigned char quantity;  // number of objects
  unsigned char spare[3];  // bytes 4-6, not used by the editor, written back unchanged
  int32_t id;              // little-endian in the file, bytes 7-10
};

// One record from and to its 11 bytes, field by field, little-endian.
void decodePlacement(const unsigned char* bytes, Placement& p);
void encodePlacement(const Placement& p, unsigned char* bytes);

// The table an id points into; None for ids 400-999 and negative ones.
enum class PlacementKind { None, ConstantObject, Creature, PlayerObject };
PlacementKind placementKind(int32_t id);

// The id's record number within its table (id, id - 1000, id - 50000); -1
// for an id of kind None.
int placementIndex(int32_t id);

// True for a record that puts something on its cell: a creature whatever its
// in-use byte says (the game shows it regardless), any other id only when the
// byte is 1. An id that names no table still counts, so that it can be reported.
bool placementInUse(const Placement& p);

// True for a record a new placement may take: it shows nothing (in-use byte
// 0) and its id names no creature, which shows whatever that byte says.
bool placementFree(const Placement& p);

// True for an id that names a record of its table: a constant object 0-399,
// a creature of the directory's 3000, a player object of the 49900.
bool placementIdNamesRecord(int32_t id);
