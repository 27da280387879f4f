// The View and Tools menus' commands as typed operations of the program.
#pragma once

struct EditorState;

// View > World Map: loads the world of the open map's directory (with no map
// open, the world shown last, else the game directory's; once, and again
// after Local Map) and shows it; says so when no world map was found.
void showWorldMap(EditorState& editor);
// View > Local Map: the canvas shows the open map again.
void showLocalMap(EditorState& editor);
// "Show Objects + Creatures" was flipped: the map shows it at once.
void showObjectsChanged(EditorState& editor);
// Escape: leaves the one-shot "click on the map" modes (a new teleport's
// cell, a new placement's cell) for LocalEdit; nothing in other modes.
void cancelClickMode(EditorState& editor);
// Tools > Set ZAN Directory: asks for the game directory and keeps it in the settings.
void chooseZanDirectory(EditorState& editor);
