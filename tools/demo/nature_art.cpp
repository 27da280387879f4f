// Pictures of nature drawn over grass: trees, bushes, rocks, mountains, hills,
// a cave mouth, crystals, fields; and lilies and a boat drawn over water.
#include <algorithm>

#include "sprite_sheet.h"

namespace {

void trunk(SpriteCanvas& c, int x, int top, int bottom) {
  c.rect(x - 1, top, x + 1, bottom, shade(kWood, 5));
  c.rect(x - 1, top, x - 1, bottom, shade(kWood, 8));
}

void broadleaf(SpriteCanvas& c, Ramp ramp, int level, DemoRandom& random) {
  trunk(c, 9, 12, 18);
  c.texturedEllipse(9, 8, 8, 7, ramp, level, 2, random);
  c.texturedEllipse(6, 6, 3, 3, ramp, level + 2, 1, random);  // sunlit side
  c.shadeEdges();
  c.outline(shade(ramp, 1));
}

void conifer(SpriteCanvas& c, Ramp ramp, int level, bool snowy, DemoRandom& random) {
  trunk(c, 9, 16, 19);
  for (int y = 1; y <= 16; ++y) {
    const int half = 1 + (y % 5) + y / 3;  // three stacked tiers
    for (int x = 9 - half; x <= 9 + half; ++x) {
      const bool cap = snowy && (y % 5) < 2;
      c.set(x, y, cap ? shade(kSnow, 13) : shade(ramp, level + random.range(-1, 1) - (x > 9 ? 2 : 0)));
    }
  }
  c.outline(shade(ramp, 0));
}

void boulder(SpriteCanvas& c, DemoRandom& random) {
  c.texturedEllipse(9, 11, 8, 8, kStone, 8, 1, random);
  c.line(5, 9, 9, 12, shade(kStone, 4));  // a crack
  c.shadeEdges();
  c.outline(shade(kStone, 1));
}

// A mountain: a summit near (8, 1) with slopes down to a rocky foot that
// fills the cell's lower half, so neighbouring mountains join into a range.
void mountain(SpriteCanvas& c, bool snowy, DemoRandom& random) {
  for (int y = 0; y < kCanvasH; ++y) {
    const int half = y < 10 ? y + 1 : kCanvasW;  // the slopes' reach from the summit line
    for (int x = 0; x < kCanvasW; ++x) {
      if (x < 8 - half || x > 9 + half) continue;
      const bool sunny = x <= 8 - (y < 10 ? 0 : (y - 10) / 3);
      const bool cap = snowy && y < 6 + random.below(2);
      const int level = (sunny ? 10 : 6) + random.range(-1, 1) - (y > 14 ? 2 : 0);
      c.set(x, y, cap ? shade(kSnow, sunny ? 15 : 11) : shade(kStone, level));
    }
  }
  for (int i = 0; i < 3; ++i) {  // crags on the foot
    const int x = random.range(1, 15), y = random.range(12, 17);
    c.line(x, y, x + 2, y - 1, shade(kStone, 3));
  }
  c.outline(shade(kStone, 2));
}

void hills(SpriteCanvas& c, DemoRandom& random) {
  c.texturedEllipse(5, 12, 6, 8, kGrass, 9, 1, random);
  c.texturedEllipse(13, 15, 6, 6, kGrass, 6, 1, random);
  c.shadeEdges();
  c.outline(shade(kGrass, 2));
}

void caveMouth(SpriteCanvas& c, DemoRandom& random) {
  mountain(c, false, random);
  c.ellipse(9, 15, 4, 5, shade(kGrey, 1));
  c.ellipse(9, 16, 3, 4, shade(kGrey, 0));
}

void deadTree(SpriteCanvas& c) {
  trunk(c, 9, 6, 19);
  const uint8_t bark = shade(kWood, 4);
  c.line(9, 8, 4, 3, bark);
  c.line(9, 10, 15, 4, bark);
  c.line(5, 4, 5, 1, bark);
  c.line(13, 6, 16, 6, bark);
  c.outline(shade(kWood, 1));
}

void palm(SpriteCanvas& c, DemoRandom& random) {
  for (int y = 7; y <= 19; ++y) c.rect(8 + (19 - y) / 5, y, 9 + (19 - y) / 5, y, shade(kWood, y % 2 ? 6 : 9));
  for (int i = -1; i <= 1; i += 2) {
    c.line(11, 5, 11 + 6 * i, 8, shade(kLeaf, 8));
    c.line(11, 4, 11 + 5 * i, 2, shade(kLeaf, 10));
  }
  c.texturedEllipse(11, 5, 3, 2, kLeaf, 7, 1, random);
  c.rect(4, 4, 6, 6, shade(kLeaf, 9));
  c.outline(shade(kLeaf, 1));
}

void cactus(SpriteCanvas& c) {
  const uint8_t green = shade(kMoss, 8);
  c.rect(7, 3, 10, 19, green);
  c.rect(3, 7, 5, 12, green);
  c.rect(3, 12, 7, 13, green);
  c.rect(12, 5, 14, 10, green);
  c.rect(10, 10, 14, 11, green);
  c.rect(4, 4, 6, 6, green);
  c.shadeEdges();
  c.outline(shade(kMoss, 1));
}

// Crystals grow in caves, so they come with a patch of cave floor.
void crystal(SpriteCanvas& c, DemoRandom& random) {
  SpriteCanvas cluster;
  const int tips[][3] = {{5, 3, 2}, {9, 1, 3}, {13, 5, 2}};
  for (const auto& tip : tips) {
    for (int y = tip[1]; y < 19; ++y) {
      const int half = std::min(tip[2], (y - tip[1]) / 2 + 1);
      cluster.rect(tip[0] - half, y, tip[0] + half, y, shade(kPurple, 8 + (tip[0] % 3)));
      cluster.set(tip[0] - half, y, shade(kPurple, 13));
    }
  }
  cluster.outline(shade(kPurple, 1));
  c.texture(kStone, 4, 1, random);
  c.over(cluster);
}

void rows(SpriteCanvas& c, Ramp ramp, int level, DemoRandom& random) {
  c.texture(kEarth, 6, 1, random);
  for (int y = 1; y < kCanvasH; y += 4) c.texturedRect(0, y, kCanvasW - 1, y + 1, ramp, level, 1, random);
}

void lilies(SpriteCanvas& c) {
  const int pads[][2] = {{5, 5}, {12, 9}, {6, 14}};
  for (const auto& pad : pads) {
    c.ellipse(pad[0], pad[1], 3, 2, shade(kLeaf, 9));
    c.set(pad[0] + 1, pad[1], shade(kWater, 6));
  }
  c.set(12, 8, shade(kRed, 12));
}

void boat(SpriteCanvas& c) {
  c.ellipse(9, 11, 8, 4, shade(kWood, 6));
  c.ellipse(9, 10, 6, 2, shade(kWood, 10));
  c.rect(9, 1, 9, 10, shade(kWood, 4));
  c.rect(4, 3, 8, 7, shade(kSnow, 13));  // the sail
  c.outline(shade(kWood, 1));
}

}  // namespace

