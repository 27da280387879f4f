// What the area tools show over the map picture while the user works: the
// frame of a rectangle or a selection, the tiles a line would paint, and the
// copied block at the pointer in paste mode. Plain inputs and a target
// bitmap, drawn after the map picture; cells are 18 x 20 pixels from (0, 0).
#pragma once
#include <allegro.h>

#include "data/sprite_set.h"
#include "data/fill_region.h"
#include "data/tile_block.h"
#include "view/tile_cell_cache.h"

// How a frame is drawn: the outline of an area that will be painted, or of
// the selection (a second colour, so that both can be told apart).
enum class FrameStyle { Paint, Selection };

// A frame two pixels wide just inside the cells: a light line outside
// and a dark one inside, so it shows on any tile. Nothing for empty cells.
void drawCellFrame(BITMAP* target, const CellRect& cells, FrameStyle style);

// The outline of the region a fill would paint: on each side of a region
// cell that borders a cell outside it, a light line and a dark one inside.
void drawRegionOutline(BITMAP* target, const CellMask& region);

// Tile code into each of the cells, as the painted map will show them,
// composed through cache.
void drawTileCells(BITMAP* target, TileCellCache& cache, const SpriteSet& sprites, const Cell* cells, int count,
                   int code, int kind);

// The block with its top-left cell at (column, row), cut at the map's edges,
// framed; its cells drawn only in the first storedRows rows, which a stamp
// paints.
void drawBlockPreview(BITMAP* target, TileCellCache& cache, const SpriteSet& sprites, const TileBlock& block,
                      int column, int row, int kind, int storedRows);
