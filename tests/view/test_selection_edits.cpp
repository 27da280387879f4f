// Moving, cutting and deleting a selection, driven through the canvas and the
// Edit commands over random maps, selections, flips and turns, against a
// model of the map; every action is one undo step that restores the map
// exactly, and rows a map kind does not store are never painted.
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "view/map_canvas.h"
#include "view/selection_edits.h"
#include "view/tool_actions.h"
#include "view_fixture.h"

namespace {

int px(int c) { return c * 18 + 9; }
int py(int r) { return r * 20 + 10; }

using Grid = std::vector<std::vector<int>>;  // grid[row][column]

Grid gridOf(const LocalMap& map) {
  Grid grid(kMapRows, std::vector<int>(kMapColumns));
  for (int r = 0; r < kMapRows; ++r)
    for (int c = 0; c < kMapColumns; ++c) grid[r][c] = map.getTile(c, r);
  return grid;
}

// The model's transforms move each cell of a block to where it lands, and
// the cell under the pointer with it.
void modelTransform(Grid& block, Cell& grab, BlockTransform t) {
  const int h = static_cast<int>(block.size()), w = static_cast<int>(block[0].size());
  const bool turn = t == BlockTransform::TurnClockwise || t == BlockTransform::TurnCounterClockwise;
  Grid out(turn ? w : h, std::vector<int>(turn ? h : w));
  auto land = [&](int x, int y) {
    switch (t) {
      case BlockTransform::FlipLeftRight: return Cell{w - 1 - x, y};
      case BlockTransform::FlipTopBottom: return Cell{x, h - 1 - y};
      case BlockTransform::TurnClockwise: return Cell{h - 1 - y, x};
      case BlockTransform::TurnCounterClockwise: return Cell{y, w - 1 - x};
    }
    return Cell{x, y};
  };
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) out[land(x, y).row][land(x, y).column] = block[y][x];
  grab = land(grab.column, grab.row);
  block = out;
}

void modelFill(Grid& grid, const CellRect& rect, int code, int storedRows) {
  for (int r = rect.top; r <= rect.bottom && r < storedRows; ++r)
    for (int c = rect.left; c <= rect.right; ++c) grid[r][c] = code;
}

}  // namespace

TEST_F(ViewTest, MovedCutAndDeletedSelectionsMatchTheModelAndUndoExactly) {
  srand(320);
  ViewValues& s = *values;
  const BlockTransform transforms[] = {BlockTransform::FlipLeftRight, BlockTransform::FlipTopBottom,
                                       BlockTransform::TurnClockwise, BlockTransform::TurnCounterClockwise};
  for (int round = 0; round < 300; ++round) {
    if (round % 100 == 0) openSavedMap(round % 200 == 0 ? "TOWN.MAP" : "ZANAB.MAP", round % 200 == 0 ? Local : Wilderness);
    const int stored = s.openMap.paintableRows();
    for (int r = 0; r < stored; ++r)
      for (int c = 0; c < kMapColumns; ++c) s.openMap.setTile(c, r, static_cast<unsigned char>(20 + rand() % 8));
    const Grid before = gridOf(s.openMap);
    s.selectedTile = 200 + rand() % 5;
    chooseAreaTool(view, AreaTool::Select);
    while (escapeAreaTool(view)) {
    }
    const CellRect sel = cellRectBetween(rand() % 48, rand() % 24, rand() % 48, rand() % 24);
    poll(px(sel.left), py(sel.top), 1);
    poll(px(sel.right), py(sel.bottom), 1);
    poll(px(sel.right), py(sel.bottom), 0);
    ASSERT_EQ(sel.left, view.tools.selection.left);
    ASSERT_EQ(sel.bottom, view.tools.selection.bottom);

    Grid expected = before;
    const int action = rand() % 4;
    if (action <= 1) {  // a move, flipped and turned on the way
      Cell grab{rand() % sel.width(), rand() % sel.height()};
      Grid block(sel.height(), std::vector<int>(sel.width()));
      for (int r = 0; r < sel.height(); ++r)
        for (int c = 0; c < sel.width(); ++c) block[r][c] = before[sel.top + r][sel.left + c];
      poll(px(sel.left + grab.column), py(sel.top + grab.row), 1);
      for (int n = rand() % 4; n > 0; --n) {
        const BlockTransform t = transforms[rand() % 4];
        transformHeldBlock(view, t);
        modelTransform(block, grab, t);
      }
      const Cell to{rand() % 48, rand() % 24};
      poll(px(to.column), py(to.row), 1);
      poll(px(to.column), py(to.row), 0);
      ASSERT_FALSE(view.tools.moving);
      modelFill(expected, sel, s.selectedTile, stored);
      for (int r = 0; r < static_cast<int>(block.size()); ++r) {
        for (int c = 0; c < static_cast<int>(block[0].size()); ++c) {
          const int mc = to.column - grab.column + c, mr = to.row - grab.row + r;
          if (mc >= 0 && mc < kMapColumns && mr >= 0 && mr < stored) expected[mr][mc] = block[r][c];
        }
      }
    } else if (action == 2) {
      cutCells(view);
      ASSERT_EQ(sel.width(), view.tools.copied.width);
      ASSERT_EQ(before[sel.bottom][sel.right], view.tools.copied.at(sel.width() - 1, sel.height() - 1));
      ASSERT_EQ("Cut " + std::to_string(sel.width()) + " x " + std::to_string(sel.height()) + " cells.",
                std::string(view.tools.note));
      modelFill(expected, sel, s.selectedTile, stored);
    } else {
      deleteCells(view);
      modelFill(expected, sel, s.selectedTile, stored);
    }
    ASSERT_EQ(expected, gridOf(s.openMap)) << "round " << round << " action " << action;
    if (expected != before) {
      ASSERT_TRUE(s.document.undo());
      ASSERT_EQ(before, gridOf(s.openMap)) << "round " << round;
      ASSERT_TRUE(s.document.redo());
      ASSERT_EQ(expected, gridOf(s.openMap));
    }
  }
}

