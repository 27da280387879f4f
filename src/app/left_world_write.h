// A world write that did not end: a journal left beside the world maps by a
// program killed between its renames (or a rename that failed). The user is
// told what was being written and how far it got, and chooses to finish the
// write or to put its backup back; the waiting new files are removed either way.
#pragma once

struct EditorState;

// Settles a journal left in directory (an editor path), asking the user.
// True when there was one.
bool settleLeftWorldWrite(EditorState& editor, const char* directory);

// At start-up: the game directory's journal, when there is one.
void settleLeftWorldWriteAtStart(EditorState& editor);
