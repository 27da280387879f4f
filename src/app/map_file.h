// Opening and saving the open map with its companion files (object and
// creature tables of its directory, its ".DAT" placements).
#pragma once

struct EditorState;

// Loads the object and creature tables of the map's directory, then opens
// the map at path (an editor path, at most 255 characters) in the document,
// in LocalEdit; the document's listeners redraw what shows map data.
// Warns once when the map could not be saved back as it was read (a row that
// ends early, a line end inside the grid) or could not be opened for editing.
void openMapFile(const char* path, EditorState& editor);

// Saves the document to path with a backup of both files it replaces (Save,
// or Save As to another path). Every write that fails is reported by name and
// reason; a file that was there is left as it was. Returns whether no
// placement is left unsaved.
bool saveMapFile(const char* path, EditorState& editor);

// Save As: asks for a file (starting at the open map's path, else the game
// directory) and writes the map there with saveMapFile, with ".MAP" added to
// a name typed without an extension; the status line is redrawn, also after
// a cancel.
void saveMapAs(EditorState& editor);

