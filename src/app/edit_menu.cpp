// The Edit menu's area tools, Copy, Paste, the selection's Cut, Delete and
// Select All, and the flips and turns: thin adapters around the map view's actions.
#include "app/commands.h"
#include "app/editor_state.h"
#include "gui/gui.h"
#include "view/selection_edits.h"
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
void cutCommand(void* editor) { cutCells(stateOf(editor).mapView); }
void deleteCommand(void* editor) { deleteCells(stateOf(editor).mapView); }
void selectAllCommand(void* editor) { selectWholeMap(stateOf(editor).mapView); }
void flipLeftRightCommand(void* editor) {
  transformHeldBlock(stateOf(editor).mapView, BlockTransform::FlipLeftRight);
}
void flipTopBottomCommand(void* editor) {
  transformHeldBlock(stateOf(editor).mapView, BlockTransform::FlipTopBottom);
}
void turnClockwiseCommand(void* editor) {
  transformHeldBlock(stateOf(editor).mapView, BlockTransform::TurnClockwise);
}
void turnCounterClockwiseCommand(void* editor) {
  transformHeldBlock(stateOf(editor).mapView, BlockTransform::TurnCounterClockwise);
}
