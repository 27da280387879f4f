// The palette and the two previews beside the map.
#include "view/tile_canvases.h"

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
  drawPalette(bitmap, v.sprites, v.openMap.kind);
  if (IsCanvasRedraw(x, y) || !(buttons & 1)) return;
  const int column = x / kSpriteWidth, row = y / kSpriteHeight;
  if (column >= kPaletteColumns || row >= kPaletteRows) return;
  if (v.state.canvasMode != LocalEdit) forgetCursor(v.state);  // the map replaces another view
  v.state.canvasMode = LocalEdit;
  v.state.selectedTile = row * kPaletteColumns + column;
  Refresh(v.widgets.selectedTilePreview);
  Refresh(v.widgets.mapCanvas);
  Refresh(v.widgets.positionField);
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
  if (v.state.selectedTile < 0 || v.state.selectedTile > 255) return;
  drawTileCell(bitmap, v.sprites, 0, 0, v.state.selectedTile, v.openMap.kind);
  Refresh(v.widgets.selectedTileField);
}

void mapTilePreviewHandler(BITMAP* bitmap, int x, int y, void* data) {
  MapView& v = viewOf(data);
  if (IsCanvasClear(x, y)) {
    clearToBlack(bitmap);
    return;
  }
  drawTileCell(bitmap, v.sprites, 0, 0, v.state.mapTile, v.openMap.kind);
  Refresh(v.widgets.mapTileField);
}
