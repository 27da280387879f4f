// The "~Edit" menu: Undo and Redo, the area tools with their keys, Copy, Paste, the
// selection's Cut, Delete and Select All, the flips and turns, and Replace Tile. The tool commands are thin adapters around the map view's actions.
#include "app/commands.h"
#include "app/editor_state.h"
#include "app/menus.h"
#include "gui/gui.h"
#include "view/selection_edits.h"
#include "view/tool_actions.h"

namespace {

constexpr int kPlainItem = 0;

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

void fillEditMenu(void* editor) {
  AddMenuItem(kPlainItem, "~Undo\tCtrl+Z", "", undoCommand, editor);
  AddMenuItem(kPlainItem, "~Redo\tCtrl+Y", "", redoCommand, editor);
  // The chosen tool carries the check mark.
  const AreaTool tool = stateOf(editor).mapView.tools.tool;
  auto kind = [tool](AreaTool item) { return item == tool ? kGuiCheckedItem : kGuiPlainItem; };
  AddMenuItem(kind(AreaTool::Brush), "Brush", "B", brushCommand, editor);
  AddMenuItem(kind(AreaTool::Rectangle), "Rectangle", "R", rectangleCommand, editor);
  AddMenuItem(kind(AreaTool::Fill), "Fill", "F", fillCommand, editor);
  AddMenuItem(kind(AreaTool::Line), "Line", "L", lineCommand, editor);
  AddMenuItem(kind(AreaTool::Select), "Select", "S", selectCommand, editor);
  AddMenuItem(kPlainItem, "Copy", "Ctrl+C", copyCommand, editor);
  AddMenuItem(kPlainItem, "Paste", "Ctrl+V", pasteCommand, editor);
  AddMenuItem(kPlainItem, "Cut", "Ctrl+X", cutCommand, editor);
  AddMenuItem(kPlainItem, "Delete", "Del", deleteCommand, editor);
  AddMenuItem(kPlainItem, "Select All", "Ctrl+A", selectAllCommand, editor);
  AddMenuItem(kPlainItem, "Flip Left-Right", "X", flipLeftRightCommand, editor);
  AddMenuItem(kPlainItem, "Flip Top-Bottom", "Y", flipTopBottomCommand, editor);
  AddMenuItem(kPlainItem, "Turn Clockwise", "Z", turnClockwiseCommand, editor);
  AddMenuItem(kPlainItem, "Turn Counter-Clockwise", "Shift+Z", turnCounterClockwiseCommand, editor);
  AddMenuItem(kPlainItem, "Replace Tile...", "Ctrl+H", replaceTileCommand, editor);
}
