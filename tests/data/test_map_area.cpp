// The area tools' cell algorithms: rectangles, fills and lines (as properties
// over random cases where they fit), copied blocks pasted at the edges, and
// Replace counts over a map and over a world directory.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <utility>

#include "data/map_area.h"
#include "data/tile_block.h"
#include "data/world_replace.h"
#include "platform/backup_store.h"
#include "support/temp_dir.h"

namespace {

void fillMap(LocalMap& map, int codes, unsigned seed) {
  srand(seed);
  for (int r = 0; r < kMapRows; ++r)
    for (int c = 0; c < kMapColumns; ++c) map.setTile(c, r, static_cast<unsigned char>(20 + rand() % codes));
}

std::set<std::pair<int, int>> changedCells(const unsigned char (&before)[kMapRows][kMapColumns], const LocalMap& map) {
  std::set<std::pair<int, int>> cells;
  for (int r = 0; r < kMapRows; ++r)
    for (int c = 0; c < kMapColumns; ++c)
      if (map.getTile(c, r) != before[r][c]) cells.insert({c, r});
  return cells;
}

void snapshot(const LocalMap& map, unsigned char (&out)[kMapRows][kMapColumns]) {
  for (int r = 0; r < kMapRows; ++r)
    for (int c = 0; c < kMapColumns; ++c) out[r][c] = map.getTile(c, r);
}

}  // namespace

TEST(MapArea, RectanglesTakeCornersInAnyOrderAndSkipUnstoredRows) {
  LocalMap map;
  EXPECT_EQ(fillRectangle(map, cellRectBetween(5, 3, 5, 3), 7).cells, 1);  // one cell
  EXPECT_EQ(map.getTile(5, 3), 7);
  const CellRect a = cellRectBetween(47, 23, 40, 20), b = cellRectBetween(40, 23, 47, 20);
  EXPECT_EQ(a.left, b.left);
  EXPECT_EQ(a.bottom, b.bottom);
  AreaChange corner = fillRectangle(map, a, 9);
  EXPECT_EQ(corner.cells, 8 * 4);
  EXPECT_EQ(corner.bounds.right, 47);
  EXPECT_EQ(fillRectangle(map, a, 9).cells, 0);  // already so: nothing changed
  EXPECT_TRUE(cellRectBetween(-5, -5, -1, -1).empty());
  EXPECT_EQ(cellRectBetween(-5, -5, 100, 100).width(), kMapColumns);

  map.kind = Local;  // row 23 is not stored: never painted
  AreaChange whole = fillRectangle(map, cellRectBetween(0, 0, 47, 23), 3);
  EXPECT_EQ(whole.cells, kMapColumns * (kMapRows - 1));
  EXPECT_EQ(whole.bounds.bottom, 22);
  EXPECT_EQ(map.getTile(40, 23), 9);  // as painted while it was a wilderness map
  EXPECT_EQ(countTile(map, 3), whole.cells);
}

TEST(MapArea, FillChangesExactlyTheConnectedRegionOfTheClickedCode) {
  for (unsigned seed = 1; seed <= 200; ++seed) {
    LocalMap map;
    map.kind = seed % 3 ? Wilderness : Interior;
    fillMap(map, 1 + seed % 4, seed);
    unsigned char before[kMapRows][kMapColumns];
    snapshot(map, before);
    const int c0 = rand() % kMapColumns, r0 = rand() % map.paintableRows();
    const unsigned char from = before[r0][c0];
    const AreaChange change = floodFill(map, c0, r0, 200);
    const auto cells = changedCells(before, map);
    ASSERT_EQ(change.cells, static_cast<int>(cells.size()));
    ASSERT_TRUE(cells.count({c0, r0}));
    for (auto [c, r] : cells) {
      ASSERT_EQ(before[r][c], from);
      ASSERT_TRUE(change.bounds.contains(c, r));
      // Maximal: no unchanged cell of the old code touches the region.
      for (auto [dc, dr] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
        const int nc = c + dc, nr = r + dr;
        if (nc < 0 || nc >= kMapColumns || nr < 0 || nr >= map.paintableRows()) continue;
        ASSERT_FALSE(map.getTile(nc, nr) == from && !cells.count({nc, nr})) << seed;
      }
    }
  }
  LocalMap map;  // all one code: the fill reaches every border, and again changes nothing
  map.kind = Local;
  EXPECT_EQ(floodFill(map, 10, 10, 5).cells, kMapColumns * (kMapRows - 1));
  EXPECT_EQ(floodFill(map, 0, 0, 5).cells, 0);
  EXPECT_EQ(floodFill(map, 0, 23, 6).cells, 0);  // a cell of the unstored row
  map.setTile(3, 3, 1);  // a one-cell region, with diagonal neighbours of its code
  map.setTile(4, 4, 1);
  EXPECT_EQ(floodFill(map, 3, 3, 2).cells, 1);
  EXPECT_EQ(map.getTile(4, 4), 1);
}

