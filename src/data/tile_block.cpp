// Copy and paste of tile blocks, clipped cell by cell to the map.
#include "data/tile_block.h"

#include <algorithm>

TileBlock copyBlock(const LocalMap& map, const CellRect& rect) {
  TileBlock block;
  const CellRect inside = cellRectBetween(rect.left, rect.top, rect.right, rect.bottom);
  if (rect.empty() || inside.empty()) return block;
  block.width = inside.width();
  block.height = inside.height();
  for (int r = 0; r < block.height; ++r)
    for (int c = 0; c < block.width; ++c) block.set(c, r, map.getTile(inside.left + c, inside.top + r));
  return block;
}

CellRect blockCellsAt(const TileBlock& block, int column, int row) {
  if (block.empty()) return kNoCells;
  CellRect rect{std::max(column, 0), std::max(row, 0), std::min(column + block.width - 1, kMapColumns - 1),
                std::min(row + block.height - 1, kMapRows - 1)};
  return rect.empty() ? kNoCells : rect;
}

AreaChange pasteBlock(LocalMap& map, const TileBlock& block, int column, int row) {
  AreaChange change;
  const CellRect target = blockCellsAt(block, column, row);
  for (int r = target.top; r <= target.bottom; ++r) {
    for (int c = target.left; c <= target.right; ++c) paintCell(map, c, r, block.at(c - column, r - row), change);
  }
  return change;
}

bool blockHoldsUnstorableCode(const TileBlock& block, int* code) {
  for (int r = 0; r < block.height; ++r) {
    for (int c = 0; c < block.width; ++c) {
      if (isStorableTileCode(block.at(c, r))) continue;
      if (code != nullptr) *code = block.at(c, r);
      return true;
    }
  }
  return false;
}
