// Lines snap to the nearest of eight directions (sectors of 45 degrees around
// each), squares to the longer side; both shrink to the room the map leaves.
#include "view/drag_shape.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "data/map_area.h"

namespace {

// Cells from the anchor to the map's edge in the direction of step (+1 or -1).
int roomTowards(int from, int step, int size) { return step > 0 ? size - 1 - from : from; }

Cell diagonal(Cell anchor, int dx, int dy) {
  const int stepX = dx < 0 ? -1 : 1, stepY = dy < 0 ? -1 : 1;
  int length = std::max(std::abs(dx), std::abs(dy));
  length = std::min({length, roomTowards(anchor.column, stepX, kMapColumns), roomTowards(anchor.row, stepY, kMapRows)});
  return Cell{anchor.column + stepX * length, anchor.row + stepY * length};
}

}  // namespace

Cell constrainedDragEnd(AreaTool tool, Cell anchor, Cell pointer) {
  const int dx = pointer.column - anchor.column, dy = pointer.row - anchor.row;
  const int ax = std::abs(dx), ay = std::abs(dy);
  switch (tool) {
    case AreaTool::Line:
      // tan(22.5 degrees) is about 0.414: below it the line is straight.
      if (ay * 1000 < ax * 414) return Cell{pointer.column, anchor.row};
      if (ax * 1000 < ay * 414) return Cell{anchor.column, pointer.row};
      return diagonal(anchor, dx, dy);
    case AreaTool::Rectangle:
    case AreaTool::Select: return diagonal(anchor, dx, dy);
    case AreaTool::Brush:
    case AreaTool::Fill: break;
  }
  return pointer;
}

void dragSizeText(Cell anchor, Cell end, char* buffer, int size) {
  snprintf(buffer, static_cast<size_t>(size), "%d x %d", std::abs(end.column - anchor.column) + 1,
           std::abs(end.row - anchor.row) + 1);
}
