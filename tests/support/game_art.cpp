// Made-up sprite files and palettes for tests that draw.
#include "support/game_art.h"

#include <allegro.h>

#include "data/sprite_set.h"

std::string spriteFileBytes(int base, bool treeHalfClear) {
  std::string bytes;
  for (int n = 1; n <= kSpritesPerFile; ++n) {
    std::string sprite(kSpriteBytes, static_cast<char>((base + n) % 255));
    if (treeHalfClear && n == 4) {
      for (int y = 0; y < kSpriteHeight; ++y) {
        for (int x = 0; x < kSpriteWidth / 2; ++x) sprite[y * kSpriteWidth + x] = static_cast<char>(255);
      }
    }
    bytes += sprite;
  }
  return bytes;
}

void writeTestPalette(const std::string& hostPath) {
  PALETTE pal;
  for (int i = 0; i < 256; ++i) {
    pal[i].r = static_cast<unsigned char>(i / 4);
    pal[i].g = static_cast<unsigned char>((i % 4) * 16);
    pal[i].b = static_cast<unsigned char>(63 - i / 4);
  }
  BITMAP* image = create_bitmap_ex(8, 2, 2);
  clear_bitmap(image);
  save_bitmap(hostPath.c_str(), image, pal);
  destroy_bitmap(image);
}
