// The question before the open map is dropped (Quit, the close button, Open,
// following a teleport, a click on the world view): save, discard or cancel.
#include "app/unsaved_changes.h"

#include <cstdio>

#include "app/editor_state.h"
#include "app/map_file.h"
#include "app/user_dialogs.h"
#include "data/map_names.h"

namespace {
enum UnsavedAnswer { kSaveChanges = 0, kDiscardChanges = 1 };
}  // namespace

bool settleUnsavedChanges(EditorState& editor) {
  if (!editor.mapChanged()) return true;
  const bool untitled = editor.openMap.path[0] == '\0';  // painted before any map was opened
  char question[kPathBufferSize + 64];
  if (untitled)
    snprintf(question, sizeof question, "The new map has unsaved changes.");
  else
    snprintf(question, sizeof question, "The map %s has unsaved changes.", editor.openMap.path);
  const int answer = askUser(question, "~Save|~Discard|~Cancel");
  if (answer == kDiscardChanges) return true;
  if (answer != kSaveChanges) return false;
  if (untitled)
    saveMapAs(editor);  // a map without a file is saved where the user says
  else
    saveMapFile(editor.openMap.path, editor);
  return !editor.mapChanged();
}

bool replaceOpenMap(const char* path, EditorState& editor) {
  char chosen[kPathBufferSize];
  snprintf(chosen, sizeof chosen, "%s", path ? path : "");
  if (!settleUnsavedChanges(editor)) return false;
  openMapFile(chosen, editor);
  return true;
}
