// Edit > Auto Terrain, Apply Terrain Rules..., Reload Terrain Rules and Load
// Terrain Rules...: see terrain_commands.h. Applying asks where, with the
// cells each choice would change; the selection and the map are one undo
// step, all world maps one write with backups, as Replace Tile does.
#include "app/terrain_commands.h"

#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "app/commands.h"
#include "app/editor_backups.h"
#include "app/editor_state.h"
#include "app/game_directory_setting.h"
#include "app/left_world_write.h"
#include "app/map_file.h"
#include "app/terrain_editing.h"
#include "app/unsaved_changes.h"
#include "app/user_dialogs.h"
#include "data/terrain_world.h"
#include "gui/gui.h"
#include "platform/backup_store.h"
#include "platform/file_stamp.h"
#include "script/world_generation.h"
#include "view/tool_actions.h"

namespace {

enum class Where { Selection, Map, World, Cancel };

EditorState& stateOf(void* editor) { return *static_cast<EditorState*>(editor); }

void note(EditorState& editor, const char* text) { setAreaNote(editor.mapView, text); }

// The open map's directory, or with no map open the game directory.
void worldDirectory(const EditorState& editor, char* out, size_t size) {
  if (editor.openMap.path[0] == '\0' || !directoryOf(editor.openMap.path, out, size))
    snprintf(out, size, "%s", zanDirectory(editor));
}

// The cells of area that the rules change on the open map, beside its neighbours as they are on disk.
int openMapEdits(EditorState& editor, const CellRect& area, std::vector<TerrainCellEdit>& edits) {
  if (editor.openMap.path[0] == '\0') return 0;
  TerrainGrid grid;
  buildMapTerrainGrid(editor.openMap, openMapNeighbours(editor), grid);
  return terrainEditsForArea(editorTerrainRules(editor), grid, area, edits);
}

struct Counts {
  bool selection = false, map = false;
  int selectionCells = 0, mapCells = 0;
  int worldMapsRead = 0;
  WorldTileCount world;
};

Where askWhere(const Counts& counts) {
  char question[512], part[160];
  snprintf(question, sizeof question, "The terrain rules change ");
  char buttons[96] = "";
  Where answers[4];
  int count = 0;
  if (counts.selection) {
    snprintf(part, sizeof part, "%d cells of the selection, ", counts.selectionCells);
    strncat(question, part, sizeof question - strlen(question) - 1);
    strncat(buttons, "~Selection|", sizeof buttons - strlen(buttons) - 1);
    answers[count++] = Where::Selection;
  }
  if (counts.map) {
    snprintf(part, sizeof part, "%d cells of this map, ", counts.mapCells);
    strncat(question, part, sizeof question - strlen(question) - 1);
    strncat(buttons, "This ~Map|", sizeof buttons - strlen(buttons) - 1);
    answers[count++] = Where::Map;
  }
  if (counts.worldMapsRead > 0) {
    snprintf(part, sizeof part, "%d cells in %d of the %d world maps, ", counts.world.cells, counts.world.maps,
             counts.worldMapsRead);
    strncat(question, part, sizeof question - strlen(question) - 1);
    strncat(buttons, "All ~World Maps|", sizeof buttons - strlen(buttons) - 1);
    answers[count++] = Where::World;
  }
  // "change A, B, " becomes "change A, B. Apply them where?"
  question[strlen(question) - 2] = '\0';
  strncat(question, ". Apply them where?", sizeof question - strlen(question) - 1);
  strncat(buttons, "~Cancel", sizeof buttons - strlen(buttons) - 1);
  answers[count] = Where::Cancel;
  const int answer = askQuestion(question, buttons);
  return answer >= 0 && answer <= count ? answers[answer] : Where::Cancel;
}

void applyToOpenMap(EditorState& editor, const CellRect& area, const char* where) {
  std::vector<TerrainCellEdit> edits;
  openMapEdits(editor, area, edits);
  holdAutoTerrain(editor, true);
  editor.document.edit([&] {
    for (const TerrainCellEdit& edit : edits) editor.openMap.setTile(edit.x, edit.y, edit.code);
  });
  holdAutoTerrain(editor, false);
  char text[kAreaNoteSize];
  snprintf(text, sizeof text, "The terrain rules changed %d cells of %s.", static_cast<int>(edits.size()), where);
  note(editor, text);
}

// The open map is one of the maps rewritten: its unsaved changes are settled
// first, and it is read again afterwards so that it shows what is on disk.
void applyToWorld(EditorState& editor, WorldMaps& maps, const WorldTerrainPass& pass, const char* directory) {
  char own[kPathBufferSize];
  const bool openIsWorldMap = isWorldMapOfItsDirectory(editor.openMap.path) &&
                              directoryOf(editor.openMap.path, own, sizeof own) && strcmp(own, directory) == 0;
  const FileStamp before = fileStampOf(editor.openMap.path);
  if (openIsWorldMap && !settleUnsavedChanges(editor)) return;
  // The open map was saved just now: the world is evaluated again with it.
  std::unique_ptr<WorldTerrainPass> fresh;
  if (openIsWorldMap && !sameStamp(before, fileStampOf(editor.openMap.path))) {
    maps.read(directory);
    fresh = std::make_unique<WorldTerrainPass>(maps, editorTerrainRules(editor));
  }
  BackupOperation backup(editorBackupPlace(editor), "Apply Terrain Rules");
  const WorldReplaceResult result = (fresh ? *fresh : pass).write(maps, &backup);
  if (result.backupFailed) {
    reportBackupFailure("No world map was changed", backup);
    return;
  }
  if (result.failed) {
    tellUser("No world map was changed: %s. Every map is as it was.", result.failure.c_str());
    return;
  }
  if (result.interrupted) {
    tellUser("Applying the terrain rules stopped between the world maps: %s.", result.failure.c_str());
    settleLeftWorldWrite(editor, directory);
  }
  // Not an undo step (the maps changed on disk): the map and its placements
  // are read anew and start a history of the new files.
  if (openIsWorldMap) editor.document.reload();
  char text[kAreaNoteSize];
  snprintf(text, sizeof text, "The terrain rules changed %d cells in %d world maps.", result.cells, result.maps);
  note(editor, text);
  if (!result.leftAsTheyAre.empty())
    tellUser("%zu world maps the terrain rules change were left as they were; the first is %s.",
             result.leftAsTheyAre.size(), result.leftAsTheyAre[0].c_str());
}

// What the rules file read gave, on the status line, or why it gave no rules.
void reportRules(EditorState& editor) {
  char status[1400];
  terrainRulesStatus(editor, status, sizeof status);
  if (editorTerrainRules(editor).empty()) {
    tellUser("The terrain rules are not used: %s", status);
    return;
  }
  char text[sizeof status + 8];  // the note keeps what fits
  snprintf(text, sizeof text, "Read %s.", status);
  note(editor, text);
}

void tellRulesNotUsed(const EditorState& editor) {
  char status[1400];
  terrainRulesStatus(editor, status, sizeof status);
  tellUser("The terrain rules are not used: %s. Nothing was changed.", status);
}

}  // namespace

