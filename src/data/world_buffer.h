// The world grid: 960 columns by 480 rows of tile bytes, row-major, one 48 x 24
// block per square of the 20 x 20 world. The world view draws it; scripts read
// and write it; world loading fills it from the 400 world map files.
#pragma once

constexpr int kWorldColumns = 960;
constexpr int kWorldRows = 480;

struct WorldBuffer {
  unsigned char cells[kWorldRows * kWorldColumns];  // cell (x, y) at y * 960 + x
};
