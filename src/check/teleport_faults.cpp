// The faults of a map's teleports: see teleport_faults.h.
#include "teleport_faults.h"

#include <cstdint>
#include <unordered_map>

bool teleportCellOnMap(int x, int y) { return x >= 1 && x <= kMapColumns && y >= 1 && y <= kMapRows; }

std::vector<TeleportFaults> teleportFaults(const LocalMap& map,
                                           const std::function<bool(const std::string& fileName)>& mapFileExists) {
  std::vector<TeleportFaults> all;
  // The first teleport on each cell, so that every later one there is found in one look.
  std::unordered_map<uint64_t, int> firstOnCell;
  for (int i = 0; i < map.teleportCount(); i++) {
    TeleportFaults f;
    if (!map.getTeleport(i, &f.x, &f.y, f.name)) break;
    const uint64_t cell = static_cast<uint64_t>(static_cast<uint32_t>(f.x)) << 32 | static_cast<uint32_t>(f.y);
    const auto first = firstOnCell.emplace(cell, i);
    if (!first.second) f.sharesCellWith = first.first->second;
    f.cellOutside = !teleportCellOnMap(f.x, f.y);
    f.targetMissing = !mapFileExists(std::string(f.name) + ".MAP");
    all.push_back(f);
  }
  return all;
}
