// Edit > Replace Tile...: the code last under the pointer ("Map Tile") by the
// selected tile, on the open map or in every world map of its directory,
// after a question that gives the counts of both.
#include <cstdio>
#include <cstring>

#include "app/commands.h"
#include "app/crash_recovery.h"
#include "app/editor_backups.h"
#include "app/editor_state.h"
#include "app/map_edits.h"
#include "app/map_file.h"
#include "app/unsaved_changes.h"
#include "app/user_dialogs.h"
#include "data/count_text.h"
#include "data/map_area.h"
#include "data/world_replace.h"
#include "gui/gui.h"
#include "script/world_generation.h"
#include "view/tool_actions.h"

namespace {

enum ReplaceAnswer { kThisMap = 0, kAllWorldMaps = 1 };

void note(EditorState& editor, const char* format, int code) {
  char text[kAreaNoteSize];
  snprintf(text, sizeof text, format, code);
  setAreaNote(editor.mapView, text);
}

// The world the open map belongs to: its own directory, or with no map open
// the game directory.
void worldDirectory(const EditorState& editor, char* out, size_t size) {
  if (editor.openMap.path[0] == '\0' || !directoryOf(editor.openMap.path, out, size))
    snprintf(out, size, "%s", zanDirectory(editor));
}

int askWhere(int from, int to, int mapCells, const WorldTileCount& world) {
  char cells[48], worldCells[48], maps[48], question[256];
  countText(mapCells, "cell", "cells", cells, sizeof cells);
  countText(world.cells, "cell", "cells", worldCells, sizeof worldCells);
  countText(world.maps, "world map", "world maps", maps, sizeof maps);
  if (world.maps == 0) {
    snprintf(question, sizeof question, "Replace tile %d with tile %d in %s of this map?", from, to, cells);
    return askQuestion(question, "This ~Map|~Cancel") == 0 ? kThisMap : -1;
  }
  snprintf(question, sizeof question, "Replace tile %d with tile %d in %s of this map, or in %s of %s?", from, to,
           cells, worldCells, maps);
  return askQuestion(question, "This ~Map|All ~World Maps|~Cancel");
}

void replaceInOpenMap(EditorState& editor, int from, int to) {
  beginMapEdit(editor);
  const AreaChange change = replaceTile(editor.openMap, static_cast<unsigned char>(from), static_cast<unsigned char>(to));
  endMapEdit(editor);
  Refresh(editor.mapCanvas);
  char cells[48], text[kAreaNoteSize];
  countText(change.cells, "cell", "cells", cells, sizeof cells);
  snprintf(text, sizeof text, "Replaced tile %d with tile %d in %s of this map.", from, to, cells);
  setAreaNote(editor.mapView, text);
}

// The open map is one of the maps rewritten: its unsaved changes are settled
// first, and it is read again afterwards so that it shows what is on disk.
void replaceInWorld(EditorState& editor, const char* directory, int from, int to) {
  char own[kPathBufferSize];
  const bool openIsWorldMap = isWorldMapOfItsDirectory(editor.openMap.path) &&
                              directoryOf(editor.openMap.path, own, sizeof own) && strcmp(own, directory) == 0;
  if (openIsWorldMap && !settleUnsavedChanges(editor)) return;
  BackupOperation backup(editorBackupPlace(editor), "Replace Tile");
  const WorldReplaceResult result =
      replaceTileInWorld(directory, static_cast<unsigned char>(from), static_cast<unsigned char>(to), &backup);
  if (result.backupFailed) {
    reportBackupFailure("No world map was changed", backup);
    return;
  }
  if (openIsWorldMap) {
    // Not an undo step (the maps changed on disk): the map starts a history
    // of its new file.
    endMapEdit(editor);
    editor.openMap.load(editor.openMap.path);
    editor.edits.mapLoaded(editor.openMap.path, stampsOfOpenMap(editor));
    updateRecoveryCopy(editor);
    refreshAfterLoad(editor);
  }
  char cells[48], maps[48], text[kAreaNoteSize];
  countText(result.cells, "cell", "cells", cells, sizeof cells);
  countText(result.maps, "world map", "world maps", maps, sizeof maps);
  snprintf(text, sizeof text, "Replaced tile %d with tile %d in %s of %s.", from, to, cells, maps);
  setAreaNote(editor.mapView, text);
  if (result.failed > 0)
    tellUser("%d of the world maps holding tile %d could not be written; the first is %s. Each is as it was.",
             result.failed, from, result.firstFailed);
}

}  // namespace

void replaceTileCommand(void* data) {
  EditorState& editor = *static_cast<EditorState*>(data);
  MapView& view = editor.mapView;
  endAreaToolAction(view);
  unsigned char code;
  if (!selectedPaintableCode(view, &code)) return;
  const int from = editor.mapTile, to = code;
  if (from == to) {
    note(editor, "Tile %d is the selected tile already: there is nothing to replace.", from);
    return;
  }
  char directory[kPathBufferSize];
  worldDirectory(editor, directory, sizeof directory);
  const int mapCells = countTile(editor.openMap, static_cast<unsigned char>(from));
  const WorldTileCount world = countTileInWorld(directory, static_cast<unsigned char>(from));
  if (mapCells == 0 && world.cells == 0) {
    note(editor, "Tile %d is on no cell of this map or of the world maps.", from);
    return;
  }
  const int answer = askWhere(from, to, mapCells, world);
  if (answer == kThisMap) replaceInOpenMap(editor, from, to);
  if (answer == kAllWorldMaps) replaceInWorld(editor, directory, from, to);
}
