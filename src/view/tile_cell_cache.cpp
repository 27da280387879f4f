// The cell atlas: a cell is composed the first time it is drawn.
#include "view/tile_cell_cache.h"

#include <cstring>

#include "view/map_drawing.h"

namespace {

// The atlas row of a map kind; -1 for a value that is no kind.
int kindRow(int kind) {
  switch (kind) {
    case NoKind: return 0;
    case Wilderness: return 1;
    case Local: return 2;
    case Interior: return 3;
    default: return -1;
  }
}

void drawOnBlack(BITMAP* target, const SpriteSet& sprites, int px, int py, int code, int kind) {
  rectfill(target, px, py, px + kSpriteWidth - 1, py + kSpriteHeight - 1,
           makecol_depth(bitmap_color_depth(target), 0, 0, 0));
  drawTileCell(target, sprites, px, py, code, kind);
}

}  // namespace

TileCellCache::~TileCellCache() { invalidate(); }

void TileCellCache::invalidate() {
  if (atlas_ != nullptr) destroy_bitmap(atlas_);
  atlas_ = nullptr;
  composedWith_.forget();
}

bool TileCellCache::prepare(BITMAP* target, const SpriteSet& sprites) {
  const int depth = bitmap_color_depth(target);
  if (atlas_ != nullptr && bitmap_color_depth(atlas_) == depth && composedWith_.sameAs(sprites)) return true;
  invalidate();
  atlas_ = create_bitmap_ex(depth, kCodes * kSpriteWidth, kKinds * kSpriteHeight);
  if (atlas_ == nullptr) return false;
  composedWith_.take(sprites);
  memset(composed_, 0, sizeof composed_);
  return true;
}

void TileCellCache::draw(BITMAP* target, const SpriteSet& sprites, int px, int py, int code, int kind) {
  const int row = kindRow(kind);
  if (atlas_ == nullptr || row < 0 || code < 0 || code >= kCodes) {
    drawOnBlack(target, sprites, px, py, code, kind);
    return;
  }
  const int ax = code * kSpriteWidth, ay = row * kSpriteHeight;
  if (!composed_[row][code]) {
    drawOnBlack(atlas_, sprites, ax, ay, code, kind);
    composed_[row][code] = true;
  }
  // Memory bitmaps of one depth: the cell's rows are copied straight.
  if (is_memory_bitmap(target) && bitmap_color_depth(target) == bitmap_color_depth(atlas_) && px >= 0 && py >= 0 &&
      px + kSpriteWidth <= target->w && py + kSpriteHeight <= target->h) {
    const int bytes = (bitmap_color_depth(target) + 7) / 8;
    for (int y = 0; y < kSpriteHeight; ++y)
      memcpy(target->line[py + y] + px * bytes, atlas_->line[ay + y] + ax * bytes, kSpriteWidth * bytes);
    return;
  }
  blit(atlas_, target, ax, ay, px, py, kSpriteWidth, kSpriteHeight);
}
