// The Script menu's commands as typed operations of the program.
#pragma once

struct EditorState;

// Generate World Map: a whole world from a script into the open map's
// directory, after settling unsaved changes of a world map it replaces.
void generateWorldBesideOpenMap(EditorState& editor);
// Generate Local Map and Place Feature: a script run on the open map.
void generateIntoOpenMap(EditorState& editor);
// Run on Each World Map: a map script on each world map of the open map's
// directory (or a chosen one), landing as one write of the changed files.
void runOnEachWorldMapBesideOpenMap(EditorState& editor);
