// World squares from map names, and the neighbour of every square of the
// world in each direction, at the edges and corners above all.
#include <gtest/gtest.h>

#include <string>

#include "data/world_neighbours.h"

TEST(WorldNeighbours, WorldMapNamesInEitherCaseAndNothingElse) {
  int col = -1, row = -1;
  EXPECT_TRUE(worldSquareOfPath("C:\\w\\ZANTA.MAP", &col, &row));
  EXPECT_EQ(19, col);
  EXPECT_EQ(0, row);
  EXPECT_TRUE(worldSquareOfPath("C:\\w\\zanbt.map", &col, &row));
  EXPECT_EQ(1, col);
  EXPECT_EQ(19, row);
  for (const char* other : {"C:\\w\\ZANAU.MAP", "C:\\w\\ZANUA.MAP", "C:\\w\\ZANA.MAP", "C:\\w\\ZANABC.MAP",
                            "C:\\w\\TAB2515.MAP", "C:\\ZANAB\\OAKVALE.MAP", "", "ZAN@A.MAP"})
    EXPECT_FALSE(worldSquareOfPath(other, nullptr, nullptr)) << other;
}

// Every square, every direction: the square beside it in the same directory,
// or nothing past the edge of the world.
TEST(WorldNeighbours, EverySquareLeadsToTheSquareBesideItAndNoFurtherThanTheEdge) {
  const struct { WorldDirection direction; int dc, dr; } steps[] = {
      {WorldDirection::North, 0, -1}, {WorldDirection::South, 0, 1},
      {WorldDirection::West, -1, 0},  {WorldDirection::East, 1, 0}};
  char out[1024];
  for (int row = 0; row < 20; ++row) {
    for (int col = 0; col < 20; ++col) {
      const std::string path = std::string("C:\\games\\w1\\ZAN") + char('A' + col) + char('A' + row) + ".MAP";
      for (const auto& step : steps) {
        const int c = col + step.dc, r = row + step.dr;
        const bool inside = c >= 0 && c < 20 && r >= 0 && r < 20;
        ASSERT_EQ(inside, neighbourMapPath(path.c_str(), step.direction, out, sizeof out)) << path;
        const std::string expected =
            inside ? std::string("C:\\games\\w1\\ZAN") + char('A' + c) + char('A' + r) + ".MAP" : "";
        ASSERT_EQ(expected, out) << path;
      }
    }
  }
  EXPECT_TRUE(neighbourMapPath("zanab.map", WorldDirection::East, out, sizeof out));
  EXPECT_STREQ("ZANBB.MAP", out);  // a bare name has a bare neighbour
  EXPECT_FALSE(neighbourMapPath("C:\\w\\ZANAB.MAP", WorldDirection::East, out, 12));
}
