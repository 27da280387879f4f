// Made-up sprite files and palettes for tests that draw: every sprite a solid
// colour index, so a test can tell from a pixel which sprite was drawn.
#pragma once
#include <string>

// The bytes of a sprite file: sprite n (1..248) is solid index (base + n) % 255,
// except that with treeHalfClear sprite 4 (a "tree") is transparent (index
// 255) in its left half.
std::string spriteFileBytes(int base, bool treeHalfClear);

// Writes a 2 x 2 "palette.bmp" whose 256 colours are all distinct.
void writeTestPalette(const std::string& hostPath);
