// Pictures of the built world: walls, windows, roofs, doors, roads, paving,
// fences, signs, wells, graves, statues, fountains, tents and campfires.
#include "sprite_sheet.h"

namespace {

void bricks(SpriteCanvas& c, Ramp ramp, int level, DemoRandom& random) {
  c.texture(ramp, level, 1, random);
  for (int row = 0; row < 5; ++row) {
    const int y = row * 4 + 3;
    c.rect(0, y, kCanvasW - 1, y, shade(ramp, level - 4));
    for (int x = (row % 2) * 4; x < kCanvasW; x += 8) c.rect(x, y - 3, x, y - 1, shade(ramp, level - 4));
    c.rect(0, y - 3, kCanvasW - 1, y - 3, shade(ramp, level + 2));
  }
}

void logs(SpriteCanvas& c, DemoRandom& random) {
  c.texture(kWood, 7, 1, random);
  for (int x = 0; x < kCanvasW; x += 6) {
    c.rect(x, 0, x, kCanvasH - 1, shade(kWood, 3));
    c.rect(x + 1, 0, x + 1, kCanvasH - 1, shade(kWood, 10));
  }
}

void windowWall(SpriteCanvas& c, DemoRandom& random) {
  bricks(c, kStone, 9, random);
  c.rect(3, 3, 14, 14, shade(kWood, 4));
  c.rect(4, 4, 13, 13, shade(kWater, 9));
  c.rect(4, 4, 8, 8, shade(kWater, 13));
  c.rect(8, 4, 9, 13, shade(kWood, 5));
  c.rect(4, 8, 13, 9, shade(kWood, 5));
}

void roof(SpriteCanvas& c, DemoRandom& random) {
  c.texture(kBrick, 8, 1, random);
  for (int y = 0; y < kCanvasH; y += 3) {
    c.rect(0, y + 2, kCanvasW - 1, y + 2, shade(kBrick, 4));
    for (int x = (y / 3 % 2) * 3; x < kCanvasW; x += 6) c.set(x, y + 1, shade(kBrick, 5));
  }
}

void door(SpriteCanvas& c, DemoRandom& random) {
  bricks(c, kStone, 9, random);
  c.texturedRect(3, 2, 14, 19, kWood, 7, 1, random);
  for (int x = 5; x < 14; x += 3) c.rect(x, 3, x, 19, shade(kWood, 4));
  c.rect(3, 2, 14, 2, shade(kWood, 3));
  c.rect(11, 11, 12, 12, shade(kGold, 12));  // the handle
}

void road(SpriteCanvas& c, DemoRandom& random) {
  c.texture(kEarth, 9, 1, random);
  for (int i = 0; i < 10; ++i) c.set(random.below(kCanvasW), random.below(kCanvasH), shade(kStone, 9));
  for (int i = 0; i < 6; ++i) c.set(random.below(kCanvasW), random.below(kCanvasH), shade(kEarth, 6));
}

void cobbles(SpriteCanvas& c, DemoRandom& random) {
  c.texture(kStone, 4, 0, random);
  for (int y = 0; y < kCanvasH; y += 5) {
    for (int x = (y / 5 % 2) * 3; x < kCanvasW + 3; x += 6) {
      c.texturedEllipse(x, y + 2, 2, 2, kStone, 9, 1, random);
      c.set(x - 1, y + 1, shade(kStone, 13));
    }
  }
}

void flagstones(SpriteCanvas& c, DemoRandom& random) {
  c.texture(kSand, 8, 1, random);
  c.rect(0, 9, kCanvasW - 1, 9, shade(kSand, 4));
  c.rect(0, 19, kCanvasW - 1, 19, shade(kSand, 4));
  c.rect(8, 0, 8, 9, shade(kSand, 4));
  c.rect(3, 10, 3, 19, shade(kSand, 4));
  c.rect(13, 10, 13, 19, shade(kSand, 4));
}

void fence(SpriteCanvas& c) {
  for (int x = 1; x < kCanvasW; x += 5) c.rect(x, 3, x + 1, 15, shade(kWood, 7));
  c.rect(0, 5, kCanvasW - 1, 6, shade(kWood, 9));
  c.rect(0, 11, kCanvasW - 1, 12, shade(kWood, 9));
  c.outline(shade(kWood, 2));
}

void sign(SpriteCanvas& c) {
  c.rect(8, 8, 9, 18, shade(kWood, 5));
  c.rect(2, 2, 15, 9, shade(kWood, 10));
  c.rect(4, 4, 13, 4, shade(kWood, 4));
  c.rect(4, 6, 11, 6, shade(kWood, 4));
  c.outline(shade(kWood, 1));
}

void well(SpriteCanvas& c, DemoRandom& random) {
  c.texturedEllipse(9, 13, 7, 5, kStone, 9, 1, random);
  c.ellipse(9, 13, 4, 2, shade(kWater, 2));
  c.rect(2, 1, 15, 5, shade(kBrick, 7));  // roof
  c.rect(3, 5, 3, 12, shade(kWood, 5));
  c.rect(14, 5, 14, 12, shade(kWood, 5));
  c.outline(shade(kStone, 1));
}

void grave(SpriteCanvas& c, DemoRandom& random) {
  c.texturedRect(4, 5, 13, 17, kStone, 9, 1, random);
  c.texturedEllipse(8, 5, 5, 3, kStone, 10, 1, random);
  c.rect(8, 7, 9, 13, shade(kStone, 4));
  c.rect(6, 9, 11, 10, shade(kStone, 4));
  c.shadeEdges();
  c.outline(shade(kStone, 1));
}

// Statues and fountains stand on squares, so they bring their paving along.
void onPaving(SpriteCanvas& c, const SpriteCanvas& figure, DemoRandom& random) {
  flagstones(c, random);
  c.over(figure);
}

void statue(SpriteCanvas& c, DemoRandom& random) {
  SpriteCanvas figure;
  figure.texturedRect(3, 15, 14, 18, kStone, 7, 1, random);
  figure.texturedEllipse(9, 4, 3, 3, kStone, 11, 1, random);
  figure.texturedRect(6, 7, 11, 14, kStone, 10, 1, random);
  figure.line(5, 8, 3, 3, shade(kStone, 11));  // a raised arm
  figure.shadeEdges();
  figure.outline(shade(kStone, 1));
  onPaving(c, figure, random);
}

void fountain(SpriteCanvas& c, DemoRandom& random) {
  SpriteCanvas figure;
  figure.texturedEllipse(9, 10, 8, 8, kStone, 10, 1, random);
  figure.texturedEllipse(9, 10, 6, 6, kWater, 8, 2, random);
  figure.ellipse(9, 10, 1, 1, shade(kStone, 12));
  figure.set(9, 7, shade(kWater, 15));
  figure.outline(shade(kStone, 2));
  onPaving(c, figure, random);
}

void tent(SpriteCanvas& c) {
  for (int y = 2; y < 18; ++y) {
    const int half = (y - 2) / 2 + 1;
    c.rect(9 - half, y, 9 + half, y, shade(kCloth, y % 4 == 0 ? 6 : 9));
  }
  c.rect(8, 12, 10, 17, shade(kGrey, 2));
  c.outline(shade(kCloth, 1));
}

void campfire(SpriteCanvas& c) {
  c.line(3, 16, 15, 12, shade(kWood, 5));
  c.line(3, 12, 15, 16, shade(kWood, 6));
  c.ellipse(9, 10, 4, 6, shade(kRed, 9));
  c.ellipse(9, 11, 2, 4, shade(kGold, 12));
  c.set(9, 3, shade(kGold, 10));
  c.rect(4, 4, 6, 6, shade(kGrey, 9));  // smoke
}

}  // namespace

void drawBuildingArt(SpriteSheet& sheet, DemoRandom& random) {
  bricks(sheet.slot[30], kStone, 9, random);
  logs(sheet.slot[31], random);
  windowWall(sheet.slot[60], random);
  roof(sheet.slot[62], random);
  door(sheet.slot[9], random);
  road(sheet.slot[42], random);
  cobbles(sheet.slot[7], random);
  flagstones(sheet.slot[223], random);
  fence(sheet.slot[81]);
  sign(sheet.slot[82]);
  well(sheet.slot[94], random);
  grave(sheet.slot[188], random);
  statue(sheet.slot[226], random);
  fountain(sheet.slot[227], random);
  tent(sheet.slot[228]);
  campfire(sheet.slot[225]);
}
