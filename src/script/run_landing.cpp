// Landing a run: one scratch LocalMap per file written, placement tables
// encoded record by record over the first 2200 bytes of their ".DAT" (the
// bytes after them stay), all of it in one FileReplacer batch.
#include "script/run_landing.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>

#include "data/progress.h"
#include "platform/backup_store.h"
#include "platform/file_replacer.h"
#include "script/script_user.h"

namespace {

constexpr int kListedMaps = 10;  // maps named in a list before "and N more"

void buildMap(const ScriptMapRecord& r, LocalMap& map) {
  map.clearTeleports();
  map.kind = Wilderness;  // every row first; the kind then decides which are saved
  for (int y = 0; y < kMapRows; y++)
    for (int x = 0; x < kMapColumns; x++) map.setTile(x, y, r.tiles[y * kMapColumns + x]);
  map.kind = r.kind;
  for (const ScriptTeleport& t : r.teleports) map.addTeleport(t.x, t.y, t.name.c_str());
}

bool mapToWrite(const ScriptMapRecord& r, bool allSquares, bool isSquare) {
  if (isSquare && allSquares) return true;
  const bool changed = r.tilesChanged() || r.kindChanged() || r.teleportsChanged();
  // A run on each world map makes no world map that is not there; a map
  // used by name is made when it was not there.
  return isSquare ? r.fromFile && changed : !r.fromFile || changed;
}

bool isSquare(ScriptMaps& maps, const ScriptMapRecord* r, int* n) {
  for (int i = 0; i < kWorldMaps; i++) {
    if (maps.square(i) == r) {
      *n = i;
      return true;
    }
  }
  return false;
}

int queueData(FileReplacer& batch, const ScriptMapRecord& r) {
  unsigned char bytes[kPlacementTableSize];
  for (int i = 0; i < kPlacementCount; i++) encodePlacement(r.placements[i], bytes + i * kPlacementSize);
  FILE* f = batch.open(r.dataPath.c_str(), "r+b");
  if (f == nullptr) return -1;
  if (fseek(f, 0, SEEK_SET) != 0 || fwrite(bytes, 1, sizeof bytes, f) != sizeof bytes) {
    batch.abandon();
    return -1;
  }
  return batch.finish();
}

}  // namespace

void landMapRun(const ScriptMapRecord& r, LocalMap& map, MapDataFile* data) {
  map.kind = r.kind;
  for (int y = 0; y < kMapRows; y++)
    for (int x = 0; x < kMapColumns; x++) map.setTile(x, y, r.tiles[y * kMapColumns + x]);
  if (r.teleportsChanged()) {
    map.clearTeleports();
    for (const ScriptTeleport& t : r.teleports) map.addTeleport(t.x, t.y, t.name.c_str());
  }
  if (data == nullptr || !r.hasData) return;
  for (int i = 0; i < kPlacementCount; i++) {
    Placement* p = data->placement(i);
    if (p != nullptr) *p = r.placements[i];
  }
}

namespace {

bool teleportOrder(const ScriptTeleport& a, const ScriptTeleport& b) {
  return std::tie(a.x, a.y, a.name) < std::tie(b.x, b.y, b.name);
}

// Teleports only before and only after the run; one of each on the same cell
// counts as one changed.
void countTeleports(const ScriptMapRecord& r, RunChanges& c) {
  std::vector<ScriptTeleport> before = r.teleportsRead, after = r.teleports, added, removed;
  std::sort(before.begin(), before.end(), teleportOrder);
  std::sort(after.begin(), after.end(), teleportOrder);
  std::set_difference(after.begin(), after.end(), before.begin(), before.end(), std::back_inserter(added),
                      teleportOrder);
  std::set_difference(before.begin(), before.end(), after.begin(), after.end(), std::back_inserter(removed),
                      teleportOrder);
  for (const ScriptTeleport& gone : removed) {
    auto same = std::find_if(added.begin(), added.end(),
                             [&](const ScriptTeleport& t) { return t.x == gone.x && t.y == gone.y; });
    if (same == added.end()) {
      c.teleportsRemoved++;
    } else {
      added.erase(same);
      c.teleportsChanged++;
    }
  }
  c.teleportsAdded += static_cast<int>(added.size());
}

}  // namespace

