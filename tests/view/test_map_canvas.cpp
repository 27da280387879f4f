// The map canvas fed with mouse states: painting, picking, following
// teleports, the world view's click, the two one-shot modes, the palette, and
// polls that repeat the last state.
#include "gui/gui_internal.h"
#include "view/map_canvas.h"
#include "view/map_drawing.h"
#include "view/tile_canvases.h"
#include "view_fixture.h"

TEST_F(ViewTest, LeftPaintsRightPicksAndHoldingPaintsOnlyWhenMoved) {
  openSavedMap("ZANAB.MAP", Wilderness);
  ViewValues& s = *values;
  s.openMap.setTile(2, 2, 97);
  poll(40, 45, 1);
  EXPECT_EQ(250, s.openMap.getTile(2, 2));
  EXPECT_EQ(97, s.mapTile);  // the code before the paint
  EXPECT_EQ(3, s.cursorX);
  EXPECT_EQ(3, s.cursorY);
  EXPECT_EQ(1, s.document.modified());

  s.openMap.setTile(2, 2, 97);
  poll(40, 45, 1);  // the same state again: nothing
  EXPECT_EQ(97, s.openMap.getTile(2, 2));
  poll(41, 45, 1);  // moved inside the cell, still held: paints again
  EXPECT_EQ(250, s.openMap.getTile(2, 2));
  poll(60, 45, 1);
  EXPECT_EQ(250, s.openMap.getTile(3, 2));

  s.openMap.setTile(5, 5, 97);
  poll(5 * 18, 5 * 20, 2);  // right: picks
  EXPECT_EQ(97, s.selectedTile);
  s.openMap.setTile(6, 5, 4);
  poll(6 * 18, 5 * 20, 3);  // both: paints, then picks what it painted
  EXPECT_EQ(97, s.openMap.getTile(6, 5));
  EXPECT_EQ(97, s.selectedTile);
}

TEST_F(ViewTest, MiddleFollowsTheFirstTeleportOrEntersTheCellMap) {
  openSavedMap("ZANAB.MAP", Wilderness);
  ViewValues& s = *values;
  s.openMap.addTeleport(3, 2, "FIRST");
  s.openMap.addTeleport(3, 2, "SECOND");
  const std::string directory = dir.editorPath();
  poll(2 * 18, 1 * 20, 4);
  poll(2 * 18 + 5, 1 * 20, 4);  // held across the teleport: no second walk
  ASSERT_EQ(1u, opened.size());
  EXPECT_EQ(directory + "\\FIRST.MAP", opened[0]);

  for (auto cell : {std::make_pair(0, 0), std::make_pair(47, 23)}) {
    openSavedMap("ZANAB.MAP", Wilderness);
    poll(cell.first * 18 + 1, cell.second * 20 + 1, 0);
    poll(cell.first * 18 + 1, cell.second * 20 + 1, 4);
  }
  ASSERT_EQ(3u, opened.size());
  EXPECT_EQ(directory + "\\TAB2113.MAP", opened[1]);
  EXPECT_EQ(directory + "\\TAB6836.MAP", opened[2]);
  EXPECT_EQ(0, s.document.modified());

  s.openMap.load("");  // no map open: the middle button does nothing
  poll(100, 100, 4);
  EXPECT_EQ(3u, opened.size());
}

TEST_F(ViewTest, WorldClickOpensTheSquareAndPaintsOnlyAfterANewPress) {
  openSavedMap("ZANAB.MAP", Wilderness);
  openSavedMap("ZANLM.MAP", Interior);
  openSavedMap("ZANAB.MAP", Wilderness);
  ViewValues& s = *values;
  snprintf(s.worldPrefix, sizeof s.worldPrefix, "%s\\", dir.editorPath().c_str());
  s.openMap.load("");  // the world shown is the loaded one, not the open map's
  s.canvasMode = WorldView;
  s.worldBuffer.cells[300 * 960 + 555] = 42;
  poll(500, 300, 0);
  EXPECT_EQ(42, s.mapTile);
  EXPECT_EQ(555, s.cursorX);
  EXPECT_EQ(300, s.cursorY);
  poll(500, 300, 1);
  ASSERT_EQ(1u, opened.size());
  EXPECT_EQ(dir.editorPath("ZANLM.MAP"), opened[0]);
  EXPECT_EQ(Wilderness, s.openMap.kind);  // whatever the file said
  EXPECT_EQ(LocalEdit, s.canvasMode);
  EXPECT_EQ(28, s.cursorX);  // the cell under the pointer in the map just opened
  EXPECT_EQ(16, s.cursorY);

  poll(510, 300, 1);  // still the same press: no paint
  poll(520, 310, 1);
  EXPECT_EQ(0, s.openMap.getTile(28, 15));
  poll(520, 310, 0);
  poll(520, 310, 1);  // a new press paints
  EXPECT_EQ(250, s.openMap.getTile(28, 15));

  keepOpenMap = true;  // the user keeps the open map: the world stays
  s.canvasMode = WorldView;
  poll(100, 30, 1);
  EXPECT_EQ(WorldView, s.canvasMode);
  EXPECT_EQ(111, s.cursorX);
}

