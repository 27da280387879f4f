// The main window's layout: every widget at its place, with its callback and
// the EditorState (the map view's widgets: the view context) as data, its id
// kept in its field. Positions are pixels of the window's client area.
#include "app/main_window.h"

#include <allegro.h>

#include "app/commands.h"
#include "app/editor_state.h"
#include "app/menus.h"
#include "app/shortcuts.h"
#include "app/status_texts.h"
#include "data/sprite_format.h"
#include "gui/gui.h"
#include "view/map_canvas.h"
#include "view/side_pages.h"
#include "view/tile_canvases.h"

namespace {

// Wide enough for a world map's name and a teleport's destination beside it.
constexpr int kPositionFieldWidth = 300;

// The canvases and the side pages are the map view's: their data is the
// view context over the editor's own parts.
void addTilePanel(EditorState& e, MapView& view) {
  e.mapCanvas = AddCanvas(2, 25, 864, 480, mapCanvasHandler, &view);
  e.paletteCanvas = AddCanvas(2, 540, 576, 160, paletteCanvasHandler, &view);
  e.selectedTilePreview = AddCanvas(605, 560, kSpriteWidth, kSpriteHeight, selectedTilePreviewHandler, &view);
  e.selectedTileField = AddStatusField(625, 560, 20, selectedTileText, &e);
  e.mapTilePreview = AddCanvas(705, 560, kSpriteWidth, kSpriteHeight, mapTilePreviewHandler, &view);
  e.mapTileField = AddStatusField(725, 560, 20, mapTileText, &e);
  e.positionField = AddStatusField(705, 585, kPositionFieldWidth, positionText, &e);
  e.toolField = AddStatusField(600, 610, 120, toolText, &e);  // "Tool: Rectangle" fits
}

void addSidePanel(EditorState& e, MapView& view) {
  e.selectedTab = 0;
  e.sidePanel = AddTabPanel(870, 25, 148, 475, &e.selectedTab);
  AddTab(e.sidePanel, fillTeleportsPage, &view, "teleports");
  AddTab(e.sidePanel, fillObjectsPage, &view, "objects");
}

}  // namespace

void buildMainWindow(EditorState& e, int width, int height) {
  e.mainWindow = CreateWindow(width, height, "DOLA", kWindowNotMovable);
  addMenuBar(e);
  e.statusLine = AddStatusField(0, height - 50, width - 15, statusText, &e);
  MapView& view = e.mapView;
  setActiveMapView(&view);
  addTilePanel(e, view);
  addSidePanel(e, view);
  AddLabel(600, 540, "Selected Tile");
  AddLabel(700, 540, "Map Tile");
  const int showObjects = AddCheckBox(800, 540, "Show Objects + Creatures", &e.showObjects);
  SetCheckBoxCallback(showObjects, showObjectsCommand, &e);
  ShowWindow();
  installShortcuts(e.mainWindow, &e);
  Refresh(e.statusLine);
  Refresh(e.paletteCanvas);
  Refresh(e.selectedTilePreview);
}
