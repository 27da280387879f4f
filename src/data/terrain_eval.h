// Evaluating terrain rules over a grid of tile codes. A pass reads only the
// grid as it was before the pass and writes its results apart, so the order
// in which cells are visited never matters; a rule's chance and choice come
// from the cell's position and the rules' seed, so the same pass always gives
// the same result.
//
// Performance: the inner loop reads the grid through precomputed offsets,
// with no bounds checks (the grid carries kTerrainMargin cells of
// surroundings on each side) and no allocation per cell.
#pragma once
#include <cstdint>
#include <vector>

#include "data/terrain_rules.h"

// Tile codes with kTerrainMargin cells of surroundings around the cells that
// are evaluated. (originX, originY) is where inner cell (0, 0) lies for the
// randomness: its world cell on a world map, else (0, 0).
struct TerrainGrid {
  int width = 0, height = 0;  // the inner cells
  int originX = 0, originY = 0;
  std::vector<uint8_t> cells;  // (width + 4) x (height + 4), row-major

  void resize(int innerWidth, int innerHeight);
  int stride() const { return width + 2 * kTerrainMargin; }
  // x from -kTerrainMargin to width + kTerrainMargin - 1, y likewise.
  uint8_t& at(int x, int y) { return cells[(y + kTerrainMargin) * stride() + x + kTerrainMargin]; }
  const uint8_t& at(int x, int y) const { return cells[(y + kTerrainMargin) * stride() + x + kTerrainMargin]; }
  // Every margin cell becomes a copy of the nearest inner cell: what a rule
  // sees outside the world.
  void copyEdges();
};

// What the rules make of one cell.
struct TerrainMatch {
  int rule = -1;     // index into rules.rules(), -1 when none matched
  uint8_t code = 0;  // the code it gives (the cell's own when none matched)
};

// The 32-bit hash of a cell position, the seed and a salt (a rule's index).
uint32_t terrainHash(uint32_t seed, int x, int y, uint32_t salt);

// The rule that the inner cell (x, y) of grid matches first, and its code.
TerrainMatch matchTerrainCell(const TerrainRules& rules, const TerrainGrid& grid, int x, int y);

// Evaluates the inner cells (left..left+width-1, top..top+height-1) of grid
// into out (width x height, row-major): each cell's code after the pass.
// Returns how many differ from the grid. The area must lie inside the inner cells.
int evaluateTerrain(const TerrainRules& rules, const TerrainGrid& grid, int left, int top, int width, int height,
                    uint8_t* out);

// The same for count listed inner cells, (xs[i], ys[i]) into out[i]; the
// compiled patterns are laid onto the grid once for the whole list.
int evaluateTerrainCells(const TerrainRules& rules, const TerrainGrid& grid, const int* xs, const int* ys, int count,
                         uint8_t* out);
