// Smooth value noise for the demo's terrain: fixed pseudo-random values on a
// lattice, blended with a smooth curve, summed over octaves. Values in 0..1.
#pragma once
#include <cstdint>

class ValueNoise {
 public:
  explicit ValueNoise(uint32_t seed) : seed_(seed) {}
  float at(float x, float y) const;                      // one octave
  float fractal(float x, float y, int octaves) const;    // octaves summed, each half as strong

 private:
  float lattice(int x, int y) const;
  uint32_t seed_;
};
