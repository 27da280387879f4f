// The world grid: 20 x 20 squares, one per world map, each a 48 x 24 block of
// tile bytes, 960 columns by 480 rows in all, row-major. The world view draws
// it; scripts read and write it; world loading fills it from the 400 world map
// files. The one place that says where a map's block lies in the world.
#pragma once
#include "data/local_map.h"
#include "data/map_names.h"

constexpr int kWorldColumns = kWorldSquares * kMapColumns;  // 960
constexpr int kWorldRows = kWorldSquares * kMapRows;        // 480

struct WorldBuffer {
  unsigned char cells[kWorldRows * kWorldColumns];  // cell (x, y) at y * 960 + x

  unsigned char& at(int x, int y) { return cells[y * kWorldColumns + x]; }
  const unsigned char& at(int x, int y) const { return cells[y * kWorldColumns + x]; }
};

// The world cell of cell (x, y) of the map of square (col, row), all from 0.
constexpr int worldX(int col, int x) { return col * kMapColumns + x; }
constexpr int worldY(int row, int y) { return row * kMapRows + y; }

// The square whose block holds world column wx, world row wy.
constexpr int squareColumnOf(int wx) { return wx / kMapColumns; }
constexpr int squareRowOf(int wy) { return wy / kMapRows; }

// Copies all 48 x 24 tiles of map into the block of square (col, row).
void putMapIntoWorld(const LocalMap& map, int col, int row, WorldBuffer& world);

// Sets map's tiles from the block of square (col, row) through setTile, so
// that row 23 changes only in a Wilderness map, the one kind that has it.
void takeMapFromWorld(const WorldBuffer& world, int col, int row, LocalMap& map);
