// Which sprite bitmaps a cached picture was drawn with, so the picture is
// composed anew when the sprite set is loaded again.
#pragma once
#include <cstring>

#include "data/sprite_set.h"

class SpriteSnapshot {
 public:
  bool sameAs(const SpriteSet& sprites) const {
    if (set_ != &sprites) return false;
    for (int i = 0; i < kSpriteSlotCount; ++i) {
      if (slots_[i] != sprites.sprite(i)) return false;
    }
    return true;
  }
  void take(const SpriteSet& sprites) {
    set_ = &sprites;
    for (int i = 0; i < kSpriteSlotCount; ++i) slots_[i] = sprites.sprite(i);
  }
  void forget() { set_ = nullptr; }

 private:
  const SpriteSet* set_ = nullptr;
  BITMAP* slots_[kSpriteSlotCount] = {};
};
