// Pictures of tile codes drawn with the game's sprites: one cell, a local map,
// its placed objects and creatures, the tile palette and the squeezed world
// view. Plain inputs and a target bitmap only, so the editor's canvases and
// dola-render draw through the same code and tests probe it pixel by pixel.
#pragma once
#include <allegro.h>

#include "data/creature_list.h"
#include "data/local_map.h"
#include "data/map_data_file.h"
#include "data/object_list.h"
#include "data/sprite_set.h"
#include "data/world_buffer.h"

constexpr int kMapCanvasWidth = 864;   // 48 cells of 18 pixels, and the world view
constexpr int kMapCanvasHeight = 480;  // 24 cells of 20 pixels, and 480 world rows
constexpr int kPaletteColumns = 32;    // the palette shows codes 0..255 in 32 x 8 cells
constexpr int kPaletteRows = 8;

// Tile code `code` into the cell whose top-left pixel is (px, py): the
// background sprite for the map kind, then the foreground over it, both
// masked. Nothing clears the cell first; an absent sprite is not drawn.
void drawTileCell(BITMAP* target, const SpriteSet& sprites, int px, int py, int code, int kind);

// The 48 x 24 cells of map, row 23 included for every kind.
void drawLocalMap(BITMAP* target, const SpriteSet& sprites, const LocalMap& map);

// A placement as drawn: the sprite slot of the record it names and its cell
// (0-based; a placement's own x and y count from 1).
struct PlacedSprite {
  int slot;
  int column;
  int row;
};

// The placements of data that name a record, in index order; returns how
// many were written to out (room for kPlacementCount).
int listPlacedSprites(const MapDataFile& data, const ObjectList& objects, const CreatureList& creatures,
                      PlacedSprite* out);

// The placed sprites in the order given, each at its cell.
void drawPlacedSprites(BITMAP* target, const SpriteSet& sprites, const PlacedSprite* placed, int count);

// The sprites of every placement that names a record, in index order (later
// ones on top), each at its 1-based cell; clipped at the bitmap's edges.
void drawPlacements(BITMAP* target, const SpriteSet& sprites, const MapDataFile& data,
                    const ObjectList& objects, const CreatureList& creatures);

// The 256 palette cells, code c at column c % 32, row c / 32, for the map kind.
void drawPalette(BITMAP* target, const SpriteSet& sprites, int kind);

// The world view: pixel (px, py) shows world cell ((px * 960) / 864, py) in
// the colour of pixel (5, 5) of the cell's foreground sprite, so world columns
// 9, 19, ... 959 are never shown. Every pixel of the 864 x 480 is written.
void drawWorld(BITMAP* target, const SpriteSet& sprites, const WorldBuffer& world);
