// Cells, local maps, placements and the palette: masked sprite copies of
// 18 x 20 pixels, between one acquire and release of the target.
#include "view/map_drawing.h"

#include "view/placement_record.h"

namespace {

void blitSprite(BITMAP* target, BITMAP* sprite, int px, int py) {
  if (sprite != nullptr) masked_blit(sprite, target, 0, 0, px, py, kSpriteWidth, kSpriteHeight);
}

}  // namespace

void drawTileCell(BITMAP* target, const SpriteSet& sprites, int px, int py, int code, int kind) {
  blitSprite(target, sprites.sprite(SpriteSet::backgroundSprite(code, kind)), px, py);
  blitSprite(target, sprites.sprite(SpriteSet::foregroundSprite(code)), px, py);
}

void drawLocalMap(BITMAP* target, const SpriteSet& sprites, const LocalMap& map) {
  acquire_bitmap(target);
  for (int r = 0; r < kMapRows; ++r) {
    for (int c = 0; c < kMapColumns; ++c) {
      drawTileCell(target, sprites, c * kSpriteWidth, r * kSpriteHeight, map.getTile(c, r), map.kind);
    }
  }
  release_bitmap(target);
}

int listPlacedSprites(const MapDataFile& data, const ObjectList& objects, const CreatureList& creatures,
                      PlacedSprite* out) {
  int count = 0;
  for (int i = 0; i < kPlacementCount; ++i) {
    const Placement* p = data.placement(i);
    if (p == nullptr) continue;
    const PlacedRecord record = placedRecord(*p, objects, creatures);
    if (record.kind != PlacementKind::None) out[count++] = PlacedSprite{record.sprite, p->x - 1, p->y - 1};
  }
  return count;
}

void drawPlacements(BITMAP* target, const SpriteSet& sprites, const MapDataFile& data,
                    const ObjectList& objects, const CreatureList& creatures) {
  PlacedSprite placed[kPlacementCount];
  drawPlacedSprites(target, sprites, placed, listPlacedSprites(data, objects, creatures, placed));
}

void drawPlacedSprites(BITMAP* target, const SpriteSet& sprites, const PlacedSprite* placed, int count) {
  acquire_bitmap(target);
  for (int i = 0; i < count; ++i) {
    blitSprite(target, sprites.sprite(placed[i].slot), placed[i].column * kSpriteWidth, placed[i].row * kSpriteHeight);
  }
  release_bitmap(target);
}

void drawPalette(BITMAP* target, const SpriteSet& sprites, int kind) {
  acquire_bitmap(target);
  for (int code = 0; code < kPaletteColumns * kPaletteRows; ++code) {
    const int c = code % kPaletteColumns, r = code / kPaletteColumns;
    drawTileCell(target, sprites, c * kSpriteWidth, r * kSpriteHeight, code, kind);
  }
  release_bitmap(target);
}
