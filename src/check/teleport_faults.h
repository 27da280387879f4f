// What makes a teleport of a map valid, in one place: the world check asks it
// for every teleport and the editor for each teleport the user adds.
#pragma once
#include <functional>
#include <string>

#include "data/local_map.h"

struct TeleportFaults {
  bool read = false;           // the teleport exists; nothing below is set otherwise
  bool cellOutside = false;    // its cell lies outside 1..48 x 1..24
  int sharesCellWith = -1;     // an earlier teleport on its cell, the one ever used; -1 when none
  bool targetMissing = false;  // its destination "<name>.MAP" is not in the map's directory
  int x = 0, y = 0;            // its 1-based cell
  char name[kTeleportNameSize] = {0};  // its destination map's name
};

// True for a cell of the map, 1..48 x 1..24.
bool teleportCellOnMap(int x, int y);

// The faults of teleport index of map; mapFileExists(fileName) says whether
// a file of that name ("NAME.MAP") is in the map's directory.
TeleportFaults teleportFaults(const LocalMap& map, int index,
                              const std::function<bool(const std::string& fileName)>& mapFileExists);
