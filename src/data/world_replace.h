// Replace Tile over a whole world: counting one tile code in the 400 world
// maps ZANAA.MAP .. ZANTT.MAP of a directory, and replacing it in every map
// that holds it, written together through one safe batch. A map that does not
// load whole (missing, no kind, a short row) is neither counted nor written,
// so no file is ever rewritten from a partial read. The maps it replaces are
// kept in one backup first: when that fails, nothing is replaced.
#pragma once
#include "data/map_names.h"

class BackupOperation;
class FileReplacer;

struct WorldTileCount {
  int maps = 0;   // world maps holding the code
  int cells = 0;  // its cells in them (rows each map's kind stores)
};

WorldTileCount countTileInWorld(const char* directory, unsigned char code);

struct WorldReplaceResult {
  int maps = 0;    // maps written with the code replaced
  int cells = 0;   // cells replaced in them
  int failed = 0;  // maps holding the code that could not be written
  bool backupFailed = false;  // the maps could not be backed up: none was written
  char firstFailed[kPathBufferSize] = {};  // the first of those, "" when none
  bool squareWritten[kWorldSquares][kWorldSquares] = {};  // [column][row]
};

// Replaces from with to in every world map of directory that holds from. A
// map that also holds a code no MAP file can carry (10, 13) cannot be saved
// and counts as failed. The old maps go into backup first (none when it is
// null; its failure() says why when backupFailed).
WorldReplaceResult replaceTileInWorld(const char* directory, unsigned char from, unsigned char to,
                                      BackupOperation* backup = nullptr);

// Commits batch, into which the world maps of directory were queued (queued:
// the batch's index per [column][row], -1 for none, with cells changed in
// each), and adds what landed and what failed to result. Nothing is
// committed when the batch's backup failed (result.backupFailed).
void commitWorldBatch(const char* directory, FileReplacer& batch, const int queued[kWorldSquares][kWorldSquares],
                      const int cells[kWorldSquares][kWorldSquares], WorldReplaceResult& result);
