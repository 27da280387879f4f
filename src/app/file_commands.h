// The File menu's commands as typed operations of the program.
#pragma once

struct EditorState;

// Open: asks for a map file in the game directory and opens it, after
// settling the open map's unsaved changes.
void openMapByChoice(EditorState& editor);
// Save: writes the open map to its own file; nothing while no map is open.
void saveOpenMap(EditorState& editor);
// Quit: ends the event loop once unsaved changes are settled.
void quitEditor(EditorState& editor);
// The window's close button: Quit, unless a dialog of the editor is waiting
// for an answer (that dialog's own loop would end instead of the editor's).
void closeEditorWindow(EditorState& editor);
