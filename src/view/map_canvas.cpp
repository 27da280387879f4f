// The map canvas's mouse handling by mode: painting, picking and following
// teleports in LocalEdit, opening a map from the world view, and the clicks
// that end PickTeleportCell and PlaceObject.
#include "view/map_canvas.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "data/map_names.h"
#include "view/map_drawing.h"
#include "view/quantity_text.h"
#include "view/tool_actions.h"

namespace {

constexpr int kLeftButton = 1;
constexpr int kRightButton = 2;
constexpr int kMiddleButton = 4;
constexpr int kMaxQuantity = 255;

bool sameAsRecorded(const MapView& v, const GuiMouse& m) {
  return m.x == v.state.lastMouseX && m.y == v.state.lastMouseY && m.z == v.state.lastMouseZ &&
         m.b == v.state.lastMouseButtons;
}

void recordMouse(MapView& v, const GuiMouse& m) {
  v.state.lastMouseX = m.x;
  v.state.lastMouseY = m.y;
  v.state.lastMouseZ = m.z;
  v.state.lastMouseButtons = m.b;
}

// The map cell under canvas pixel (x, y), kept inside the map.
void cellAt(int x, int y, int* column, int* row) {
  *column = std::clamp(x / kSpriteWidth, 0, kMapColumns - 1);
  *row = std::clamp(y / kSpriteHeight, 0, kMapRows - 1);
}

// The field's text follows the cursor and the mode: force after a change of mode.
void showCursor(MapView& v, int x, int y, bool force = false) {
  if (v.state.cursorX == x && v.state.cursorY == y && !force) return;
  v.state.cursorX = x;
  v.state.cursorY = y;
  Refresh(v.widgets.positionField);
}

void showMapTile(MapView& v, int tile) {
  if (v.state.mapTile == tile) return;
  v.state.mapTile = tile;
  Refresh(v.widgets.mapTilePreview);
}

}  // namespace

void followMapTile(MapView& v) {
  if (v.state.canvasMode == LocalEdit && v.tools.pointerOnMap)
    showMapTile(v, v.openMap.getTile(v.tools.pointer.column, v.tools.pointer.row));
}

