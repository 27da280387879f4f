// The canvases beside the map: the tile palette (a left button selects the
// tile to paint) and the two one-cell previews, each refreshing its number.
// Each takes the MapView as data.
#pragma once
#include <allegro.h>

#include "view/map_view.h"

void paletteCanvasHandler(BITMAP* bitmap, int x, int y, void* data);
// One call of the palette canvas with the buttons of that poll.
void handlePaletteEvent(MapView& view, BITMAP* bitmap, int x, int y, int buttons);

void selectedTilePreviewHandler(BITMAP* bitmap, int x, int y, void* data);
void mapTilePreviewHandler(BITMAP* bitmap, int x, int y, void* data);
