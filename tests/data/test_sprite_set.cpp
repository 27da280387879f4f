// SpriteSet: the tile tables for every code, the conversion of sprite files to
// 16 and 32 bits per pixel (mask colour, slot layout of both files), and the
// blank slots and problem report when files are missing or short.
#include <allegro.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "data/sprite_set.h"
#include "support/temp_dir.h"

namespace {

void startAllegro(int depth) {
  install_allegro(SYSTEM_NONE, &errno, atexit);
  set_color_depth(depth);
}

// A palette whose entries differ enough to survive 16 bpp: index i is a grey
// ramp in red plus a mark in green and blue.
void writePaletteBmp(const std::string& hostPath) {
  PALETTE pal;
  for (int i = 0; i < 256; ++i) {
    pal[i].r = static_cast<unsigned char>(i / 4);
    pal[i].g = static_cast<unsigned char>((i % 4) * 16);
    pal[i].b = static_cast<unsigned char>(63 - i / 4);
  }
  BITMAP* image = create_bitmap_ex(8, 4, 4);
  clear_bitmap(image);
  ASSERT_EQ(0, save_bitmap(hostPath.c_str(), image, pal));
  destroy_bitmap(image);
}

// A sprite file of count sprites; sprite s has every pixel set to (s + offset) % 255
// except pixel (0, 0), which is index 255 (transparent).
std::string spriteFile(int count, int offset) {
  std::string bytes;
  for (int s = 0; s < count; ++s) {
    std::string sprite(kSpriteBytes, static_cast<char>((s + offset) % 255));
    sprite[0] = static_cast<char>(255);
    bytes += sprite;
  }
  return bytes;
}

struct Registered {
  std::vector<std::string> names;
  std::vector<BITMAP*> bitmaps;
};

void recordImage(BITMAP* bitmap, const char* name, void* context) {
  auto* seen = static_cast<Registered*>(context);
  seen->names.push_back(name);
  seen->bitmaps.push_back(bitmap);
}

}  // namespace

TEST(SpriteTables, ForegroundAndBackgroundForEveryCode) {
  std::map<int, int> foreground;
  for (int code : {4,   15,  18,  19,  22,  23,  28,  29,  30,  31,  42,  60,  62,  81,  82,  94,
                   127, 179, 188, 191, 192, 196, 208, 215, 217, 218, 219, 220, 221, 222, 223, 224,
                   225, 226, 227, 228, 233, 234, 235, 236, 237, 238, 239, 241, 244, 245, 247, 248}) {
    foreground[code] = code;
  }
  const int moved[][2] = {{16, 14},   {39, 9},    {46, 7},    {95, 79},   {97, 160},
                          {98, 125},  {99, 145},  {100, 121}, {101, 157}, {102, 146},
                          {103, 144}, {105, 148}, {106, 163}, {107, 5},   {108, 149},
                          {109, 173}, {250, 229}, {251, 230}, {254, 77}};
  for (const auto& pair : moved) foreground[pair[0]] = pair[1];
  ASSERT_EQ(67u, foreground.size());

  for (int code = 0; code < 256; ++code) {
    const auto found = foreground.find(code);
    EXPECT_EQ(found == foreground.end() ? 0 : found->second, SpriteSet::foregroundSprite(code))
        << "code " << code;
    const bool water = (code >= 97 && code <= 103) || (code >= 105 && code <= 109);
    const bool furniture = code == 19 || code == 28;
    for (int kind : {0, 1, 2, 4}) {
      const int expected = water ? 208 : furniture || kind == 4 ? 79 : 229;
      EXPECT_EQ(expected, SpriteSet::backgroundSprite(code, kind)) << code << " kind " << kind;
    }
  }
  EXPECT_EQ(0, SpriteSet::foregroundSprite(-1));
  EXPECT_EQ(0, SpriteSet::foregroundSprite(256));
}

// The global colour depth is 8 while the set loads: it makes its slots in the
// depth it is given and leaves the screen palette alone. The tests then set
// the depth and palette that a program would, for the expected colours.
class SpriteSetLoad : public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override {
    startAllegro(8);
    writePaletteBmp(dir.file("palette.bmp"));
  }
  void showPalette(const SpriteSet& set) {
    set_color_depth(GetParam());
    set_palette(set.palette);
  }
  TempDir dir;
};

