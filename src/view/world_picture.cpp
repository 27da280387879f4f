// The cached world view: compared cell for cell with the world it was drawn
// from, which costs far less than colouring 864 x 480 pixels again.
#include "view/world_picture.h"

#include <cstring>
#include <new>

#include "view/map_drawing.h"

WorldPicture::~WorldPicture() { invalidate(); }

void WorldPicture::invalidate() {
  if (picture_ != nullptr) destroy_bitmap(picture_);
  picture_ = nullptr;
  drawnWith_.forget();
}

void WorldPicture::show(BITMAP* target, const SpriteSet& sprites, const WorldBuffer& world) {
  const int depth = bitmap_color_depth(target);
  const bool current = picture_ != nullptr && bitmap_color_depth(picture_) == depth &&
                       drawnWith_.sameAs(sprites) && memcmp(drawnFrom_->cells, world.cells, sizeof world.cells) == 0;
  if (!current) {
    invalidate();
    if (!drawnFrom_) drawnFrom_.reset(new (std::nothrow) WorldBuffer);
    if (drawnFrom_) picture_ = create_bitmap_ex(depth, kMapCanvasWidth, kMapCanvasHeight);
    if (picture_ == nullptr) {
      drawWorld(target, sprites, world);
      return;
    }
    drawWorld(picture_, sprites, world);
    memcpy(drawnFrom_->cells, world.cells, sizeof world.cells);
    drawnWith_.take(sprites);
  }
  blit(picture_, target, 0, 0, 0, 0, kMapCanvasWidth, kMapCanvasHeight);
}
