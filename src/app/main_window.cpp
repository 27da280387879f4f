// The main window's layout: every widget at its place, with its callback and
// the EditorState as data, its id kept in its field. Positions are pixels of
// the window's client area.
#include "app/main_window.h"

#include <allegro.h>

#include "app/editor_state.h"
#include "app/menus.h"
#include "app/status_texts.h"
#include "gui/gui.h"

namespace {

// The canvases start black; what they show is drawn by the map view.
void blackCanvas(BITMAP* bitmap, int x, int y, void*) {
  if (IsCanvasClear(x, y)) clear_to_color(bitmap, makecol(0, 0, 0));
}

void addMenuBar(EditorState& e) {
  BeginMenuBar();
  AddMenuBarItem("~File", fillFileMenu, &e);
  AddMenuBarItem("~View", fillViewMenu, &e);
  AddMenuBarItem("~Script", fillScriptMenu, &e);
  AddMenuBarItem("~Tools", fillToolsMenu, &e);
  EndMenuBar();
}

void addTilePanel(EditorState& e) {
  e.mapCanvas = AddCanvas(2, 25, 864, 480, blackCanvas, &e);
  e.paletteCanvas = AddCanvas(2, 540, 576, 160, blackCanvas, &e);
  e.selectedTilePreview = AddCanvas(605, 560, 18, 20, blackCanvas, &e);
  e.selectedTileField = AddStatusField(625, 560, 20, selectedTileText, &e);
  e.mapTilePreview = AddCanvas(705, 560, 18, 20, blackCanvas, &e);
  e.mapTileField = AddStatusField(725, 560, 20, mapTileText, &e);
  e.positionField = AddStatusField(705, 585, 40, positionText, &e);
}

void addSidePanel(EditorState& e) {
  e.selectedTab = 0;
  e.sidePanel = AddTabPanel(870, 25, 148, 475, &e.selectedTab);
  AddTab(e.sidePanel, nullptr, &e, "teleports");
  AddTab(e.sidePanel, nullptr, &e, "objects");
}

}  // namespace

void buildMainWindow(EditorState& e, int width, int height) {
  e.mainWindow = CreateWindow(width, height, "DOLA", kWindowNotMovable);
  addMenuBar(e);
  e.statusLine = AddStatusField(0, height - 50, width - 15, statusText, &e);
  addTilePanel(e);
  addSidePanel(e);
  AddLabel(600, 540, "Selected Tile");
  AddLabel(700, 540, "Map Tile");
  AddCheckBox(800, 540, "Show Objects + Creatures", &e.showObjects);
  ShowWindow();
  Refresh(e.statusLine);
  Refresh(e.paletteCanvas);
  Refresh(e.selectedTilePreview);
}
