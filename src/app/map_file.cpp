// openMapFile, refreshAfterLoad, saveMapFile and saveMapAs, with the reports of every
// save that fails and of maps that a save could not give back as they were.
#include "app/map_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "app/editor_state.h"
#include "app/map_edits.h"
#include "app/user_dialogs.h"
#include "data/map_data_file.h"
#include "data/map_names.h"
#include "gui/gui.h"
#include "platform/file_stream.h"
#include "platform/host_path.h"

namespace {

bool canOpen(const char* path, const char* mode) {
  FILE* f = openStream(path, mode);
  if (f) fclose(f);
  return f != nullptr;
}

// A map file that exists but could not be read for editing, or whose rows
// stop early: what the grid holds from there on is 0, and a save writes it so.
// A map file that does not exist yet (a new cell map) has nothing to lose.
void warnAboutShortMap(const LocalMap& map) {
  if (map.kind == NoKind || map.path[0] == '\0' || !isFilePath(map.path)) return;
  if (!canOpen(map.path, "r+")) {
    tellUser("The map %s could not be opened for editing (%s): an empty map is shown.", map.path,
             canOpen(map.path, "r") ? "it is read-only" : "it cannot be read");
    return;
  }
  const int rows = mapKindRowCount(map.kind);
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

const char* reasonOf(int error) {
  return error ? strerror(error) : "the file could not be written";
}

// Says why openMap.save refused or failed; false when it was written.
bool reportMapSave(const LocalMap& map, const char* path) {
  errno = 0;
  if (map.save(path)) return true;
  const int error = errno;
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
    tellUser("The map could not be written to %s: %s. The file on disk is as it was.", path,
             reasonOf(error));
  }
  return false;
}

// A map opened without a ".DAT" has a table of free records that no save can
// write: anything placed on it since is what such a save would lose.
bool holdsPlacements(const MapDataFile& data) {
  for (int i = 0; i < kPlacementCount; i++) {
    const Placement* p = data.placement(i);
    if (p && (p->inUse != 0 || p->id != 0 || p->x != 0 || p->y != 0 || p->quantity != 0))
      return true;
  }
  return false;
}

}  // namespace

void refreshAfterLoad(EditorState& editor) {
  editor.teleportRows = editor.openMap.teleportCount();
  Refresh(editor.mapCanvas);
  Refresh(editor.statusLine);
  Refresh(editor.paletteCanvas);
  Refresh(editor.teleportList);
  Refresh(editor.constantObjectList);
  Refresh(editor.placementList);
}

void openMapFile(const char* path, EditorState& editor) {
  char mapPath[kPathBufferSize], dir[kPathBufferSize], name[kPathBufferSize];
  char dataPath[kPathBufferSize];
  snprintf(mapPath, sizeof mapPath, "%s", path ? path : "");
  endMapEdit(editor);  // an edit still open belongs to the map that is leaving
  if (!directoryOf(mapPath, dir, sizeof dir)) dir[0] = '\0';
  if (!mapNameOf(mapPath, name, sizeof name)) name[0] = '\0';
  editor.openMap.load(mapPath);
  editor.history.visit(mapPath);  // every open, by any means, is a step of Back and Forward
  editor.teleportRows = editor.openMap.teleportCount();
  editor.objectList.load(dir);
  editor.creatureList.load(dir);
  const int length = snprintf(dataPath, sizeof dataPath, "%s\\%s.DAT", dir, name);
  if (length < 0 || static_cast<size_t>(length) >= sizeof dataPath) dataPath[0] = '\0';
  editor.mapDataRead = editor.mapData.load(dataPath) ? 1 : 0;
  editor.placementRows = kPlacementCount;
  editor.canvasMode = LocalEdit;
  editor.edits.mapLoaded(mapPath, MapFileStamps{fileStampOf(mapPath), fileStampOf(dataPath)});
  // A row selected in the previous map names another teleport or placement
  // here: a Delete must not reach it.
  editor.selectedTeleport = -1;
  editor.selectedPlacement = -1;
  SetListSelection(editor.teleportList, -1);
  SetListSelection(editor.placementList, -1);
  refreshAfterLoad(editor);
  warnAboutShortMap(editor.openMap);
  warnAboutUnwritableTile(editor.openMap);
}

bool saveMapFile(const char* path, EditorState& editor) {
  char target[kPathBufferSize];
  snprintf(target, sizeof target, "%s", path);
  const bool mapWritten = reportMapSave(editor.openMap, target);
  errno = 0;
  const bool dataWritten = editor.mapData.save();
  const int dataError = errno;
  bool placementsLost = false;
  if (!dataWritten && editor.mapDataRead) {
    tellUser("The placements could not be written to %s: %s. The file on disk is as it was.",
             editor.mapData.path, reasonOf(dataError));
    placementsLost = true;
  } else if (!dataWritten && holdsPlacements(editor.mapData)) {
    tellUser(
        "The objects and creatures placed on this map were not saved: %s does not exist, and "
        "placements are written only into an existing data file.",
        editor.mapData.path);
    placementsLost = true;
  }
  // Save As writes a copy: the opened file still lacks the changes. A map
  // that has no file yet is held by any file it was written to.
  const bool ownFile = strcmp(target, editor.openMap.path) == 0 || editor.openMap.path[0] == '\0';
  if (ownFile && mapWritten && !placementsLost) editor.edits.markSaved(stampsOfOpenMap(editor));
  return dataWritten;
}

void saveMapAs(EditorState& editor) {
  char startPath[kPathBufferSize], target[kPathBufferSize];
  const char* start = editor.openMap.path[0] != '\0' ? editor.openMap.path : zanDirectory(editor);
  snprintf(startPath, sizeof startPath, "%s", start);
  const char* path = chooseFile("*.map", startPath, kSelectSaveAsFlags, "Save As", "Save");
  if (path[0] != '\0') {
    snprintf(target, sizeof target, "%s", path);
    saveMapFile(target, editor);
  }
  Refresh(editor.statusLine);
}

const char* zanDirectory(const EditorState& editor) {
  const char* directory = editor.settings.getString("", "ZANDirectory");
  return directory ? directory : "";
}
