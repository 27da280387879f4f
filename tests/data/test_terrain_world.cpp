// Terrain rules across the seams: the margins of every world square read
// from its neighbours, or copy the edge outside the world and beside a
// missing map; neighbours read from disk; and a pass over the world maps of
// a directory that writes only what changed, and nothing for faulty rules.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <random>
#include <string>

#include "data/local_map.h"
#include "data/terrain_world.h"
#include "support/temp_dir.h"

namespace {

uint8_t worldCode(int wx, int wy) { return static_cast<uint8_t>((wx * 7 + wy * 131) % 251); }

struct SyntheticWorld {
  uint8_t tiles[kWorldSquares][kWorldSquares][kMapRows][kMapColumns];
  SyntheticWorld() {
    for (int wy = 0; wy < kWorldRows; ++wy)
      for (int wx = 0; wx < kWorldColumns; ++wx)
        tiles[wx / kMapColumns][wy / kMapRows][wy % kMapRows][wx % kMapColumns] = worldCode(wx, wy);
  }
};

const char* const kShoreRules =
    "class water = 208 97-100\nclass land = not water\n"
    "rule turn -> 97 / 100 / 98 / 99\nany land any\nany 208 any\nany water any\n";

void saveMap(const TempDir& dir, const char* name, uint8_t code, int column, uint8_t columnCode) {
  LocalMap map;
  map.kind = Wilderness;
  for (int y = 0; y < kMapRows; ++y)
    for (int x = 0; x < kMapColumns; ++x) map.setTile(x, y, x == column ? columnCode : code);
  ASSERT_TRUE(map.save(dir.editorPath(name).c_str()));
}

}  // namespace

TEST(TerrainSeams, EverySquareReadsItsNeighboursAndCopiesTheEdgeOutsideTheWorld) {
  static SyntheticWorld world;
  std::mt19937 random(29);
  TerrainGrid grid;
  for (int row = 0; row < kWorldSquares; ++row) {
    for (int col = 0; col < kWorldSquares; ++col) {
      bool present[3][3];
      SquareTiles around[3][3] = {};
      for (int dy = 0; dy < 3; ++dy) {
        for (int dx = 0; dx < 3; ++dx) {
          const int c = col + dx - 1, r = row + dy - 1;
          present[dy][dx] = (dx == 1 && dy == 1) || random() % 4 != 0;
          if (present[dy][dx] && c >= 0 && r >= 0 && c < kWorldSquares && r < kWorldSquares) around[dy][dx] = world.tiles[c][r];
        }
      }
      buildSquareGrid(col, row, around, kMapRows, grid);
      for (int y = -kTerrainMargin; y < kMapRows + kTerrainMargin; ++y) {
        for (int x = -kTerrainMargin; x < kMapColumns + kTerrainMargin; ++x) {
          // The model: the world cell there, held inside the world; a cell of
          // a missing map is the square's own nearest cell.
          const int wx = std::clamp(col * kMapColumns + x, 0, kWorldColumns - 1);
          const int wy = std::clamp(row * kMapRows + y, 0, kWorldRows - 1);
          const int dx = wx / kMapColumns - col + 1, dy = wy / kMapRows - row + 1;
          uint8_t want = worldCode(wx, wy);
          if (!present[dy][dx]) {
            want = worldCode(std::clamp(wx, col * kMapColumns, col * kMapColumns + kMapColumns - 1),
                             std::clamp(wy, row * kMapRows, row * kMapRows + kMapRows - 1));
          }
          ASSERT_EQ(want, grid.at(x, y)) << "square " << col << "," << row << " cell " << x << "," << y;
        }
      }
      ASSERT_EQ(col * kMapColumns, grid.originX);
      ASSERT_EQ(row * kMapRows, grid.originY);
    }
  }
  // A map that is no world map is a world of its own, of its stored rows.
  SquareTiles own[3][3] = {};
  own[1][1] = world.tiles[5][5];
  buildSquareGrid(-1, 0, own, kMapRows - 1, grid);
  EXPECT_EQ(kMapRows - 1, grid.height);
  EXPECT_EQ(world.tiles[5][5][22][47], grid.at(49, 24));
  EXPECT_EQ(world.tiles[5][5][0][0], grid.at(-2, -2));
  EXPECT_EQ(0, grid.originX + grid.originY);
}

