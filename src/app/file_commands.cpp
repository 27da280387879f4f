// File > Open, Save, Save As and Quit.
#include <cstdio>
#include <cstring>

#include "app/commands.h"
#include "app/editor_state.h"
#include "app/map_file.h"
#include "app/user_dialogs.h"
#include "data/map_names.h"
#include "gui/gui.h"
#include "platform/editor_path.h"

namespace {

EditorState& stateOf(void* editor) { return *static_cast<EditorState*>(editor); }

const char* zanDirectory(const EditorState& editor) {
  const char* directory = editor.settings.getString("", "ZANDirectory");
  return directory ? directory : "";
}

}  // namespace

void openCommand(void* data) {
  EditorState& editor = stateOf(data);
  const char* path =
      chooseFile("*.map", zanDirectory(editor), kSelectOpenFlags, "Select File", "Open");
  if (path[0] != '\0') replaceOpenMap(path, editor);
}

void saveCommand(void* data) {
  EditorState& editor = stateOf(data);
  if (editor.openMap.path[0] == '\0') return;
  saveMapFile(editor.openMap.path, editor);
}

void saveAsCommand(void* data) {
  EditorState& editor = stateOf(data);
  const char* start = editor.openMap.path[0] != '\0' ? editor.openMap.path : zanDirectory(editor);
  char startPath[kPathBufferSize];
  snprintf(startPath, sizeof startPath, "%s", start);
  const char* path = chooseFile("*.map", startPath, kSelectSaveAsFlags, "Save As", "Save");
  if (path[0] != '\0') {
    // A name typed without an extension gets ".MAP", lest the "*.map" list hide the file.
    const char* separator = lastBackslash(path);
    const char* name = separator ? separator + 1 : path;
    const bool bare = name[0] != '\0' && strchr(name, '.') == nullptr;
    char target[kPathBufferSize];
    snprintf(target, sizeof target, "%s%s", path, bare ? ".MAP" : "");
    saveMapFile(target, editor);
  }
  Refresh(editor.statusLine);
}

void quitCommand(void* data) {
  if (settleUnsavedChanges(stateOf(data))) StopEventLoop();
}

void closeButtonCommand(void* data) {
  if (!userDialogOpen()) quitCommand(data);
}
