// Opening and saving the open map with its companion files (object and
// creature tables of its directory, its ".DAT" placements), and replacing the
// open map without ever losing unsaved changes silently.
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

// When the open map has unsaved changes, asks
// "The map <path> has unsaved changes." with "~Save", "~Discard" and "~Cancel"
// ("The new map ..." for changes made before any map was opened; its Save
// asks for a file as Save As does).
// True when the caller may go on and drop the open map: nothing was changed,
// it was saved completely, or the user discarded the changes.
bool settleUnsavedChanges(EditorState& editor);

// Replaces the open map by the map at path (copied first, so a selector's
// buffer may be passed), after settling unsaved changes. False, with the
// open map kept, when the user cancelled, the save failed or the path is
// longer than a map path may be (which is said).
bool replaceOpenMap(const char* path, EditorState& editor);
