// A map's block in and out of the world grid, a row of the block at a time.
#include "data/world_buffer.h"

void putMapIntoWorld(const LocalMap& map, int col, int row, WorldBuffer& world) {
  for (int y = 0; y < kMapRows; y++) {
    unsigned char* line = &world.at(worldX(col, 0), worldY(row, y));
    for (int x = 0; x < kMapColumns; x++) line[x] = map.getTile(x, y);
  }
}

void takeMapFromWorld(const WorldBuffer& world, int col, int row, LocalMap& map) {
  for (int y = 0; y < kMapRows; y++) {
    const unsigned char* line = &world.at(worldX(col, 0), worldY(row, y));
    for (int x = 0; x < kMapColumns; x++) map.setTile(x, y, line[x]);
  }
}
