// Drawing map and world pictures from tile codes and placements.
#include "map_picture.h"

namespace {

void blitSprite(BITMAP* target, BITMAP* sprite, int px, int py) {
  if (sprite != nullptr) masked_blit(sprite, target, 0, 0, px, py, kSpriteWidth, kSpriteHeight);
}

// The sprite slot of the record a placement names, or -1 when it names none.
int placementSprite(const Placement& p, const ObjectList& objects, const CreatureList& creatures) {
  if (p.id >= 0 && p.id <= 399 && p.inUse == 1) {
    const MapObject* object = objects.constantObject(p.id);
    return object != nullptr ? object->sprite() : -1;
  }
  if (p.id >= 50000 && p.inUse == 1) {
    const MapObject* object = objects.playerObject(p.id - 50000);
    return object != nullptr ? object->sprite() : -1;
  }
  if (p.id >= 1000 && p.id <= 49999) {
    const Creature* creature = creatures.creature(p.id - 1000);
    return creature != nullptr ? creature->sprite : -1;
  }
  return -1;
}

}  // namespace

void drawTile(BITMAP* target, const SpriteSet& sprites, int px, int py, int code, int kind) {
  blitSprite(target, sprites.sprite(SpriteSet::backgroundSprite(code, kind)), px, py);
  blitSprite(target, sprites.sprite(SpriteSet::foregroundSprite(code)), px, py);
}

void drawMapPicture(BITMAP* target, const SpriteSet& sprites, const LocalMap& map) {
  for (int r = 0; r < kMapRows; ++r) {
    for (int c = 0; c < kMapColumns; ++c) {
      drawTile(target, sprites, c * kSpriteWidth, r * kSpriteHeight, map.getTile(c, r), map.kind);
    }
  }
}

void drawPlacementSprites(BITMAP* target, const SpriteSet& sprites, const MapDataFile& data,
                          const ObjectList& objects, const CreatureList& creatures) {
  for (int i = 0; i < kPlacementCount; ++i) {
    const Placement* p = data.placement(i);
    if (p == nullptr) continue;
    const int slot = placementSprite(*p, objects, creatures);
    if (slot < 0) continue;
    blitSprite(target, sprites.sprite(slot), (p->x - 1) * kSpriteWidth, (p->y - 1) * kSpriteHeight);
  }
}

void drawWorldPicture(BITMAP* target, const SpriteSet& sprites, const WorldBuffer& world) {
  int colourOf[256];  // one lookup per code, not per pixel
  for (int code = 0; code < 256; ++code) {
    BITMAP* sprite = sprites.sprite(SpriteSet::foregroundSprite(code));
    colourOf[code] = sprite != nullptr ? getpixel(sprite, 5, 5) : makecol(0, 0, 0);
  }
  for (int py = 0; py < kWorldRows; ++py) {
    for (int px = 0; px < kPictureWidth; ++px) {
      const int wx = px * kWorldColumns / kPictureWidth;
      putpixel(target, px, py, colourOf[world.cells[py * kWorldColumns + wx]]);
    }
  }
}
