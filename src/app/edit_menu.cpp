// The Edit menu's area tools, Copy and Paste: thin adapters around the map
// view's actions.
#include "app/commands.h"
#include "app/editor_state.h"
#include "gui/gui.h"
#include "view/tool_actions.h"

namespace {

EditorState& stateOf(void* editor) { return *static_cast<EditorState*>(editor); }

void choose(void* editor, AreaTool tool) {
  chooseAreaTool(stateOf(editor).mapView, tool);
  Refresh(stateOf(editor).toolField);
}

}  // namespace

void brushCommand(void* editor) { choose(editor, AreaTool::Brush); }
void rectangleCommand(void* editor) { choose(editor, AreaTool::Rectangle); }
void fillCommand(void* editor) { choose(editor, AreaTool::Fill); }
void lineCommand(void* editor) { choose(editor, AreaTool::Line); }
void selectCommand(void* editor) { choose(editor, AreaTool::Select); }
void copyCommand(void* editor) { copyCells(stateOf(editor).mapView); }
void pasteCommand(void* editor) { startPaste(stateOf(editor).mapView); }
void leaveToolActionCommand(void* editor) { escapeAreaTool(stateOf(editor).mapView); }
