// The previews of the area tools, straight onto the target bitmap.
#include "view/tool_preview.h"

#include "view/map_drawing.h"

namespace {

int colourOf(BITMAP* target, int r, int g, int b) { return makecol_depth(bitmap_color_depth(target), r, g, b); }

void drawCell(BITMAP* target, const SpriteSet& sprites, int column, int row, int code, int kind) {
  const int px = column * kSpriteWidth, py = row * kSpriteHeight;
  rectfill(target, px, py, px + kSpriteWidth - 1, py + kSpriteHeight - 1, colourOf(target, 0, 0, 0));
  drawTileCell(target, sprites, px, py, code, kind);
}

}  // namespace

void drawCellFrame(BITMAP* target, const CellRect& cells, FrameStyle style) {
  if (cells.empty()) return;
  const int left = cells.left * kSpriteWidth, top = cells.top * kSpriteHeight;
  const int right = (cells.right + 1) * kSpriteWidth - 1, bottom = (cells.bottom + 1) * kSpriteHeight - 1;
  const int light = style == FrameStyle::Paint ? colourOf(target, 255, 255, 255) : colourOf(target, 255, 220, 0);
  rect(target, left, top, right, bottom, light);
  rect(target, left + 1, top + 1, right - 1, bottom - 1, colourOf(target, 0, 0, 0));
}

void drawTileCells(BITMAP* target, const SpriteSet& sprites, const Cell* cells, int count, int code, int kind) {
  acquire_bitmap(target);
  for (int i = 0; i < count; ++i) drawCell(target, sprites, cells[i].column, cells[i].row, code, kind);
  release_bitmap(target);
}

void drawBlockPreview(BITMAP* target, const SpriteSet& sprites, const TileBlock& block, int column, int row,
                      int kind) {
  const CellRect cells = blockCellsAt(block, column, row);
  acquire_bitmap(target);
  for (int r = cells.top; r <= cells.bottom; ++r)
    for (int c = cells.left; c <= cells.right; ++c) drawCell(target, sprites, c, r, block.at(c - column, r - row), kind);
  release_bitmap(target);
  drawCellFrame(target, cells, FrameStyle::Paint);
}
