// View > World Map and Local Map, Tools > Set ZAN Directory.
#include "app/view_commands.h"

#include <cstdio>
#include <cstring>

#include "app/editor_state.h"
#include "app/game_directory_setting.h"
#include "app/user_dialogs.h"
#include "data/map_names.h"
#include "data/world_loader.h"
#include "gui/gui.h"
#include "script/toolkit_progress.h"

namespace {

// The world view's progress window has no title and keeps its id in
// EditorState while it is open.
constexpr int kWorldProgressBarWidth = 200;

// The world to show: the open map's own; with no map open, the world shown
// last, or else the one in the game directory ("ZANDirectory").
void worldPrefixFor(const EditorState& editor, char* prefix, size_t size) {
  const char* lastShown = editor.worldPrefix;
  const char* directory = zanDirectory(editor);
  if (editor.openMap.path[0] != '\0') {
    if (!directoryPrefixOf(editor.openMap.path, prefix, size)) prefix[0] = '\0';
  } else if (lastShown[0] != '\0') {
    snprintf(prefix, size, "%s", lastShown);
  } else if (directory[0] != '\0') {
    const size_t length = strlen(directory);
    snprintf(prefix, size, "%s%s", directory, directory[length - 1] == '\\' ? "" : "\\");
  } else {
    prefix[0] = '\0';
  }
}

}  // namespace

void showWorldMap(EditorState& editor) {
  if (editor.canvasMode == WorldView) return;
  char prefix[kPathBufferSize];
  worldPrefixFor(editor, prefix, sizeof prefix);
  snprintf(editor.worldPrefix, sizeof editor.worldPrefix, "%s", prefix);
  ToolkitProgress progress("", kWorldProgressBarWidth, &editor.progressWindow);
  loadWorld(prefix, editor.worldBuffer, &progress, &editor.worldTeleports);
  editor.canvasMode = WorldView;
  forgetCursor(editor);
  Refresh(editor.mapCanvas);
  Refresh(editor.positionField);
  if (countWorldMapFiles(prefix) == 0) {
    char where[kPathBufferSize];
    if (prefix[0] == '\0' || !directoryOf(prefix, where, sizeof where))
      snprintf(where, sizeof where, "the working directory");
    tellUser("No world maps were found: DOLA looked for ZANAA.MAP to ZANTT.MAP in %s.", where);
  }
}

void showLocalMap(EditorState& editor) {
  editor.canvasMode = LocalEdit;
  forgetCursor(editor);
  Refresh(editor.mapCanvas);  // the canvas redraws by mode: the open map shows at once
  Refresh(editor.positionField);
}

void showObjectsChanged(EditorState& editor) { Refresh(editor.mapCanvas); }

void cancelClickMode(EditorState& editor) {
  if (editor.canvasMode != PickTeleportCell && editor.canvasMode != PlaceObject) return;
  showLocalMap(editor);
  Refresh(editor.statusLine);
}

void chooseZanDirectory(EditorState& editor) {
  const char* path = chooseFile("*.*", "", kSelectDirectoryFlags, "Select ZAN Directory", "Select");
  if (path[0] != '\0') setZanDirectory(editor, path);
}
