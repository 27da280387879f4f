// Moving a selection with the Select tool: a press inside the selection lifts
// its cells, which follow the pointer (the cell pressed stays under it); the
// place they leave shows the selected tile; the release puts them down. The
// lift and the drop are one edit, made at the release, so Escape in between
// leaves the map as it was.
#pragma once
#include <allegro.h>

#include "view/map_view.h"

// A press at (column, row): lifts the selection when the Select tool is
// chosen and the cell lies in it. False when the press is not a move.
bool startSelectionMove(MapView& view, int column, int row);

// The release: the source takes the selected tile, the lifted cells land
// under the pointer, in one edit; the selection follows them.
void dropSelection(MapView& view);

// The map cell where the lifted block's top-left cell is now.
Cell movedBlockOrigin(const MapView& view);

// The source filled with the selected tile and the lifted block at the
// pointer, as the drop will leave them.
void drawSelectionMove(MapView& view, BITMAP* bitmap);
