// Replace Tile over a whole world: the 400 world maps ZANAA.MAP .. ZANTT.MAP
// of a directory are read once (and kept, read again only where a file's
// stamp changed) (read-only, so that read-only maps are seen
// and counted), the question's counts are taken from them, and the same maps
// are replaced in every map that holds the code, all together or not at all.
// A map that does not load whole (missing, no kind, a short row) is neither
// counted nor written, so no file is ever rewritten from a partial read. A
// read-only map, or one holding a code no MAP file can carry (10, 13), is
// counted apart and left as it is: the question says so and the result names
// them. The maps replaced are kept in one backup first.
#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "data/map_names.h"
#include "platform/file_stamp.h"

class BackupOperation;
class LocalMap;

struct WorldTileCount {
  int maps = 0;          // world maps holding the code that will be replaced
  int cells = 0;         // its cells in them (rows each map's kind stores)
  int readOnlyMaps = 0;  // maps holding the code that are read-only: left as they are
  int unsavableMaps = 0; // maps holding the code and a tile code no MAP file can carry: left as they are
};

struct WorldReplaceResult {
  int maps = 0;   // maps written with the code replaced
  int cells = 0;  // cells replaced in them
  bool failed = false;        // nothing was replaced: failure says why
  bool backupFailed = false;  // ... because the backup failed
  bool interrupted = false;   // stopped between renames: the journal holds the rest
  std::string failure;        // the reason, naming the file; "" when none
  std::vector<std::string> leftAsTheyAre;  // maps holding the code left as they were: "<path> (read-only)", ...
  bool squareWritten[kWorldSquares][kWorldSquares] = {};  // [column][row]
};

// The world maps of one directory as they were read.
class WorldMaps {
 public:
  WorldMaps();
  ~WorldMaps();
  WorldMaps(const WorldMaps&) = delete;
  WorldMaps& operator=(const WorldMaps&) = delete;

  // Reads every world map of directory read-only.
  void read(const char* directory);
  // The same, keeping each map already read from directory whose file's
  // stamp (size, time, and the time its permissions last changed) is
  // unchanged: only the maps changed since are read again, and a kept map
  // costs one look at its file. A Replace asked again and again reads a file
  // only when it changed.
  void refresh(const char* directory);

  WorldTileCount count(unsigned char code) const;

  // Replaces from with to in every map read that holds from and can be
  // saved, all or nothing; the old maps go into backup first (none when it
  // is null). A map whose file changed since it was read is read again.
  WorldReplaceResult replace(unsigned char from, unsigned char to, BackupOperation* backup);

  // The map of square index (row * 20 + column) as read; null when it did
  // not load whole.
  const LocalMap* map(int index) const;

  // Any change of every map read, in the same way: cellsToChange(map, index)
  // says how many cells change(map, index) would change (0: the map is left
  // alone), and a map that would change but is read-only or cannot be saved
  // is left as it is and named in the result.
  using CellCount = std::function<int(const LocalMap&, int index)>;
  using MapChange = std::function<int(LocalMap&, int index)>;
  WorldTileCount count(const CellCount& cellsToChange) const;
  WorldReplaceResult rewrite(const CellCount& cellsToChange, const MapChange& change, BackupOperation* backup);

 private:
  struct Square {
    std::unique_ptr<LocalMap> map;  // null when the square's map did not load whole
    FileStamp stamp{};
    bool writable = false;
    std::string hostPath;       // the file as found when read ("" when there was none)
    long long statusChanged = 0;  // when its permissions or owner had last changed, as read
  };
  std::string directory_;
  std::vector<Square> squares_;  // kWorldMaps, row by row

  void readSquare(int index);
};

// One-shot forms of the same.
WorldTileCount countTileInWorld(const char* directory, unsigned char code);
WorldReplaceResult replaceTileInWorld(const char* directory, unsigned char from, unsigned char to,
                                      BackupOperation* backup = nullptr);
