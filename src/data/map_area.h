// Area edits of a LocalMap: a rectangle, a 4-connected fill, a list of cells
// (a line), and counting and replacing one tile code. Every edit goes through
// setTile, so rows the map's kind does not store are never changed, and each
// returns how many cells it changed (0: the map is as it was) and the
// bounding box of those cells. Refusing codes 10 and 13 is the caller's.
#pragma once
#include "data/cell_line.h"
#include "data/local_map.h"

// Cells (left, top) to (right, bottom), both corners included. Empty when
// right < left or bottom < top.
struct CellRect {
  int left, top, right, bottom;

  bool empty() const { return right < left || bottom < top; }
  bool contains(int column, int row) const {
    return column >= left && column <= right && row >= top && row <= bottom;
  }
  int width() const { return empty() ? 0 : right - left + 1; }
  int height() const { return empty() ? 0 : bottom - top + 1; }
};

constexpr CellRect kNoCells = {0, 0, -1, -1};

// The rectangle with the two cells as opposite corners, in any order, kept
// inside the 48 x 24 map (empty when it lies wholly outside).
CellRect cellRectBetween(int c0, int r0, int c1, int r1);

// What an edit did: cells changed and their bounding box (kNoCells for none).
struct AreaChange {
  int cells = 0;
  CellRect bounds = kNoCells;

  void add(int column, int row);
};

// One cell gets code; counted in change when it changed (not in the rows the
// kind does not store, nor outside the map).
void paintCell(LocalMap& map, int column, int row, unsigned char code, AreaChange& change);

// Every cell of rect gets code.
AreaChange fillRectangle(LocalMap& map, const CellRect& rect, unsigned char code);

// The 4-connected region of the paintable cells that hold the code of
// (column, row) gets code. Nothing when that cell is outside the paintable
// rows or already holds code.
AreaChange floodFill(LocalMap& map, int column, int row, unsigned char code);

// The count cells of cells get code.
AreaChange paintCells(LocalMap& map, const Cell* cells, int count, unsigned char code);

// The paintable cells that hold code.
int countTile(const LocalMap& map, unsigned char code);

// Every paintable cell that holds from gets to.
AreaChange replaceTile(LocalMap& map, unsigned char from, unsigned char to);
