// loadWorld: the 400 world maps into the WorldBuffer through one temporary
// LocalMap, square by square in file-name order, reporting progress as it goes
// and counting what it found; and the world map files of a directory counted.
#include "data/world_loader.h"

#include <cstring>

#include "data/local_map.h"
#include "data/map_names.h"
#include "data/text_copy.h"
#include "platform/host_path.h"

WorldLoadResult loadWorld(const char* prefix, WorldBuffer& world, ProgressDisplay* progress,
                          WorldTeleports* teleports) {
  WorldLoadResult result;
  LocalMap map;
  memset(world.cells, 0, sizeof world.cells);
  if (teleports) teleports->clear();
  if (progress) progress->open();
  char file[kPathBufferSize];
  for (int row = 0; row < kWorldSquares; row++) {
    for (int col = 0; col < kWorldSquares; col++) {
      const int n = row * kWorldSquares + col;
      if (progress) progress->setPercent(n / 4);
      const bool named = worldMapFileName(prefix, col, row, file, sizeof file);
      const bool loaded = named && map.loadForReading(file);  // read-only maps show too
      if (named && teleports) teleports->addMap(map, col, row);
      if (!loaded) {
        if (named && !result.firstMissing[0]) copyText(result.firstMissing, sizeof result.firstMissing, file);
        continue;
      }
      putMapIntoWorld(map, col, row, world);
      result.mapsLoaded++;
    }
  }
  if (progress) progress->close();
  map.clearTeleports();
  return result;
}

int countWorldMapFiles(const char* prefix) {
  int found = 0;
  char file[kPathBufferSize];
  for (int row = 0; row < kWorldSquares; ++row)
    for (int col = 0; col < kWorldSquares; ++col)
      found += worldMapFileName(prefix, col, row, file, sizeof file) && isFilePath(file);
  return found;
}
