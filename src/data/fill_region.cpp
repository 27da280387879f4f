// A flood over an explicit stack of at most one entry per cell: a cell is
// marked when it is pushed, so it can never be pushed twice.
#include "data/fill_region.h"

#include "data/cell_line.h"

int fillRegion(const LocalMap& map, int column, int row, CellMask& region) {
  region = CellMask{};
  const int rows = map.paintableRows();
  if (column < 0 || column >= kMapColumns || row < 0 || row >= rows) return 0;
  const unsigned char from = map.getTile(column, row);
  Cell stack[kMapColumns * kMapRows];
  int depth = 0, count = 1;
  region.cells[row][column] = true;
  stack[depth++] = Cell{column, row};
  static const Cell kSteps[] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
  while (depth > 0) {
    const Cell at = stack[--depth];
    for (const Cell& step : kSteps) {
      const int c = at.column + step.column, r = at.row + step.row;
      if (c < 0 || c >= kMapColumns || r < 0 || r >= rows || region.cells[r][c] || map.getTile(c, r) != from) continue;
      region.cells[r][c] = true;
      ++count;
      stack[depth++] = Cell{c, r};
    }
  }
  return count;
}
