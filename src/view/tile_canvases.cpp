// The palette, the previews and the texts of the fields beside the map.
#include "view/tile_canvases.h"

#include <cstdio>

#include "gui/gui.h"
#include "view/map_drawing.h"

namespace {

void clearToBlack(BITMAP* bitmap) { clear_to_color(bitmap, makecol_depth(bitmap_color_depth(bitmap), 0, 0, 0)); }

MapView& viewOf(void* data) { return *static_cast<MapView*>(data); }

}  // namespace

void handlePaletteEvent(MapView& v, BITMAP* bitmap, int x, int y, int buttons) {
  if (IsCanvasClear(x, y)) {
    clearToBlack(bitmap);
    return;
  }
  drawPalette(bitmap, *v.sprites, v.openMap->kind);
  if (IsCanvasRedraw(x, y) || !(buttons & 1)) return;
  const int column = x / kSpriteWidth, row = y / kSpriteHeight;
  if (column >= kPaletteColumns || row >= kPaletteRows) return;
  *v.canvasMode = LocalEdit;
  *v.selectedTile = row * kPaletteColumns + column;
  Refresh(*v.selectedTilePreview);
  Refresh(*v.mapCanvas);
  Refresh(*v.positionField);
}

void paletteCanvasHandler(BITMAP* bitmap, int x, int y, void* data) {
  handlePaletteEvent(viewOf(data), bitmap, x, y, GuiMouseState().b);
}

void selectedTilePreviewHandler(BITMAP* bitmap, int x, int y, void* data) {
  MapView& v = viewOf(data);
  if (IsCanvasClear(x, y)) {
    clearToBlack(bitmap);
    return;
  }
  if (*v.selectedTile < 0 || *v.selectedTile > 255) return;
  drawTileCell(bitmap, *v.sprites, 0, 0, *v.selectedTile, v.openMap->kind);
  Refresh(*v.selectedTileField);
}

void mapTilePreviewHandler(BITMAP* bitmap, int x, int y, void* data) {
  MapView& v = viewOf(data);
  if (IsCanvasClear(x, y)) {
    clearToBlack(bitmap);
    return;
  }
  drawTileCell(bitmap, *v.sprites, 0, 0, *v.mapTile, v.openMap->kind);
  Refresh(*v.mapTileField);
}

void statusText(void* data, char* buffer) {
  const LocalMap& map = *viewOf(data).openMap;
  const char* text = map.path[0] != 0 ? map.path : map.kind == NoKind ? "Invalid map file" : "Load a map to continue";
  snprintf(buffer, kGuiStatusBufferSize, "%s", text);
}

void selectedTileText(void* data, char* buffer) {
  snprintf(buffer, kGuiStatusBufferSize, "%i", *viewOf(data).selectedTile);
}

void mapTileText(void* data, char* buffer) { snprintf(buffer, kGuiStatusBufferSize, "%i", *viewOf(data).mapTile); }

void positionText(void* data, char* buffer) {
  const MapView& v = viewOf(data);
  buffer[0] = 0;
  if (*v.canvasMode == LocalEdit) {
    snprintf(buffer, kGuiStatusBufferSize, "%i, %i", *v.cursorX, *v.cursorY);
  } else if (*v.canvasMode == WorldView) {
    snprintf(buffer, kGuiStatusBufferSize, "ZAN%c%c", 'A' + *v.cursorX / kMapColumns, 'A' + *v.cursorY / kMapRows);
  }
}
