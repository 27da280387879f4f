// The demo palette: sixteen colour ramps of sixteen shades each, dark to light,
// so sprites are drawn in (ramp, shade) terms. Index 255 is the transparent
// index; index 0 is black.
#pragma once
#include <cstdint>
#include <string>

enum Ramp : int {
  kGrey = 0, kGrass, kLeaf, kWood, kSand, kWater, kStone, kRed,
  kSkin, kPurple, kSnow, kGold, kEarth, kMoss, kBrick, kCloth,
};

constexpr uint8_t kClear = 255;  // the transparent index

// The palette index of shade (0 darkest .. 15 lightest) of a ramp; shades are
// clamped, and the last ramp stops at 14 so that 255 stays transparent.
uint8_t shade(Ramp ramp, int level);

// The ramp and level of a palette index (index 255 gives kCloth, 15).
Ramp rampOf(uint8_t index);
int levelOf(uint8_t index);

struct Rgb {
  uint8_t r, g, b;
};

// The 8-bit colour of every palette index (index 255 is magenta).
Rgb paletteColour(int index);

// Writes an 8-bit BMP that shows every colour as a 16 x 16 grid of swatches
// and carries the palette. False when the file cannot be written.
bool writePaletteBmp(const std::string& hostPath);