TEST_P(SpriteSetLoad, ConvertsBothFilesWithMaskAndRegistersMainSet) {
  writeFileBytes(dir.file("zan.spr"), spriteFile(kSpritesPerFile, 1));  // any letter case
  writeFileBytes(dir.file("ZAN2.SPR"), spriteFile(kSpritesPerFile, 100) + "trailing bytes");
  SpriteSet set;
  Registered seen;
  set_palette(default_palette);
  ASSERT_TRUE(set.loadPalette(dir.editorPath("palette.bmp").c_str()));
  ASSERT_TRUE(set.loadSprites(dir.editorPath().c_str(), GetParam(), recordImage, &seen));
  PALETTE shown;
  get_palette(shown);
  EXPECT_EQ(0, memcmp(shown, default_palette, sizeof shown));
  EXPECT_NE(0, memcmp(set.palette, default_palette, sizeof shown));
  showPalette(set);
  EXPECT_EQ(0u, set.problems());
  EXPECT_EQ(nullptr, set.firstProblemFile());

  const int mask = makecol(255, 0, 255);
  EXPECT_EQ(bitmap_mask_color(set.sprite(1)), mask);
  for (int slot = 0; slot < kSpriteSlotCount; ++slot) {
    BITMAP* bitmap = set.sprite(slot);
    ASSERT_NE(nullptr, bitmap) << slot;
    EXPECT_EQ(GetParam(), bitmap_color_depth(bitmap));
    EXPECT_EQ(kSpriteWidth, bitmap->w);
    EXPECT_EQ(kSpriteHeight, bitmap->h);
  }
  // Slots 0 and 249 are opaque black; sprite n of a file fills slot n (main)
  // or 249 + n (second), its index-255 pixel masked.
  for (int blank : {0, 249}) {
    EXPECT_EQ(0, getpixel(set.sprite(blank), 0, 0));
    EXPECT_EQ(0, getpixel(set.sprite(blank), 17, 19));
  }
  EXPECT_EQ(mask, getpixel(set.sprite(1), 0, 0));
  EXPECT_EQ(palette_color[1], getpixel(set.sprite(1), 1, 0));
  // Slot 248 is the last 360 bytes of "ZAN.SPR": its sprite 247 (0-based), index 248.
  EXPECT_EQ(palette_color[248], getpixel(set.sprite(248), 17, 19));
  EXPECT_EQ(mask, getpixel(set.sprite(248), 0, 0));
  // Sprite number 250 is the first sprite of "ZAN2.SPR" (index 100).
  EXPECT_EQ(palette_color[100], getpixel(set.sprite(250), 5, 5));
  EXPECT_EQ(palette_color[(247 + 100) % 255], getpixel(set.sprite(497), 17, 19));
  EXPECT_EQ(nullptr, set.sprite(498));
  EXPECT_EQ(nullptr, set.sprite(-1));

  // A masked foreground lets the background through at the index-255 pixel.
  BITMAP* cell = create_bitmap(kSpriteWidth, kSpriteHeight);
  clear_to_color(cell, palette_color[5]);
  masked_blit(set.sprite(1), cell, 0, 0, 0, 0, kSpriteWidth, kSpriteHeight);
  EXPECT_EQ(palette_color[5], getpixel(cell, 0, 0));
  EXPECT_EQ(palette_color[1], getpixel(cell, 1, 0));
  destroy_bitmap(cell);

  ASSERT_EQ(249u, seen.names.size());
  for (int n = 0; n <= 248; ++n) {
    EXPECT_EQ(std::to_string(n), seen.names[n]);
    EXPECT_EQ(set.sprite(n), seen.bitmaps[n]);
  }
  set.release();
  EXPECT_EQ(nullptr, set.sprite(0));
}

TEST_P(SpriteSetLoad, MissingAndShortFilesLeaveBlankSlotsAndSaySo) {
  SpriteSet set;
  Registered seen;
  EXPECT_FALSE(set.loadPalette(dir.editorPath("nopalette.bmp").c_str()));
  EXPECT_FALSE(set.loadSprites(dir.editorPath().c_str(), GetParam(), recordImage, &seen));
  EXPECT_EQ(unsigned(kPaletteMissing | kMainSetMissing | kSecondSetMissing), set.problems());
  EXPECT_STREQ("palette.bmp", set.firstProblemFile());
  for (int slot = 0; slot < kSecondSetFirstSlot; ++slot) {
    ASSERT_NE(nullptr, set.sprite(slot)) << slot;
    EXPECT_EQ(0, getpixel(set.sprite(slot), 5, 5));
  }
  // Without "ZAN2.SPR" its slots are absent, so its objects are not drawn at all.
  for (int slot = kSecondSetFirstSlot; slot < kSpriteSlotCount; ++slot)
    ASSERT_EQ(nullptr, set.sprite(slot)) << slot;
  EXPECT_EQ(249u, seen.names.size());  // list icons still find an image for every number

  // One sprite and a half in "ZAN.SPR": sprite 1 whole, sprite 2 cut, the rest blank.
  const std::string full = spriteFile(2, 7);
  writeFileBytes(dir.file("ZAN.SPR"), full.substr(0, kSpriteBytes + 20));
  ASSERT_TRUE(set.loadPalette(dir.editorPath("palette.bmp").c_str()));
  EXPECT_FALSE(set.loadSprites(dir.editorPath().c_str(), GetParam(), nullptr, nullptr));
  showPalette(set);
  EXPECT_EQ(unsigned(kMainSetShort | kSecondSetMissing), set.problems());
  EXPECT_STREQ("ZAN.SPR", set.firstProblemFile());
  EXPECT_EQ(palette_color[7], getpixel(set.sprite(1), 5, 5));
  EXPECT_EQ(palette_color[8], getpixel(set.sprite(2), 1, 1));  // byte 19, inside the 20 read
  EXPECT_EQ(palette_color[0], getpixel(set.sprite(2), 5, 5));
  EXPECT_EQ(0, getpixel(set.sprite(3), 0, 0));  // nothing of sprite 3 in the file: blank
}

INSTANTIATE_TEST_SUITE_P(Depths, SpriteSetLoad, ::testing::Values(16, 32));

TEST(SpriteSet, SlotsThatCannotBeMadeAreNullAndSaidSo) {
  startAllegro(32);
  TempDir dir;
  writeFileBytes(dir.file("ZAN.SPR"), spriteFile(kSpritesPerFile, 1));
  writeFileBytes(dir.file("ZAN2.SPR"), spriteFile(kSpritesPerFile, 2));
  SpriteSet set;
  Registered seen;
  EXPECT_FALSE(set.loadSprites(dir.editorPath().c_str(), 7, recordImage, &seen));  // no such depth
  EXPECT_EQ(unsigned(kSlotsMissing), set.problems());
  for (int slot = 0; slot < kSpriteSlotCount; ++slot) ASSERT_EQ(nullptr, set.sprite(slot)) << slot;
  EXPECT_TRUE(seen.names.empty());
  ASSERT_TRUE(set.loadSprites(dir.editorPath().c_str(), 32, nullptr, nullptr));
  EXPECT_EQ(0u, set.problems());
}
