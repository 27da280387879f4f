// The composed map picture: a cell is cleared to black and drawn again only
// when the code or kind behind it, or the placed sprites on it, differ from
// what was drawn there.
#include "view/map_picture.h"

#include <algorithm>
#include <cstring>

MapPicture::~MapPicture() { invalidate(); }

void MapPicture::invalidate() {
  cells_.invalidate();
  if (picture_ != nullptr) destroy_bitmap(picture_);
  picture_ = nullptr;
  shownOn_ = nullptr;
  drawnWith_.forget();
}

// A picture of the target's depth, drawn with the sprite bitmaps the set
// holds now; anything else starts again from an all-black picture.
bool MapPicture::prepare(BITMAP* target, const SpriteSet& sprites) {
  const int depth = bitmap_color_depth(target);
  if (picture_ != nullptr && bitmap_color_depth(picture_) == depth && drawnWith_.sameAs(sprites)) return true;
  invalidate();
  picture_ = create_bitmap_ex(depth, kMapCanvasWidth, kMapCanvasHeight);
  if (picture_ == nullptr) return false;
  drawnWith_.take(sprites);
  for (auto& row : drawn_) {
    for (int& cell : row) cell = kNotDrawn;
  }
  placedCount_ = 0;
  listPlacementsByCell();
  cells_.prepare(picture_, sprites);
  return true;
}

void MapPicture::listPlacementsByCell() {
  int last[kMapRows][kMapColumns];
  for (int r = 0; r < kMapRows; ++r)
    for (int c = 0; c < kMapColumns; ++c) firstOnCell_[r][c] = last[r][c] = -1;
  for (int i = 0; i < placedCount_; ++i) {
    const PlacedSprite& p = placed_[i];
    next_[i] = -1;
    if (p.column < 0 || p.column >= kMapColumns || p.row < 0 || p.row >= kMapRows) continue;
    int& tail = last[p.row][p.column];
    if (tail < 0) firstOnCell_[p.row][p.column] = i;
    else next_[tail] = i;
    tail = i;
  }
}

// Placements outside the map are clipped away entirely: only cells count.
void MapPicture::markPlacementCells(const PlacedSprite* placed, int count) {
  for (int i = 0; i < count; ++i) {
    const PlacedSprite& p = placed[i];
    if (p.column >= 0 && p.column < kMapColumns && p.row >= 0 && p.row < kMapRows)
      placementsChanged_[p.row][p.column] = true;
  }
}

void MapPicture::drawCell(const SpriteSet& sprites, const LocalMap& map, int c, int r) {
  const int px = c * kSpriteWidth, py = r * kSpriteHeight;
  cells_.draw(picture_, sprites, px, py, map.getTile(c, r), map.kind);
  for (int i = firstOnCell_[r][c]; i >= 0; i = next_[i]) {
    BITMAP* sprite = sprites.sprite(placed_[i].slot);
    if (sprite != nullptr) masked_blit(sprite, picture_, 0, 0, px, py, kSpriteWidth, kSpriteHeight);
  }
  drawn_[r][c] = map.getTile(c, r) + 256 * map.kind;
}

// Redraws the cells that differ from what is drawn; returns their bounds.
PixelRect MapPicture::redrawChanged(const SpriteSet& sprites, const LocalMap& map, const PlacedSprite* placed,
                                    int count) {
  memset(placementsChanged_, 0, sizeof placementsChanged_);
  if (count != placedCount_ || memcmp(placed, placed_, sizeof *placed * count) != 0) {
    markPlacementCells(placed_, placedCount_);
    markPlacementCells(placed, count);
    memcpy(placed_, placed, sizeof *placed * count);
    placedCount_ = count;
    listPlacementsByCell();
  }
  int left = kMapColumns, top = kMapRows, right = -1, bottom = -1;
  acquire_bitmap(picture_);
  for (int r = 0; r < kMapRows; ++r) {
    for (int c = 0; c < kMapColumns; ++c) {
      if (drawn_[r][c] == map.getTile(c, r) + 256 * map.kind && !placementsChanged_[r][c]) continue;
      drawCell(sprites, map, c, r);
      left = std::min(left, c);
      right = std::max(right, c);
      top = std::min(top, r);
      bottom = std::max(bottom, r);
    }
  }
  release_bitmap(picture_);
  if (right < 0) return PixelRect();
  return PixelRect{left * kSpriteWidth, top * kSpriteHeight, (right - left + 1) * kSpriteWidth,
                   (bottom - top + 1) * kSpriteHeight};
}

void MapPicture::show(BITMAP* target, const SpriteSet& sprites, const LocalMap& map, const PlacedSprite* placed,
                      int count) {
  shownOn_ = nullptr;
  if (!prepare(target, sprites)) {
    clear_to_color(target, makecol_depth(bitmap_color_depth(target), 0, 0, 0));
    drawLocalMap(target, sprites, map);
    drawPlacedSprites(target, sprites, placed, count);
    return;
  }
  redrawChanged(sprites, map, placed, count);
  blit(picture_, target, 0, 0, 0, 0, kMapCanvasWidth, kMapCanvasHeight);
  shownOn_ = target;
}

PixelRect unite(const PixelRect& a, const PixelRect& b) {
  if (a.empty()) return b;
  if (b.empty()) return a;
  const int x = std::min(a.x, b.x), y = std::min(a.y, b.y);
  return PixelRect{x, y, std::max(a.x + a.w, b.x + b.w) - x, std::max(a.y + a.h, b.y + b.h) - y};
}

bool MapPicture::restore(BITMAP* target, const PixelRect& rect) const {
  if (picture_ == nullptr || shownOn_ != target) return false;
  if (!rect.empty()) blit(picture_, target, rect.x, rect.y, rect.x, rect.y, rect.w, rect.h);
  return true;
}

PixelRect MapPicture::update(BITMAP* target, const SpriteSet& sprites, const LocalMap& map, const PlacedSprite* placed,
                             int count) {
  const PixelRect whole{0, 0, kMapCanvasWidth, kMapCanvasHeight};
  // prepare starts the picture again, and forgets where it was shown, after
  // a change of sprites or depth.
  if (shownOn_ != target || !prepare(target, sprites) || shownOn_ != target) {
    show(target, sprites, map, placed, count);
    return whole;
  }
  const PixelRect changed = redrawChanged(sprites, map, placed, count);
  if (!changed.empty()) blit(picture_, target, changed.x, changed.y, changed.x, changed.y, changed.w, changed.h);
  return changed;
}
