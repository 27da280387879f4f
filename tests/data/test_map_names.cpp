// Map directories and names, world map and cell map file names, and the
// bounds of the caller's buffers.
#include <gtest/gtest.h>

#include <string>

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
