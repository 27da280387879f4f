// The texts of the main window's status fields: the status line, the numbers
// beside the two tile previews and the position field. Each writes a
// NUL-terminated text into the toolkit's buffer (kStatusTextSize bytes).
#pragma once

constexpr int kStatusTextSize = 1000;

// What a tool or Replace Tile last had to say, else the open map's path
// (after "*" while it holds unsaved changes) and what a one-shot mode waits
// for or the warning about the open map, else "Invalid map file" after a map
// of no kind, else "Load a map to continue".
void statusText(void* editor, char* buffer);
// "Tool: " and the name of the left button's tool.
void toolText(void* editor, char* buffer);
// selectedTile and mapTile in decimal.
void selectedTileText(void* editor, char* buffer);
void mapTileText(void* editor, char* buffer);
// "column, row" of the pointed cell (from 1) in LocalEdit, "ZAN<col><row>"
// of the world square under the pointer in WorldView (with " -> " and the
// destination's name when the teleport overlay is shown and the pointer is on
// a teleport's mark), empty otherwise.
void positionText(void* editor, char* buffer);
