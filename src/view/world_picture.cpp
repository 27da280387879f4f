// The cached world view: compared cell for cell with the world it was drawn
// from, which costs far less than colouring 864 x 480 pixels again.
#include "view/world_picture.h"

#include <cstring>
#include <new>

#include "view/map_drawing.h"
#include "view/world_teleport_overlay.h"

WorldPicture::~WorldPicture() { invalidate(); }

void WorldPicture::invalidate() {
  if (picture_ != nullptr) destroy_bitmap(picture_);
  picture_ = nullptr;
  drawnWith_.forget();
}

bool WorldPicture::current(int depth, const SpriteSet& sprites, const WorldBuffer& world,
                           const WorldTeleports* overlay) const {
  if (picture_ == nullptr || bitmap_color_depth(picture_) != depth || !drawnWith_.sameAs(sprites)) return false;
  if (overlay != overlaidWith_ || (overlay != nullptr && overlay->version != overlayVersion_)) return false;
  return memcmp(drawnFrom_->cells, world.cells, sizeof world.cells) == 0;
}

void WorldPicture::show(BITMAP* target, const SpriteSet& sprites, const WorldBuffer& world,
                        const WorldTeleports* overlay) {
  const int depth = bitmap_color_depth(target);
  if (!current(depth, sprites, world, overlay)) {
    invalidate();
    if (!drawnFrom_) drawnFrom_.reset(new (std::nothrow) WorldBuffer);
    if (drawnFrom_) picture_ = create_bitmap_ex(depth, kMapCanvasWidth, kMapCanvasHeight);
    BITMAP* into = picture_ != nullptr ? picture_ : target;
    drawWorld(into, sprites, world);
    // The overlay is drawn once per change, not at every event: a world
    // full of long lines costs many times the copy of the picture.
    if (overlay != nullptr) drawWorldTeleports(into, *overlay);
    if (picture_ == nullptr) return;
    memcpy(drawnFrom_->cells, world.cells, sizeof world.cells);
    drawnWith_.take(sprites);
    overlaidWith_ = overlay;
    overlayVersion_ = overlay != nullptr ? overlay->version : 0;
  }
  blit(picture_, target, 0, 0, 0, 0, kMapCanvasWidth, kMapCanvasHeight);
}
