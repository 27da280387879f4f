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
  // The palette changes only with the map's kind, which refreshes it: a
  // poll draws nothing, and a held button refreshes only what it changed.
  if (IsCanvasRedraw(x, y)) {
    drawPalette(bitmap, v.sprites, v.openMap.kind);
    return;
  }
  if (!(buttons & 1)) return;
  const int column = x / kSpriteWidth, row = y / kSpriteHeight;
  if (column >= kPaletteColumns || row >= kPaletteRows) return;
  const int tile = row * kPaletteColumns + column;
  if (v.state.selectedTile != tile) {
    v.state.selectedTile = tile;
    Refresh(v.widgets.selectedTilePreview);
  }
  if (v.state.canvasMode != LocalEdit) {
    forgetCursor(v.state);  // the map replaces another view
    v.state.canvasMode = LocalEdit;
    Refresh(v.widgets.mapCanvas);
    Refresh(v.widgets.positionField);
  }
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
