// The question before the open map is dropped (Quit, the close button, Open,
// following a teleport, a click on the world view): save, discard or cancel.
#include <cstdio>

#include "app/editor_state.h"
#include "app/map_file.h"
#include "app/user_dialogs.h"
#include "data/map_names.h"

namespace {
enum UnsavedAnswer { kSaveChanges = 0, kDiscardChanges = 1 };
}  // namespace

bool settleUnsavedChanges(EditorState& editor) {
  if (!editor.mapChanged) return true;
  char question[kPathBufferSize + 64];
  snprintf(question, sizeof question, "The map %s has unsaved changes.", editor.openMap.path);
  const int answer = askUser(question, "~Save|~Discard|~Cancel");
  if (answer == kDiscardChanges) return true;
  if (answer != kSaveChanges) return false;
  if (editor.openMap.path[0] == '\0') return false;  // nowhere to save to: keep the map
  saveMapFile(editor.openMap.path, editor);
  return !editor.mapChanged;
}

bool replaceOpenMap(const char* path, EditorState& editor) {
  char chosen[kPathBufferSize];
  snprintf(chosen, sizeof chosen, "%s", path ? path : "");
  if (!settleUnsavedChanges(editor)) return false;
  openMapFile(chosen, editor);
  return true;
}