TEST_F(ViewTest, PickTeleportCellAddsTheChosenMapByNameOrNothing) {
  openSavedMap("ZANAB.MAP", Wilderness);
  ViewValues& s = *values;
  s.canvasMode = PickTeleportCell;
  chosenFile = "C:\\GAME\\TAB2113.MAP";
  poll(0, 0, 1);
  ASSERT_EQ(1, s.openMap.teleportCount());
  int x, y;
  char name[256];
  s.openMap.getTeleport(0, &x, &y, name);
  EXPECT_EQ(1, x);
  EXPECT_EQ(1, y);
  EXPECT_STREQ("TAB2113", name);
  EXPECT_EQ(1, s.teleportRows);
  EXPECT_EQ(LocalEdit, s.canvasMode);
  EXPECT_EQ("Select teleport destination map", selectorTitles.at(0));
  poll(0, 1, 1);  // the held button does not paint after the selector
  EXPECT_EQ(0, s.openMap.getTile(0, 0));

  s.canvasMode = PickTeleportCell;
  chosenFile = "";
  poll(30, 30, 0);  // no button: waits
  EXPECT_EQ(PickTeleportCell, s.canvasMode);
  poll(30, 30, 1);  // cancelled: no teleport, back to painting
  EXPECT_EQ(1, s.openMap.teleportCount());
  EXPECT_EQ(LocalEdit, s.canvasMode);
}

TEST_F(ViewTest, PlaceObjectTakesANewPressAndTheQuantityAtTheClick) {
  openSavedMap("ZANAB.MAP", Wilderness);
  ViewValues& s = *values;
  s.mapData.load(dir.editorPath("ZANAB.DAT").c_str());
  s.selectedConstantObject = 7;
  s.canvasMode = PlaceObject;
  snprintf(s.quantityText, sizeof s.quantityText, "300");
  s.lastMouseButtons = 1;
  poll(9 * 18, 4 * 20, 1);  // held since before "Add": not a new press
  EXPECT_EQ(PlaceObject, s.canvasMode);
  poll(9 * 18, 4 * 20, 0);
  poll(9 * 18 + 1, 4 * 20, 1);
  const Placement* p = s.mapData.placement(0);
  EXPECT_EQ(10, p->x);
  EXPECT_EQ(5, p->y);
  EXPECT_EQ(7, p->id);
  EXPECT_EQ(255, p->quantity);
  EXPECT_EQ(1, p->inUse);
  EXPECT_EQ(LocalEdit, s.canvasMode);
  EXPECT_EQ(250, s.selectedTile);
  poll(9 * 18 + 2, 4 * 20, 1);  // the same press does not paint the cell
  EXPECT_EQ(0, s.openMap.getTile(9, 4));

  s.canvasMode = PlaceObject;
  s.quantityText[0] = 0;  // emptied after "Add": one object, never none
  poll(0, 0, 0);
  poll(0, 0, 1);
  EXPECT_EQ(1, s.mapData.placement(1)->quantity);
}

TEST_F(ViewTest, UnchangedMouseChangesNothingInAnyMode) {
  openSavedMap("ZANAB.MAP", Wilderness);
  ViewValues& s = *values;
  s.mapData.load(dir.editorPath("ZANAB.DAT").c_str());
  s.selectedConstantObject = 1;
  snprintf(s.quantityText, sizeof s.quantityText, "2");
  for (int mode : {LocalEdit, WorldView, PickTeleportCell, PlaceObject}) {
    s.canvasMode = mode;
    s.lastMouseX = 5 + 40;
    s.lastMouseY = 50 + 45;
    s.lastMouseZ = 3;
    s.lastMouseButtons = 1 | 2 | 4;
    s.mapTile = -1;
    clear_to_color(canvas(), makecol(1, 2, 3));
    poll(40, 45, 7, 3);
    EXPECT_EQ(-1, s.mapTile) << mode;
    EXPECT_EQ(makecol(1, 2, 3), getpixel(canvas(), 0, 0)) << mode;
    EXPECT_EQ(mode, s.canvasMode);
  }
  EXPECT_EQ(0, s.openMap.getTile(2, 2));
  EXPECT_EQ(0, s.openMap.teleportCount());
  EXPECT_EQ(0, s.mapData.firstFreePlacement());
  EXPECT_TRUE(opened.empty());
  EXPECT_EQ(0, s.document.modified());
}

