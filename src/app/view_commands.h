// The View and Tools menus' commands as typed operations of the program.
#pragma once

struct EditorState;

// View > World Map: loads the world of the open map's directory (once; again
// after Local Map) and shows it; says so when no world map was found.
void showWorldMap(EditorState& editor);
// View > Local Map: the canvas shows the open map again.
void showLocalMap(EditorState& editor);
// Tools > Set ZAN Directory: asks for the game directory and keeps it in the settings.
void chooseZanDirectory(EditorState& editor);
