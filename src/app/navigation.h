// Moving between maps without the file selector: back and forward through
// the maps opened since start-up, the neighbouring world maps of a world map,
// and the teleports shown over the world view. Each asks about unsaved
// changes as every open does.
#pragma once
#include "data/world_neighbours.h"

struct EditorState;

// Opens the map before (or after) the open one among the visited maps. False, with
// nothing changed, at that end of the history or when the user kept the
// open map.
bool goBack(EditorState& editor);
bool goForward(EditorState& editor);

// Opens the world map beside the open one. False when the open map is no
// world map, at the edge of the world, or when the user kept the open map.
bool openNeighbour(EditorState& editor, WorldDirection direction);

// View > Show Teleports: turns the world view's teleport overlay on or off.
void toggleWorldTeleports(EditorState& editor);

// The View menu's items for these, the EditorState as data.
void backCommand(void* editor);
void forwardCommand(void* editor);
void northCommand(void* editor);
void southCommand(void* editor);
void westCommand(void* editor);
void eastCommand(void* editor);
void showTeleportsCommand(void* editor);
