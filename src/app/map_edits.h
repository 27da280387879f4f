// The open map's edits as the program makes them: the recording gate for the
// program's own edits (a script run, Replace), undo and redo with what they
// show, and the stamps that tell the history which files a map came from.
#pragma once
#include "data/edit_history.h"

struct EditorState;

// Around one user action that changes the open map (MapHistory's gate):
// everything changed between the two is one undo step.
void beginMapEdit(EditorState& editor);
void endMapEdit(EditorState& editor);

// Edit > Undo and Redo. A one-shot mode (new teleport, new placement) and a
// stroke still held end first; then the last completed step is taken back
// (or done again) and the map, its lists and the canvas show the result at
// once, the changed cells outlined. Nothing happens without a step.
void undoMapEdit(EditorState& editor);
void redoMapEdit(EditorState& editor);

// The files the open map was read from or saved to, as they are now.
MapFileStamps stampsOfOpenMap(const EditorState& editor);