TEST(CellLine, OneCellPerStepAlongTheLongerAxisNearTheTrueLineInAllOctants) {
  srand(7);
  Cell cells[kMaxLineCells];
  for (int i = 0; i < 2000; ++i) {
    const int c0 = rand() % 48, r0 = rand() % 24, c1 = rand() % 48, r1 = rand() % 24;
    const int dc = c1 - c0, dr = r1 - r0, steps = std::max(abs(dc), abs(dr));
    const int count = lineCells(c0, r0, c1, r1, cells);
    ASSERT_EQ(count, steps + 1);
    ASSERT_EQ(cells[0].column, c0);
    ASSERT_EQ(cells[0].row, r0);
    ASSERT_EQ(cells[count - 1].column, c1);
    ASSERT_EQ(cells[count - 1].row, r1);
    for (int k = 1; k < count; ++k) {
      const int stepC = cells[k].column - cells[k - 1].column, stepR = cells[k].row - cells[k - 1].row;
      ASSERT_EQ(std::max(abs(stepC), abs(stepR)), 1);  // touching, never the same cell twice
      // Within half a cell of the exact line across the longer axis.
      const double exact = abs(dc) >= abs(dr) ? r0 + static_cast<double>(dr) * (cells[k].column - c0) / dc
                                              : c0 + static_cast<double>(dc) * (cells[k].row - r0) / dr;
      ASSERT_LE(std::abs((abs(dc) >= abs(dr) ? cells[k].row : cells[k].column) - exact), 0.5);
    }
  }
  ASSERT_EQ(lineCells(0, 0, 4, 1, cells), 5);  // the half-way cell rounds away from the start
  EXPECT_EQ(cells[1].row, 0);
  EXPECT_EQ(cells[2].row, 1);
}

TEST(TileBlock, CopiesAndPastesClippedAtEveryEdge) {
  LocalMap source;
  fillMap(source, 200, 3);
  const TileBlock block = copyBlock(source, cellRectBetween(10, 5, 14, 8));
  ASSERT_EQ(block.width, 5);
  ASSERT_EQ(block.height, 4);
  EXPECT_EQ(block.at(4, 3), source.getTile(14, 8));
  EXPECT_TRUE(copyBlock(source, kNoCells).empty());

  for (auto [c, r] : {std::pair{45, 22}, {-3, -2}, {0, 0}, {60, 0}}) {
    LocalMap target;
    target.kind = Local;
    const AreaChange change = pasteBlock(target, block, c, r);
    int expected = 0;
    for (int y = 0; y < block.height; ++y) {
      for (int x = 0; x < block.width; ++x) {
        const bool stored = c + x >= 0 && c + x < kMapColumns && r + y >= 0 && r + y < kMapRows - 1;
        expected += stored;
        if (stored) {
          ASSERT_EQ(target.getTile(c + x, r + y), block.at(x, y));
        }
      }
    }
    EXPECT_EQ(change.cells, expected) << c << "," << r;
    EXPECT_EQ(countTile(target, 0), kMapColumns * (kMapRows - 1) - expected);
  }
  TileBlock bad = block;
  int code = 0;
  EXPECT_FALSE(blockHoldsUnstorableCode(bad, &code));
  bad.cells[3][2] = 13;
  EXPECT_TRUE(blockHoldsUnstorableCode(bad, &code));
  EXPECT_EQ(code, 13);
}

TEST(WorldReplace, CountsMatchWhatChangesAndNoPartlyReadMapIsWritten) {
  TempDir dir;
  LocalMap map;
  const std::pair<const char*, int> squares[] = {{"ZANAA.MAP", 3}, {"ZANTT.MAP", 5}, {"ZANBA.MAP", 0}};
  for (auto [name, cells] : squares) {
    map.kind = Local;
    fillRectangle(map, cellRectBetween(0, 0, 47, 23), 1);
    for (int i = 0; i < cells; ++i) map.setTile(i, i, 42);
    ASSERT_TRUE(map.save(dir.editorPath(name).c_str()));
  }
  const std::string shortMap = "WILDERNESS!\r\n *******\r\n";  // holds 42 ('*') in a short row
  writeFileBytes(dir.file("ZANCA.MAP"), shortMap);
  // A 42 and, from its 47-tile row, a line feed tile that no save can write.
  writeFileBytes(dir.file("ZANAB.MAP"), "WILDERNESS!\r\n *" + std::string(46, 'a') + "\r\n");
  const WorldTileCount count = countTileInWorld(dir.editorPath().c_str(), 42);
  EXPECT_EQ(count.maps, 2);  // the one holding a line feed cannot be saved: counted apart
  EXPECT_EQ(count.cells, 8);
  EXPECT_EQ(count.unsavableMaps, 1);

  BackupOperation backup(BackupPlace{dir.editorPath("backups"), 5}, "Replace Tile");
  const WorldReplaceResult result = replaceTileInWorld(dir.editorPath().c_str(), 42, 250, &backup);
  EXPECT_EQ(result.maps, 2);
  EXPECT_EQ(result.cells, 8);
  EXPECT_FALSE(result.failed);
  ASSERT_EQ(result.leftAsTheyAre.size(), 1u);
  EXPECT_EQ(result.leftAsTheyAre[0], dir.editorPath("ZANAB.MAP") + " (it holds a tile code 10 or 13)");
  EXPECT_TRUE(result.squareWritten[19][19]);
  EXPECT_FALSE(result.squareWritten[1][0]);  // held no 42: not rewritten
  EXPECT_EQ(countTileInWorld(dir.editorPath().c_str(), 42).unsavableMaps, 1);  // left as it was
  EXPECT_EQ(countTileInWorld(dir.editorPath().c_str(), 250).cells, 8);
  EXPECT_EQ(readFileBytes(dir.file("ZANCA.MAP")), shortMap);
  int keptMaps = 0;  // the two rewritten maps, as they were
  for (const auto& entry : std::filesystem::recursive_directory_iterator(dir.file("backups")))
    keptMaps += entry.path().extension() == ".MAP";
  EXPECT_EQ(keptMaps, 2);
}
