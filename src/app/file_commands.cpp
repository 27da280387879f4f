// File > Open, Save and Quit, and the window's close button.
#include "app/file_commands.h"

#include "app/editor_state.h"
#include "app/game_directory_setting.h"
#include "app/map_file.h"
#include "app/unsaved_changes.h"
#include "app/user_dialogs.h"
#include "gui/gui.h"

void openMapByChoice(EditorState& editor) {
  const char* path = chooseFile("*.map", zanDirectory(editor), kSelectOpenFlags, "Select File", "Open");
  if (path[0] != '\0') replaceOpenMap(path, editor);
}

void saveOpenMap(EditorState& editor) {
  if (editor.openMap.path[0] == '\0') return;
  saveMapFile(editor.openMap.path, editor);
}

void quitEditor(EditorState& editor) {
  if (settleUnsavedChanges(editor)) StopEventLoop();
}

void closeEditorWindow(EditorState& editor) {
  if (!userDialogOpen()) quitEditor(editor);
}