namespace {

bool areaOverlayShown(const MapView& v) {
  return v.tools.dragging || v.tools.pasting || !v.tools.selection.empty();
}

// After a map was opened or a mode ended inside this callback: the canvas
// shows the new state at once (a refresh from inside only copies).
void redrawCanvas(MapView& v, BITMAP* bitmap) {
  drawMapCanvas(v, bitmap);
  Refresh(v.widgets.mapCanvas);
}

// A cell pointed out to the user (a finding of Check World): a two-pixel
// frame in white and red, seen on any tile.
void drawCellMark(BITMAP* bitmap, int column, int row) {
  const int depth = bitmap_color_depth(bitmap);
  const int x = column * kSpriteWidth, y = row * kSpriteHeight;
  rect(bitmap, x, y, x + kSpriteWidth - 1, y + kSpriteHeight - 1, makecol_depth(depth, 255, 255, 255));
  rect(bitmap, x + 1, y + 1, x + kSpriteWidth - 2, y + kSpriteHeight - 2, makecol_depth(depth, 255, 0, 0));
}

// The start line over the empty map while no map is open. The map picture
// does not know of it: once it no longer applies, the next picture is copied
// whole, so no letter of it stays behind.
bool startHintApplies(const MapView& v) {
  return v.state.canvasMode == LocalEdit && v.openMap.path[0] == '\0' && v.state.startHint[0] != '\0';
}

void drawStartHint(MapView& v, BITMAP* bitmap) {
  DrawCentredText(bitmap, v.state.startHint, bitmap->w / 2, bitmap->h / 2 - 5,
                  makecol_depth(bitmap_color_depth(bitmap), 255, 255, 255));
  v.state.startHintShown = 1;
}

void dropStartHint(MapView& v) {
  if (v.state.startHintShown == 0 || startHintApplies(v)) return;
  v.picture.forgetShown();
  v.state.startHintShown = 0;
}

// What an event changed on the open map reaches the screen before the
// handler returns, while the button is still held. Without a tool's overlay
// only the changed cells are copied, and a move that changed nothing draws
// and copies nothing; an overlay follows the pointer, so it redraws it all.
void showMapChanges(MapView& v, BITMAP* bitmap) {
  if (areaOverlayShown(v)) {
    redrawCanvas(v, bitmap);
    return;
  }
  dropStartHint(v);
  PlacedSprite placed[kPlacementCount];
  const int count = v.state.showObjects == 1 ? listPlacedSprites(v.mapData, v.objectList, v.creatureList, placed) : 0;
  const PixelRect changed = v.picture.update(bitmap, v.sprites, v.openMap, placed, count);
  if (!changed.empty() && startHintApplies(v)) {  // cells painted before any map was opened
    drawStartHint(v, bitmap);
    RefreshArea(v.widgets.mapCanvas, 0, 0, bitmap->w, bitmap->h);
  } else if (!changed.empty()) {
    RefreshArea(v.widgets.mapCanvas, changed.x, changed.y, changed.w, changed.h);
  }
}

// The buttons act first and the picture follows, so that what an action
// changed (or the preview of a drag) is on the canvas when the event ends.
void localEditEvent(MapView& v, BITMAP* bitmap, int x, int y, const GuiMouse& m) {
  if (m.b != 0 && v.state.markedColumn > 0) {  // the mark lasts until the next click
    v.state.markedColumn = v.state.markedRow = 0;
    v.picture.forgetShown();  // the next update copies the whole picture, without the mark
  }
  int column, row;
  cellAt(x, y, &column, &row);
  showMapTile(v, v.openMap.getTile(column, row));
  v.tools.pointer = Cell{column, row};
  v.tools.pointerOnMap = true;
  areaToolLeftButton(v, column, row, (m.b & kLeftButton) != 0, m.leftPressMs);
  if ((m.b & kRightButton) && !areaToolTakesRightButton(v)) {
    v.state.selectedTile = v.openMap.getTile(column, row);
    Refresh(v.widgets.selectedTilePreview);
  }
  // A middle button held across a teleport, or through a dialog, follows
  // nothing more until it is pressed anew.
  if (!(m.b & kMiddleButton)) v.state.followNeedsPress = 0;
  if ((m.b & kMiddleButton) && !v.state.followNeedsPress && followTeleport(v, column, row)) {
    v.state.followNeedsPress = 1;
    endAreaToolAction(v);
    redrawCanvas(v, bitmap);
  } else {
    showMapChanges(v, bitmap);
  }
  showCursor(v, column + 1, row + 1);
  recordMouse(v, m);
}

void openWorldSquare(MapView& v, BITMAP* bitmap, int wx, int wy) {
  char path[kPathBufferSize];
  if (!worldMapFileName(v.state.worldPrefix, squareColumnOf(wx), squareRowOf(wy), path, sizeof path)) return;
  endStroke(v);
  if (!v.host.replaceOpenMap(path)) return;  // the kind a world map opens as is the document's rule
  if (v.openMap.path[0] == '\0') {  // the file names no map kind: nothing was opened
    char text[kPathBufferSize + 96];
    snprintf(text, sizeof text, "The map %s could not be read: its first line names no map kind.", path);
    v.host.showText(text, "~OK");
  }
  v.state.paintNeedsPress = 1;
  Refresh(v.widgets.statusLine);
  redrawCanvas(v, bitmap);
}

// The world picture does not change under a moving pointer: only the
// previews and the position follow it.
void worldViewEvent(MapView& v, BITMAP* bitmap, int x, int y, const GuiMouse& m) {
  const int wx = std::clamp(x * kWorldColumns / kMapCanvasWidth, 0, kWorldColumns - 1);
  const int wy = std::clamp(y, 0, kWorldRows - 1);
  showMapTile(v, v.worldBuffer.at(wx, wy));
  if (m.b & kLeftButton) openWorldSquare(v, bitmap, wx, wy);
  if (v.state.canvasMode == WorldView) {
    showCursor(v, wx, wy);
  } else {
    int column, row;
    cellAt(x, y, &column, &row);
    showCursor(v, column + 1, row + 1, true);
  }
  recordMouse(v, m);
}

constexpr int kOutlineMs = 500;

// The last queued call takes the outline away; the view it acts on is the
// active one, so a call left over from a view that is gone does nothing.
void endOutline(void*) {
  MapView* v = activeMapView();
  if (v == nullptr || v->state.outlineTimers <= 0 || --v->state.outlineTimers > 0) return;
  v->state.outline = CellBox{0, 0, -1, -1};
  Refresh(v->widgets.mapCanvas);
}

void drawOutline(const CellBox& box, BITMAP* bitmap) {
  const int colour = makecol_depth(bitmap_color_depth(bitmap), 255, 255, 0);
  const int x0 = box.left * kSpriteWidth, y0 = box.top * kSpriteHeight;
  const int x1 = (box.right + 1) * kSpriteWidth - 1, y1 = (box.bottom + 1) * kSpriteHeight - 1;
  rect(bitmap, x0, y0, x1, y1, colour);
  rect(bitmap, x0 + 1, y0 + 1, x1 - 1, y1 - 1, colour);
}

}  // namespace

void drawMapCanvas(MapView& v, BITMAP* bitmap) {
  if (v.state.canvasMode == WorldView) {
    v.picture.forgetShown();
    v.worldPicture.show(bitmap, v.sprites, v.worldBuffer, v.state.showTeleports ? &v.worldTeleports : nullptr);
    return;
  }
  PlacedSprite placed[kPlacementCount];
  const int count = v.state.showObjects == 1 ? listPlacedSprites(v.mapData, v.objectList, v.creatureList, placed) : 0;
  dropStartHint(v);
  v.picture.show(bitmap, v.sprites, v.openMap, placed, count);
  if (startHintApplies(v)) drawStartHint(v, bitmap);
  if (v.state.canvasMode == LocalEdit && areaOverlayShown(v)) {
    drawAreaToolOverlay(v, bitmap);
    v.picture.forgetShown();  // the next update copies the whole picture, without the overlay
  }
  if (v.state.markedColumn > 0 && v.state.markedRow > 0) drawCellMark(bitmap, v.state.markedColumn - 1, v.state.markedRow - 1);
  if (v.state.outlineTimers > 0 && !v.state.outline.empty()) {
    drawOutline(v.state.outline, bitmap);
    v.picture.forgetShown();
  }
}

