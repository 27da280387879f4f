// Value noise: a hashed lattice and smoothstep blending.
#include "value_noise.h"

#include <cmath>

float ValueNoise::lattice(int x, int y) const {
  uint32_t h = seed_ ^ (static_cast<uint32_t>(x) * 374761393u) ^ (static_cast<uint32_t>(y) * 668265263u);
  h = (h ^ (h >> 13)) * 1274126177u;
  h ^= h >> 16;
  return static_cast<float>(h & 0xFFFFFF) / static_cast<float>(0xFFFFFF);
}

float ValueNoise::at(float x, float y) const {
  const int x0 = static_cast<int>(std::floor(x)), y0 = static_cast<int>(std::floor(y));
  float fx = x - x0, fy = y - y0;
  fx = fx * fx * (3 - 2 * fx);
  fy = fy * fy * (3 - 2 * fy);
  const float top = lattice(x0, y0) + (lattice(x0 + 1, y0) - lattice(x0, y0)) * fx;
  const float bottom = lattice(x0, y0 + 1) + (lattice(x0 + 1, y0 + 1) - lattice(x0, y0 + 1)) * fx;
  return top + (bottom - top) * fy;
}

float ValueNoise::fractal(float x, float y, int octaves) const {
  float sum = 0, weight = 1, total = 0, scale = 1;
  for (int i = 0; i < octaves; ++i) {
    sum += at(x * scale + i * 17.3f, y * scale - i * 9.1f) * weight;
    total += weight;
    weight *= 0.5f;
    scale *= 2;
  }
  return sum / total;
}
