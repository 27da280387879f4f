// MapPicture: the open map composed once into a bitmap of the canvas's depth
// and kept up to date cell by cell, so that a handled mouse event copies one
// picture instead of drawing 2304 sprites. What it shows is always exactly
// what clearing to black and drawLocalMap would show.
#pragma once
#include <allegro.h>

#include "data/local_map.h"
#include "data/sprite_set.h"
#include "view/sprite_snapshot.h"

class MapPicture {
 public:
  MapPicture() = default;
  ~MapPicture();
  MapPicture(const MapPicture&) = delete;
  MapPicture& operator=(const MapPicture&) = delete;

  // Brings the picture up to date with map (redrawing only the cells whose
  // code or kind changed, all of them after a change of sprites or depth) and
  // copies it to the top-left of target. Without memory for the picture it
  // draws the map straight onto target.
  void show(BITMAP* target, const SpriteSet& sprites, const LocalMap& map);

  // Forgets the picture; the next show composes it anew.
  void invalidate();

 private:
  static constexpr int kNotDrawn = -1;

  bool prepare(BITMAP* target, const SpriteSet& sprites);
  void update(const SpriteSet& sprites, const LocalMap& map);

  BITMAP* picture_ = nullptr;
  SpriteSnapshot drawnWith_;
  int drawn_[kMapRows][kMapColumns];      // code + 256 * kind of each cell as drawn
};
