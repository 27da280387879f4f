// Putting the demo sprite files together: every art family into its slots,
// the overview pixel (5, 5) of each tile picture, variant pictures for the
// slots without a role, and the files' bytes.
#include "sprite_sheet.h"

#include <cstdio>

#include "data/map_kind.h"
#include "data/sprite_tables.h"
#include "demo_catalogue.h"

void drawItem(SpriteCanvas& c, ItemShape shape, Ramp colour);
void drawBeing(SpriteCanvas& c, const BeingEntry& b);

namespace {

bool blank(const SpriteCanvas& c) {
  for (int y = 0; y < kCanvasH; ++y) {
    for (int x = 0; x < kCanvasW; ++x) {
      if (c.pixel[y][x] != kClear) return false;
    }
  }
  return true;
}

// The world overview colours a cell by pixel (5, 5) of its foreground. Where
// the picture leaves that pixel clear, it takes the background's colour there,
// which keeps the picture unchanged on the map.
void fillOverviewPixels(SpriteSheet& sheet) {
  for (int code = 1; code < 256; ++code) {
    const int fore = foregroundSlotOf(code);
    if (fore == 0) continue;
    SpriteCanvas& picture = sheet.slot[fore];
    if (picture.opaque(5, 5)) continue;
    picture.set(5, 5, sheet.slot[backgroundSlotOf(code, Wilderness)].at(5, 5));
  }
}

// Slots without a role still get a picture: objects and creatures in other colours.
void fillVariants(SpriteSheet& sheet, int seed) {
  const Ramp colours[] = {kRed, kWater, kGold, kPurple, kGrass, kStone, kCloth, kBrick, kSnow};
  int n = seed;
  for (int s = 1; s < kSheetSlots; ++s) {
    if (!blank(sheet.slot[s])) continue;
    const Ramp colour = colours[n % 9];
    if (n % 2 == 0) {
      drawItem(sheet.slot[s], kItems[(n / 2) % kItemCount].shape, colour);
    } else {
      BeingEntry variant = kBeings[(n / 2) % kBeingCount];
      variant.body = colour;
      drawBeing(sheet.slot[s], variant);
    }
    ++n;
  }
}

}  // namespace

void buildMainSheet(SpriteSheet& sheet) {
  DemoRandom random(2026);
  drawGroundArt(sheet, random);
  drawNatureArt(sheet, random);
  drawBuildingArt(sheet, random);
  drawFurnitureArt(sheet, random);
  drawItemArt(sheet, random);
  drawCreatureArt(sheet, random);
  fillOverviewPixels(sheet);
  fillVariants(sheet, 0);
}

void buildSecondSheet(SpriteSheet& sheet) {
  for (int i = 0; i < kBeingCount; ++i) {
    const int canvas = kBeings[i].sprite - kSheetSlots;  // sprite 250 is canvas 1
    if (canvas >= 1) drawBeing(sheet.slot[canvas], kBeings[i]);
  }
  fillVariants(sheet, 7);
}

bool writeSpriteFile(const SpriteSheet& sheet, const std::string& hostPath) {
  FILE* file = fopen(hostPath.c_str(), "wb");
  if (file == nullptr) return false;
  bool written = true;
  for (int s = 1; s < kSheetSlots; ++s) {
    written = written && fwrite(sheet.slot[s].pixel, 1, kSpriteBytes, file) == size_t(kSpriteBytes);
  }
  return fclose(file) == 0 && written;
}
