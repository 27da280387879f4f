// The Script menu's commands: generating the world or changing the open map with a
// user script. The script layer's generation commands do the work; here the
// editor settles unsaved changes the world would overwrite, records a run on
// the open map as one undo step, redraws what shows map data and records the mouse.
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>

#include "app/commands.h"
#include "app/script_commands.h"
#include "app/editor_backups.h"
#include "app/editor_state.h"
#include "app/game_directory_setting.h"
#include "app/map_file.h"
#include "app/unsaved_changes.h"
#include "app/user_dialogs.h"
#include "data/world_loader.h"
#include "data/world_neighbours.h"
#include "platform/editor_path.h"
#include "gui/gui.h"
#include "platform/host_path.h"
#include "script/map_generation.h"
#include "script/world_generation.h"
#include "view/tool_actions.h"

namespace {

// The last step of both commands: the map canvas ignores the mouse until it
// moves or a button changes, and a button held through the script's own
// loops paints nothing until it is pressed anew.
void recordMouse(EditorState& editor) {
  waitForNewPress(editor);
  const GuiMouse& mouse = GuiPollMouse();
  editor.lastMouseX = mouse.x;
  editor.lastMouseY = mouse.y;
  editor.lastMouseZ = mouse.z;
  editor.lastMouseButtons = mouse.b;
}

// With no map open there is no directory the user is working in: the world
// goes where the user chooses (the file-system root is never meant), and
// only into a directory that can take it.
void generateWorldIntoChosenDirectory(EditorState& editor) {
  const char* start = zanDirectory(editor);
  char directory[kPathBufferSize];
  snprintf(directory, sizeof directory, "%s",
           chooseFile("*.*", start, kSelectDirectoryFlags,
                      "Select the directory for the world maps", "Select"));
  if (directory[0] == '\0') return;
  if (!isWritableDirectory(directory)) {
    tellUser("The world maps cannot be written into %s: the directory is not writable.", directory);
    return;
  }
  // The world maps already there are kept in a backup first, as beside an open map.
  const BackupPlace backups = editorBackupPlace(editor);
  generateWorld(editor.scriptEngine, directory, nullptr, &backups);
}

// The world view shows what the world files hold, whatever the script made
// of the grid and whether or not it was written.
void reloadWorldView(EditorState& editor) {
  if (editor.canvasMode != WorldView) return;
  char prefix[kPathBufferSize];
  if (!directoryPrefixOf(editor.openMap.path, prefix, sizeof prefix)) prefix[0] = '\0';
  loadWorld(prefix, editor.worldBuffer, nullptr);
}

}  // namespace

void generateWorldBesideOpenMap(EditorState& editor) {
  if (editor.openMap.path[0] == '\0') {
    generateWorldIntoChosenDirectory(editor);
    reloadWorldView(editor);
    Refresh(editor.mapCanvas);
    recordMouse(editor);
    return;
  }
  // The world replaces the open map's own file when it is one of the world
  // maps: its unsaved changes are settled first.
  if (isWorldMapOfItsDirectory(editor.openMap.path) && !settleUnsavedChanges(editor)) {
    recordMouse(editor);
    return;
  }
  endAreaToolAction(editor.mapView);
  char directory[kPathBufferSize];
  directoryOf(editor.openMap.path, directory, sizeof directory);
  const BackupPlace backups = editorBackupPlace(editor);
  const WorldGenerationResult result = generateWorld(editor.scriptEngine, directory, &editor.openMap, &backups);
  reloadWorldView(editor);
  int col = 0, row = 0;
  const char* separator = lastBackslash(editor.openMap.path, 1);
  // Not an undo step: the map and its placements are read anew from the
  // files written (some of them, when the write was cut short), with a
  // history of their own.
  if (separator != nullptr && worldSquareOfFileName(separator + 1, &col, &row) && result.written > 0)
    editor.document.reload();
  else
    Refresh(editor.mapCanvas);
  recordMouse(editor);
}

void generateIntoOpenMap(EditorState& editor) {
  endAreaToolAction(editor.mapView);  // a stroke still held is a step of its own
  // The script works in the world grid's corner: the world view gets its
  // world back afterwards, whether the script ran, failed or was cancelled.
  std::unique_ptr<WorldBuffer> world(new (std::nothrow) WorldBuffer(editor.worldBuffer));
  editor.document.edit([&] { generateIntoMap(editor.scriptEngine, editor.openMap); });
  if (world) editor.worldBuffer = *world;
  recordMouse(editor);
}
