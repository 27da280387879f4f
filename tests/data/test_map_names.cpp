// Map directories and names, world map and cell map file names, and the
// bounds of the caller's buffers.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "data/map_names.h"

namespace {

using NameFunction = bool (*)(const char*, char*, size_t);

std::string call(NameFunction f, const char* path) {
  char out[kPathBufferSize];
  if (!f(path, out, sizeof out)) return "<false>";
  return out;
}

std::string cellMap(const char* path, int cx, int cy) {
  char out[kPathBufferSize];
  if (!cellMapFileName(path, cx, cy, out, sizeof out)) return "<false>";
  return out;
}

}  // namespace

TEST(MapNames, DirectoryPrefixAndName) {
  EXPECT_EQ(call(directoryOf, "C:\\games\\world1\\ZANAB.MAP"), "C:\\games\\world1");
  EXPECT_EQ(call(directoryPrefixOf, "C:\\games\\world1\\ZANAB.MAP"), "C:\\games\\world1\\");
  EXPECT_EQ(call(mapNameOf, "C:\\games\\world1\\ZANAB.MAP"), "ZANAB");
  EXPECT_EQ(call(mapNameOf, "C:\\games\\TAB2515.old.MAP"), "TAB2515");
  EXPECT_EQ(call(mapNameOf, "C:\\my.games\\ZANAB"), "ZANAB");
  EXPECT_EQ(call(directoryOf, "ZANAB.MAP"), "ZANAB.MAP");
  EXPECT_EQ(call(directoryPrefixOf, "ZANAB.MAP"), "ZANAB.MAP");
  EXPECT_EQ(call(mapNameOf, "ZANAB.MAP"), "ZANAB");
  EXPECT_EQ(call(directoryOf, "C:\\maps\\"), "C:\\maps");
  EXPECT_EQ(call(directoryPrefixOf, "C:\\maps\\"), "C:\\maps\\");
  EXPECT_EQ(call(directoryOf, "\\ZANAB.MAP"), "\\ZANAB.MAP");  // the first character never counts
  EXPECT_EQ(call(directoryOf, "a\\b"), "a");
  EXPECT_EQ(call(directoryPrefixOf, ""), "");
  EXPECT_EQ(call(directoryOf, nullptr), "");
}

TEST(MapNames, CellMapsAndWorldMaps) {
  EXPECT_EQ(cellMap("C:\\w\\ZANAB.MAP", 0, 0), "C:\\w\\TAB2113.MAP");
  EXPECT_EQ(cellMap("C:\\w\\ZANAB.MAP", 4, 2), "C:\\w\\TAB2515.MAP");
  EXPECT_EQ(cellMap("C:\\w\\ZANAB.MAP", 47, 23), "C:\\w\\TAB6836.MAP");
  EXPECT_EQ(cellMap("ZANTT.MAP", 1, 1), "ZANTT.MAP\\TTT2214.MAP");
  EXPECT_EQ(cellMap("C:\\w\\NODOT", 0, 0), "<false>");
  EXPECT_EQ(cellMap("..", 0, 0), "<false>");
  // Dots in directory names lend no letters.
  EXPECT_EQ(cellMap("C:\\zan-1.2\\ZANAB.MAP", 47, 23), "C:\\zan-1.2\\TAB6836.MAP");
  EXPECT_EQ(cellMap("C:\\world.v2\\x.y\\TAB2515.old.MAP", 0, 0), "C:\\world.v2\\x.y\\T152113.MAP");
  EXPECT_EQ(cellMap("C:\\w.1\\A.MAP", 0, 0), "<false>");

  char out[kPathBufferSize];
  ASSERT_TRUE(worldMapFileName("C:\\w\\", 19, 0, out, sizeof out));
  EXPECT_STREQ(out, "C:\\w\\ZANTA.MAP");
  ASSERT_TRUE(worldMapFileName("", 0, 19, out, sizeof out));
  EXPECT_STREQ(out, "ZANAT.MAP");
  ASSERT_TRUE(worldMapFileNameIn("C:\\w", 1, 2, out, sizeof out));
  EXPECT_STREQ(out, "C:\\w\\ZANBC.MAP");
  EXPECT_FALSE(worldMapFileName("", 20, 0, out, sizeof out));
  EXPECT_FALSE(worldMapFileNameIn("", 0, -1, out, sizeof out));
}

