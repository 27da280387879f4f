// loadWorld: which files land where in the WorldBuffer, what is left 0, and
// the calls made to the progress display.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "data/local_map.h"
#include "data/map_names.h"
#include "data/world_loader.h"
#include "support/temp_dir.h"

namespace {

class RecordingProgress : public ProgressDisplay {
 public:
  std::vector<std::string> calls;
  void open() override { calls.push_back("open"); }
  void setPercent(int percent) override { calls.push_back(std::to_string(percent)); }
  void close() override { calls.push_back("close"); }
};

// Every cell of every map tells its square and position; never 10 or 13.
unsigned char cellCode(int col, int row, int x, int y) {
  return static_cast<unsigned char>((col + row * 3 + x + y) % 200 + 20);
}

std::string prefixOf(const TempDir& dir) { return dir.editorPath() + "\\"; }

void writeWorldMap(const TempDir& dir, int col, int row, MapKind kind) {
  LocalMap map;
  map.kind = kind;
  for (int y = 0; y < kMapRows; y++)
    for (int x = 0; x < kMapColumns; x++) map.setTile(x, y, cellCode(col, row, x, y));
  char file[kPathBufferSize];
  ASSERT_TRUE(worldMapFileName(prefixOf(dir).c_str(), col, row, file, sizeof file));
  ASSERT_TRUE(map.save(file));
}

// The expected byte of world cell (wx, wy) when the squares in loaded hold their maps.
unsigned char expectedCell(int wx, int wy, const std::vector<std::pair<int, int>>& loaded,
                           int lastRowOf23 = -1) {
  const int col = wx / kMapColumns, row = wy / kMapRows, x = wx % kMapColumns, y = wy % kMapRows;
  for (const auto& square : loaded) {
    if (square.first != col || square.second != row) continue;
    if (y == kMapRows - 1 && lastRowOf23 == col + row * kWorldSquares) return 0;
    return cellCode(col, row, x, y);
  }
  return 0;
}

}  // namespace

TEST(WorldLoader, OnlyMapsThatLoadFillTheirSquares) {
  TempDir dir;
  writeWorldMap(dir, 0, 1, Wilderness);   // ZANAB: columns 0..47, rows 24..47
  writeWorldMap(dir, 19, 0, Wilderness);  // ZANTA: columns 912..959, rows 0..23
  chmod(dir.file("ZANTA.MAP").c_str(), 0444);  // the world view only reads
  writeWorldMap(dir, 5, 7, Interior);     // 23 rows: its square's last row stays 0
  // A short row after two good ones: the whole square stays 0.
  writeFileBytes(dir.file("ZANCC.MAP"), "WILDERNESS!\r\n" + std::string(1, ' ') +
                                            std::string(48, 'a') + "\r\n " + std::string(48, 'b') +
                                            "\r\n short\r\n");
  writeFileBytes(dir.file("ZANDD.MAP"), "NOT A MAP\r\n");
  auto world = std::make_unique<WorldBuffer>();
  memset(world->cells, 0x55, sizeof world->cells);
  RecordingProgress progress;
  const WorldLoadResult found = loadWorld(prefixOf(dir).c_str(), *world, &progress);
  EXPECT_EQ(found.mapsLoaded, 3);  // ZANCC and ZANDD are there but do not load
  EXPECT_FALSE(found.complete());
  EXPECT_EQ(std::string(found.firstMissing), prefixOf(dir) + "ZANAA.MAP");
  const std::vector<std::pair<int, int>> loaded = {{0, 1}, {19, 0}, {5, 7}};
  for (int wy = 0; wy < kWorldRows; wy++)
    for (int wx = 0; wx < kWorldColumns; wx++)
      ASSERT_EQ(world->cells[wy * kWorldColumns + wx], expectedCell(wx, wy, loaded, 5 + 7 * 20))
          << wx << "," << wy;
  EXPECT_EQ(world->cells[24 * kWorldColumns + 0], cellCode(0, 1, 0, 0));
  EXPECT_EQ(world->cells[23 * kWorldColumns + 959], cellCode(19, 0, 47, 23));
}

TEST(WorldLoader, FindsFilesInAnyCaseAndReportsProgress) {
  TempDir dir;
  writeWorldMap(dir, 2, 3, Local);
  std::rename(dir.file("ZANCD.MAP").c_str(), dir.file("zancd.map").c_str());
  auto world = std::make_unique<WorldBuffer>();
  RecordingProgress progress;
  loadWorld(prefixOf(dir).c_str(), *world, &progress);
  EXPECT_EQ(world->cells[(3 * 24 + 4) * kWorldColumns + 2 * 48 + 5], cellCode(2, 3, 5, 4));

  std::vector<std::string> expected = {"open"};
  for (int n = 0; n < 400; n++) expected.push_back(std::to_string(n / 4));
  expected.push_back("close");
  EXPECT_EQ(progress.calls, expected);  // 0, 0, 0, 0, 1, ... 99: never 100

  // Without a display, and in a directory without any map, the buffer is all 0.
  TempDir empty;
  memset(world->cells, 1, sizeof world->cells);
  EXPECT_EQ(loadWorld(prefixOf(empty).c_str(), *world, nullptr).mapsLoaded, 0);
  for (unsigned char cell : world->cells) ASSERT_EQ(cell, 0);
}

TEST(WorldLoader, AWholeWorldIsComplete) {
  TempDir dir;
  for (int row = 0; row < kWorldSquares; row++)
    for (int col = 0; col < kWorldSquares; col++) writeWorldMap(dir, col, row, Wilderness);
  auto world = std::make_unique<WorldBuffer>();
  WorldLoadResult found = loadWorld(prefixOf(dir).c_str(), *world, nullptr);
  EXPECT_TRUE(found.complete());
  EXPECT_STREQ(found.firstMissing, "");
  std::remove(dir.file("ZANQF.MAP").c_str());  // square (16, 5)
  std::remove(dir.file("ZANBT.MAP").c_str());  // square (1, 19), later in load order
  found = loadWorld(prefixOf(dir).c_str(), *world, nullptr);
  EXPECT_EQ(found.mapsLoaded, kWorldMaps - 2);
  EXPECT_EQ(std::string(found.firstMissing), prefixOf(dir) + "ZANQF.MAP");
}
