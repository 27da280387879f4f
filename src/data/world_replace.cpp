// The world's maps are read one by one into a scratch LocalMap; the changed
// ones are queued into one FileReplacer and land together at its commit,
// after their backup.
#include "data/world_replace.h"

#include "data/local_map.h"
#include "data/map_area.h"
#include "data/text_copy.h"
#include "platform/backup_store.h"
#include "platform/file_replacer.h"

namespace {

// Loads square (col, row) of directory whole into map; false otherwise.
bool loadSquare(const char* directory, int col, int row, LocalMap& map, char* path, size_t pathSize) {
  return worldMapFileNameIn(directory, col, row, path, pathSize) && map.load(path);
}

}  // namespace

WorldTileCount countTileInWorld(const char* directory, unsigned char code) {
  WorldTileCount count;
  LocalMap map;
  char path[kPathBufferSize];
  for (int row = 0; row < kWorldSquares; ++row) {
    for (int col = 0; col < kWorldSquares; ++col) {
      if (!loadSquare(directory, col, row, map, path, sizeof path)) continue;
      const int cells = countTile(map, code);
      count.maps += cells > 0;
      count.cells += cells;
    }
  }
  return count;
}

WorldReplaceResult replaceTileInWorld(const char* directory, unsigned char from, unsigned char to,
                                      BackupOperation* backup) {
  WorldReplaceResult result;
  if (from == to) return result;
  LocalMap map;
  FileReplacer batch(backup);
  int queued[kWorldSquares][kWorldSquares];
  int cells[kWorldSquares][kWorldSquares] = {};
  char path[kPathBufferSize];
  for (int row = 0; row < kWorldSquares; ++row) {
    for (int col = 0; col < kWorldSquares; ++col) {
      queued[col][row] = -1;
      if (!loadSquare(directory, col, row, map, path, sizeof path)) continue;
      cells[col][row] = replaceTile(map, from, to).cells;
      if (cells[col][row] == 0) continue;
      queued[col][row] = map.saveInto(batch, path);
      if (queued[col][row] < 0 && result.failed++ == 0) copyText(result.firstFailed, sizeof result.firstFailed, path);
    }
  }
  commitWorldBatch(directory, batch, queued, cells, result);
  return result;
}

void commitWorldBatch(const char* directory, FileReplacer& batch, const int queued[kWorldSquares][kWorldSquares],
                      const int cells[kWorldSquares][kWorldSquares], WorldReplaceResult& result) {
  if (batch.backupFailed()) {
    result.backupFailed = true;
    return;
  }
  batch.commit();
  for (int row = 0; row < kWorldSquares; ++row) {
    for (int col = 0; col < kWorldSquares; ++col) {
      if (queued[col][row] < 0) continue;
      if (!batch.placed(queued[col][row])) {
        if (result.failed++ == 0) worldMapFileNameIn(directory, col, row, result.firstFailed, kPathBufferSize);
        continue;
      }
      result.squareWritten[col][row] = true;
      result.maps++;
      result.cells += cells[col][row];
    }
  }
}
