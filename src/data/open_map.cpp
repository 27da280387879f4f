// OpenMap: reading, the edit gate, undo, redo and save of the open map, each
// followed by the recovery copy and the listeners.
#include "data/open_map.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "data/map_names.h"
#include "data/world_neighbours.h"
#include "platform/backup_store.h"
#include "platform/editor_path.h"
#include "platform/file_stamp.h"

namespace {

constexpr CellBox kNoBox = {0, 0, -1, -1};

// "<directory>\<name>.DAT" of the map at mapPath; "" when it does not fit.
void dataPathOf(const char* mapPath, char* out, size_t size) {
  char dir[kPathBufferSize], name[kPathBufferSize];
  if (!directoryOf(mapPath, dir, sizeof dir)) dir[0] = '\0';
  if (!mapNameOf(mapPath, name, sizeof name)) name[0] = '\0';
  const int length = snprintf(out, size, "%s\\%s.DAT", dir, name);
  if (length < 0 || static_cast<size_t>(length) >= size) out[0] = '\0';
}

}  // namespace

MapKind kindOpenedAs(const char* path, MapKind fileKind) {
  const char* separator = path != nullptr ? lastBackslash(path, 1) : nullptr;
  int col = 0, row = 0;
  const bool worldMap = separator != nullptr && worldSquareOfFileName(separator + 1, &col, &row);
  return worldMap && fileKind != NoKind ? Wilderness : fileKind;
}

OpenMap::OpenMap(size_t memoryLimit, int stepsPerMap) : history_(map, data, memoryLimit, stepsPerMap) {}

void OpenMap::addListener(OpenMapListener* listener) { listeners_.push_back(listener); }

void OpenMap::removeListener(OpenMapListener* listener) {
  listeners_.erase(std::remove(listeners_.begin(), listeners_.end(), listener), listeners_.end());
}

void OpenMap::announce(MapChange change, CellBox cells) {
  recovery_.update(map, data, modified());
  const OpenMapEvent event{change, cells};
  for (OpenMapListener* listener : listeners_) listener->openMapChanged(event);
}

// The file's kind stays the saved content; the kind the map opens as is an
// unsaved change on top of it (no undo step: it is how the map opens).
void OpenMap::applyKindRule(const char* path) {
  kindNote_[0] = '\0';
  const MapKind fileKind = fileKind_ = map.kind;
  const MapKind kind = kindOpenedAs(path, fileKind);
  if (kind == fileKind) return;
  map.kind = kind;
  snprintf(kindNote_, sizeof kindNote_,
           "The file's header says %s: as a world map it opens as WILDERNESS, and a save writes it so.",
           fileKind == Local ? "LOCAL" : "INTERIOR");
}

bool OpenMap::open(const char* path) {
  char mapPath[kPathBufferSize], dataPath[kPathBufferSize];
  snprintf(mapPath, sizeof mapPath, "%s", path != nullptr ? path : "");
  commitEdit();  // an edit still open belongs to the map that is leaving
  dataPathOf(mapPath, dataPath, sizeof dataPath);
  const bool read = map.load(mapPath);
  dataRead_ = data.load(dataPath);
  history_.mapLoaded(mapPath, stamps());
  applyKindRule(mapPath);
  announce(MapChange::Opened, kNoBox);
  return read;
}

void OpenMap::reload() {
  char path[kMapPathSize];
  snprintf(path, sizeof path, "%s", map.path);
  open(path);
}

void OpenMap::discard() {
  commitEdit();
  reload();  // the history drops the steps after the saved state
}

void OpenMap::recover(const RecoveredMap& recovered) {
  edit([&] { applyRecoveredMap(recovered, map, data); });
}

void OpenMap::beginEdit() {
  commitEdit();  // one still open ends here, as its own step
  if (hook_ != nullptr) hook_->editBegins(*this);
  history_.beginStep();
}

bool OpenMap::commitEdit() {
  if (hook_ != nullptr && editOpen()) hook_->editEnds(*this);
  if (!history_.commitStep()) return false;
  stepsRecorded_++;
  announce(MapChange::Edited, kNoBox);
  return true;
}

bool OpenMap::undo() {
  commitEdit();
  CellBox cells;
  if (!history_.undo(&cells)) return false;
  announce(MapChange::Undone, cells);
  return true;
}

bool OpenMap::redo() {
  commitEdit();
  CellBox cells;
  if (!history_.redo(&cells)) return false;
  announce(MapChange::Redone, cells);
  return true;
}

MapFileStamps OpenMap::stamps() const { return MapFileStamps{fileStampOf(map.path), fileStampOf(data.path)}; }

MapSaveResult OpenMap::save(const char* path, BackupOperation* backup) {
  char target[kPathBufferSize];
  snprintf(target, sizeof target, "%s", path != nullptr ? path : "");
  commitEdit();
  MapSaveResult result;
  result.placementsToWrite = dataRead_ && placementsModified();
  // Both files are kept before either is replaced: a backup that fails leaves both as they were.
  result.backedUp = backup == nullptr || (backup->keep(target) && (!result.placementsToWrite || backup->keep(data.path)));
  if (!result.backedUp) return result;
  errno = 0;
  result.mapWritten = map.save(target, backup);
  result.mapError = result.mapWritten ? 0 : errno;
  if (placementsModified()) {
    errno = 0;
    result.placementsWritten = data.save(backup);
    result.placementsError = result.placementsWritten ? 0 : errno;
  }
  // Save As writes a copy: the opened file still lacks the changes. A map
  // that has no file yet is held by any file it was written to.
  const bool ownFile = strcmp(target, map.path) == 0 || map.path[0] == '\0';
  const bool mapSaved = ownFile && result.mapWritten;
  if (mapSaved || result.placementsWritten) {
    history_.markSaved(stamps(), mapSaved, result.placementsWritten);
    announce(MapChange::Saved, kNoBox);
  }
  return result;
}
