// The teleports page: the list of the open map's teleports, "Add" (the next
// click on the map sets the new teleport's cell) and "Delete".
#include "gui/gui.h"
#include "view/side_pages.h"

namespace {

constexpr int kTeleportListRows = 20;  // 20-pixel rows end above the buttons at y 410
constexpr int kListWidth = 120;

MapView& viewOf(void* data) { return *static_cast<MapView*>(data); }

void removeTeleport(MapView& v, int index) {
  v.document.edit([&] { v.openMap.removeTeleport(index); });
}

}  // namespace

void fillTeleportsPage(void* data) {
  MapView& v = viewOf(data);
  v.widgets.teleportList = AddListBox(2, 2, v.state.rowIndex, &v.state.teleportRows, kListWidth, kListLeftButton,
                                      teleportRowText, nullptr, kTeleportListRows);
  SetListIndexer(v.widgets.teleportList, rowData);
  SetListSelectCallback(v.widgets.teleportList, teleportSelected);
  SetListDeleteCallback(v.widgets.teleportList, teleportDeleteKey);
  v.state.selectedTeleport = -1;
  AddButton(20, 410, "Add", addTeleportClicked, &v);
  AddButton(60, 410, "Delete", deleteTeleportClicked, &v);
  v.state.teleportRows = v.openMap.teleportCount();
  Refresh(v.widgets.teleportList);
}

void teleportSelected(int rowId, void* data) {
  MapView* v = activeMapView();
  if (v != nullptr && data != nullptr) v->state.selectedTeleport = *static_cast<int*>(data);
}

void teleportDeleteKey(int rowId, void* data) {
  MapView* v = activeMapView();
  if (v == nullptr || data == nullptr) return;
  removeTeleport(*v, *static_cast<int*>(data));
  v->state.selectedTeleport = -1;
  SetListSelection(v->widgets.teleportList, -1);
}

void addTeleportClicked(void* data) {
  MapView& v = viewOf(data);
  if (v.state.canvasMode != LocalEdit) return;
  v.host.showText("Click on the map to set the location of the teleport", "~OK");
  v.state.canvasMode = PickTeleportCell;
  Refresh(v.widgets.positionField);
}

// The selection stays on its index, so a second press removes the teleport
// that moved up into it; past the last row it is cleared, so a press after
// a later "Add" never removes a teleport that is not highlighted.
void deleteTeleportClicked(void* data) {
  MapView& v = viewOf(data);
  if (v.state.selectedTeleport < 0) return;
  removeTeleport(v, v.state.selectedTeleport);  // the list follows as a listener, the selection kept
  SetListSelection(v.widgets.teleportList, v.state.selectedTeleport);
}
