// Edit > Undo and Redo on the open map. The edits themselves pass the
// document's gate (OpenMap::beginEdit / commitEdit, or edit(f)); here a
// one-shot mode (new teleport, new placement) and a stroke or drag still held
// end first, then the document takes its last completed step back (or does
// it again) and its listeners show the result, the changed cells outlined.
// Nothing happens without a step.
#pragma once

struct EditorState;

void undoMapEdit(EditorState& editor);
void redoMapEdit(EditorState& editor);
