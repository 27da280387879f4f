// Pictures of the demo's creatures: people, four-legged beasts, birds, rats,
// bats, spiders, snakes, slimes, ghosts and dragons, coloured by their entry.
#include "demo_catalogue.h"
#include "sprite_sheet.h"

namespace {

void person(SpriteCanvas& c, const BeingEntry& b) {
  const int top = b.size == 0 ? 6 : b.size == 1 ? 2 : 1;
  const int wide = b.size == 2 ? 1 : 0;
  const bool bony = b.body == kSnow && b.extra == kGrey;  // the skeleton
  const uint8_t skin = b.body == kMoss ? shade(kMoss, 10) : bony ? shade(kSnow, 13) : shade(kSkin, 10);
  c.rect(6 - wide, top + 6, 11 + wide, top + 12, shade(b.body, 8));  // body
  c.rect(6 - wide, top + 6, 7 - wide, top + 12, shade(b.body, 11));
  c.rect(4 - wide, top + 7, 5 - wide, top + 11, skin);               // arms
  c.rect(12 + wide, top + 7, 13 + wide, top + 11, skin);
  c.rect(7, top + 13, 8, 18, shade(b.extra == kGrey ? kGrey : kWood, 4));  // legs
  c.rect(10, top + 13, 11, 18, shade(b.extra == kGrey ? kGrey : kWood, 4));
  c.ellipse(9, top + 3, 3, 3, skin);                                 // head
  c.rect(7, top, 11, top + 1, shade(b.extra, 9));                     // hair or hat
  c.set(8, top + 3, shade(kGrey, 0));
  c.set(10, top + 3, shade(kGrey, 0));
  if (b.size == 2) c.line(15, top + 12, 15, top, shade(kStone, 12));  // a weapon or staff
  c.outline(shade(kGrey, 1));
}

void beast(SpriteCanvas& c, const BeingEntry& b) {
  const int h = 3 + b.size;  // body half-height
  c.ellipse(8, 11, 6, h, shade(b.body, 8));
  c.ellipse(7, 10 - h / 2, 3, 1, shade(b.body, 11));
  c.ellipse(14, 9 - b.size, 3, 3, shade(b.body, 9));   // head
  c.set(15, 8 - b.size, shade(kGrey, 0));
  for (int x : {4, 7, 10, 12}) c.rect(x, 11 + h - 1, x, 18, shade(b.body, 5));
  c.line(2, 10, 1, 14, shade(b.extra, 8));              // tail
  c.set(13, 5 - b.size, shade(b.extra, 12));            // ear or horn
  c.outline(shade(kGrey, 1));
}

void smallBeing(SpriteCanvas& c, const BeingEntry& b) {
  switch (b.shape) {
    case BeingShape::Bird:
      c.ellipse(9, 12, 5, 4, shade(b.body, 12));
      c.ellipse(12, 7, 2, 2, shade(b.body, 13));
      c.set(12, 4, shade(b.extra, 9));
      c.set(14, 7, shade(kGold, 11));
      c.rect(8, 16, 8, 18, shade(kGold, 9));
      break;
    case BeingShape::Rat:
      c.ellipse(8, 14, 5, 3, shade(b.body, 8));
      c.ellipse(13, 13, 2, 2, shade(b.body, 9));
      c.line(3, 15, 1, 11, shade(b.extra, 10));
      break;
    case BeingShape::Bat:
      c.ellipse(9, 9, 2, 3, shade(b.body, 5));
      for (int i = 1; i <= 7; ++i) c.line(9, 8, 9 - i, 6 + (i % 3), shade(b.body, 7));
      for (int i = 1; i <= 7; ++i) c.line(9, 8, 9 + i, 6 + (i % 3), shade(b.body, 7));
      c.set(8, 8, shade(b.extra, 12));
      c.set(10, 8, shade(b.extra, 12));
      break;
    case BeingShape::Spider:
      for (int i = 0; i < 4; ++i) {
        c.line(9, 10, 2, 5 + i * 3, shade(b.body, 4));
        c.line(9, 10, 16, 5 + i * 3, shade(b.body, 4));
      }
      c.ellipse(9, 11, 4, 5, shade(b.body, 3));
      c.set(8, 8, shade(b.extra, 11));
      c.set(10, 8, shade(b.extra, 11));
      break;
    case BeingShape::Snake:
      for (int x = 2; x < 15; ++x) c.rect(x, 12 + (x % 6 < 3 ? 0 : 2), x, 13 + (x % 6 < 3 ? 0 : 2), shade(b.body, 8));
      c.ellipse(15, 11, 2, 2, shade(b.body, 10));
      c.set(16, 10, shade(b.extra, 12));
      break;
    default:
      break;
  }
  c.outline(shade(kGrey, 1));
}

void eerieBeing(SpriteCanvas& c, const BeingEntry& b) {
  switch (b.shape) {
    case BeingShape::Slime:
      c.ellipse(9, 13, 7, 6, shade(b.body, 9));
      c.ellipse(6, 11, 2, 2, shade(b.body, 13));
      c.set(7, 13, shade(b.extra, 13));
      c.set(11, 13, shade(b.extra, 13));
      break;
    case BeingShape::Ghost:
      c.ellipse(9, 8, 6, 6, shade(b.body, 12));
      c.rect(3, 8, 15, 16, shade(b.body, 12));
      for (int x = 3; x <= 15; x += 4) c.rect(x, 17, x + 1, 18, shade(b.body, 10));
      c.rect(6, 7, 7, 9, shade(b.extra, 3));
      c.rect(11, 7, 12, 9, shade(b.extra, 3));
      break;
    case BeingShape::Dragon:
      c.ellipse(8, 12, 6, 5, shade(b.body, 8));
      c.ellipse(14, 6, 3, 3, shade(b.body, 9));
      c.line(14, 9, 10, 11, shade(b.body, 8));
      for (int i = 0; i < 6; ++i) c.line(7, 9, 1 + i, 2 + i / 2, shade(b.extra, 9));  // wing
      c.line(2, 14, 0, 18, shade(b.body, 6));
      c.set(15, 5, shade(kGold, 14));
      c.rect(16, 7, 17, 7, shade(kRed, 12));
      break;
    default:
      break;
  }
  c.outline(shade(kGrey, 1));
}

}  // namespace

void drawBeing(SpriteCanvas& c, const BeingEntry& b) {
  if (b.shape == BeingShape::Person) person(c, b);
  else if (b.shape == BeingShape::Beast) beast(c, b);
  else if (b.shape == BeingShape::Slime || b.shape == BeingShape::Ghost || b.shape == BeingShape::Dragon) eerieBeing(c, b);
  else smallBeing(c, b);
}

void drawCreatureArt(SpriteSheet& sheet, DemoRandom&) {
  for (int i = 0; i < kBeingCount; ++i) {
    if (kBeings[i].sprite < kSheetSlots) drawBeing(sheet.slot[kBeings[i].sprite], kBeings[i]);
  }
}
