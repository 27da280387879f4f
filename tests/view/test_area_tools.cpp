// The area tools on the canvas, fed with mouse states: each tool's action and
// its preview while dragging, brush strokes without gaps, select / copy /
// paste between maps, and codes no map file can hold.
#include <cstring>

#include "view/map_canvas.h"
#include "view/map_drawing.h"
#include "view/tool_actions.h"
#include "view_fixture.h"

namespace {

// Canvas pixel inside cell (c, r).
int px(int c) { return c * 18 + 9; }
int py(int r) { return r * 20 + 10; }

// The pixel at a cell's centre when code is drawn there.
int tilePixel(const SpriteSet& sprites, int code, int kind) {
  BITMAP* cell = create_bitmap(18, 20);
  clear_to_color(cell, makecol(0, 0, 0));
  drawTileCell(cell, sprites, 0, 0, code, kind);
  const int pixel = getpixel(cell, 9, 10);
  destroy_bitmap(cell);
  return pixel;
}

}  // namespace

TEST_F(ViewTest, DragToolsActAtTheReleaseAndPreviewWhileDragging) {
  openSavedMap("OAKVALE.MAP", Local);
  ViewValues& s = *values;
  chooseAreaTool(view, AreaTool::Rectangle);
  poll(px(40), py(20), 1);
  poll(px(47), py(23), 1);
  EXPECT_EQ(0, s.openMap.getTile(45, 21));  // nothing before the release
  EXPECT_EQ(makecol(255, 255, 255), getpixel(canvas(), 40 * 18, 20 * 20));  // the frame's corner
  poll(px(47), py(23), 0);
  EXPECT_EQ(250, s.openMap.getTile(40, 20));
  EXPECT_EQ(250, s.openMap.getTile(47, 22));
  EXPECT_EQ(0, s.openMap.getTile(47, 23));  // a Local map's row 23 is never painted
  EXPECT_EQ(1, s.document.modified());

  chooseAreaTool(view, AreaTool::Line);
  poll(px(0), py(0), 1);
  poll(px(4), py(1), 1);
  EXPECT_EQ(tilePixel(s.sprites, 250, Local), getpixel(canvas(), px(2), py(1))) << "the line's tiles previewed";
  EXPECT_EQ(tilePixel(s.sprites, 0, Local), getpixel(canvas(), px(2), py(0)));
  poll(px(4), py(1), 0);
  for (auto [c, r] : {std::pair{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 1}}) EXPECT_EQ(250, s.openMap.getTile(c, r));
  EXPECT_EQ(0, s.openMap.getTile(2, 0));

  chooseAreaTool(view, AreaTool::Fill);
  s.selectedTile = 7;
  poll(px(10), py(10), 1);  // the 0 region around the rectangle and the line
  poll(px(10), py(10), 0);
  EXPECT_EQ(7, s.openMap.getTile(0, 22));
  EXPECT_EQ(250, s.openMap.getTile(44, 21));
  EXPECT_EQ(0, s.openMap.getTile(0, 23));
}

TEST_F(ViewTest, FastBrushDragsPaintEveryCellBetweenPolls) {
  openSavedMap("ZANAB.MAP", Wilderness);
  ViewValues& s = *values;
  poll(px(2), py(3), 1);
  poll(px(30), py(10), 1);  // one poll 28 cells further
  poll(px(30), py(10), 0);
  poll(px(40), py(0), 1);  // a new stroke: no line from the last one
  int painted = 0;
  for (int r = 0; r < 24; ++r)
    for (int c = 0; c < 48; ++c) painted += s.openMap.getTile(c, r) == 250;
  EXPECT_EQ(29 + 1, painted);
  EXPECT_EQ(250, s.openMap.getTile(16, 7));  // half way, on the line
}

TEST_F(ViewTest, SelectionCopiesAndPastesIntoAnotherMapClippedAtTheEdges) {
  openSavedMap("ZANAB.MAP", Wilderness);
  ViewValues& s = *values;
  s.openMap.setTile(1, 1, 60);
  s.openMap.setTile(2, 2, 61);
  chooseAreaTool(view, AreaTool::Select);
  poll(px(2), py(2), 1);
  poll(px(1), py(1), 1);
  poll(px(1), py(1), 0);
  copyCells(view);
  EXPECT_EQ(2, view.tools.copied.width);
  EXPECT_EQ(makecol(255, 220, 0), getpixel(canvas(), 18, 20));  // the selection stays framed

  openSavedMap("ZANAC.MAP", Wilderness);
  startPaste(view);
  poll(px(46), py(22), 0);  // the block follows the pointer, cut at the edges
  EXPECT_EQ(makecol(255, 255, 255), getpixel(canvas(), 46 * 18, 22 * 20));
  EXPECT_EQ(makecol(255, 255, 255), getpixel(canvas(), 48 * 18 - 1, 24 * 20 - 1));
  poll(px(47), py(23), 0);
  poll(px(47), py(23), 1);
  poll(px(47), py(23), 0);
  EXPECT_EQ(60, s.openMap.getTile(47, 23));
  EXPECT_EQ(1, s.document.modified());
  s.selectedTile = 5;
  poll(px(3), py(3), 2);  // the right button leaves paste mode and picks nothing
  EXPECT_EQ(5, s.selectedTile);
  poll(px(3), py(3), 0);
  poll(px(3), py(3), 1);  // the tool is Select again
  EXPECT_EQ(0, s.openMap.getTile(3, 3));
  EXPECT_TRUE(escapeAreaTool(view));  // ends the drag
  EXPECT_TRUE(escapeAreaTool(view));  // then the selection
  EXPECT_FALSE(escapeAreaTool(view));
}

