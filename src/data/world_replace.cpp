// WorldMaps: one read of each world map, the counts from it, and one
// FileReplacer that requires every map it queues.
#include "data/world_replace.h"

#include "data/local_map.h"
#include "data/map_area.h"
#include "platform/backup_store.h"
#include "platform/file_replacer.h"
#include "platform/host_path.h"

namespace {

bool leftAsItIs(const LocalMap& map, bool writable) { return !writable || map.findUnwritableTile(nullptr, nullptr); }

}  // namespace

WorldMaps::WorldMaps() = default;
WorldMaps::~WorldMaps() = default;

void WorldMaps::readSquare(int index) {
  Square& square = squares_[static_cast<size_t>(index)];
  char path[kPathBufferSize];
  square.map.reset();
  if (!worldMapFileNameIn(directory_.c_str(), index % kWorldSquares, index / kWorldSquares, path, sizeof path)) return;
  char host[4096];
  square.hostPath.clear();
  if (!pathToHost(path, host, sizeof host)) {
    square.stamp = FileStamp{false, 0, 0};
    square.writable = false;
    return;
  }
  square.stamp = fileStampOfHostPath(host, &square.writable, &square.statusChanged);
  if (!square.stamp.exists) return;
  square.hostPath = host;
  auto map = std::make_unique<LocalMap>();
  if (map->loadForReading(path)) square.map = std::move(map);
}

void WorldMaps::read(const char* directory) {
  directory_ = directory ? directory : "";
  squares_.clear();
  squares_.resize(kWorldMaps);
  for (int i = 0; i < kWorldMaps; i++) readSquare(i);
}

void WorldMaps::refresh(const char* directory) {
  if (squares_.size() != kWorldMaps || directory_ != (directory ? directory : "")) {
    read(directory);
    return;
  }
  char path[kPathBufferSize];
  for (int i = 0; i < kWorldMaps; i++) {
    Square& square = squares_[static_cast<size_t>(i)];
    long long statusChanged = 0;
    if (!square.hostPath.empty()) {
      // The file as found before: its look alone tells whether it changed.
      const FileStamp stamp = fileStampOfHostPath(square.hostPath.c_str(), nullptr, &statusChanged);
      if (!sameStamp(stamp, square.stamp) || statusChanged != square.statusChanged) readSquare(i);
    } else if (worldMapFileNameIn(directory_.c_str(), i % kWorldSquares, i / kWorldSquares, path, sizeof path) &&
               fileStampOf(path).exists) {
      readSquare(i);  // a map made since, in any letter case
    }
  }
}

const LocalMap* WorldMaps::map(int index) const {
  return index >= 0 && index < static_cast<int>(squares_.size()) ? squares_[static_cast<size_t>(index)].map.get()
                                                                 : nullptr;
}

WorldTileCount WorldMaps::count(unsigned char code) const {
  return count([code](const LocalMap& map, int) { return countTile(map, code); });
}

WorldTileCount WorldMaps::count(const CellCount& cellsToChange) const {
  WorldTileCount count;
  for (size_t i = 0; i < squares_.size(); i++) {
    const Square& square = squares_[i];
    if (!square.map) continue;
    const int cells = cellsToChange(*square.map, static_cast<int>(i));
    if (cells == 0) continue;
    if (!square.writable) {
      count.readOnlyMaps++;
    } else if (square.map->findUnwritableTile(nullptr, nullptr)) {
      count.unsavableMaps++;
    } else {
      count.maps++;
      count.cells += cells;
    }
  }
  return count;
}

WorldReplaceResult WorldMaps::replace(unsigned char from, unsigned char to, BackupOperation* backup) {
  if (from == to) return WorldReplaceResult();
  return rewrite([from](const LocalMap& map, int) { return countTile(map, from); },
                 [from, to](LocalMap& map, int) { return replaceTile(map, from, to).cells; }, backup);
}

WorldReplaceResult WorldMaps::rewrite(const CellCount& cellsToChange, const MapChange& change,
                                      BackupOperation* backup) {
  WorldReplaceResult result;
  FileReplacer batch(backup);
  batch.requireAll();
  int cells[kWorldMaps] = {};
  for (int i = 0; i < kWorldMaps; i++) {
    Square& square = squares_[static_cast<size_t>(i)];
    if (square.map && !sameStamp(square.stamp, fileStampOf(square.map->path))) readSquare(i);
    if (!square.map || cellsToChange(*square.map, i) == 0) continue;
    LocalMap& map = *square.map;
    if (leftAsItIs(map, square.writable)) {
      result.leftAsTheyAre.push_back(std::string(map.path) +
                                     (square.writable ? " (it holds a tile code 10 or 13)" : " (read-only)"));
      continue;
    }
    cells[i] = change(map, i);
    if (map.saveInto(batch, map.path) < 0) {
      batch.fail(std::string(map.path) + ": it could not be written");
      break;
    }
  }
  batch.commit();
  result.backupFailed = batch.backupFailed();
  result.interrupted = batch.interrupted();
  result.failure = batch.failure();
  result.failed = !result.failure.empty() && !result.interrupted;
  for (int i = 0; i < kWorldMaps; i++) {
    if (cells[i] == 0) continue;
    // The maps hold what was replaced; read again, they show what is on disk.
    if (result.failed || result.interrupted) {
      readSquare(i);
      continue;
    }
    result.squareWritten[i % kWorldSquares][i / kWorldSquares] = true;
    result.maps++;
    result.cells += cells[i];
    Square& square = squares_[static_cast<size_t>(i)];
    square.stamp = fileStampOfHostPath(square.hostPath.c_str(), nullptr, &square.statusChanged);
  }
  return result;
}

WorldTileCount countTileInWorld(const char* directory, unsigned char code) {
  WorldMaps maps;
  maps.read(directory);
  return maps.count(code);
}

WorldReplaceResult replaceTileInWorld(const char* directory, unsigned char from, unsigned char to,
                                      BackupOperation* backup) {
  WorldMaps maps;
  maps.read(directory);
  return maps.replace(from, to, backup);
}