void drawNatureArt(SpriteSheet& sheet, DemoRandom& random) {
  broadleaf(sheet.slot[4], kLeaf, 8, random);
  conifer(sheet.slot[15], kLeaf, 5, false, random);
  conifer(sheet.slot[220], kLeaf, 5, true, random);
  SpriteCanvas& bush = sheet.slot[18];
  bush.texturedEllipse(9, 11, 8, 7, kLeaf, 9, 2, random);
  bush.set(6, 9, shade(kRed, 10));
  bush.set(12, 13, shade(kRed, 10));
  bush.shadeEdges();
  bush.outline(shade(kLeaf, 1));
  boulder(sheet.slot[14], random);
  mountain(sheet.slot[22], false, random);
  mountain(sheet.slot[23], true, random);
  hills(sheet.slot[29], random);
  caveMouth(sheet.slot[127], random);
  deadTree(sheet.slot[217]);
  palm(sheet.slot[218], random);
  cactus(sheet.slot[221]);
  crystal(sheet.slot[247], random);
  rows(sheet.slot[191], kGold, 11, random);   // wheat
  rows(sheet.slot[196], kGrass, 9, random);   // vegetable garden
  SpriteCanvas& hay = sheet.slot[224];
  hay.texturedEllipse(9, 11, 8, 7, kGold, 10, 2, random);
  hay.shadeEdges();
  hay.outline(shade(kGold, 2));
  lilies(sheet.slot[144]);
  boat(sheet.slot[173]);
}
