// The world view: 960 world columns squeezed into 864 pixels. Every 9 pixels
// show 10 world columns without the tenth ((px * 960) / 864 for px = 9g + k is
// 10g + k), so a row is drawn in groups of 9 through the bitmap's line
// pointers, with each tile's colour looked up once per drawing.
#include <algorithm>
#include <cstdint>

#include "view/map_drawing.h"

namespace {

constexpr int kGroupPixels = 9;    // pixels per group
constexpr int kGroupColumns = 10;  // world columns per group, the last one skipped
constexpr int kColourSampleX = 5;  // the pixel of a foreground sprite that colours the world view
constexpr int kColourSampleY = 5;

void tileColours(const SpriteSet& sprites, int* colours) {
  const int black = makecol(0, 0, 0);
  for (int code = 0; code < 256; ++code) {
    BITMAP* sprite = sprites.sprite(SpriteSet::foregroundSprite(code));
    colours[code] = sprite != nullptr ? getpixel(sprite, kColourSampleX, kColourSampleY) : black;
  }
}

// Writes width pixels of one row; Pixel is the memory type of one pixel.
template <typename Pixel>
void worldRow(Pixel* out, const unsigned char* cells, const Pixel* colours, int width) {
  const int groups = width / kGroupPixels;
  for (int g = 0; g < groups; ++g, out += kGroupPixels, cells += kGroupColumns) {
    for (int k = 0; k < kGroupPixels; ++k) out[k] = colours[cells[k]];
  }
  for (int k = 0; k < width % kGroupPixels; ++k) out[k] = colours[cells[k]];
}

template <typename Pixel>
void worldRows(BITMAP* target, const WorldBuffer& world, const int* colourOf, int width, int height) {
  Pixel colours[256];
  for (int code = 0; code < 256; ++code) colours[code] = static_cast<Pixel>(colourOf[code]);
  for (int py = 0; py < height; ++py) {
    worldRow(reinterpret_cast<Pixel*>(target->line[py]), &world.at(0, py), colours, width);
  }
}

// 24-bit pixels and bitmaps without line access take the slow road.
void worldPixels(BITMAP* target, const WorldBuffer& world, const int* colourOf, int width, int height) {
  for (int py = 0; py < height; ++py) {
    for (int px = 0; px < width; ++px) {
      putpixel(target, px, py, colourOf[world.at(px * kWorldColumns / kMapCanvasWidth, py)]);
    }
  }
}

}  // namespace

void drawWorld(BITMAP* target, const SpriteSet& sprites, const WorldBuffer& world) {
  int colourOf[256];
  tileColours(sprites, colourOf);
  const int width = std::min(target->w, kMapCanvasWidth);
  const int height = std::min(target->h, kWorldRows);
  acquire_bitmap(target);
  const int depth = is_memory_bitmap(target) ? bitmap_color_depth(target) : 0;
  if (depth == 8) worldRows<uint8_t>(target, world, colourOf, width, height);
  else if (depth == 15 || depth == 16) worldRows<uint16_t>(target, world, colourOf, width, height);
  else if (depth == 32) worldRows<uint32_t>(target, world, colourOf, width, height);
  else worldPixels(target, world, colourOf, width, height);
  release_bitmap(target);
}
