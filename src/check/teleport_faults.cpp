// The faults of one teleport: see teleport_faults.h.
#include "teleport_faults.h"

bool teleportCellOnMap(int x, int y) { return x >= 1 && x <= kMapColumns && y >= 1 && y <= kMapRows; }

TeleportFaults teleportFaults(const LocalMap& map, int index,
                              const std::function<bool(const std::string& fileName)>& mapFileExists) {
  TeleportFaults f;
  if (!map.getTeleport(index, &f.x, &f.y, f.name)) return f;
  f.read = true;
  f.cellOutside = !teleportCellOnMap(f.x, f.y);
  f.targetMissing = !mapFileExists(std::string(f.name) + ".MAP");
  char other[kTeleportNameSize];
  int ox = 0, oy = 0;
  for (int i = 0; i < index && f.sharesCellWith < 0; i++)
    if (map.getTeleport(i, &ox, &oy, other) && ox == f.x && oy == f.y) f.sharesCellWith = i;
  return f;
}
