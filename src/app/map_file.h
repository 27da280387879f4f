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

// Writes the open map to path and its placements to the ".DAT" read when it
// was opened. Every write that fails is reported by name and reason, leaving
// the file on disk as it was. A map opened without a ".DAT" saves no
// placements: when objects or creatures were placed on it, the user is told
// they were not kept. The map counts as unchanged only once everything was
// written to the open map's own files (or anywhere, for a map with no file).
// Returns whether the placements were written.
bool saveMapFile(const char* path, EditorState& editor);

// Save As: asks for a file (starting at the open map's path, else the game
// directory) and writes the map there with saveMapFile; the status line is
// redrawn, also after a cancel.
void saveMapAs(EditorState& editor);

// The game directory of the settings ("ZANDirectory"), "" when unset.
const char* zanDirectory(const EditorState& editor);
