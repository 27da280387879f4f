// Edit > Replace Tile...: the code last under the pointer ("Map Tile") by the
// selected tile, on the open map or in every world map of its directory,
// after a question that gives the counts of both.
#include <cstdio>
#include <cstring>

#include "app/commands.h"
#include "app/editor_backups.h"
#include "app/editor_state.h"
#include "app/map_file.h"
#include "app/unsaved_changes.h"
#include "app/user_dialogs.h"
#include "data/map_area.h"
#include "data/world_replace.h"
#include "gui/gui.h"
#include "script/world_generation.h"
#include "view/tool_actions.h"

namespace {

enum ReplaceAnswer { kThisMap = 0, kAllWorldMaps = 1 };

// n with a comma between each group of three digits: "1,204".
void groupedCount(int n, char* out, size_t size) {
  char digits[16];
  const int length = snprintf(digits, sizeof digits, "%d", n);
  size_t used = 0;
  for (int i = 0; i < length && used + 1 < size; ++i) {
    if (i > 0 && digits[i - 1] != '-' && (length - i) % 3 == 0 && used + 2 < size) out[used++] = ',';
    out[used++] = digits[i];
  }
  out[used] = '\0';
}

void note(EditorState& editor, const char* format, int a, int b, int c, int d) {
  char text[kAreaNoteSize];
  snprintf(text, sizeof text, format, a, b, c, d);
  setAreaNote(editor.mapView, text);
}

// The world the open map belongs to: its own directory, or with no map open
// the game directory.
void worldDirectory(const EditorState& editor, char* out, size_t size) {
  if (editor.openMap.path[0] == '\0' || !directoryOf(editor.openMap.path, out, size))
    snprintf(out, size, "%s", zanDirectory(editor));
}

int askWhere(int from, int to, int mapCells, const WorldTileCount& world) {
  char cells[32], worldCells[32], question[256];
  groupedCount(mapCells, cells, sizeof cells);
  groupedCount(world.cells, worldCells, sizeof worldCells);
  if (world.maps == 0) {
    snprintf(question, sizeof question, "Replace tile %d with tile %d in %s cells of this map?", from, to, cells);
    return askQuestion(question, "This ~Map|~Cancel") == 0 ? kThisMap : -1;
  }
  snprintf(question, sizeof question, "Replace tile %d with tile %d in %s cells of this map, or in %s cells of %d world maps?",
           from, to, cells, worldCells, world.maps);
  return askQuestion(question, "This ~Map|All ~World Maps|~Cancel");
}

void replaceInOpenMap(EditorState& editor, int from, int to) {
  AreaChange change{};
  editor.document.edit([&] {
    change = replaceTile(editor.openMap, static_cast<unsigned char>(from), static_cast<unsigned char>(to));
  });
  note(editor, "Replaced tile %d with tile %d in %d cells of this map.", from, to, change.cells, 0);
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
  // Not an undo step (the maps changed on disk): the map and its
  // placements are read anew and start a history of the new files.
  if (openIsWorldMap) editor.document.reload();
  note(editor, "Replaced tile %d with tile %d in %d cells of %d world maps.", from, to, result.cells, result.maps);
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
    note(editor, "Tile %d is the selected tile already: there is nothing to replace.", from, 0, 0, 0);
    return;
  }
  char directory[kPathBufferSize];
  worldDirectory(editor, directory, sizeof directory);
  const int mapCells = countTile(editor.openMap, static_cast<unsigned char>(from));
  const WorldTileCount world = countTileInWorld(directory, static_cast<unsigned char>(from));
  if (mapCells == 0 && world.cells == 0) {
    note(editor, "Tile %d is on no cell of this map or of the world maps.", from, 0, 0, 0);
    return;
  }
  const int answer = askWhere(from, to, mapCells, world);
  if (answer == kThisMap) replaceInOpenMap(editor, from, to);
  if (answer == kAllWorldMaps) replaceInWorld(editor, directory, from, to);
}
