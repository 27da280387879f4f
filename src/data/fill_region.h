// The region a fill reaches: the 4-connected cells of the rows a map's kind
// stores that hold the code of the start cell. The Fill tool paints it and
// its preview outlines it, so both agree on every cell.
#pragma once
#include "data/local_map.h"

struct CellMask {
  bool cells[kMapRows][kMapColumns] = {};  // cells[row][column]
};

// Marks the region of (column, row) in region (cleared first) and returns
// how many cells it holds; 0 when the cell lies outside the stored rows.
int fillRegion(const LocalMap& map, int column, int row, CellMask& region);
