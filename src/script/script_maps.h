// What a script run may change beyond tiles: for each map block of the
// WorldBuffer its kind, teleports and placements, read when the run first
// touches the block and kept beside what was read, so that the run's end can
// tell what changed and land it (into the open map, or as files). No screen.
//
// Which blocks hold maps depends on the run:
//   map run    block (0, 0) is the open map (given by the caller);
//   world run  every block is its world map of a directory, read lazily:
//              kind Wilderness and the teleports of a source map (the world
//              is made anew), placements from the map's ".DAT" when there is one;
//   each run   block (0, 0) is the world map being worked on (selectSquare),
//              the other blocks hold the maps the script asks for by name (useMap).
#pragma once
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "data/local_map.h"
#include "data/map_data_file.h"
#include "data/map_names.h"
#include "data/world_buffer.h"

class ObjectList;
class CreatureList;

struct ScriptTeleport {
  int x, y;          // cell in its map, 1-based
  std::string name;  // destination map name
  bool operator==(const ScriptTeleport& o) const { return x == o.x && y == o.y && name == o.name; }
};

// One map a run touched: what it holds now and what it held when read.
struct ScriptMapRecord {
  std::string name;      // "ZANAB", "OAKVALE"
  std::string mapPath;   // editor path of its MAP file; "" for the open map
  std::string dataPath;  // editor path of its ".DAT"; "" when it has none
  bool fromFile = false;  // the MAP file existed and was read
  MapKind kind = Wilderness, kindRead = Wilderness;
  std::vector<ScriptTeleport> teleports, teleportsRead;
  bool hasData = false;  // a placement table exists (the ".DAT" was read)
  Placement placements[kPlacementCount] = {};
  Placement placementsRead[kPlacementCount] = {};
  unsigned char tilesRead[kMapRows * kMapColumns] = {};
  unsigned char tiles[kMapRows * kMapColumns] = {};  // the run's result, set when its block is taken

  bool kindChanged() const { return kind != kindRead; }
  bool teleportsChanged() const { return teleports != teleportsRead; }
  bool placementsChanged() const;
  bool tilesChanged() const;
};

enum class ScriptScope { None, Map, World, Each };

class ScriptMaps {
 public:
  ScriptMaps();
  ~ScriptMaps();
  ScriptMaps(const ScriptMaps&) = delete;
  ScriptMaps& operator=(const ScriptMaps&) = delete;

  // ---- Starting a run (each forgets the run before) ----
  // The open map (and its placement table, may be null) in block (0, 0).
  // directory: where its neighbours and the game's tables are read.
  void beginMapRun(const LocalMap& map, const MapDataFile* data, const char* directory);
  // The 400 world maps of directory, made anew: kind Wilderness, the
  // teleports of teleportSource (none when null), placements read.
  void beginWorldRun(const char* directory, const LocalMap* teleportSource);
  // Run on each world map: every world map of directory is read now (tiles,
  // kind, teleports, placements); false when none is there.
  bool beginEachRun(const char* directory);
  // Each run: puts square n (0..399) into block (0, 0) of world (its tiles,
  // the rest of block (0, 0)'s model) and takes the previous square's tiles
  // back from the block first. The other blocks are left as they are.
  void selectSquare(int n, WorldBuffer& world);
  // After a run that counts: every touched map's resulting tiles from world.
  void takeTiles(const WorldBuffer& world);
  void end();  // forgets everything (tables and records)

  ScriptScope scope() const { return scope_; }
  const char* directory() const { return directory_; }

  // ---- What the script functions ask ----
  // The map whose block holds buffer cell (x, y), 0-based; null when the
  // block holds no map in this run.
  ScriptMapRecord* recordAt(int x, int y);
  // Each run: the map name of the file of directory into the block of (x, y)
  // (not block (0, 0)). A missing file gives a new empty Interior map that
  // the run creates. False with the argument at fault and why when the block
  // is taken or the name cannot be used.
  bool useMap(int x, int y, const std::string& name, const char** argument, std::string* why, WorldBuffer& world);
  // The tile at cell (x, y) of the open map's surroundings, 0-based, x
  // -48..95, y -24..47: the world map beside it, 0 where there is none.
  int nearTile(int x, int y);
  // Each run: whether square n's tiles differ from what was read.
  // The game's object and creature tables of the run's directory, read on first use.
  const ObjectList& objects();
  const CreatureList& creatures();
  // Where the open map's tables come from instead (the editor's own): not owned.
  void useTables(const ObjectList* objects, const CreatureList* creatures);

  // ---- The run's result ----
  // Every map the run touched, in the order touched (world squares in square order).
  std::vector<ScriptMapRecord*> touched();
  ScriptMapRecord* square(int n);  // world and each runs: square n, null when never touched

 private:
  ScriptMapRecord* loadSquare(int n);
  bool readRecord(ScriptMapRecord& r, const char* mapPath, bool keepFileTeleports);
  void readData(ScriptMapRecord& r);
  void loadNeighbours();
  void listDirectory();
  bool inDirectory(const std::string& fileName) const;

  ScriptScope scope_ = ScriptScope::None;
  char directory_[kPathBufferSize] = {};
  std::vector<std::unique_ptr<ScriptMapRecord>> squares_;  // 400 in world and each runs
  std::vector<std::unique_ptr<ScriptMapRecord>> used_;     // each run: maps by name, per block
  std::unique_ptr<ScriptMapRecord> openMap_;
  int blockUsed_[kWorldMaps];  // each run: index into used_ per block, -1 none
  int current_ = -1;           // each run: the square in block (0, 0)
  const LocalMap* teleportSource_ = nullptr;
  std::unique_ptr<ObjectList> ownObjects_;
  std::unique_ptr<CreatureList> ownCreatures_;
  const ObjectList* objects_ = nullptr;
  const CreatureList* creatures_ = nullptr;
  // The open map's surroundings: 3 x 3 map blocks, the open map in the middle.
  bool nearRead_ = false;
  int nearCol_ = -1, nearRow_ = -1;  // the open map's square, -1 when it is no world map
  std::unique_ptr<unsigned char[]> near_;
  // The directory's file names in upper case, read once per run: a name
  // looked up in it costs no scan of the directory.
  bool listed_ = false;
  std::set<std::string> files_;
};