TEST_F(ViewTest, CodesNoMapFileCanHoldAreRefusedByEveryToolWithAReason) {
  openSavedMap("ZANAB.MAP", Wilderness);
  ViewValues& s = *values;
  for (AreaTool tool : {AreaTool::Brush, AreaTool::Rectangle, AreaTool::Fill, AreaTool::Line}) {
    chooseAreaTool(view, tool);
    s.selectedTile = tool == AreaTool::Fill ? 13 : 10;
    poll(px(5), py(5), 1);
    poll(px(6), py(6), 1);
    poll(px(6), py(6), 0);
    EXPECT_EQ(0, s.openMap.getTile(5, 5)) << areaToolName(tool);
    EXPECT_NE(nullptr, strstr(view.tools.note, "no map file can hold it")) << areaToolName(tool);
  }
  EXPECT_EQ(0, s.document.modified());
  s.selectedTile = 9;
  poll(px(5), py(5), 1);
  poll(px(5), py(5), 0);
  EXPECT_EQ(9, s.openMap.getTile(5, 5));
  EXPECT_STREQ("", view.tools.note);
}

// Ten thousand random presses, drags and releases, with every tool, releases
// the canvas never sees (a new press arrives held) and pauses in between:
// each press to its release is one undo step exactly when it changed the
// map, no edit is left open after a release, and undoing them all walks back
// through the map as it was before each press.
TEST_F(ViewTest, EveryPressToReleaseIsOneUndoStepOverRandomStrokes) {
  openSavedMap("OAKVALE.MAP", Wilderness);
  ViewValues& s = *values;
  unsigned seed = 34;
  auto next = [&seed](unsigned n) {
    seed = seed * 1103515245u + 12345u;
    return (seed >> 16) % n;
  };
  auto content = [&s] {
    std::string bytes;
    for (int r = 0; r < kMapRows; ++r)
      for (int c = 0; c < kMapColumns; ++c) bytes += static_cast<char>(s.openMap.getTile(c, r));
    return bytes;
  };
  const AreaTool tools[] = {AreaTool::Brush, AreaTool::Brush, AreaTool::Brush, AreaTool::Line, AreaTool::Rectangle,
                            AreaTool::Fill};
  std::vector<std::string> before;  // the map before each press that changed it
  long pressMs = 0;
  for (int press = 0; press < 10000; ++press) {
    chooseAreaTool(view, tools[next(6)]);
    s.selectedTile = static_cast<int>("abc"[next(3)]);
    const std::string start = content();
    const unsigned long steps = s.document.stepsRecorded();
    pressMs += 1 + next(40);
    const int drags = static_cast<int>(next(6));
    for (int d = 0; d <= drags; ++d)
      handleMapEvent(view, canvas(), px(next(48)), py(next(24)), GuiMouse{0, 0, 0, 1, pressMs});
    const bool seenRelease = next(8) != 0;
    if (seenRelease) {
      handleMapEvent(view, canvas(), px(next(48)), py(next(24)), GuiMouse{0, 0, 0, 0, pressMs});
      ASSERT_FALSE(s.document.editOpen()) << "press " << press << ": the stroke is still open after its release";
    } else {
      endStroke(view);  // the next press ends it, as a release the canvas never saw
    }
    const std::string end = content();
    ASSERT_EQ(end != start ? 1u : 0u, s.document.stepsRecorded() - steps) << "press " << press;
    if (end != start) before.push_back(start);
  }
  ASSERT_GT(before.size(), 5000u);
  const size_t kept = EditHistory::kStepsPerMap;  // the newest steps the history keeps
  for (size_t k = before.size(); k-- > before.size() - kept;) {
    ASSERT_TRUE(s.document.undo());
    ASSERT_EQ(before[k], content()) << "undo " << before.size() - k;
  }
  EXPECT_FALSE(s.document.undo());
}
