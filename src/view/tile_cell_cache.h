// Composed tile cells: for each map kind and tile code, the 18 x 20 cell as
// drawTileCell draws it onto black, made once per sprite set and depth and
// then copied with a plain blit. A full map drawn this way costs 1152 small
// copies instead of 2304 masked sprite copies, so an action that changes
// every cell (a fill, a paste) stays close to the cost of one canvas blit.
#pragma once
#include <allegro.h>

#include "data/sprite_set.h"
#include "view/sprite_snapshot.h"

class TileCellCache {
 public:
  TileCellCache() = default;
  ~TileCellCache();
  TileCellCache(const TileCellCache&) = delete;
  TileCellCache& operator=(const TileCellCache&) = delete;

  // Gets ready to draw onto bitmaps of target's depth with sprites; what was
  // composed with other sprites or another depth is dropped. False without
  // memory for the cells: draw then composes each cell straight onto target.
  bool prepare(BITMAP* target, const SpriteSet& sprites);

  // Code's cell for kind at (px, py) of target: black, the background sprite
  // and the foreground sprite, exactly as drawTileCell over a black cell.
  // Call prepare first with the same target depth and sprites.
  void draw(BITMAP* target, const SpriteSet& sprites, int px, int py, int code, int kind);

  void invalidate();

 private:
  static constexpr int kKinds = 4;  // NoKind, Wilderness, Local, Interior
  static constexpr int kCodes = 256;

  BITMAP* atlas_ = nullptr;  // kCodes cells across, kKinds down
  SpriteSnapshot composedWith_;
  bool composed_[kKinds][kCodes] = {};
};
