// EditorState: the one editor object that owns every document and engine of
// the program, and the process-wide pointer through which callbacks without a
// data argument (the script functions, the list-row callbacks) reach it.
#pragma once

#include "data/world_buffer.h"

namespace AngelScript {
class asIScriptEngine;
}

// A plain object, allocated once at start-up and zero-filled; fields stay in
// the order of the editor's design so later work can add the missing ones.
struct EditorState {
  WorldBuffer worldBuffer;                     // world grid for the world view and scripts
  AngelScript::asIScriptEngine* scriptEngine;  // the one script engine, owned here
};

// The process-wide pointer: set right after construction, cleared at shutdown.
void setEditorState(EditorState* editor);
EditorState* editorState();
