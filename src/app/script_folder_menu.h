// The Script menu's own scripts: the ".as" files of the "scripts" folder
// beside dola.ini and of the game directory's "scripts" folder, listed anew
// each time the menu opens, below the menu's own items and a separator.
#pragma once

struct EditorState;

// The command table's item maker for them (no separator when there are none).
void addFolderScriptItems(void* editor);

// Runs one as its opening comment says: on the open map, on a cell clicked
// first, as Generate World Map, or on each world map.
void runFolderScript(EditorState& editor, const char* path, int runsOn);

// Where the script selector opens the first time: the examples folder
// beside dola.ini when there is one, else the scripts folder.
void setFirstScriptFolder(EditorState& editor);