TEST(TerrainSeams, NeighboursComeFromDiskAndAShoreFacesLandAcrossTheSeam) {
  TempDir dir;
  saveMap(dir, "ZANAB.MAP", 208, -1, 0);   // water
  saveMap(dir, "ZANBB.MAP", 250, -1, 0);   // grass east of it
  saveMap(dir, "ZANAC.MAP", 208, 47, 250);  // water south of it, grass in its east column
  LocalMap map;
  ASSERT_TRUE(map.load(dir.editorPath("ZANAB.MAP").c_str()));
  TerrainNeighbours neighbours;
  readTerrainNeighbours(map.path, neighbours);
  ASSERT_TRUE(neighbours.worldMap);
  EXPECT_EQ(0 * 100 + 1, neighbours.col * 100 + neighbours.row);
  const bool want[3][3] = {{false, false, false}, {false, false, true}, {false, true, false}};
  for (int dy = 0; dy < 3; ++dy) {
    for (int dx = 0; dx < 3; ++dx) {
      if (dx == 1 && dy == 1) continue;
      EXPECT_EQ(want[dy][dx], neighbours.present[dy][dx]) << dx << "," << dy;
    }
  }
  TerrainRules rules;
  ASSERT_TRUE(rules.parse(kShoreRules, strlen(kShoreRules)));
  TerrainGrid grid;
  buildMapTerrainGrid(map, neighbours, grid);
  std::vector<TerrainCellEdit> edits;
  terrainEditsForArea(rules, grid, {0, 0, 47, 23}, edits);
  // The east column faces the grass of ZANBB: shore pieces with land to the
  // east; the west edge of the world is a copy of water, so nothing there.
  ASSERT_EQ(24u, edits.size());
  for (const TerrainCellEdit& edit : edits) EXPECT_EQ(47 * 1000 + 100, edit.x * 1000 + edit.code) << edit.y;
  // Kept until a neighbour's file comes or goes (or changes).
  EXPECT_TRUE(terrainNeighboursCurrent(map.path, neighbours));
  saveMap(dir, "ZANBC.MAP", 250, -1, 0);  // south-east, missing until now
  EXPECT_FALSE(terrainNeighboursCurrent(map.path, neighbours));
  readTerrainNeighbours(map.path, neighbours);
  EXPECT_TRUE(terrainNeighboursCurrent(map.path, neighbours));
  ASSERT_EQ(0, remove(dir.file("ZANBB.MAP").c_str()));
  EXPECT_FALSE(terrainNeighboursCurrent(map.path, neighbours));

  // A bare name reads its neighbours in the working directory; other maps have none.
  readTerrainNeighbours(dir.editorPath("OAKVALE.MAP").c_str(), neighbours);
  EXPECT_FALSE(neighbours.worldMap);
}

TEST(TerrainSeams, AWorldPassWritesTheChangedMapsTogetherAndFaultyRulesNone) {
  TempDir dir;
  saveMap(dir, "ZANAA.MAP", 208, -1, 0);
  saveMap(dir, "ZANBA.MAP", 250, -1, 0);
  saveMap(dir, "ZANCA.MAP", 250, -1, 0);
  const std::string before = readFileBytes(dir.file("ZANAA.MAP"));
  TerrainRules faulty;
  EXPECT_FALSE(faulty.parse("rule -> 1\n", 10));
  WorldTerrainResult result = applyTerrainToWorld(dir.editorPath().c_str(), faulty, true);
  EXPECT_EQ(3, result.mapsRead);
  EXPECT_EQ(0, result.maps + result.cells);
  EXPECT_EQ(before, readFileBytes(dir.file("ZANAA.MAP")));

  TerrainRules rules;
  ASSERT_TRUE(rules.parse(kShoreRules, strlen(kShoreRules)));
  result = applyTerrainToWorld(dir.editorPath().c_str(), rules, false);
  EXPECT_EQ(1 * 1000 + 24, result.maps * 1000 + result.cells);  // counted, not written
  EXPECT_EQ(before, readFileBytes(dir.file("ZANAA.MAP")));
  result = applyTerrainToWorld(dir.editorPath().c_str(), rules, true);
  EXPECT_EQ(1 * 1000 + 24, result.maps * 1000 + result.cells);
  EXPECT_TRUE(result.squareWritten[0][0]);
  LocalMap map;
  ASSERT_TRUE(map.load(dir.editorPath("ZANAA.MAP").c_str()));
  for (int y = 0; y < kMapRows; ++y) EXPECT_EQ(100, map.getTile(47, y)) << y;
  EXPECT_EQ(208, map.getTile(46, 5));
  // Run again: nothing left to change.
  result = applyTerrainToWorld(dir.editorPath().c_str(), rules, true);
  EXPECT_EQ(0, result.maps);
}
