// One exit of a local map: a 1-based cell (column + 1, row + 1) and the file
// name, without directory and extension, of the map it leads into.
#pragma once
#include <cstdint>

constexpr int kTeleportNameSize = 256;  // at most 255 characters and the terminator

struct Teleport {
  int32_t x;                     // cell column + 1
  int32_t y;                     // cell row + 1
  char name[kTeleportNameSize];  // destination map name, e.g. "TAB2515"
  Teleport* next;                // following teleport of the owning map, or nullptr
};
