// The canvases and fields around the map: the tile palette (a left button
// selects the tile to paint), the two one-cell previews with their numbers,
// the position field and the status line. Each takes the MapView as data.
#pragma once
#include <allegro.h>

#include "view/map_view.h"

void paletteCanvasHandler(BITMAP* bitmap, int x, int y, void* data);
// One call of the palette canvas with the buttons of that poll.
void handlePaletteEvent(MapView& view, BITMAP* bitmap, int x, int y, int buttons);

void selectedTilePreviewHandler(BITMAP* bitmap, int x, int y, void* data);
void mapTilePreviewHandler(BITMAP* bitmap, int x, int y, void* data);

// Status field texts (buffers of 1000 bytes).
void statusText(void* data, char* buffer);
void selectedTileText(void* data, char* buffer);
void mapTileText(void* data, char* buffer);
void positionText(void* data, char* buffer);
