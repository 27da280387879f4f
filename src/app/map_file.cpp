// openMapFile, refreshAfterLoad, saveMapFile and saveMapAs, with the reports of every
// save that fails and of maps that a save could not give back as they were.
#include "app/map_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "app/crash_recovery.h"
#include "app/editor_backups.h"
#include "app/editor_state.h"
#include "app/game_directory_setting.h"
#include "app/map_edits.h"
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

// Says why openMap.save refused or failed; false when it was written.
bool reportMapSave(const LocalMap& map, const char* path, BackupOperation& backup) {
  const bool existed = isFilePath(path);
  errno = 0;
  if (map.save(path, &backup)) return true;
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
    tellUser("The map could not be written to %s: %s.%s", path, writeFailureReason(error, existed),
             keptNote(existed));
  }
  return false;
}

// Writes the placements when they changed since they were read or last
// written; a ".DAT" whose placements did not change keeps its bytes. A write
// that fails is reported; true when nothing of them is left unsaved.
bool savePlacements(EditorState& editor, BackupOperation& backup) {
  MapDataFile& data = editor.mapData;
  if (!data.placementsChanged()) return true;
  const bool existed = isFilePath(data.path);
  errno = 0;
  if (data.save(&backup)) return true;
  const int error = errno;
  if (editor.mapDataRead) {
    tellUser("The placements could not be written to %s: %s.%s", data.path,
             writeFailureReason(error, existed), keptNote(existed));
  } else {
    tellUser(
        "The objects and creatures placed on this map were not saved: %s does not exist, and "
        "placements are written only into an existing data file.",
        data.path);
  }
  return false;
}

}  // namespace

void refreshAfterLoad(EditorState& editor) {
  editor.teleportRows = editor.openMap.teleportCount();
  editor.mapView.tools.note[0] = '\0';  // it spoke of the map that was open
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
  editor.visitedMaps.visit(mapPath);  // every open, by any means, is a step of Back and Forward
  editor.teleportRows = editor.openMap.teleportCount();
  editor.objectList.load(dir);
  editor.creatureList.load(dir);
  const int length = snprintf(dataPath, sizeof dataPath, "%s\\%s.DAT", dir, name);
  if (length < 0 || static_cast<size_t>(length) >= sizeof dataPath) dataPath[0] = '\0';
  editor.mapDataRead = editor.mapData.load(dataPath) ? 1 : 0;
  editor.placementRows = kPlacementCount;
  editor.canvasMode = LocalEdit;
  forgetCursor(editor);
  editor.edits.mapLoaded(mapPath, MapFileStamps{fileStampOf(mapPath), fileStampOf(dataPath)});
  // A row selected in the previous map names another teleport or placement
  // here: a Delete must not reach it.
  editor.selectedTeleport = -1;
  editor.selectedPlacement = -1;
  editor.statusWarning[0] = '\0';
  editor.markedColumn = editor.markedRow = 0;
  SetListSelection(editor.teleportList, -1);
  SetListSelection(editor.placementList, -1);
  ScrollListToTop(editor.teleportList);  // its rows are another map's now
  ScrollListToTop(editor.placementList);
  refreshAfterLoad(editor);
  warnAboutShortMap(editor.openMap);
  warnAboutUnwritableTile(editor.openMap);
  warnAboutLoadNotes(editor.openMap);
}

bool saveMapFile(const char* path, EditorState& editor) {
  char target[kPathBufferSize];
  snprintf(target, sizeof target, "%s", path);
  // Both files are kept before either is replaced: a backup that fails leaves both as they were.
  const bool ownFile = strcmp(target, editor.openMap.path) == 0 || editor.openMap.path[0] == '\0';
  BackupOperation backup(editorBackupPlace(editor), ownFile ? "Save" : "Save As");
  const bool dataToWrite = editor.mapDataRead && editor.mapData.placementsChanged();
  if (!backup.keep(target) || (dataToWrite && !backup.keep(editor.mapData.path))) {
    reportBackupFailure("The map was not saved", backup);
    return false;
  }
  const bool mapWritten = reportMapSave(editor.openMap, target, backup);
  const bool placementsSaved = savePlacements(editor, backup);
  // Save As writes a copy: the opened file still lacks the changes. A map
  // that has no file yet is held by any file it was written to.
  if (ownFile && mapWritten) editor.edits.markSaved(stampsOfOpenMap(editor));
  updateRecoveryCopy(editor);
  return placementsSaved;
}

bool hasUnsavedChanges(const EditorState& editor) {
  return editor.mapChanged() || editor.mapData.placementsChanged();
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