void outlineCells(MapView& v, const CellBox& cells) {
  v.state.outline = cells;
  if (cells.empty()) return;
  v.state.outlineTimers++;
  GuiQueueCall(endOutline, nullptr, kOutlineMs);
}

void handleMapEvent(MapView& v, BITMAP* bitmap, int x, int y, const GuiMouse& m) {
  if (IsCanvasClear(x, y)) {
    v.picture.forgetShown();
    clear_to_color(bitmap, makecol_depth(bitmap_color_depth(bitmap), 0, 0, 0));
    if (startHintApplies(v)) drawStartHint(v, bitmap);
    return;
  }
  if (IsCanvasRedraw(x, y)) {
    drawMapCanvas(v, bitmap);
    return;
  }
  if (sameAsRecorded(v, m)) return;
  const int mode = v.state.canvasMode;
  int column, row;
  cellAt(x, y, &column, &row);
  if (mode == LocalEdit) {
    localEditEvent(v, bitmap, x, y, m);
  } else if (mode == WorldView) {
    worldViewEvent(v, bitmap, x, y, m);
  } else if (mode == PickTeleportCell) {
    recordMouse(v, m);
    if (!(m.b & kLeftButton)) return;
    placeTeleport(v, column, row);
    redrawCanvas(v, bitmap);
  } else if (mode == PlaceObject) {
    // Every state is recorded, so a release the canvas saw makes the next
    // press a new one even when the button went down outside the canvas.
    const bool newPress = (m.b & kLeftButton) && !(v.state.lastMouseButtons & kLeftButton);
    recordMouse(v, m);
    if (!newPress) return;
    placeObject(v, column, row);
    redrawCanvas(v, bitmap);
  }
}

void mapCanvasHandler(BITMAP* bitmap, int x, int y, void* data) {
  handleMapEvent(*static_cast<MapView*>(data), bitmap, x, y, GuiMouseState());
}

bool followTeleport(MapView& v, int column, int row) {
  char directory[kPathBufferSize], path[kPathBufferSize];
  if (v.openMap.path[0] == 0) return false;
  directoryOf(v.openMap.path, directory, sizeof directory);
  bool found = false;
  for (int i = 0; i < v.openMap.teleportCount() && !found; ++i) {
    int tx, ty;
    char name[kTeleportNameSize];
    if (!v.openMap.getTeleport(i, &tx, &ty, name) || tx != column + 1 || ty != row + 1) continue;
    found = snprintf(path, sizeof path, "%s\\%s.MAP", directory, name) < static_cast<int>(sizeof path);
    if (!found) return false;  // a path too long to name any file
  }
  if (!found && !cellMapFileName(v.openMap.path, column, row, path, sizeof path)) return false;
  endStroke(v);
  return v.host.replaceOpenMap(path);
}

void placeTeleport(MapView& v, int column, int row) {
  char directory[kPathBufferSize], chosen[kPathBufferSize], name[kPathBufferSize];
  directoryOf(v.openMap.path, directory, sizeof directory);
  const char* answer = v.host.selectFile("*.MAP", directory, kSelectOpenFlags,
                                      "Select teleport destination map", "Select");
  snprintf(chosen, sizeof chosen, "%s", answer != nullptr ? answer : "");
  v.state.canvasMode = LocalEdit;
  v.state.paintNeedsPress = 1;
  if (chosen[0] != 0 && mapNameOf(chosen, name, sizeof name)) {
    bool added = false;
    v.document.edit([&] { added = v.openMap.addTeleport(column + 1, row + 1, name); });
    if (added) v.host.teleportAdded(v.openMap.teleportCount() - 1);
  }
  showCursor(v, column + 1, row + 1);
}

void placeObject(MapView& v, int column, int row) {
  const int i = v.mapData.firstFreePlacement();
  Placement* p = i >= 0 ? v.mapData.placement(i) : nullptr;
  v.state.canvasMode = LocalEdit;
  v.state.paintNeedsPress = 1;
  if (p != nullptr) {
    v.document.edit([&] {
      p->x = static_cast<unsigned char>(column + 1);
      p->y = static_cast<unsigned char>(row + 1);
      p->id = v.state.selectedConstantObject;
      // The box may have changed since "Add": read it again, kept to 1..255.
      p->quantity = static_cast<unsigned char>(std::clamp(leadingDecimal(v.state.quantityText), 1, kMaxQuantity));
      p->inUse = 1;
    });
  }
  showCursor(v, column + 1, row + 1);
}
