// Terrain rules across the seams of the world. On a world map the cells
// beyond its edges are read from the neighbouring world maps (never written);
// outside the world, and beside a world map that does not load whole, a rule
// sees a copy of the nearest edge cell; a map that is no world map is a world
// of its own. Applying to all world maps evaluates every map against the
// world as it was before, and writes the changed maps together.
#pragma once
#include <cstdint>
#include <vector>

#include "data/local_map.h"
#include "data/map_area.h"
#include "data/map_names.h"
#include "data/terrain_eval.h"
#include "data/world_buffer.h"
#include "data/world_replace.h"
#include "platform/file_stamp.h"

class BackupOperation;

// The tiles of a square, rows of 48 codes; null when the square has no map.
using SquareTiles = const uint8_t (*)[kMapColumns];

// The eight world maps around a world map, as read from its directory.
struct TerrainNeighbours {
  bool worldMap = false;  // false: the map's margins copy its own edges
  int col = 0, row = 0;   // its square, when worldMap
  bool present[3][3] = {};  // [row offset + 1][column offset + 1]; [1][1] unused
  uint8_t tiles[3][3][kMapRows][kMapColumns] = {};
  FileStamp stamps[3][3] = {};  // each neighbour's file as it was before the read
};

// Reads the neighbours of the map at mapPath (read-only; a neighbour that
// does not load whole is absent). No neighbours when it is no world map.
void readTerrainNeighbours(const char* mapPath, TerrainNeighbours& out);
// True when no neighbour file of the map at mapPath changed, came or went
// since neighbours were read for it: they need not be read again.
bool terrainNeighboursCurrent(const char* mapPath, const TerrainNeighbours& neighbours);

// Fills grid with the stored rows of the map whose tiles are around[1][1]
// (rows: 24 for a Wilderness map, else 23) and its margins from the other
// entries of around (square (col, row) of the world; col -1 for a map that
// is no world map, whose margins copy its edges).
void buildSquareGrid(int col, int row, const SquareTiles around[3][3], int rows, TerrainGrid& grid);

// The same for a map in memory and its neighbours as read.
void buildMapTerrainGrid(const LocalMap& map, const TerrainNeighbours& neighbours, TerrainGrid& grid);

struct TerrainCellEdit {
  int x, y;  // map cell
  uint8_t code;
};

// The cells of area (clipped to the grid) whose code the rules change,
// evaluated against the grid as it is. Returns their count.
int terrainEditsForArea(const TerrainRules& rules, const TerrainGrid& grid, const CellRect& area,
                        std::vector<TerrainCellEdit>& edits);

// Applies the rules to the rectangle (x, y, width, height; clipped) of the
// world grid, the world's outside seen as copies of its edge. Returns the
// cells changed.
int applyTerrainToWorldBuffer(const TerrainRules& rules, WorldBuffer& world, int x, int y, int width, int height);

// The rules' pass over the world maps of a directory as they were read: the
// cells each map would change, every map evaluated against the world as it
// was read, so that the counts of the question and the write agree.
class WorldTerrainPass {
 public:
  WorldTerrainPass(const WorldMaps& maps, const TerrainRules& rules);
  int mapsRead() const { return mapsRead_; }
  // The maps and cells the pass changes (and those it would leave as they are).
  WorldTileCount count(const WorldMaps& maps) const;
  // Writes the changed maps all together or not at all, as Replace Tile
  // does; the old maps go into backup first (none when it is null).
  WorldReplaceResult write(WorldMaps& maps, BackupOperation* backup) const;

 private:
  std::vector<std::vector<TerrainCellEdit>> edits_;  // per square, row by row
  int mapsRead_ = 0;
};

// What applyTerrainToWorld did, or would do without write.
struct WorldTerrainResult : WorldReplaceResult {
  int mapsRead = 0;       // world maps that loaded whole
  int readOnlyMaps = 0;   // maps the rules change that are left as they are
  int unsavableMaps = 0;
};

// Reads the world maps of directory, evaluates the rules over them as one
// world and, when write, replaces every changed map (see WorldTerrainPass).
// Without write nothing is written: maps and cells say what a write changes.
WorldTerrainResult applyTerrainToWorld(const char* directory, const TerrainRules& rules, bool write,
                                       BackupOperation* backup = nullptr);