void autoTerrainCommand(void* data) {
  EditorState& editor = stateOf(data);
  endAreaToolAction(editor.mapView);
  setAutoTerrain(editor, !autoTerrainOn(editor));
  if (autoTerrainOn(editor) && !refreshTerrainRules(editor)) tellRulesNotUsed(editor);
  note(editor, autoTerrainOn(editor) ? "Auto Terrain is on: edits of the map end with the terrain rules."
                               : "Auto Terrain is off.");
}

void applyTerrainRulesCommand(void* data) {
  EditorState& editor = stateOf(data);
  endAreaToolAction(editor.mapView);
  if (!refreshTerrainRules(editor)) {
    tellRulesNotUsed(editor);
    return;
  }
  char directory[kPathBufferSize];
  worldDirectory(editor, directory, sizeof directory);
  Counts counts;
  std::vector<TerrainCellEdit> edits;
  const CellRect selection = editor.mapView.tools.selection;
  counts.map = editor.openMap.path[0] != '\0';
  counts.selection = counts.map && !selection.empty();
  if (counts.selection) counts.selectionCells = openMapEdits(editor, selection, edits);
  if (counts.map) counts.mapCells = openMapEdits(editor, {0, 0, kMapColumns - 1, kMapRows - 1}, edits);
  WorldMaps maps;
  maps.read(directory);
  const WorldTerrainPass pass(maps, editorTerrainRules(editor));
  counts.worldMapsRead = pass.mapsRead();
  counts.world = pass.count(maps);
  if (counts.mapCells == 0 && counts.world.cells == 0) {
    note(editor, "The terrain rules change no cell of this map or of the world maps.");
    return;
  }
  switch (askWhere(counts)) {
    case Where::Selection: applyToOpenMap(editor, selection, "the selection"); break;
    case Where::Map: applyToOpenMap(editor, {0, 0, kMapColumns - 1, kMapRows - 1}, "this map"); break;
    case Where::World: applyToWorld(editor, maps, pass, directory); break;
    case Where::Cancel: break;
  }
}

void reloadTerrainRulesCommand(void* data) {
  EditorState& editor = stateOf(data);
  reloadTerrainRules(editor);
  reportRules(editor);
}

void loadTerrainRulesCommand(void* data) {
  EditorState& editor = stateOf(data);
  char start[kPathBufferSize];
  snprintf(start, sizeof start, "%s\\", zanDirectory(editor));
  const char* chosen = chooseFile("*.rules", start, kSelectOpenFlags, "Load Terrain Rules", "Load");
  if (chosen == nullptr || chosen[0] == '\0') return;
  char path[kPathBufferSize];
  snprintf(path, sizeof path, "%s", chosen);
  loadTerrainRules(editor, path);
  reportRules(editor);
}

bool autoTerrainChecked(const EditorState& editor) { return autoTerrainOn(editor); }
