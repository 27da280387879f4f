// A copied block of tile codes: the cells of a rectangle of one map, kept
// apart from any map so that it can be pasted into another. Teleports and
// placements are never part of it.
#pragma once
#include "data/map_area.h"

// The cells are kept row by row in width-long rows, so that a block turned a
// quarter (up to 24 wide and 48 high) fits the same storage as the map.
constexpr int kBlockCellCount = kMapColumns * kMapRows;

struct TileBlock {
  int width = 0;   // 0: nothing copied
  int height = 0;  // width * height <= kBlockCellCount
  unsigned char cells[kBlockCellCount] = {};  // cell (c, r) at r * width + c

  bool empty() const { return width <= 0 || height <= 0; }
  unsigned char at(int column, int row) const { return cells[row * width + column]; }
  void set(int column, int row, unsigned char code) { cells[row * width + column] = code; }
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
