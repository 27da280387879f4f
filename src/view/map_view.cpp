// The active view context of the list callbacks, and the view as a listener
// of the open map.
#include "view/map_view.h"

#include "gui/gui.h"
#include "view/map_canvas.h"

namespace {
MapView* activeView = nullptr;
}

void setActiveMapView(MapView* view) { activeView = view; }

MapView* activeMapView() { return activeView; }

namespace {

// Rows selected in the previous map name other teleports and placements here:
// a Delete must not reach them.
void startAfresh(MapView& v) {
  MapViewState& s = v.state;
  s.teleportRows = v.openMap.teleportCount();
  s.placementRows = kPlacementCount;
  s.selectedTeleport = -1;
  s.selectedPlacement = -1;
  s.markedColumn = s.markedRow = 0;
  forgetCursor(s);
  v.tools.note[0] = '\0';  // it spoke of the map that was open
  SetListSelection(v.widgets.teleportList, -1);
  SetListSelection(v.widgets.placementList, -1);
  ScrollListToTop(v.widgets.teleportList);
  ScrollListToTop(v.widgets.placementList);
  Refresh(v.widgets.paletteCanvas);
}

// The teleport list follows the map; a selection past its end goes.
void followTeleports(MapView& v) {
  MapViewState& s = v.state;
  s.teleportRows = v.openMap.teleportCount();
  if (s.selectedTeleport >= s.teleportRows) {
    s.selectedTeleport = -1;
    SetListSelection(v.widgets.teleportList, -1);
  }
}

}  // namespace

void MapViewListener::openMapChanged(const OpenMapEvent& event) {
  MapView& v = view_;
  switch (event.change) {
    case MapChange::Opened: startAfresh(v); break;
    case MapChange::Edited: followTeleports(v); break;
    case MapChange::Undone:
    case MapChange::Redone:
      v.state.canvasMode = LocalEdit;  // the open map shows, whatever the canvas showed
      followTeleports(v);
      outlineCells(v, event.cells);
      Refresh(v.widgets.positionField);
      break;
    case MapChange::Saved: return;
  }
  followMapTile(v);
  Refresh(v.widgets.mapCanvas);
  Refresh(v.widgets.teleportList);
  Refresh(v.widgets.placementList);
}