TEST_F(ViewTest, PaletteSelectsWithTheLeftButtonFromEveryMode) {
  BITMAP* palette = create_bitmap(576, 160);
  ViewValues& s = *values;
  for (int mode : {WorldView, LocalEdit, PickTeleportCell, PlaceObject}) {
    s.canvasMode = mode;
    s.selectedTile = 0;
    handlePaletteEvent(view, palette, 100, 30, 1);
    EXPECT_EQ(37, s.selectedTile);
    EXPECT_EQ(LocalEdit, s.canvasMode);
  }
  handlePaletteEvent(view, palette, 575, 159, 2);  // only the left button selects
  EXPECT_EQ(37, s.selectedTile);
  handlePaletteEvent(view, palette, 575, 159, 1);
  EXPECT_EQ(255, s.selectedTile);
  destroy_bitmap(palette);
}

// What reaches the screen: a painted cell while the button is still held,
// and nothing for moves that paint nothing or polls over the palette.
TEST_F(ViewTest, ChangesReachTheScreenAtOnceAndNothingElseIsCopied) {
  openSavedMap("ZANAB.MAP", Wilderness);
  ViewValues& s = *values;
  CreateWindow(1024, 768, "", kWindowNotMovable);
  s.mapCanvas = AddCanvas(2, 25, kMapCanvasWidth, kMapCanvasHeight, mapCanvasHandler, &view);
  s.paletteCanvas = AddCanvas(2, 540, 576, 160, paletteCanvasHandler, &view);
  ShowWindow();
  Refresh(s.mapCanvas);
  Refresh(s.paletteCanvas);
  BITMAP* shownBitmap = gui::state().display;
  auto pollAt = [](int sx, int sy, int b) {
    mouse_x = sx;
    mouse_y = sy;
    mouse_b = b;
    gui::dispatchMouse(GuiPollMouse());
  };
  const int marker = makecol(255, 0, 255);
  const int cellX = 5 + 2 * 18 + 9, cellY = 50 + 2 * 20 + 10, farX = 5 + 40 * 18, farY = 50 + 20 * 20;
  const int paletteX = 5 + 300, paletteY = 565 + 100;
  pollAt(cellX, cellY, 0);
  for (auto p : {std::make_pair(cellX, cellY), std::make_pair(farX, farY), std::make_pair(paletteX, paletteY)})
    putpixel(shownBitmap, p.first, p.second, marker);
  pollAt(cellX + 18, cellY, 0);
  pollAt(paletteX, paletteY, 0);
  pollAt(paletteX + 1, paletteY, 0);
  EXPECT_EQ(marker, getpixel(shownBitmap, cellX, cellY));
  EXPECT_EQ(marker, getpixel(shownBitmap, paletteX, paletteY));

  BITMAP* painted = create_bitmap(kSpriteWidth, kSpriteHeight);
  drawTileCell(painted, s.sprites, 0, 0, s.selectedTile, Wilderness);
  pollAt(cellX, cellY, 1);  // the press, still held
  EXPECT_EQ(getpixel(painted, 9, 10), getpixel(shownBitmap, cellX, cellY));
  EXPECT_EQ(marker, getpixel(shownBitmap, farX, farY));
  destroy_bitmap(painted);
  pollAt(cellX, cellY, 0);
  CloseTopWindow();
}

// The pointer rests on a cell while the map changes under it (a Replace, an
// undo, its file read anew after a world-wide Replace): "Map Tile" shows what
// the cell holds now; in the world view the open map's changes leave it.
TEST_F(ViewTest, MapTileFollowsChangesUnderARestingPointer) {
  openSavedMap("ZANAB.MAP", Wilderness);
  ViewValues& s = *values;
  s.document.edit([&] { s.openMap.setTile(2, 2, 97); });
  poll(40, 45, 0);
  EXPECT_EQ(97, s.mapTile);
  s.document.edit([&] { s.openMap.setTile(2, 2, 60); });
  EXPECT_EQ(60, s.mapTile);
  ASSERT_TRUE(s.document.undo());
  EXPECT_EQ(97, s.mapTile);
  LocalMap replaced;
  replaced.kind = Wilderness;
  replaced.setTile(2, 2, 33);
  ASSERT_TRUE(replaced.save(dir.editorPath("ZANAB.MAP").c_str()));
  s.document.reload();
  EXPECT_EQ(33, s.mapTile);
  s.canvasMode = WorldView;
  s.mapTile = 5;
  s.document.edit([&] { s.openMap.setTile(2, 2, 34); });
  EXPECT_EQ(5, s.mapTile);
}
