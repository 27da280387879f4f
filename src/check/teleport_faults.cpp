// The faults of a map's teleports: see teleport_faults.h.
#include "teleport_faults.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>
#include <unordered_map>

bool teleportCellOnMap(int x, int y) { return x >= 1 && x <= kMapColumns && y >= 1 && y <= kMapRows; }

std::vector<TeleportFaults> teleportFaults(const LocalMap& map,
                                           const std::function<bool(const std::string& fileName)>& mapFileExists) {
  std::vector<TeleportFaults> all;
  if (map.teleportCount() == 0) return all;
  all.reserve(static_cast<size_t>(map.teleportCount()));
  // The first teleport on each cell, so that every later one there is found
  // in one look: a table for the cells of the map, a hash for those outside.
  int firstOnMapCell[kMapColumns * kMapRows];
  std::fill(std::begin(firstOnMapCell), std::end(firstOnMapCell), -1);
  std::unordered_map<uint64_t, int> firstOutside;
  // Each destination is looked up once: thousands of teleports name few maps.
  // Later teleports with a name point at the first one's copy of it, so that
  // what reads the names reads few of the map's nodes.
  struct Target {
    const char* name;
    bool found;
  };
  std::unordered_map<std::string_view, Target> targets;
  std::string fileName;
  for (int i = 0; i < map.teleportCount(); i++) {
    const Teleport* t = map.teleport(i);
    if (!t) break;
    TeleportFaults f;
    f.x = t->x;
    f.y = t->y;
    f.cellOutside = !teleportCellOnMap(f.x, f.y);
    if (!f.cellOutside) {
      int& first = firstOnMapCell[(f.y - 1) * kMapColumns + (f.x - 1)];
      if (first >= 0) f.sharesCellWith = first;
      else first = i;
    } else {
      const uint64_t cell = static_cast<uint64_t>(static_cast<uint32_t>(f.x)) << 32 | static_cast<uint32_t>(f.y);
      const auto first = firstOutside.emplace(cell, i);
      if (!first.second) f.sharesCellWith = first.first->second;
    }
    const auto target = targets.try_emplace(std::string_view(t->name), Target{t->name, false});
    f.firstWithName = target.second;
    if (target.second) target.first->second.found = mapFileExists(fileName.assign(t->name).append(".MAP"));
    f.name = target.first->second.name;
    f.targetMissing = !target.first->second.found;
    all.push_back(f);
  }
  return all;
}