RunChanges countChanges(ScriptMaps& maps) {
  RunChanges c;
  const bool allSquares = maps.scope() == ScriptScope::World;
  for (ScriptMapRecord* r : maps.touched()) {
    int n = 0;
    c.maps += mapToWrite(*r, allSquares, isSquare(maps, r, &n));
    countTeleports(*r, c);
    if (!r->placementsChanged()) continue;
    c.placementMaps++;
    for (int i = 0; i < kPlacementCount; i++)
      c.placementsChanged += memcmp(&r->placements[i], &r->placementsRead[i], sizeof(Placement)) != 0;
  }
  return c;
}

std::string describeChanges(const RunChanges& c) {
  char text[256];
  snprintf(text, sizeof text,
           "%d map%s changed; teleports: %d added, %d changed, %d removed; placements: %d records in %d map%s.",
           c.maps, c.maps == 1 ? "" : "s", c.teleportsAdded, c.teleportsChanged, c.teleportsRemoved,
           c.placementsChanged, c.placementMaps, c.placementMaps == 1 ? "" : "s");
  return text;
}

std::string unwritableMaps(ScriptMaps& maps, bool allSquares, ScriptUser& user, int* count) {
  std::string list;
  *count = 0;
  auto map = std::unique_ptr<LocalMap>(new LocalMap);
  char shown[kPathBufferSize], line[kPathBufferSize + 96];
  for (ScriptMapRecord* r : maps.touched()) {
    int n = 0;
    if (!mapToWrite(*r, allSquares, isSquare(maps, r, &n))) continue;
    buildMap(*r, *map);
    int x = 0, y = 0;
    if (!map->findUnwritableTile(&x, &y) || ++*count > kListedMaps) continue;
    user.describePath(r->mapPath.c_str(), shown, sizeof shown);
    snprintf(line, sizeof line, "\n%s: tile code %d in cell (%d, %d)", shown, map->getTile(x, y), x + 1, y + 1);
    list += line;
  }
  if (*count > kListedMaps) list += "\nand " + std::to_string(*count - kListedMaps) + " more maps";
  return list;
}

void writeRun(ScriptMaps& maps, bool allSquares, ScriptUser& user, BackupOperation& backup, RunWrite& result) {
  auto map = std::unique_ptr<LocalMap>(new LocalMap);
  ProgressDisplay* progress = user.progress();
  if (progress != nullptr) progress->open();
  FileReplacer batch(&backup);
  batch.requireAll();
  std::vector<int> squares;  // the squares whose world map is in the batch
  const std::vector<ScriptMapRecord*> records = maps.touched();
  for (size_t i = 0; i < records.size() && !result.stopped; i++) {
    const ScriptMapRecord& r = *records[i];
    if (progress != nullptr) progress->setPercent(static_cast<int>(i * 100 / records.size()));
    int n = -1;
    const bool square = isSquare(maps, &r, &n);
    if (mapToWrite(r, allSquares, square)) {
      buildMap(r, *map);
      result.files++;
      if (map->saveInto(batch, r.mapPath.c_str()) < 0) {
        batch.fail(r.mapPath + ": it could not be written");
        break;
      }
      if (square) squares.push_back(n);
    }
    if (r.placementsChanged()) {
      result.files++;
      if (queueData(batch, r) < 0) {
        batch.fail(r.dataPath + ": it could not be written");
        break;
      }
    }
    result.stopped = user.stopRequested();
  }
  if (!result.stopped) {
    result.written = result.files > 0 ? batch.commit() : 0;
    result.backupFailed = batch.backupFailed();
    result.interrupted = batch.interrupted();
    result.stoppedWhilePlacing = user.stopRequested();
    result.failure = batch.failure();
    if (result.written == result.files)
      for (int n : squares) result.squareWritten[n] = true;
  }
  if (progress != nullptr) progress->close();
}
