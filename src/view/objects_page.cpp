// The objects page: the constant objects with the "Qty" box and "Add" (the
// next new press on the map places the object), and the map's placements
// with "Delete".
#include "gui/gui.h"
#include "view/quantity_text.h"
#include "view/side_pages.h"

namespace {

constexpr int kObjectListRows = 8;  // 20-pixel rows end above the "Qty" box and "Delete"
constexpr int kListWidth = 120;
constexpr int kQuantityBoxWidth = 30;
constexpr int kMaxQuantity = 255;

MapView& viewOf(void* data) { return *static_cast<MapView*>(data); }

void selectInto(int* field, void* data) {
  if (field != nullptr && data != nullptr) *field = *static_cast<int*>(data);
}

}  // namespace

void fillObjectsPage(void* data) {
  MapView& v = viewOf(data);
  AddLabel(2, 2, "Constant Objects");
  v.widgets.constantObjectList = AddListBox(2, 20, v.state.rowIndex, &v.state.constantObjectRows, kListWidth,
                                            kListLeftButton, constantObjectRowText, nullptr, kObjectListRows);
  SetListIndexer(v.widgets.constantObjectList, rowData);
  SetListSelectCallback(v.widgets.constantObjectList, constantObjectSelected);
  v.state.quantityText[0] = 0;
  v.widgets.quantityBox =
      AddEditBox(2, 200, kQuantityBoxWidth, "Qty", kEditBoxText, kQuantityTextSize - 1, v.state.quantityText);
  AddButton(75, 200, "Add", addObjectClicked, &v);
  v.state.selectedConstantObject = -1;
  AddLabel(2, 225, "Map Objects + Creatures");
  v.widgets.placementList = AddListBox(2, 245, v.state.rowIndex, &v.state.placementRows, kListWidth, kListLeftButton,
                                       placementRowText, nullptr, kObjectListRows);
  SetListIndexer(v.widgets.placementList, rowData);
  SetListSelectCallback(v.widgets.placementList, placementSelected);
  v.state.selectedPlacement = -1;
  AddButton(50, 420, "Delete", deletePlacementClicked, &v);
}

void constantObjectSelected(int rowId, void* data) {
  MapView* v = activeMapView();
  selectInto(v != nullptr ? &v->state.selectedConstantObject : nullptr, data);
}

void placementSelected(int rowId, void* data) {
  MapView* v = activeMapView();
  selectInto(v != nullptr ? &v->state.selectedPlacement : nullptr, data);
}

void addObjectClicked(void* data) {
  MapView& v = viewOf(data);
  if (v.state.selectedConstantObject < 0) return;
  const int quantity = leadingDecimal(v.state.quantityText);
  if (quantity < 1 || quantity > kMaxQuantity || v.mapData.firstFreePlacement() == -1) {
    v.host.showText("Unable to add a constant object at this time", "~OK");
    return;
  }
  v.host.showText("Select a position to place the object", "~OK");
  Refresh(v.widgets.constantObjectList);
  v.state.canvasMode = PlaceObject;
  Refresh(v.widgets.mapCanvas);  // the map, not the world, waits for the click
  Refresh(v.widgets.positionField);
}

void deletePlacementClicked(void* data) {
  MapView& v = viewOf(data);
  Placement* p = v.mapData.placement(v.state.selectedPlacement);
  if (v.state.selectedPlacement < 0 || p == nullptr) return;
  v.document.edit([&] { *p = Placement{}; });  // the list and the picture follow as listeners
}