TEST_F(ViewTest, SelectionCommandsRefuseWithAReasonAndEscapeLeavesAMoveUndone) {
  openSavedMap("TOWN.MAP", Local);
  ViewValues& s = *values;
  cutCells(view);
  EXPECT_STREQ("Nothing to cut: select cells first.", view.tools.note);
  deleteCells(view);
  EXPECT_STREQ("Nothing to delete: select cells first.", view.tools.note);
  transformHeldBlock(view, BlockTransform::TurnClockwise);
  EXPECT_STREQ("X, Y and Z flip and turn cells while pasting or moving a selection.", view.tools.note);

  selectWholeMap(view);
  EXPECT_EQ(47, view.tools.selection.right);
  EXPECT_EQ(22, view.tools.selection.bottom);  // a Local map stores 23 rows
  s.selectedTile = 10;
  deleteCells(view);
  EXPECT_EQ(0, s.openMap.getTile(0, 0));
  EXPECT_NE(nullptr, strstr(view.tools.note, "no map file can hold it"));
  chooseAreaTool(view, AreaTool::Select);
  poll(px(3), py(3), 1);  // inside the selection: no move, and no new selection either
  poll(px(5), py(4), 0);
  EXPECT_FALSE(view.tools.moving);
  EXPECT_EQ(47, view.tools.selection.right);
  copyCells(view);
  startPaste(view);
  selectWholeMap(view);
  EXPECT_FALSE(view.tools.pasting);
  s.selectedTile = 7;
  s.openMap.setTile(3, 3, 9);
  chooseAreaTool(view, AreaTool::Select);
  selectWholeMap(view);
  poll(px(3), py(3), 1);
  poll(px(5), py(4), 1);
  EXPECT_TRUE(view.tools.moving);
  EXPECT_TRUE(escapeAreaTool(view));
  poll(px(5), py(4), 0);
  view.tools.selection = CellRect{3, 3, 4, 4};
  s.selectedTile = 250;
  s.openMap.setTile(4, 4, 4);
  drawMapCanvas(view, canvas());
  poll(px(3), py(3), 1);
  poll(px(10), py(10), 1);  // the lifted cells' place shows the selected tile, to its last row and column
  for (int y = 0; y < 20; ++y)
    EXPECT_EQ(0, memcmp(canvas()->line[4 * 20 + y] + 4 * 18 * 2, canvas()->line[3 * 20 + y] + 3 * 18 * 2, 36)) << y;
  EXPECT_TRUE(escapeAreaTool(view));
  poll(px(10), py(10), 0);
  EXPECT_EQ(9, s.openMap.getTile(3, 3));
  EXPECT_FALSE(s.document.undo());  // no step was recorded
  EXPECT_FALSE(view.tools.selection.empty());  // Escape again clears it
  EXPECT_TRUE(escapeAreaTool(view));
  EXPECT_TRUE(view.tools.selection.empty());
}

