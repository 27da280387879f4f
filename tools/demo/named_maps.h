// The maps beyond the 400 world maps: the town of Oakvale (a Local map), a
// house in it (Interior), and the caves and houses entered from world cells
// (Interior cell maps). Each knows its teleports and placements.
#pragma once
#include <string>
#include <vector>

#include "data/map_kind.h"
#include "demo_world.h"

struct NamedMap {
  std::string name;  // file name without ".MAP"
  MapKind kind = Interior;
  uint8_t tile[kBlockH][kBlockW] = {};
  std::vector<DemoTeleport> teleports;      // map cells, 0-based
  std::vector<DemoPlacement> placements;    // map cells, 0-based
};

// Every named map the world's teleports lead to, each with its way back.
std::vector<NamedMap> buildNamedMaps(const DemoWorld& world);
