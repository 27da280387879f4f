// WorldTeleports: the teleports of the 400 world maps placed on the world
// grid, each with the square it leads to when its destination is a world map.
// Filled while the world is loaded; the world view's teleport overlay draws it.
#pragma once
#include <vector>

#include "data/local_map.h"
#include "data/teleport.h"

struct WorldTeleport {
  int wx, wy;                    // world cell of the teleport (0..959, 0..479)
  int destCol, destRow;          // square of a world map destination; -1, -1 for any other map
  char name[kTeleportNameSize];  // destination map name as the teleport holds it
  bool leadsToWorldMap() const { return destCol >= 0; }
};

struct WorldTeleports {
  std::vector<WorldTeleport> list;  // in load order: square by square, then teleport order
  unsigned version = 0;             // counts the changes made by clear and addMap, so
                                    // a picture drawn from the list knows it is out of date

  void clear() {
    list.clear();
    ++version;
  }
  // Adds the teleports of map, the world map of square (col, row), in list
  // order; a teleport whose cell lies outside the map has no place on the
  // grid and is left out.
  void addMap(const LocalMap& map, int col, int row);
};