TEST(MapNames, ResultsThatDoNotFitAreRefused) {
  const std::string longDirectory(1100, 'd');
  const std::string path = longDirectory + "\\ZANAB.MAP";
  char out[kPathBufferSize];
  EXPECT_FALSE(directoryOf(path.c_str(), out, sizeof out));
  EXPECT_EQ(std::string(out), longDirectory.substr(0, kPathBufferSize - 1));  // cut, terminated
  EXPECT_TRUE(mapNameOf(path.c_str(), out, sizeof out));
  EXPECT_FALSE(cellMapFileName(path.c_str(), 0, 0, out, sizeof out));
  EXPECT_FALSE(worldMapFileName(longDirectory.c_str(), 0, 0, out, sizeof out));
  char small[8];
  EXPECT_FALSE(worldMapFileName("", 0, 0, small, sizeof small));
  EXPECT_FALSE(mapNameOf("C:\\ABCDEFGHIJ.MAP", small, sizeof small));
}

// Names are written as a bounded printf writes them, cut where it cuts:
// directories near the buffer's size, cells of any number, buffers of every size.
TEST(MapNames, CellAndWorldNamesAreWhatABoundedPrintfWrites) {
  unsigned seed = 7;
  auto next = [&seed](unsigned n) { return static_cast<int>((seed = seed * 1103515245 + 12345) / 65536 % n); };
  for (int round = 0; round < 600; round++) {
    const std::string directory = round % 5 == 0 ? "" : "C:\\" + std::string(static_cast<size_t>(next(1100)), 'd');
    const std::string name = std::string(static_cast<size_t>(next(4)), static_cast<char>('a' + next(26))) +
                             (next(4) ? ".MAP" : "");
    const std::string path = directory.empty() ? name : directory + "\\" + name;
    const int cx = next(6) == 0 ? 1000000000 + next(9) : next(40) - 20, cy = next(40) - 20;
    const size_t size = 1 + static_cast<size_t>(next(round % 2 ? 40 : 1200));
    std::vector<char> out(size, 'x'), expected(size, 0);
    const bool made = cellMapFileName(path.c_str(), cx, cy, out.data(), size);
    const size_t sep = path.rfind('\\');
    const std::string parent = sep != std::string::npos && sep >= 1 ? path.substr(0, sep) : path;
    const size_t dot = name.find('.');
    bool fits = false;
    if (dot != std::string::npos && dot >= 2 && parent.size() < kPathBufferSize) {
      const int n = snprintf(expected.data(), size, "%s\\T%c%c%i%i.MAP", parent.c_str(), name[dot - 2], name[dot - 1],
                             cx + kCellMapFirstColumn, cy + kCellMapFirstRow);
      fits = n >= 0 && static_cast<size_t>(n) < size;
    }
    ASSERT_EQ(made, fits) << path << " " << size;
    ASSERT_STREQ(out.data(), expected.data()) << path << " " << size;

    const int col = next(24) - 2, row = next(24) - 2;
    char world[8], expectedWorld[8] = "";
    const size_t worldSize = 1 + static_cast<size_t>(next(8));
    const bool onWorld = col >= 0 && col < kWorldSquares && row >= 0 && row < kWorldSquares;
    if (onWorld) snprintf(expectedWorld, worldSize, "ZAN%c%c", 'A' + col, 'A' + row);
    ASSERT_EQ(worldMapName(col, row, world, worldSize), onWorld && worldSize > 5);
    ASSERT_STREQ(world, expectedWorld);
  }
}
