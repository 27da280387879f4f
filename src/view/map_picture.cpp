// The composed map picture: a cell is cleared to black and drawn again only
// when the code or kind behind it differs from what was drawn there.
#include "view/map_picture.h"

#include "view/map_drawing.h"

MapPicture::~MapPicture() { invalidate(); }

void MapPicture::invalidate() {
  if (picture_ != nullptr) destroy_bitmap(picture_);
  picture_ = nullptr;
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
  clear_to_color(picture_, makecol_depth(depth, 0, 0, 0));
  drawnWith_.take(sprites);
  for (auto& row : drawn_) {
    for (int& cell : row) cell = kNotDrawn;
  }
  return true;
}

void MapPicture::update(const SpriteSet& sprites, const LocalMap& map) {
  const int black = makecol_depth(bitmap_color_depth(picture_), 0, 0, 0);
  for (int r = 0; r < kMapRows; ++r) {
    for (int c = 0; c < kMapColumns; ++c) {
      const int code = map.getTile(c, r);
      const int key = code + 256 * map.kind;
      if (drawn_[r][c] == key) continue;
      const int px = c * kSpriteWidth, py = r * kSpriteHeight;
      if (drawn_[r][c] != kNotDrawn) rectfill(picture_, px, py, px + kSpriteWidth - 1, py + kSpriteHeight - 1, black);
      drawTileCell(picture_, sprites, px, py, code, map.kind);
      drawn_[r][c] = key;
    }
  }
}

void MapPicture::show(BITMAP* target, const SpriteSet& sprites, const LocalMap& map) {
  if (!prepare(target, sprites)) {
    clear_to_color(target, makecol_depth(bitmap_color_depth(target), 0, 0, 0));
    drawLocalMap(target, sprites, map);
    return;
  }
  update(sprites, map);
  blit(picture_, target, 0, 0, 0, 0, kMapCanvasWidth, kMapCanvasHeight);
}
