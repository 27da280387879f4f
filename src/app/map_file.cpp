// openMapFile, saveMapFile and saveMapAs around the open map's document, with
// the reports of every save that fails and of maps that a save could not give
// back as they were.
#include "app/map_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "app/editor_backups.h"
#include "app/editor_state.h"
#include "app/game_directory_setting.h"
#include "app/recent_maps.h"
#include "app/user_dialogs.h"
#include "data/map_data_file.h"
#include "data/map_names.h"
#include "gui/gui.h"
#include "platform/editor_path.h"
#include "platform/file_stream.h"
#include "platform/host_path.h"
#include "platform/write_failure.h"

namespace {

bool canOpen(const char* path, const char* mode) {
  FILE* f = openStream(path, mode);
  if (f) fclose(f);
  return f != nullptr;
}

// A map file that exists but could not be read for editing, or whose rows
// stop early: what the grid holds from there on is 0, and a save writes it so.
// A map file that does not exist yet (a new cell map) has nothing to lose.
void warnAboutShortMap(const LocalMap& map, MapKind fileKind) {
  if (map.kind == NoKind || map.path[0] == '\0' || !isFilePath(map.path)) return;
  if (!canOpen(map.path, "r+")) {
    tellUser("The map %s could not be opened for editing (%s): an empty map is shown.", map.path,
             canOpen(map.path, "r") ? "it is read-only" : "it cannot be read");
    return;
  }
  const int rows = mapKindRowCount(fileKind);  // what the file should hold, whatever the map opened as
  if (map.rowsRead() >= rows) return;
  tellUser(
      "The map %s stops early: row %d of %d is missing or shorter than %d tiles. "
      "The rows from there on are shown as 0, and saving the map writes them so.",
      map.path, map.rowsRead() + 1, rows, kMapColumns);
}

// A row line of 47 tiles leaves its line end in the grid, which no save can
// write back: say where, so the user can paint over it.
void warnAboutUnwritableTile(const LocalMap& map) {
  int x, y;
  if (map.kind == NoKind || !map.findUnwritableTile(&x, &y)) return;
  tellUser(
      "The map %s holds the tile code %d at cell %d, %d (a row line shorter than %d tiles). "
      "A MAP file cannot carry it: the map cannot be saved until that cell is painted over.",
      map.path, map.getTile(x, y), x + 1, y + 1, kMapColumns);
}

// Header text a save writes otherwise (teleport pieces that are no teleports,
// numbers held at the int range, names too long to keep) and lines after the
// last row: a save drops them, so the user hears of it before making one.
void warnAboutLoadNotes(const LocalMap& map) {
  const MapLoadNotes& notes = map.loadNotes();
  const int dropped = notes.dropped();
  if (map.kind == NoKind || dropped == 0) return;
  tellUser(
      "The map %s holds %d thing%s that a save cannot write back as it is (%s). Saving the map "
      "drops or rewrites %s.",
      map.path, dropped, dropped == 1 ? "" : "s", notes.firstDropped().c_str(), dropped == 1 ? "it" : "them");
}

// The sentence after a failed write: only a file that was there is kept.
const char* keptNote(bool existed) { return existed ? " The file on disk is as it was." : ""; }

// Says why the map was not written to path; false when it was.
bool reportMapSave(const LocalMap& map, const char* path, const MapSaveResult& result) {
  if (result.mapWritten) return true;
  const bool existed = isFilePath(path);
  int x, y;
  if (map.kind == NoKind) {
    tellUser(
        "The map was not saved to %s: it is not a valid map (its first line names no map kind).",
        path);
  } else if (strlen(path) >= kMapPathSize) {
    tellUser("The map was not saved to %s: the path is longer than %d characters.", path,
             kMapPathSize - 1);
  } else if (map.findUnwritableTile(&x, &y)) {
    tellUser(
        "The map was not saved to %s: the tile code %d at cell %d, %d cannot be written in a MAP "
        "file (codes 10 and 13 end a row line). Paint that cell with another tile and save again.",
        path, map.getTile(x, y), x + 1, y + 1);
  } else {
    tellUser("The map could not be written to %s: %s.%s", path, writeFailureReason(result.mapError, existed),
             keptNote(existed));
  }
  return false;
}

// Says why placements that differ from their file were not written.
void reportPlacementsSave(const OpenMap& document, const MapSaveResult& result) {
  const char* dataPath = document.data.path;
  if (result.placementsWritten || !document.placementsModified()) return;
  const bool existed = isFilePath(dataPath);
  if (document.dataRead()) {
    tellUser("The placements could not be written to %s: %s.%s", dataPath,
             writeFailureReason(result.placementsError, existed), keptNote(existed));
  } else {
    tellUser(
        "The objects and creatures placed on this map were not saved: %s does not exist, and "
        "placements are written only into an existing data file.",
        dataPath);
  }
}

}  // namespace

void openMapFile(const char* path, EditorState& editor) {
  char mapPath[kPathBufferSize], dir[kPathBufferSize];
  snprintf(mapPath, sizeof mapPath, "%s", path ? path : "");
  if (!directoryOf(mapPath, dir, sizeof dir)) dir[0] = '\0';
  // The directory's tables first: the lists hear of the open and show them.
  editor.objectList.load(dir);
  editor.creatureList.load(dir);
  editor.visitedMaps.visit(mapPath);  // every open, by any means, is a step of Back and Forward
  editor.canvasMode = LocalEdit;
  editor.document.open(mapPath);
  noteOpenedMap(editor);
  warnAboutShortMap(editor.openMap, editor.document.fileKind());
  warnAboutUnwritableTile(editor.openMap);
  warnAboutLoadNotes(editor.openMap);
}

bool saveMapFile(const char* path, EditorState& editor) {
  char target[kPathBufferSize];
  snprintf(target, sizeof target, "%s", path);
  const bool ownFile = strcmp(target, editor.openMap.path) == 0 || editor.openMap.path[0] == '\0';
  BackupOperation backup(editorBackupPlace(editor), ownFile ? "Save" : "Save As");
  const MapSaveResult result = editor.document.save(target, &backup);
  if (!result.backedUp) {
    reportBackupFailure("The map was not saved", backup);
    return false;
  }
  reportMapSave(editor.openMap, target, result);
  reportPlacementsSave(editor.document, result);
  return !editor.document.placementsModified();
}

void saveMapAs(EditorState& editor) {
  char startPath[kPathBufferSize], target[kPathBufferSize];
  const char* start = editor.openMap.path[0] != '\0' ? editor.openMap.path : zanDirectory(editor);
  snprintf(startPath, sizeof startPath, "%s", start);
  const char* path = chooseFile("*.map", startPath, kSelectSaveAsFlags, "Save As", "Save");
  if (path[0] != '\0') {
    // A name typed without an extension gets ".MAP", lest the "*.map" list hide the file.
    const char* separator = lastBackslash(path);
    const char* name = separator ? separator + 1 : path;
    const bool bare = name[0] != '\0' && strchr(name, '.') == nullptr;
    snprintf(target, sizeof target, "%s%s", path, bare ? ".MAP" : "");
    saveMapFile(target, editor);
  }
  Refresh(editor.statusLine);
}
