// Pictures of rooms and caves: furniture drawn over the floor, a torch on a
// wall, stairs down and up, and the rough rock of cave walls.
#include "sprite_sheet.h"

namespace {

void table(SpriteCanvas& c, DemoRandom& random) {
  c.texturedRect(1, 3, 16, 12, kWood, 9, 1, random);
  c.rect(2, 13, 3, 18, shade(kWood, 4));
  c.rect(14, 13, 15, 18, shade(kWood, 4));
  c.ellipse(12, 7, 2, 1, shade(kSnow, 12));  // a plate
  c.outline(shade(kWood, 1));
}

void chair(SpriteCanvas& c, DemoRandom& random) {
  c.texturedRect(4, 2, 13, 9, kWood, 8, 1, random);
  c.texturedRect(4, 10, 13, 13, kWood, 10, 1, random);
  c.rect(4, 14, 5, 18, shade(kWood, 4));
  c.rect(12, 14, 13, 18, shade(kWood, 4));
  c.outline(shade(kWood, 1));
}

void bed(SpriteCanvas& c, DemoRandom& random) {
  c.texturedRect(2, 1, 15, 18, kWood, 6, 1, random);
  c.texturedRect(3, 2, 14, 6, kSnow, 13, 1, random);  // pillow
  c.texturedRect(3, 7, 14, 17, kRed, 8, 1, random);   // blanket
  c.rect(3, 7, 14, 7, shade(kRed, 12));
  c.outline(shade(kWood, 1));
}

void shelf(SpriteCanvas& c, DemoRandom& random) {
  c.texturedRect(1, 0, 16, 19, kWood, 5, 1, random);
  const Ramp spines[] = {kRed, kCloth, kMoss, kGold, kPurple};
  for (int row = 0; row < 3; ++row) {
    const int y = 1 + row * 6;
    for (int x = 2; x < 16; ++x) c.rect(x, y + 1, x, y + 4, shade(spines[(x + row) % 5], 7 + (x % 3)));
    c.rect(1, y + 5, 16, y + 5, shade(kWood, 3));
  }
}

void barrel(SpriteCanvas& c, DemoRandom& random) {
  c.texturedEllipse(9, 10, 7, 9, kWood, 8, 1, random);
  c.rect(2, 5, 16, 5, shade(kStone, 5));
  c.rect(2, 14, 16, 14, shade(kStone, 5));
  c.shadeEdges();
  c.outline(shade(kWood, 1));
}

void hearth(SpriteCanvas& c, DemoRandom& random) {
  c.texture(kBrick, 7, 1, random);
  c.rect(3, 6, 14, 19, shade(kGrey, 1));
  c.ellipse(9, 15, 4, 4, shade(kRed, 9));
  c.ellipse(9, 16, 2, 3, shade(kGold, 13));
  c.rect(0, 3, 17, 4, shade(kStone, 10));  // mantel
}

void chest(SpriteCanvas& c, DemoRandom& random) {
  c.texturedRect(2, 5, 15, 17, kWood, 7, 1, random);
  c.rect(2, 9, 15, 9, shade(kGold, 9));
  c.rect(2, 5, 2, 17, shade(kGold, 9));
  c.rect(15, 5, 15, 17, shade(kGold, 9));
  c.rect(8, 9, 9, 11, shade(kGold, 13));
  c.outline(shade(kWood, 1));
}

void counter(SpriteCanvas& c, DemoRandom& random) {
  c.texturedRect(0, 4, 17, 15, kWood, 6, 1, random);
  c.texturedRect(0, 4, 17, 7, kWood, 10, 1, random);
  c.ellipse(5, 5, 2, 1, shade(kGold, 11));  // a mug
}

void plant(SpriteCanvas& c, DemoRandom& random) {
  c.texturedRect(6, 13, 12, 18, kBrick, 8, 1, random);
  c.texturedEllipse(9, 8, 6, 6, kLeaf, 9, 2, random);
  c.shadeEdges();
  c.outline(shade(kLeaf, 1));
}

void torchWall(SpriteCanvas& c, DemoRandom& random) {
  c.texture(kStone, 7, 1, random);
  c.rect(8, 9, 9, 16, shade(kWood, 5));
  c.ellipse(9, 6, 2, 3, shade(kRed, 10));
  c.ellipse(9, 7, 1, 2, shade(kGold, 14));
}

void stairs(SpriteCanvas& c, bool down, DemoRandom& random) {
  c.texture(kStone, 6, 1, random);
  for (int step = 0; step < 5; ++step) {
    const int y = step * 4;
    const int level = down ? 11 - step * 2 : 3 + step * 2;
    c.rect(2, y, 15, y + 2, shade(kStone, level));
    c.rect(2, y + 3, 15, y + 3, shade(kStone, level - 3));
  }
}

void caveWall(SpriteCanvas& c, DemoRandom& random) {
  c.texture(kEarth, 4, 1, random);
  for (int i = 0; i < 5; ++i) {
    c.texturedEllipse(random.below(kCanvasW), random.below(kCanvasH), 4, 3, kEarth, 6, 1, random);
  }
  c.line(2, 5, 6, 9, shade(kEarth, 1));
  c.line(11, 12, 15, 14, shade(kEarth, 1));
}

}  // namespace

void drawFurnitureArt(SpriteSheet& sheet, DemoRandom& random) {
  table(sheet.slot[19], random);
  chair(sheet.slot[28], random);
  bed(sheet.slot[233], random);
  shelf(sheet.slot[234], random);
  barrel(sheet.slot[235], random);
  hearth(sheet.slot[236], random);
  chest(sheet.slot[237], random);
  counter(sheet.slot[238], random);
  plant(sheet.slot[239], random);
  torchWall(sheet.slot[241], random);
  stairs(sheet.slot[179], true, random);
  stairs(sheet.slot[248], false, random);
  caveWall(sheet.slot[245], random);
}
