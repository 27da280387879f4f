// Pictures of the demo's objects: containers, potions, weapons, armour,
// treasure, food and odds and ends, each in its entry's colour.
#include "demo_catalogue.h"
#include "sprite_sheet.h"

namespace {

void potion(SpriteCanvas& c, Ramp colour) {
  c.rect(8, 3, 10, 7, shade(kSnow, 12));
  c.rect(8, 2, 10, 2, shade(kWood, 6));
  c.ellipse(9, 12, 5, 5, shade(colour, 8));
  c.ellipse(7, 10, 1, 1, shade(colour, 14));
}

void blade(SpriteCanvas& c, Ramp colour, int length) {
  c.line(9, 16 - length, 9, 13, shade(colour, 12));
  c.line(10, 16 - length, 10, 13, shade(colour, 8));
  c.rect(6, 14, 13, 14, shade(kGold, 9));
  c.rect(9, 15, 10, 18, shade(kWood, 5));
}

void simpleShape(SpriteCanvas& c, ItemShape shape, Ramp colour) {
  switch (shape) {
    case ItemShape::Axe:
      c.line(6, 18, 12, 3, shade(kWood, 7));
      c.ellipse(12, 6, 4, 3, shade(colour, 11));
      break;
    case ItemShape::Shield:
      c.ellipse(9, 10, 7, 8, shade(colour, 8));
      c.ellipse(9, 10, 2, 2, shade(kGold, 12));
      break;
    case ItemShape::Bow:
      for (int y = 2; y <= 17; ++y) c.set(6 + (y - 10) * (y - 10) / 12, y, shade(colour, 8));
      c.line(6, 2, 6, 17, shade(kSnow, 14));
      break;
    case ItemShape::Helmet:
      c.ellipse(9, 11, 7, 6, shade(colour, 10));
      c.rect(2, 12, 16, 17, kClear);
      c.rect(3, 11, 15, 12, shade(colour, 6));
      break;
    case ItemShape::Armour:
      c.rect(4, 5, 13, 16, shade(colour, 8));
      c.rect(1, 5, 16, 8, shade(colour, 9));
      c.rect(7, 5, 10, 6, kClear);
      break;
    case ItemShape::Ring:
      c.ellipse(9, 11, 5, 5, shade(colour, 12));
      c.ellipse(9, 11, 3, 3, kClear);
      c.ellipse(9, 5, 2, 2, shade(kRed, 10));
      break;
    case ItemShape::Coins:
      for (int i = 0; i < 5; ++i) c.ellipse(5 + i * 2, 15 - (i % 3) * 3, 3, 2, shade(colour, 10 + i % 3));
      break;
    case ItemShape::Gem:
      for (int y = 5; y <= 15; ++y) {
        const int half = y < 9 ? y - 3 : 15 - y;
        c.rect(9 - half, y, 9 + half, y, shade(colour, y < 9 ? 12 : 8));
      }
      break;
    default:
      break;
  }
}

void everydayShape(SpriteCanvas& c, ItemShape shape, Ramp colour) {
  switch (shape) {
    case ItemShape::Key:
      c.ellipse(5, 9, 3, 3, shade(colour, 11));
      c.set(5, 9, kClear);
      c.rect(8, 9, 16, 10, shade(colour, 11));
      c.rect(14, 11, 15, 13, shade(colour, 9));
      break;
    case ItemShape::Scroll:
      c.rect(3, 5, 14, 15, shade(colour, 12));
      c.rect(2, 4, 15, 5, shade(colour, 8));
      c.rect(2, 15, 15, 16, shade(colour, 8));
      for (int y = 7; y < 14; y += 2) c.rect(5, y, 12, y, shade(kGrey, 5));
      break;
    case ItemShape::Book:
      c.rect(3, 3, 14, 17, shade(colour, 7));
      c.rect(12, 4, 14, 16, shade(kSnow, 13));
      c.rect(6, 7, 9, 10, shade(kGold, 12));
      break;
    case ItemShape::Bread: c.ellipse(9, 12, 7, 4, shade(colour, 10)); break;
    case ItemShape::Apple:
      c.ellipse(9, 12, 5, 5, shade(colour, 9));
      c.line(9, 7, 10, 4, shade(kWood, 5));
      c.set(11, 5, shade(kLeaf, 9));
      break;
    case ItemShape::Cheese:
      c.ellipse(9, 12, 7, 5, shade(colour, 12));
      c.rect(9, 7, 16, 12, kClear);
      break;
    case ItemShape::Fish:
      c.ellipse(8, 11, 6, 3, shade(colour, 10));
      c.line(14, 11, 17, 8, shade(colour, 8));
      c.line(14, 11, 17, 14, shade(colour, 8));
      c.set(5, 10, shade(kGrey, 0));
      break;
    case ItemShape::Lantern:
      c.rect(5, 6, 12, 16, shade(kGrey, 3));
      c.rect(6, 7, 11, 15, shade(colour, 13));
      c.rect(8, 2, 9, 5, shade(kGrey, 3));
      break;
    case ItemShape::Bag:
      c.ellipse(9, 12, 6, 6, shade(colour, 8));
      c.rect(8, 4, 10, 6, shade(colour, 6));
      break;
    case ItemShape::Mug:
      c.rect(5, 6, 12, 16, shade(kWood, 7));
      c.rect(5, 5, 12, 6, shade(kSnow, 15));
      c.rect(13, 8, 14, 13, shade(kWood, 5));
      break;
    default:
      break;
  }
}

void oddShape(SpriteCanvas& c, ItemShape shape, Ramp colour) {
  switch (shape) {
    case ItemShape::Candle:
      c.rect(7, 8, 10, 17, shade(colour, 13));
      c.ellipse(8, 5, 1, 2, shade(kGold, 13));
      break;
    case ItemShape::Skull:
      c.ellipse(9, 9, 6, 6, shade(colour, 12));
      c.rect(6, 13, 12, 16, shade(colour, 11));
      c.rect(6, 8, 7, 10, shade(kGrey, 0));
      c.rect(11, 8, 12, 10, shade(kGrey, 0));
      break;
    case ItemShape::Mushroom:
      c.rect(8, 10, 10, 17, shade(kSnow, 12));
      c.ellipse(9, 8, 7, 4, shade(colour, 9));
      c.set(6, 7, shade(kSnow, 15));
      c.set(11, 6, shade(kSnow, 15));
      break;
    case ItemShape::Herb:
      c.line(9, 17, 9, 5, shade(colour, 6));
      for (int y = 6; y < 16; y += 3) {
        c.ellipse(7, y, 2, 1, shade(colour, 10));
        c.ellipse(11, y + 1, 2, 1, shade(colour, 10));
      }
      break;
    case ItemShape::Staff:
      c.line(5, 18, 12, 3, shade(colour, 7));
      c.ellipse(12, 3, 2, 2, shade(kWater, 13));
      break;
    case ItemShape::Pickaxe:
      c.line(9, 18, 9, 5, shade(kWood, 7));
      c.line(3, 7, 9, 4, shade(colour, 10));
      c.line(9, 4, 15, 7, shade(colour, 10));
      break;
    case ItemShape::Chest:
      c.rect(2, 6, 15, 16, shade(colour, 8));
      c.rect(2, 9, 15, 9, shade(kGold, 10));
      c.rect(8, 9, 9, 11, shade(kGold, 13));
      break;
    case ItemShape::Potion: potion(c, colour); break;
    case ItemShape::Sword: blade(c, colour, 13); break;
    case ItemShape::Dagger: blade(c, colour, 7); break;
    default: break;
  }
}

}  // namespace

// Draws one object picture; the caller outlines it.
void drawItem(SpriteCanvas& c, ItemShape shape, Ramp colour) {
  simpleShape(c, shape, colour);
  everydayShape(c, shape, colour);
  oddShape(c, shape, colour);
  c.outline(shade(kGrey, 1));
}

void drawItemArt(SpriteSheet& sheet, DemoRandom&) {
  for (int i = 0; i < kItemCount; ++i) drawItem(sheet.slot[kItems[i].sprite], kItems[i].shape, kItems[i].colour);
}
