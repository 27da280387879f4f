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
  *v.constantObjectList = AddListBox(2, 20, v.rowIndex, v.constantObjectRows, kListWidth, kListLeftButton,
                                     constantObjectRowText, nullptr, kObjectListRows);
  SetListIndexer(*v.constantObjectList, rowData);
  SetListSelectCallback(*v.constantObjectList, constantObjectSelected);
  v.quantityText[0] = 0;
  *v.quantityBox = AddEditBox(2, 200, kQuantityBoxWidth, "Qty", kEditBoxText, kQuantityTextSize - 1, v.quantityText);
  AddButton(75, 200, "Add", addObjectClicked, &v);
  *v.selectedConstantObject = -1;
  AddLabel(2, 225, "Map Objects + Creatures");
  *v.placementList = AddListBox(2, 245, v.rowIndex, v.placementRows, kListWidth, kListLeftButton, placementRowText,
                                nullptr, kObjectListRows);
  SetListIndexer(*v.placementList, rowData);
  SetListSelectCallback(*v.placementList, placementSelected);
  *v.selectedPlacement = -1;
  AddButton(50, 420, "Delete", deletePlacementClicked, &v);
}

void constantObjectSelected(int rowId, void* data) {
  MapView* v = activeMapView();
  selectInto(v != nullptr ? v->selectedConstantObject : nullptr, data);
}

void placementSelected(int rowId, void* data) {
  MapView* v = activeMapView();
  selectInto(v != nullptr ? v->selectedPlacement : nullptr, data);
}

void addObjectClicked(void* data) {
  MapView& v = viewOf(data);
  if (*v.selectedConstantObject < 0) return;
  const int quantity = leadingDecimal(v.quantityText);
  if (quantity < 1 || quantity > kMaxQuantity || v.mapData->firstFreePlacement() == -1) {
    viewShowText(v, "Unable to add a constant object at this time", "~OK");
    return;
  }
  viewShowText(v, "Select a position to place the object", "~OK");
  Refresh(*v.constantObjectList);
  *v.canvasMode = PlaceObject;
  Refresh(*v.mapCanvas);  // the map, not the world, waits for the click
  Refresh(*v.positionField);
}

void deletePlacementClicked(void* data) {
  MapView& v = viewOf(data);
  Placement* p = v.mapData->placement(*v.selectedPlacement);
  if (*v.selectedPlacement < 0 || p == nullptr) return;
  *p = Placement{};  // the placement table itself knows it differs from its file
  Refresh(*v.placementList);
  Refresh(*v.mapCanvas);  // the picture loses the sprite at once
}
