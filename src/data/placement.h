// One placement record of a map's ".DAT" file: 11 bytes that put a constant
// object, a player object or a creature on a cell. Ids 0-399 are constant
// objects, 1000-49999 creatures (id - 1000), 50000 and up player objects.
#pragma once
#include <cstdint>

constexpr int kPlacementSize = 11;
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
