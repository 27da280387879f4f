// Opening and saving the open map with its companion files (object and
// creature tables of its directory, its ".DAT" placements).
#pragma once

struct EditorState;

// Loads the map at path (an editor path, at most 255 characters) and its
// companion files, switches to LocalEdit, clears the teleport and placement
// selections (their rows name other records now) and redraws what shows map data.
// Warns once when the map could not be saved back as it was read (a row that
// ends early, a line end inside the grid) or could not be opened for editing.
// The map then counts as unchanged.
void openMapFile(const char* path, EditorState& editor);

// Recounts the teleports into teleportRows and redraws the widgets that show
// map data: map canvas, status line, palette and the three lists.
void refreshAfterLoad(EditorState& editor);

// Writes the open map to path and, when they changed since they were read or
// last written, its placements to the ".DAT" read when it was opened. Every
// write that fails is reported by name and reason; a file that was there is
// left as it was. The tiles count as saved once written to the open map's
// own file (or anywhere, for a map with no file); the placements once written
// (a map opened without a ".DAT" cannot keep any, and says so). Returns
// whether no placement is left unsaved.
bool saveMapFile(const char* path, EditorState& editor);

// True while the tiles or teleports (mapChanged) or the placements of the open
// map hold changes that no save has written.
bool hasUnsavedChanges(const EditorState& editor);

// Save As: asks for a file (starting at the open map's path, else the game
// directory) and writes the map there with saveMapFile, with ".MAP" added to
// a name typed without an extension; the status line is redrawn, also after
// a cancel.
void saveMapAs(EditorState& editor);

