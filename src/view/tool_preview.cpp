// The previews of the area tools, straight onto the target bitmap.
#include "view/tool_preview.h"

#include "data/sprite_set.h"

namespace {

int colourOf(BITMAP* target, int r, int g, int b) { return makecol_depth(bitmap_color_depth(target), r, g, b); }

bool inRegion(const CellMask& region, int c, int r) {
  return c >= 0 && c < kMapColumns && r >= 0 && r < kMapRows && region.cells[r][c];
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

void drawRegionOutline(BITMAP* target, const CellMask& region) {
  const int light = colourOf(target, 255, 255, 255), dark = colourOf(target, 0, 0, 0);
  for (int r = 0; r < kMapRows; ++r) {
    for (int c = 0; c < kMapColumns; ++c) {
      if (!region.cells[r][c]) continue;
      const int x0 = c * kSpriteWidth, y0 = r * kSpriteHeight;
      const int x1 = x0 + kSpriteWidth - 1, y1 = y0 + kSpriteHeight - 1;
      if (!inRegion(region, c, r - 1)) hline(target, x0, y0, x1, light), hline(target, x0, y0 + 1, x1, dark);
      if (!inRegion(region, c, r + 1)) hline(target, x0, y1, x1, light), hline(target, x0, y1 - 1, x1, dark);
      if (!inRegion(region, c - 1, r)) vline(target, x0, y0, y1, light), vline(target, x0 + 1, y0, y1, dark);
      if (!inRegion(region, c + 1, r)) vline(target, x1, y0, y1, light), vline(target, x1 - 1, y0, y1, dark);
    }
  }
}

void drawTileCells(BITMAP* target, TileCellCache& cache, const SpriteSet& sprites, const Cell* cells, int count,
                   int code, int kind) {
  cache.prepare(target, sprites);
  acquire_bitmap(target);
  for (int i = 0; i < count; ++i)
    cache.draw(target, sprites, cells[i].column * kSpriteWidth, cells[i].row * kSpriteHeight, code, kind);
  release_bitmap(target);
}

void drawBlockPreview(BITMAP* target, TileCellCache& cache, const SpriteSet& sprites, const TileBlock& block,
                      int column, int row, int kind, int storedRows) {
  const CellRect cells = blockCellsAt(block, column, row);
  cache.prepare(target, sprites);
  acquire_bitmap(target);
  for (int r = cells.top; r <= cells.bottom && r < storedRows; ++r) {
    for (int c = cells.left; c <= cells.right; ++c)
      cache.draw(target, sprites, c * kSpriteWidth, r * kSpriteHeight, block.at(c - column, r - row), kind);
  }
  release_bitmap(target);
  drawCellFrame(target, cells, FrameStyle::Paint);
}
