// The teleports of a world map, moved onto the world grid.
#include "data/world_teleports.h"

#include "data/world_buffer.h"
#include "data/world_neighbours.h"

void WorldTeleports::addMap(const LocalMap& map, int col, int row) {
  ++version;
  for (int i = 0; i < map.teleportCount(); ++i) {
    WorldTeleport t;
    int x, y;
    if (!map.getTeleport(i, &x, &y, t.name) || x < 1 || x > kMapColumns || y < 1 || y > kMapRows) continue;
    t.wx = worldX(col, x - 1);
    t.wy = worldY(row, y - 1);
    if (!worldSquareOfName(t.name, &t.destCol, &t.destRow)) t.destCol = t.destRow = -1;
    list.push_back(t);
  }
}
