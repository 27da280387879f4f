// What the Edit menu and its keys do with the selection and with the block
// in hand: cut, delete, select the whole map, and flip or turn the block
// being pasted or moved. Each change of the map is one edit; a refusal says
// why in the tools' note.
#pragma once
#include "view/map_view.h"

// Ctrl+X: copies the selection, then fills it with the selected tile.
void cutCells(MapView& view);

// Delete: fills the selection with the selected tile.
void deleteCells(MapView& view);

// Ctrl+A: the selection becomes every cell the map stores.
void selectWholeMap(MapView& view);

// X, Y, Z, Shift+Z: flips or turns the block being moved, else the block
// being pasted (the copied block stays so for later pastes).
void transformHeldBlock(MapView& view, BlockTransform transform);
