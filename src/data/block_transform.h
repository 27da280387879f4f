// Flips and quarter turns of a copied block, for paste and for a moved
// selection: X flips left-right, Y top-bottom, Z turns a quarter clockwise and
// Shift+Z a quarter the other way. Pure functions of the block; a turn swaps
// its width and height (a 48 x 24 block becomes 24 x 48, which fits the same
// storage).
#pragma once
#include "data/tile_block.h"

enum class BlockTransform { FlipLeftRight, FlipTopBottom, TurnClockwise, TurnCounterClockwise };

// The block as it looks after the transform.
TileBlock transformedBlock(const TileBlock& block, BlockTransform transform);

// Where cell (column, row) of a width x height block lands in the
// transformed block (the cell held under the pointer stays under it).
Cell transformedCell(BlockTransform transform, int width, int height, Cell cell);
