// The demo palette's colours (each ramp a dark, middle and light colour with
// shades between) and the 8-bit BMP file that carries them.
#include "demo_palette.h"

#include <cstdio>
#include <vector>

namespace {

struct RampColours {
  Rgb dark, middle, light;
};

constexpr RampColours kRamps[16] = {
    {{0, 0, 0}, {118, 118, 122}, {250, 250, 250}},    // grey
    {{18, 48, 14}, {84, 150, 52}, {196, 232, 128}},   // grass
    {{6, 30, 18}, {34, 104, 48}, {140, 200, 96}},     // leaf
    {{40, 22, 10}, {128, 80, 40}, {224, 180, 120}},   // wood
    {{96, 74, 36}, {214, 190, 120}, {252, 244, 206}},  // sand
    {{8, 20, 64}, {36, 96, 180}, {180, 224, 252}},    // water
    {{30, 32, 40}, {120, 124, 132}, {220, 224, 230}},  // stone
    {{48, 6, 6}, {190, 36, 30}, {252, 168, 150}},     // red
    {{84, 44, 28}, {212, 150, 110}, {254, 222, 196}},  // skin
    {{30, 10, 48}, {120, 60, 170}, {220, 186, 250}},  // purple
    {{90, 110, 140}, {200, 216, 236}, {255, 255, 255}},  // snow
    {{80, 40, 0}, {230, 150, 20}, {255, 240, 140}},   // gold
    {{36, 22, 14}, {120, 86, 54}, {206, 170, 126}},   // earth
    {{10, 34, 30}, {54, 110, 84}, {170, 210, 170}},   // moss
    {{56, 20, 14}, {160, 70, 48}, {236, 160, 130}},   // brick
    {{20, 24, 60}, {70, 90, 170}, {190, 200, 250}},   // cloth
};

uint8_t mix(uint8_t a, uint8_t b, int step, int steps) {
  return static_cast<uint8_t>(a + (b - a) * step / steps);
}

void put16(std::vector<uint8_t>& out, unsigned v) {
  out.push_back(v & 0xFF);
  out.push_back((v >> 8) & 0xFF);
}

void put32(std::vector<uint8_t>& out, unsigned v) {
  put16(out, v & 0xFFFF);
  put16(out, v >> 16);
}

}  // namespace

uint8_t shade(Ramp ramp, int level) {
  const int top = ramp == kCloth ? 14 : 15;
  if (level < 0) level = 0;
  if (level > top) level = top;
  return static_cast<uint8_t>(ramp * 16 + level);
}

Ramp rampOf(uint8_t index) { return static_cast<Ramp>(index / 16); }

int levelOf(uint8_t index) { return index % 16; }

Rgb paletteColour(int index) {
  if (index == kClear) return {255, 0, 255};
  const RampColours& ramp = kRamps[(index / 16) & 15];
  const int level = index % 16;
  if (level < 8) {
    return {mix(ramp.dark.r, ramp.middle.r, level, 8), mix(ramp.dark.g, ramp.middle.g, level, 8),
            mix(ramp.dark.b, ramp.middle.b, level, 8)};
  }
  return {mix(ramp.middle.r, ramp.light.r, level - 8, 7), mix(ramp.middle.g, ramp.light.g, level - 8, 7),
          mix(ramp.middle.b, ramp.light.b, level - 8, 7)};
}

bool writePaletteBmp(const std::string& hostPath) {
  const int side = 128;  // 16 swatches of 8 pixels
  const unsigned pixelOffset = 14 + 40 + 256 * 4;
  std::vector<uint8_t> out;
  out.push_back('B');
  out.push_back('M');
  put32(out, pixelOffset + side * side);
  put32(out, 0);
  put32(out, pixelOffset);
  put32(out, 40);
  put32(out, side);
  put32(out, side);
  put16(out, 1);
  put16(out, 8);
  put32(out, 0);  // no compression
  put32(out, side * side);
  put32(out, 2835);
  put32(out, 2835);
  put32(out, 256);
  put32(out, 256);
  for (int i = 0; i < 256; ++i) {
    const Rgb c = paletteColour(i);
    out.push_back(c.b);
    out.push_back(c.g);
    out.push_back(c.r);
    out.push_back(0);
  }
  for (int y = side - 1; y >= 0; --y) {  // BMP rows run bottom up
    for (int x = 0; x < side; ++x) out.push_back(static_cast<uint8_t>((y / 8) * 16 + x / 8));
  }
  FILE* file = fopen(hostPath.c_str(), "wb");
  if (file == nullptr) return false;
  const bool written = fwrite(out.data(), 1, out.size(), file) == out.size();
  return fclose(file) == 0 && written;
}
