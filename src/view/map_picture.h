// MapPicture: the open map with its placed sprites composed once into a
// bitmap of the canvas's depth and kept up to date cell by cell, so that a
// handled mouse event copies one picture instead of drawing 2304 sprites and
// the placements. A placement's sprite covers exactly its own cell, so a cell
// is its tile and the placements on it, in index order. What the picture
// shows is always exactly what clearing to black, drawLocalMap and the same
// placements drawn in order would show.
#pragma once
#include <allegro.h>

#include "data/local_map.h"
#include "data/map_data_file.h"
#include "data/sprite_set.h"
#include "view/map_drawing.h"
#include "view/sprite_snapshot.h"
#include "view/tile_cell_cache.h"

// A rectangle of canvas pixels; empty when w is 0.
struct PixelRect {
  int x = 0, y = 0, w = 0, h = 0;
  bool empty() const { return w <= 0 || h <= 0; }
};

// The smallest rectangle holding both (either may be empty).
PixelRect unite(const PixelRect& a, const PixelRect& b);

class MapPicture {
 public:
  MapPicture() = default;
  ~MapPicture();
  MapPicture(const MapPicture&) = delete;
  MapPicture& operator=(const MapPicture&) = delete;

  // Brings the picture up to date with map and the placed sprites (count of
  // them, in index order; 0 shows none), redrawing only the cells whose code,
  // kind or placements changed (all of them after a change of sprites or
  // depth), and copies it to the top-left of target. Without memory for the
  // picture it draws straight onto target.
  void show(BITMAP* target, const SpriteSet& sprites, const LocalMap& map, const PlacedSprite* placed, int count);

  // As show, but copies to target only the rectangle around the cells that
  // changed, and returns it (empty when nothing changed): target must still
  // show what the last show or update put there. When it may not (another
  // target, or forgetShown since), the whole picture is copied and returned.
  PixelRect update(BITMAP* target, const SpriteSet& sprites, const LocalMap& map, const PlacedSprite* placed,
                   int count);

  // Copies the rectangle of the picture as last brought up to date onto
  // target, where something was drawn over it (a tool's preview). False when
  // target does not show the picture (another target, forgetShown since).
  bool restore(BITMAP* target, const PixelRect& rect) const;

  // Something else was drawn where the picture was shown: the next update
  // copies it whole.
  void forgetShown() { shownOn_ = nullptr; }

  // Forgets the picture; the next show composes it anew.
  void invalidate();

  // The composed cells the picture is drawn from, for drawings over it.
  TileCellCache& cellCache() { return cells_; }

 private:
  static constexpr int kNotDrawn = -1;

  bool prepare(BITMAP* target, const SpriteSet& sprites);
  PixelRect redrawChanged(const SpriteSet& sprites, const LocalMap& map, const PlacedSprite* placed, int count);
  void markPlacementCells(const PlacedSprite* placed, int count);
  void listPlacementsByCell();
  void drawCell(const SpriteSet& sprites, const LocalMap& map, int c, int r);

  BITMAP* picture_ = nullptr;
  SpriteSnapshot drawnWith_;
  int drawn_[kMapRows][kMapColumns];        // code + 256 * kind of each cell as drawn
  bool placementsChanged_[kMapRows][kMapColumns];
  PlacedSprite placed_[kPlacementCount];    // the placed sprites the picture shows
  int placedCount_ = 0;
  BITMAP* shownOn_ = nullptr;               // the target that shows the picture as it is
  // The placed sprites of each cell in index order: the first, then next_.
  int firstOnCell_[kMapRows][kMapColumns];
  int next_[kPlacementCount];
  TileCellCache cells_;
};
