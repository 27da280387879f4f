// The Script menu's commands as typed operations of the program.
#pragma once

struct EditorState;

// Generate World Map: a whole world from a script into the open map's
// directory, after settling unsaved changes of a world map it replaces.
void generateWorldBesideOpenMap(EditorState& editor);
// Generate Local Map and Place Feature: a script run on the open map.
void generateIntoOpenMap(EditorState& editor);