TEST_F(ViewTest, FillOutlinesItsRegionUnderThePointerAndShiftKeepsDragsSquare) {
  openSavedMap("TOWN.MAP", Local);
  ViewValues& s = *values;
  for (int r = 0; r < 23; ++r) s.openMap.setTile(10, r, 3);  // a wall: the region is columns 0 to 9
  chooseAreaTool(view, AreaTool::Fill);
  poll(px(4), py(4), 0);
  const int white = makecol(255, 255, 255);
  EXPECT_EQ(white, getpixel(canvas(), 9 * 18 + 17, 5 * 20 + 5)) << "the region's right edge";
  EXPECT_EQ(white, getpixel(canvas(), 5 * 18 + 5, 22 * 20 + 19)) << "its bottom: the last stored row";
  EXPECT_NE(white, getpixel(canvas(), 8 * 18 + 17, 5 * 20 + 5)) << "no line between region cells";
  EXPECT_NE(white, getpixel(canvas(), 11 * 18, 5 * 20 + 5));
  s.selectedTile = 0;  // a fill there would change nothing: no outline
  poll(px(4), py(5), 0);
  EXPECT_NE(white, getpixel(canvas(), 9 * 18 + 17, 5 * 20 + 5));

  s.selectedTile = 250;
  poll(px(4), py(23), 1);  // a press on the row a Local map does not store fills nothing
  poll(px(4), py(23), 0);
  EXPECT_EQ(0, s.openMap.getTile(4, 22));
  chooseAreaTool(view, AreaTool::Rectangle);
  key_shifts = KB_SHIFT_FLAG;
  poll(px(20), py(2), 1);
  poll(px(30), py(5), 1);
  key_shifts = 0;
  EXPECT_EQ(30, view.tools.current.column);
  EXPECT_EQ(12, view.tools.current.row);
  poll(px(30), py(5), 0);
  EXPECT_EQ(250, s.openMap.getTile(30, 12));
  EXPECT_EQ(0, s.openMap.getTile(31, 12));
  EXPECT_EQ(0, s.openMap.getTile(30, 13));
}

// The previews that follow the pointer are drawn and copied only where they
// were and where they are: after every poll of a random session of selecting,
// moving, pasting with turns and pointing with Fill, the canvas holds exactly
// what drawing the whole map and the overlay anew gives.
TEST_F(ViewTest, PreviewsDrawnOnlyWhereTheyChangeLeaveTheCanvasAsAFullRedraw) {
  openSavedMap("TOWN.MAP", Local);
  ViewValues& s = *values;
  srand(61);
  for (int r = 0; r < 23; ++r)
    for (int c = 0; c < kMapColumns; ++c) s.openMap.setTile(c, r, static_cast<unsigned char>(rand() % 3 ? 4 : 7));
  BITMAP* reference = create_bitmap(864, 480);
  poll(px(1), py(1), 0);
  int buttons = 0;
  for (int step = 0; step < 250; ++step) {
    const int choice = rand() % 10;
    if (choice == 0) chooseAreaTool(view, rand() % 2 ? AreaTool::Select : AreaTool::Fill);
    if (choice == 1 && buttons == 0) {
      copyCells(view);
      startPaste(view);
    }
    if (choice == 2) transformHeldBlock(view, static_cast<BlockTransform>(rand() % 4));
    if (choice == 3) escapeAreaTool(view);
    if (choice == 4 && !view.tools.pasting) buttons ^= 1;  // a paste stamps at a press: kept for the moves
    poll(px(rand() % 48), py(rand() % 24), buttons);
    clear_to_color(reference, black());
    drawLocalMap(reference, s.sprites, s.openMap);
    drawAreaToolOverlay(view, reference);
    for (int y = 0; y < 480; ++y)
      ASSERT_EQ(0, memcmp(canvas()->line[y], reference->line[y], 864 * 2)) << "step " << step << " line " << y;
  }
  destroy_bitmap(reference);
}
