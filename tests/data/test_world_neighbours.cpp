// World squares from map names, and the neighbour of every square of the
// world in each direction, at the edges and corners above all.
#include <gtest/gtest.h>

#include <string>

#include "data/world_neighbours.h"

namespace {
std::string square(const char* directory, int col, int row) {
  return std::string(directory) + "ZAN" + char('A' + col) + char('A' + row) + ".MAP";
}
}  // namespace

TEST(WorldNeighbours, EverySquareLeadsToTheSquareBesideItAndNoFurtherThanTheEdge) {
  const struct { WorldDirection direction; int dc, dr; } steps[] = {
      {WorldDirection::North, 0, -1}, {WorldDirection::South, 0, 1},
      {WorldDirection::West, -1, 0},  {WorldDirection::East, 1, 0}};
  char out[1024];
  for (int row = 0; row < 20; ++row) {
    for (int col = 0; col < 20; ++col) {
      for (const auto& step : steps) {
        const int c = col + step.dc, r = row + step.dr;
        const bool inside = c >= 0 && c < 20 && r >= 0 && r < 20;
        const std::string path = square("C:\\w1\\", col, row);
        ASSERT_EQ(inside, neighbourMapPath(path.c_str(), step.direction, out, sizeof out)) << path;
        ASSERT_EQ(inside ? square("C:\\w1\\", c, r) : "", out) << path;
      }
    }
  }
  EXPECT_TRUE(neighbourMapPath("zanab.map", WorldDirection::East, out, sizeof out));  // either case
  EXPECT_STREQ("ZANBB.MAP", out);  // a bare name has a bare neighbour
  EXPECT_FALSE(neighbourMapPath("C:\\w\\ZANAB.MAP", WorldDirection::East, out, 12));
  for (const char* other : {"C:\\w\\ZANAU.MAP", "C:\\w\\ZANUA.MAP", "C:\\w\\ZANA.MAP", "C:\\w\\ZANABC.MAP",
                            "C:\\w\\TAB2515.MAP", "C:\\ZANAB\\OAKVALE.MAP", ""})
    EXPECT_FALSE(worldSquareOfPath(other, nullptr, nullptr)) << other;
  int col = -1, row = -1;  // a file name: the extension counts too, in either case
  EXPECT_TRUE(worldSquareOfFileName("zanTb.Map", &col, &row));
  EXPECT_EQ(19 * 100 + 1, col * 100 + row);
  for (const char* other : {"ZANAB.DAT", "ZANAB.MAPS", "ZANAB", "ZANUA.MAP", "XANAB.MAP", "ZANAB.MA", ""})
    EXPECT_FALSE(worldSquareOfFileName(other, nullptr, nullptr)) << other;
}
