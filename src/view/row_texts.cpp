// The texts of the list rows: teleports, constant objects with their sprite
// icons, and the placement records by the record their id names.
#include <cstdio>
#include <cstring>

#include "gui/gui.h"
#include "view/placement_record.h"
#include "view/side_pages.h"

namespace {

constexpr size_t kRowTextLimit = kGuiRowBufferSize;

// The row number behind a row's data, or -1 for none.
int rowNumber(void* data) { return data != nullptr ? *static_cast<int*>(data) : -1; }

}  // namespace

void* rowData(void* listData, int row) {
  if (listData == nullptr || row < 0 || row >= kRowIndexSize) return nullptr;
  return static_cast<int*>(listData) + row;
}

void teleportRowText(void* data, char* buffer) {
  buffer[0] = 0;
  const MapView* v = activeMapView();
  int x, y;
  char name[kTeleportNameSize];
  if (v == nullptr || !v->openMap.getTeleport(rowNumber(data), &x, &y, name)) return;
  snprintf(buffer, kRowTextLimit, "%i,%i %s", x, y, name);
}

void constantObjectRowText(void* data, char* buffer) {
  buffer[0] = 0;
  const MapView* v = activeMapView();
  const MapObject* object = v != nullptr ? v->objectList.constantObject(rowNumber(data)) : nullptr;
  if (object == nullptr) return;
  if (object->isEmptySlot()) snprintf(buffer, kRowTextLimit, "empty");
  else snprintf(buffer, kRowTextLimit, "#%i;%s", object->sprite(), object->name().text);
}

void placementRowText(void* data, char* buffer) {
  buffer[0] = 0;
  const MapView* v = activeMapView();
  const Placement* p = v != nullptr ? v->mapData.placement(rowNumber(data)) : nullptr;
  if (p == nullptr) {
    snprintf(buffer, kRowTextLimit, "temp");
    return;
  }
  const PlacedRecord record = placedRecord(*p, v->objectList, v->creatureList);
  switch (record.kind) {
    case PlacementKind::ConstantObject:
    case PlacementKind::PlayerObject:
      snprintf(buffer, kRowTextLimit, "#%i;(%i,%i) %i %s", record.sprite, p->x, p->y, p->quantity,
               record.object->name().text);
      break;
    case PlacementKind::Creature:
      snprintf(buffer, kRowTextLimit, "#%i;(%i,%i) %s", record.sprite, p->x, p->y,
               record.creature->nameText().text);
      break;
    case PlacementKind::None:
      snprintf(buffer, kRowTextLimit, "(%i,%i) %i", p->x, p->y, p->quantity);
      break;
  }
}
