// The area edits, each cell through paintCell; the fill paints the region
// fillRegion finds.
#include "data/map_area.h"

#include "data/fill_region.h"

#include <algorithm>

void paintCell(LocalMap& map, int column, int row, unsigned char code, AreaChange& change) {
  if (map.getTile(column, row) == code) return;
  map.setTile(column, row, code);
  if (map.getTile(column, row) == code) change.add(column, row);
}

void AreaChange::add(int column, int row) {
  if (cells++ == 0) {
    bounds = CellRect{column, row, column, row};
    return;
  }
  bounds.left = std::min(bounds.left, column);
  bounds.top = std::min(bounds.top, row);
  bounds.right = std::max(bounds.right, column);
  bounds.bottom = std::max(bounds.bottom, row);
}

CellRect cellRectBetween(int c0, int r0, int c1, int r1) {
  CellRect rect{std::min(c0, c1), std::min(r0, r1), std::max(c0, c1), std::max(r0, r1)};
  rect.left = std::max(rect.left, 0);
  rect.top = std::max(rect.top, 0);
  rect.right = std::min(rect.right, kMapColumns - 1);
  rect.bottom = std::min(rect.bottom, kMapRows - 1);
  return rect;
}

AreaChange fillRectangle(LocalMap& map, const CellRect& rect, unsigned char code) {
  AreaChange change;
  for (int r = rect.top; r <= rect.bottom; ++r)
    for (int c = rect.left; c <= rect.right; ++c) paintCell(map, c, r, code, change);
  return change;
}

AreaChange floodFill(LocalMap& map, int column, int row, unsigned char code) {
  AreaChange change;
  if (map.getTile(column, row) == code) return change;
  CellMask region;
  if (fillRegion(map, column, row, region) == 0) return change;
  for (int r = 0; r < kMapRows; ++r)
    for (int c = 0; c < kMapColumns; ++c)
      if (region.cells[r][c]) paintCell(map, c, r, code, change);
  return change;
}

AreaChange paintCells(LocalMap& map, const Cell* cells, int count, unsigned char code) {
  AreaChange change;
  for (int i = 0; i < count; ++i) paintCell(map, cells[i].column, cells[i].row, code, change);
  return change;
}

int countTile(const LocalMap& map, unsigned char code) {
  int count = 0;
  for (int r = 0; r < map.paintableRows(); ++r)
    for (int c = 0; c < kMapColumns; ++c) count += map.getTile(c, r) == code;
  return count;
}

AreaChange replaceTile(LocalMap& map, unsigned char from, unsigned char to) {
  AreaChange change;
  if (from == to) return change;
  for (int r = 0; r < map.paintableRows(); ++r)
    for (int c = 0; c < kMapColumns; ++c)
      if (map.getTile(c, r) == from) paintCell(map, c, r, to, change);
  return change;
}
