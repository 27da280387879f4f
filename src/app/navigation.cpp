// Back, forward, the neighbouring world maps and the teleport overlay's switch.
#include "app/navigation.h"

#include <cstdio>

#include "app/editor_state.h"
#include "app/map_file.h"
#include "app/unsaved_changes.h"
#include "data/map_names.h"
#include "gui/gui.h"

namespace {

EditorState& stateOf(void* editor) { return *static_cast<EditorState*>(editor); }

// The place among the visited maps moves only once the user let the open map
// go, so a cancelled question leaves back and forward where they were; the map
// opened then is the current visited map, which openMapFile does not add again.
bool stepThroughVisitedMaps(EditorState& editor, bool back) {
  const char* target = back ? editor.visitedMaps.backTarget() : editor.visitedMaps.forwardTarget();
  if (target == nullptr) return false;
  char path[kPathBufferSize];
  snprintf(path, sizeof path, "%s", target);
  if (!settleUnsavedChanges(editor)) return false;
  if (back)
    editor.visitedMaps.stepBack();
  else
    editor.visitedMaps.stepForward();
  openMapFile(path, editor);
  return true;
}

}  // namespace

bool goBack(EditorState& editor) { return stepThroughVisitedMaps(editor, true); }

bool goForward(EditorState& editor) { return stepThroughVisitedMaps(editor, false); }

bool openNeighbour(EditorState& editor, WorldDirection direction) {
  char path[kPathBufferSize];
  if (!neighbourMapPath(editor.openMap.path, direction, path, sizeof path)) return false;
  return replaceOpenMap(path, editor);
}

void toggleWorldTeleports(EditorState& editor) {
  editor.showTeleports = editor.showTeleports ? 0 : 1;
  Refresh(editor.mapCanvas);
  Refresh(editor.positionField);
}

void backCommand(void* editor) { goBack(stateOf(editor)); }
void forwardCommand(void* editor) { goForward(stateOf(editor)); }
void northCommand(void* editor) { openNeighbour(stateOf(editor), WorldDirection::North); }
void southCommand(void* editor) { openNeighbour(stateOf(editor), WorldDirection::South); }
void westCommand(void* editor) { openNeighbour(stateOf(editor), WorldDirection::West); }
void eastCommand(void* editor) { openNeighbour(stateOf(editor), WorldDirection::East); }
void showTeleportsCommand(void* editor) { toggleWorldTeleports(stateOf(editor)); }
