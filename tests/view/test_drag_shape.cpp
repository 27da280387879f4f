// Shift-held drags over every anchor and pointer cell of the map: lines end
// horizontal, vertical or diagonal and squares square, inside the map,
// towards the pointer, as long as the map leaves room for.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "data/local_map.h"
#include "view/drag_shape.h"

TEST(DragShape, EveryShiftedDragKeepsItsShapeInsideTheMap) {
  for (AreaTool tool : {AreaTool::Line, AreaTool::Rectangle, AreaTool::Select}) {
    for (int a = 0; a < kMapColumns * kMapRows; ++a) {
      const Cell anchor{a % kMapColumns, a / kMapColumns};
      for (int p = 0; p < kMapColumns * kMapRows; ++p) {
        const Cell pointer{p % kMapColumns, p / kMapColumns};
        const Cell end = constrainedDragEnd(tool, anchor, pointer);
        ASSERT_TRUE(end.column >= 0 && end.column < kMapColumns && end.row >= 0 && end.row < kMapRows);
        const int dx = end.column - anchor.column, dy = end.row - anchor.row;
        const int px = pointer.column - anchor.column, py = pointer.row - anchor.row;
        ASSERT_GE(dx * px, 0);  // never away from the pointer
        ASSERT_GE(dy * py, 0);
        const bool straight = dx == 0 || dy == 0;
        if (tool != AreaTool::Line || !straight) {
          ASSERT_EQ(std::abs(dx), std::abs(dy));
          // As long as the longer distance, or the room left towards the pointer.
          const int room = std::min(px < 0 ? anchor.column : kMapColumns - 1 - anchor.column,
                                    py < 0 ? anchor.row : kMapRows - 1 - anchor.row);
          ASSERT_EQ(std::abs(dx), std::min(std::max(std::abs(px), std::abs(py)), room));
        } else {
          // A straight line keeps the pointer's distance along its axis, and
          // is chosen only when the pointer lies within 22.5 degrees of it.
          ASSERT_TRUE(dx == px || dy == py);
          const int along = dx == 0 ? std::abs(py) : std::abs(px), across = dx == 0 ? std::abs(px) : std::abs(py);
          ASSERT_LE(across * 1000, along * 415) << anchor.column << "," << anchor.row << " " << p;
        }
      }
    }
  }
  EXPECT_EQ(9, constrainedDragEnd(AreaTool::Brush, Cell{0, 0}, Cell{9, 2}).column);
  char text[16];
  dragSizeText(Cell{7, 3}, Cell{3, 5}, text, sizeof text);
  EXPECT_STREQ("5 x 3", text);
}
