// The map canvas: what each mouse button does in each canvas mode, the
// teleport and object placement that end the two one-shot modes, and the
// canvas's picture by mode. The canvas callback reads the toolkit's latched
// mouse state; handleMapEvent takes the state as an argument for tests.
#pragma once
#include <allegro.h>

#include "gui/gui.h"
#include "view/map_view.h"

// The toolkit's canvas callback; data is the MapView.
void mapCanvasHandler(BITMAP* bitmap, int x, int y, void* data);

// One call of the canvas: (0, -1) first draw, (-1, 0) refresh, else a mouse
// poll at canvas pixel (x, y) with mouse the state of that poll. Polls whose
// state equals the one last acted on change nothing.
void handleMapEvent(MapView& view, BITMAP* bitmap, int x, int y, const GuiMouse& mouse);

// The canvas picture for the current mode: the world in WorldView, otherwise
// the open map with its placements when showObjects is 1.
void drawMapCanvas(MapView& view, BITMAP* bitmap);

// Outlines the box of cells on the map for about half a second (where an
// undo or redo changed the map); an empty box takes any outline away. The
// caller refreshes the canvas.
void outlineCells(MapView& view, const CellBox& cells);

// Middle button in LocalEdit: opens the destination of the first teleport on
// the cell, else the cell's own map. Nothing happens while no map is open.
// True when a map was opened.
bool followTeleport(MapView& view, int column, int row);

// Left button in PickTeleportCell: asks for the destination map and adds the
// teleport; back in LocalEdit whatever the answer.
void placeTeleport(MapView& view, int column, int row);

// A new left press in PlaceObject: fills the first free placement with the
// selected constant object and the quantity of the "Qty" box; back in LocalEdit.
void placeObject(MapView& view, int column, int row);

// "Map Tile" shows what the map cell last pointed at holds now: called after
// the open map changed under a pointer that may not move (a Replace, an undo,
// a reload), so that the field and the code Replace starts from are current.
void followMapTile(MapView& v);
