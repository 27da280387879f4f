// Undo and redo on the open map: see map_edits.h.
#include "app/map_edits.h"

#include "app/editor_state.h"
#include "gui/gui.h"
#include "view/tool_actions.h"

namespace {

// Undo applies to completed steps only: a pending placement or teleport is
// dropped, and a stroke, drag or paste in progress ends here (a button still
// held acts again only after a new press).
void endModesAndDrags(EditorState& e) {
  if (e.canvasMode == PickTeleportCell || e.canvasMode == PlaceObject) e.canvasMode = LocalEdit;
  endAreaToolAction(e.mapView);
}

void takeStep(EditorState& e, bool redo) {
  endModesAndDrags(e);
  if (!(redo ? e.document.redo() : e.document.undo())) Refresh(e.mapCanvas);  // the mode that ended shows
}

}  // namespace

void undoMapEdit(EditorState& editor) { takeStep(editor, false); }

void redoMapEdit(EditorState& editor) { takeStep(editor, true); }
