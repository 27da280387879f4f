// Ground pictures: the three background slots (grass 229, floor 79, water 208),
// flowery grass, dirt, sand, snow, swamp, and the shores and bridges that are
// drawn over water with their water parts left transparent.
#include <algorithm>
#include <cmath>

#include "sprite_sheet.h"

namespace {

void grass(SpriteCanvas& c, DemoRandom& random) {
  c.texture(kGrass, 7, 1, random);
  for (int i = 0; i < 14; ++i) {  // blades: a light tip over a dark root
    const int x = random.below(kCanvasW), y = random.range(1, kCanvasH - 1);
    c.set(x, y, shade(kGrass, 5));
    c.set(x, y - 1, shade(kGrass, 10));
  }
}

void water(SpriteCanvas& c, DemoRandom& random) {
  c.texture(kWater, 6, 1, random);
  for (int i = 0; i < 4; ++i) {  // short wave crests
    const int x = random.range(0, kCanvasW - 5), y = random.range(1, kCanvasH - 2);
    c.rect(x, y, x + 3, y, shade(kWater, 10));
    c.set(x + 1, y + 1, shade(kWater, 4));
  }
}

void planks(SpriteCanvas& c, DemoRandom& random) {
  c.texture(kWood, 8, 1, random);
  for (int row = 0; row < 4; ++row) {
    const int y0 = row * 5;
    c.rect(0, y0 + 4, kCanvasW - 1, y0 + 4, shade(kWood, 4));
    const int seam = (row % 2 == 0) ? 5 : 13;
    c.rect(seam, y0, seam, y0 + 3, shade(kWood, 5));
    c.set(random.below(kCanvasW), y0 + 1 + random.below(3), shade(kWood, 6));  // a knot
  }
}

void speckled(SpriteCanvas& c, Ramp ramp, int level, Ramp dots, int dotLevel, int count,
              DemoRandom& random) {
  c.texture(ramp, level, 1, random);
  for (int i = 0; i < count; ++i) c.set(random.below(kCanvasW), random.below(kCanvasH), shade(dots, dotLevel));
}

void flowers(SpriteCanvas& c, DemoRandom& random) {
  grass(c, random);
  const Ramp colours[] = {kRed, kGold, kSnow, kPurple};
  for (int i = 0; i < 7; ++i) {
    const int x = random.range(1, kCanvasW - 2), y = random.range(1, kCanvasH - 2);
    const uint8_t petal = shade(colours[random.below(4)], 10);
    c.set(x - 1, y, petal);
    c.set(x + 1, y, petal);
    c.set(x, y - 1, petal);
    c.set(x, y + 1, petal);
    c.set(x, y, shade(kGold, 13));
  }
}

void swamp(SpriteCanvas& c, DemoRandom& random) {
  c.texture(kMoss, 5, 1, random);
  c.texturedEllipse(random.range(5, 12), random.range(6, 14), 5, 3, kWater, 3, 1, random);
  for (int i = 0; i < 6; ++i) {  // reeds
    const int x = random.below(kCanvasW), y = random.range(4, kCanvasH - 1);
    c.line(x, y, x, y - 3, shade(kGrass, 9));
  }
}

// How far the land reaches into a shore cell at position t along its edge.
int landDepth(int t, int phase) { return 6 + static_cast<int>(std::lround(1.5 * std::sin((t + phase) * 0.7))); }

// Land (sand, with a foam rim) along the chosen sides; water parts stay clear.
void shore(SpriteCanvas& c, bool north, bool south, bool west, bool east, DemoRandom& random) {
  for (int y = 0; y < kCanvasH; ++y) {
    for (int x = 0; x < kCanvasW; ++x) {
      int reach = 99;  // distance into the water from the nearest land edge
      if (north) reach = std::min(reach, y - landDepth(x, 0));
      if (south) reach = std::min(reach, (kCanvasH - 1 - y) - landDepth(x, 3));
      if (west) reach = std::min(reach, x - landDepth(y, 5));
      if (east) reach = std::min(reach, (kCanvasW - 1 - x) - landDepth(y, 2));
      if (reach < 0) c.set(x, y, shade(kSand, 10 + random.range(-1, 1) + (reach > -3 ? -2 : 0)));
      else if (reach == 0) c.set(x, y, shade(kWater, 14));
    }
  }
}

void bridge(SpriteCanvas& c, bool horizontal, DemoRandom& random) {
  for (int a = 0; a < kCanvasW + 2; ++a) {  // a: along the bridge, b: across
    for (int b = 3; b <= 14; ++b) {
      const int x = horizontal ? a : b, y = horizontal ? b : a;
      const bool rail = b == 3 || b == 14;
      const bool seam = a % 4 == 3;
      const int level = rail ? 4 : seam ? 6 : 9 + random.range(-1, 1);
      c.set(x, y, shade(kWood, level));
    }
  }
}

}  // namespace

void drawGroundArt(SpriteSheet& sheet, DemoRandom& random) {
  grass(sheet.slot[229], random);
  flowers(sheet.slot[230], random);
  planks(sheet.slot[79], random);
  water(sheet.slot[208], random);
  speckled(sheet.slot[77], kEarth, 8, kEarth, 5, 20, random);    // dirt ground
  speckled(sheet.slot[215], kSand, 11, kSand, 8, 16, random);    // sand
  speckled(sheet.slot[219], kSnow, 12, kSnow, 9, 14, random);    // snow
  speckled(sheet.slot[222], kWater, 13, kSnow, 15, 10, random);  // ice
  speckled(sheet.slot[244], kStone, 4, kStone, 2, 24, random);   // cave floor
  swamp(sheet.slot[192], random);
  shore(sheet.slot[160], true, false, false, false, random);   // code 97, land to the north
  shore(sheet.slot[125], false, true, false, false, random);   // 98, south
  shore(sheet.slot[145], false, false, true, false, random);   // 99, west
  shore(sheet.slot[121], false, false, false, true, random);   // 100, east
  shore(sheet.slot[148], true, false, true, false, random);    // 105, north-west
  shore(sheet.slot[163], true, false, false, true, random);    // 106, north-east
  shore(sheet.slot[5], false, true, true, false, random);      // 107, south-west
  shore(sheet.slot[149], false, true, false, true, random);    // 108, south-east
  bridge(sheet.slot[157], true, random);                       // 101
  bridge(sheet.slot[146], false, random);                      // 102
}
