// Undo and redo on the open map: see map_edits.h.
#include "app/map_edits.h"

#include "app/crash_recovery.h"
#include "app/editor_state.h"
#include "gui/gui.h"
#include "view/map_canvas.h"
#include "view/tool_actions.h"

namespace {

// Undo applies to completed steps only: a pending placement or teleport is
// dropped, and a stroke, drag or paste in progress ends here (a button still
// held acts again only after a new press).
void endModesAndDrags(EditorState& e) {
  if (e.canvasMode == PickTeleportCell || e.canvasMode == PlaceObject) e.canvasMode = LocalEdit;
  endAreaToolAction(e.mapView);
  e.edits.commitStep();
}

// The open map shows, whatever the canvas showed, with the change outlined.
void showChange(EditorState& e, const CellBox& cells) {
  e.canvasMode = LocalEdit;
  e.teleportRows = e.openMap.teleportCount();
  if (e.selectedTeleport >= e.teleportRows) {
    e.selectedTeleport = -1;
    SetListSelection(e.teleportList, -1);
  }
  outlineCells(e.mapView, cells);
  Refresh(e.mapCanvas);
  Refresh(e.positionField);
  Refresh(e.teleportList);
  Refresh(e.placementList);
}

void takeStep(EditorState& e, bool redo) {
  endModesAndDrags(e);
  CellBox cells;
  if (!(redo ? e.edits.redo(&cells) : e.edits.undo(&cells))) {
    Refresh(e.mapCanvas);  // the mode that ended shows
    return;
  }
  showChange(e, cells);
  updateRecoveryCopy(e);
  Refresh(e.statusLine);
}

}  // namespace

void beginMapEdit(EditorState& editor) { editor.edits.beginStep(); }

void endMapEdit(EditorState& editor) {
  if (!editor.edits.commitStep()) return;
  noteMapEdited(editor);
  Refresh(editor.statusLine);  // the unsaved-changes mark
}

void undoMapEdit(EditorState& editor) { takeStep(editor, false); }

void redoMapEdit(EditorState& editor) { takeStep(editor, true); }

MapFileStamps stampsOfOpenMap(const EditorState& editor) {
  return MapFileStamps{fileStampOf(editor.openMap.path), fileStampOf(editor.mapData.path)};
}
