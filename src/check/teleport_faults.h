// What makes a teleport of a map valid, in one place: the world check asks it
// for every teleport and the editor for each teleport the user adds.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "data/local_map.h"
#include "data/teleport_list.h"

struct TeleportFaults {
  int sharesCellWith = -1;     // the first teleport on its cell, the one ever used; -1 when it is that one
  bool cellOutside = false;    // its cell lies outside 1..48 x 1..24
  bool targetMissing = false;  // its destination "<name>.MAP" is not in the map's directory
  bool firstWithName = false;  // no earlier teleport of the map names the same destination (spelled the same)
  int x = 0, y = 0;            // its 1-based cell
  const char* name = "";       // its destination map's name, held by the list (valid while it is unchanged;
                               // the copy of the first teleport that names that map)
  size_t nameLength = 0;       // its length
};

// True for a cell of the map, 1..48 x 1..24.
bool teleportCellOnMap(int x, int y);

// The faults of every teleport of a map's list, in order, in one pass (a map
// with thousands of teleports takes linear time, and no allocation per
// teleport); mapFileExists(fileName) says whether a file of that name
// ("NAME.MAP") is in the map's directory, and is asked once for each distinct
// name.
std::vector<TeleportFaults> teleportFaults(const TeleportList& teleports,
                                           const std::function<bool(const std::string& fileName)>& mapFileExists);

// The teleports of map, in order, into list (emptied first).
void listTeleports(const LocalMap& map, TeleportList& list);
