// The process-wide EditorState pointer. It is written once at start-up (and
// cleared at shutdown) on the GUI thread and only read afterwards.
#include "app/editor_state.h"

namespace {
EditorState* currentEditor = nullptr;
}

void setEditorState(EditorState* editor) { currentEditor = editor; }

EditorState* editorState() { return currentEditor; }
