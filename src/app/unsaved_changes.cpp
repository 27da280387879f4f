// The question before the open map is dropped (Quit, the close button, Open,
// following a teleport, a click on the world view): save, discard or cancel.
#include "app/unsaved_changes.h"

#include <cstdio>
#include <cstring>

#include "app/editor_state.h"
#include "app/map_file.h"
#include "app/user_dialogs.h"
#include "data/map_names.h"

namespace {
enum UnsavedAnswer { kSaveChanges = 0, kDiscardChanges = 1 };

// Names what is unsaved: the map's tiles and teleports, its placements, or both.
void unsavedQuestion(const EditorState& editor, char* question, size_t size) {
  const char* path = editor.openMap.path;
  const bool placements = editor.document.placementsModified();
  if (path[0] == '\0')  // painted before any map was opened
    snprintf(question, size, "The new map has unsaved changes.");
  else if (!placements)
    snprintf(question, size, "The map %s has unsaved changes.", path);
  else if (!editor.document.mapModified())
    snprintf(question, size, "The objects and creatures placed on the map %s are not saved.", path);
  else
    snprintf(question, size,
             "The map %s has unsaved changes, and the objects and creatures placed on it are not "
             "saved.",
             path);
}

}  // namespace

bool settleUnsavedChanges(EditorState& editor) {
  if (!editor.document.modified()) return true;
  char question[kPathBufferSize + 128];
  unsavedQuestion(editor, question, sizeof question);
  const int answer = askQuestion(question, "~Save|~Discard|~Cancel");
  if (answer == kDiscardChanges) {
    // Dropped at once, placements and all: whatever the caller does next
    // (another map, a rewrite of these files) starts from the files.
    editor.document.discard();
    return true;
  }
  if (answer != kSaveChanges) return false;
  if (editor.openMap.path[0] == '\0')
    saveMapAs(editor);  // a map without a file is saved where the user says
  else
    saveMapFile(editor.openMap.path, editor);
  return !editor.document.modified();
}

bool replaceOpenMap(const char* path, EditorState& editor) {
  char chosen[kPathBufferSize];
  snprintf(chosen, sizeof chosen, "%s", path ? path : "");
  // A path the map cannot hold would open as nothing under a cut name, with
  // the old placements left to be saved beside it: refuse it, as Save does.
  if (strlen(path ? path : "") >= kMapPathSize) {
    tellUser("The map %s was not opened: its path is longer than %d characters.", chosen,
             kMapPathSize - 1);
    return false;
  }
  if (!settleUnsavedChanges(editor)) return false;
  openMapFile(chosen, editor);
  return true;
}
