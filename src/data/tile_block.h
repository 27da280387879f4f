// A copied block of tile codes: the cells of a rectangle of one map, kept
// apart from any map so that it can be pasted into another. Teleports and
// placements are never part of it.
#pragma once
#include "data/map_area.h"

struct TileBlock {
  int width = 0;   // 0: nothing copied
  int height = 0;
  unsigned char cells[kMapRows][kMapColumns] = {};  // cells[r][c] for r < height, c < width

  bool empty() const { return width <= 0 || height <= 0; }
  unsigned char at(int column, int row) const { return cells[row][column]; }
};

// The codes of rect's cells (an empty rect copies nothing: an empty block).
TileBlock copyBlock(const LocalMap& map, const CellRect& rect);

// The cells of the map that block covers with its top-left cell at (column,
// row), cut at the map's edges (kNoCells when none lies on the map).
CellRect blockCellsAt(const TileBlock& block, int column, int row);

// Stamps block with its top-left cell at (column, row); cells that fall
// outside the map, or into rows its kind does not store, are dropped.
AreaChange pasteBlock(LocalMap& map, const TileBlock& block, int column, int row);

// True, with the first such code, when the block holds a code no MAP file
// can carry (10 or 13).
bool blockHoldsUnstorableCode(const TileBlock& block, int* code);
