// A small deterministic random generator, so the demo content is the same on
// every machine and every build.
#pragma once
#include <cstdint>

class DemoRandom {
 public:
  explicit DemoRandom(uint32_t seed) : state_(seed * 2654435761u + 1u) {}
  uint32_t next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_;
  }
  int below(int n) { return n <= 0 ? 0 : static_cast<int>(next() % static_cast<uint32_t>(n)); }
  int range(int low, int high) { return low + below(high - low + 1); }  // low..high
  bool chance(int percent) { return below(100) < percent; }

 private:
  uint32_t state_;
};
