// Edit > Replace Tile...: the code last under the pointer ("Map Tile") by the
// selected tile, on the open map or in every world map of its directory,
// after a question that gives the counts of both.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "app/commands.h"
#include "app/editor_backups.h"
#include "app/editor_state.h"
#include "app/game_directory_setting.h"
#include "app/left_world_write.h"
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

// " 1 read-only map will not be changed." and the like, "" for none.
std::string leftAsTheyAreNote(const WorldTileCount& world) {
  std::string text;
  char maps[64];
  if (world.readOnlyMaps > 0) {
    countText(world.readOnlyMaps, "read-only map", "read-only maps", maps, sizeof maps);
    text += std::string(" ") + maps + " will not be changed.";
  }
  if (world.unsavableMaps > 0) {
    countText(world.unsavableMaps, "map", "maps", maps, sizeof maps);
    text += std::string(" ") + maps + " holding a tile code no map file can carry (10 or 13) will not be changed.";
  }
  return text;
}

int askWhere(int from, int to, int mapCells, const WorldTileCount& world) {
  char cells[48], worldCells[48], maps[48], question[512];
  countText(mapCells, "cell", "cells", cells, sizeof cells);
  countText(world.cells, "cell", "cells", worldCells, sizeof worldCells);
  countText(world.maps, "world map", "world maps", maps, sizeof maps);
  const std::string left = leftAsTheyAreNote(world);
  if (world.maps == 0) {
    snprintf(question, sizeof question, "Replace tile %d with tile %d in %s of this map?%s", from, to, cells,
             left.c_str());
    return askQuestion(question, "This ~Map|~Cancel") == 0 ? kThisMap : -1;
  }
  snprintf(question, sizeof question, "Replace tile %d with tile %d in %s of this map, or in %s of %s?%s", from, to,
           cells, worldCells, maps, left.c_str());
  return askQuestion(question, "This ~Map|All ~World Maps|~Cancel");
}

void replaceInOpenMap(EditorState& editor, int from, int to) {
  AreaChange change{};
  editor.document.edit([&] {
    change = replaceTile(editor.openMap, static_cast<unsigned char>(from), static_cast<unsigned char>(to));
  });
  char cells[48], text[kAreaNoteSize];
  countText(change.cells, "cell", "cells", cells, sizeof cells);
  snprintf(text, sizeof text, "Replaced tile %d with tile %d in %s of this map.", from, to, cells);
  setAreaNote(editor.mapView, text);
}

// The open map is one of the maps rewritten: its unsaved changes are settled
// first, and it is read again afterwards so that it shows what is on disk.
// The names of the maps left as they were, one a line, at most a dozen.
std::string namesOf(const std::vector<std::string>& paths) {
  constexpr size_t kNamed = 12;
  std::string text;
  for (size_t i = 0; i < paths.size() && i < kNamed; i++) text += "\n" + paths[i];
  if (paths.size() > kNamed) text += "\n... and " + std::to_string(paths.size() - kNamed) + " more.";
  return text;
}

void replaceInWorld(EditorState& editor, WorldMaps& maps, const char* directory, int from, int to) {
  char own[kPathBufferSize];
  const bool openIsWorldMap = isWorldMapOfItsDirectory(editor.openMap.path) &&
                              directoryOf(editor.openMap.path, own, sizeof own) && strcmp(own, directory) == 0;
  if (openIsWorldMap && !settleUnsavedChanges(editor)) return;
  BackupOperation backup(editorBackupPlace(editor), "Replace Tile");
  const WorldReplaceResult result =
      maps.replace(static_cast<unsigned char>(from), static_cast<unsigned char>(to), &backup);
  if (result.backupFailed) {
    reportBackupFailure("No world map was changed", backup);
    return;
  }
  if (result.interrupted) {
    tellUser("Replacing tile %d stopped between the world maps: %s.", from, result.failure.c_str());
    settleLeftWorldWrite(editor, directory);
  } else if (result.failed) {
    note(editor, "Tile %d was not replaced in any world map.", from);
    tellUser("No world map was changed: %s. Every map is as it was.", result.failure.c_str());
    return;
  }
  // Not an undo step (the maps changed on disk): the map and its
  // placements are read anew and start a history of the new files.
  if (openIsWorldMap) editor.document.reload();
  if (result.interrupted) return;
  char cells[48], mapCount[48], text[kAreaNoteSize];
  countText(result.cells, "cell", "cells", cells, sizeof cells);
  countText(result.maps, "world map", "world maps", mapCount, sizeof mapCount);
  snprintf(text, sizeof text, "Replaced tile %d with tile %d in %s of %s.", from, to, cells, mapCount);
  setAreaNote(editor.mapView, text);
  if (!result.leftAsTheyAre.empty())
    tellUser("%zu world map%s holding tile %d %s left as %s:%s", result.leftAsTheyAre.size(),
             result.leftAsTheyAre.size() == 1 ? "" : "s", from, result.leftAsTheyAre.size() == 1 ? "was" : "were",
             result.leftAsTheyAre.size() == 1 ? "it was" : "they were", namesOf(result.leftAsTheyAre).c_str());
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
  // The maps read for the question are the ones replaced; those read for
  // an earlier question are kept while their files are unchanged.
  WorldMaps& maps = editor.worldMaps;
  maps.refresh(directory);
  const WorldTileCount world = maps.count(static_cast<unsigned char>(from));
  if (mapCells == 0 && world.cells == 0) {
    note(editor,
         world.readOnlyMaps + world.unsavableMaps > 0
             ? "Tile %d is on no cell of this map, and only on world maps that cannot be changed."
             : "Tile %d is on no cell of this map or of the world maps.",
         from);
    return;
  }
  const int answer = askWhere(from, to, mapCells, world);
  if (answer == kThisMap) replaceInOpenMap(editor, from, to);
  if (answer == kAllWorldMaps) replaceInWorld(editor, maps, directory, from, to);
}
