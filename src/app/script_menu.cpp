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
#include "app/left_world_write.h"
#include "app/game_directory_setting.h"
#include "app/map_file.h"
#include "app/unsaved_changes.h"
#include "app/script_output.h"
#include "app/terrain_editing.h"
#include "app/user_dialogs.h"
#include "data/world_loader.h"
#include "data/world_neighbours.h"
#include "platform/editor_path.h"
#include "gui/gui.h"
#include "platform/host_path.h"
#include "script/each_map_run.h"
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
// The directory of world maps chosen by the user; false when cancelled or
// when it cannot take the maps (the user is told).
bool chooseWorldDirectory(EditorState& editor, char* directory, size_t size) {
  const char* start = zanDirectory(editor);
  snprintf(directory, size, "%s",
           chooseFile("*.*", start, kSelectDirectoryFlags,
                      "Select the directory for the world maps", "Select"));
  if (directory[0] == '\0') return false;
  if (!isWritableDirectory(directory)) {
    tellUser("The world maps cannot be written into %s: the directory is not writable.", directory);
    return false;
  }
  return true;
}

void generateWorldIntoChosenDirectory(EditorState& editor) {
  char directory[kPathBufferSize];
  if (!chooseWorldDirectory(editor, directory, sizeof directory)) return;
  // The world maps already there are kept in a backup first, as beside an open map.
  const BackupPlace backups = editorBackupPlace(editor);
  if (generateWorld(editor.scriptEngine, directory, nullptr, &backups).interrupted)
    settleLeftWorldWrite(editor, directory);
}

// The world view shows what the world files hold, whatever the script made
// of the grid and whether or not it was written.
void reloadWorldView(EditorState& editor) {
  if (editor.canvasMode != WorldView) return;
  char prefix[kPathBufferSize];
  if (!directoryPrefixOf(editor.openMap.path, prefix, sizeof prefix)) prefix[0] = '\0';
  loadWorld(prefix, editor.worldBuffer, nullptr);
}

// After a run on the open map: the lists, the status line and the canvas
// show its teleports, placements and kind.
void showMapRunResult(EditorState& editor) {
  editor.teleportRows = editor.openMap.teleportCount();
  if (editor.selectedTeleport >= editor.teleportRows) {
    editor.selectedTeleport = -1;
    SetListSelection(editor.teleportList, -1);
  }
  Refresh(editor.mapCanvas);
  Refresh(editor.statusLine);
  Refresh(editor.teleportList);
  Refresh(editor.placementList);
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
  if (result.interrupted) settleLeftWorldWrite(editor, directory);
  reloadWorldView(editor);
  showScriptOutputIfPrinted(editor);
  int col = 0, row = 0;
  const char* separator = lastBackslash(editor.openMap.path, 1);
  // Not an undo step: the map and its placements are read anew from the
  // files written (some of them, when the write was cut short), with a
  // history of their own.
  if (separator != nullptr && worldSquareOfFileName(separator + 1, &col, &row) &&
      (result.written > 0 || result.interrupted))
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
  bool generated = false;
  // The map gets what the script made: a script that wants the terrain
  // rules calls terrain() itself.
  holdAutoTerrain(editor, true);
  editor.document.edit([&] {
    generated = generateIntoMap(editor.scriptEngine, editor.openMap, &editor.mapData, &editor.objectList,
                                &editor.creatureList);
  });
  holdAutoTerrain(editor, false);
  if (world) editor.worldBuffer = *world;
  if (generated) showMapRunResult(editor);
  showScriptOutputIfPrinted(editor);
  recordMouse(editor);
}

void runOnEachWorldMapBesideOpenMap(EditorState& editor) {
  char directory[kPathBufferSize];
  const bool mapOpen = editor.openMap.path[0] != '\0';
  if (mapOpen ? !directoryOf(editor.openMap.path, directory, sizeof directory)
              : !chooseWorldDirectory(editor, directory, sizeof directory)) {
    recordMouse(editor);
    return;
  }
  // The run may rewrite the open map's files: its unsaved changes are settled first.
  if (mapOpen && editor.document.modified() && !settleUnsavedChanges(editor)) {
    recordMouse(editor);
    return;
  }
  endAreaToolAction(editor.mapView);
  const MapFileStamps before = editor.document.stamps();
  std::unique_ptr<WorldBuffer> world(new (std::nothrow) WorldBuffer(editor.worldBuffer));
  const BackupPlace backups = editorBackupPlace(editor);
  runOnEachWorldMap(editor.scriptEngine, directory, &backups);
  if (world) editor.worldBuffer = *world;
  reloadWorldView(editor);
  const MapFileStamps after = editor.document.stamps();
  // Not an undo step: the map and its placements are read anew from the
  // files written, with a history of their own.
  if (mapOpen && (!sameStamp(before.map, after.map) || !sameStamp(before.data, after.data)))
    editor.document.reload();
  else
    Refresh(editor.mapCanvas);
  showScriptOutputIfPrinted(editor);
  recordMouse(editor);
}
