// The steps of the demo world that decide what a cell shows: shore pieces by
// the side the land lies on, roads that bridge water in their own direction
// and keep out of houses, and placement files that never grow past 200 records.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "demo_tables.h"
#include "demo_world.h"
#include "support/temp_dir.h"
#include "tile_codes.h"

namespace {

std::unique_ptr<DemoWorld> worldOf(uint8_t code) {
  auto world = std::make_unique<DemoWorld>();
  world->cell.assign(kWorldW * kWorldH, code);
  return world;
}

}  // namespace

TEST(DemoWorldSteps, ShoresFaceTheLand) {
  auto world = worldOf(tile::kWater);
  // A grass block at x 100..109, y 100..109.
  for (int y = 100; y < 110; ++y) {
    for (int x = 100; x < 110; ++x) world->set(x, y, tile::kGrass);
  }
  edgeShores(*world);
  EXPECT_EQ(tile::kShoreN, world->at(105, 110));   // water below the block: land to its north
  EXPECT_EQ(tile::kShoreS, world->at(105, 99));
  EXPECT_EQ(tile::kShoreW, world->at(110, 105));
  EXPECT_EQ(tile::kShoreE, world->at(99, 105));
  EXPECT_EQ(tile::kWater, world->at(110, 110));    // only a corner touches: open water
  EXPECT_EQ(tile::kWater, world->at(50, 50));
  EXPECT_EQ(tile::kGrass, world->at(105, 105));
  // An inner corner: water with land to the north and to the west.
  world->set(200, 199, tile::kGrass);
  world->set(199, 200, tile::kGrass);
  world->set(200, 200, tile::kWater);
  edgeShores(*world);
  EXPECT_EQ(tile::kShoreNW, world->at(200, 200));
  // Land on two opposite sides is a channel, not a shore facing either.
  world->set(400, 399, tile::kGrass);
  world->set(400, 401, tile::kGrass);
  world->set(400, 400, tile::kWater);
  edgeShores(*world);
  EXPECT_EQ(tile::kLilies, world->at(400, 400));
}

TEST(DemoWorldSteps, RoadsBridgeWaterAlongTheirWayAndAvoidHouses) {
  auto world = worldOf(tile::kGrass);
  for (int y = 0; y < kWorldH; ++y) {  // a river two cells wide, running north to south
    world->set(300, y, tile::kWater);
    world->set(301, y, tile::kWater);
  }
  for (int y = 95; y <= 105; ++y) world->set(250, y, tile::kRoof);  // a house row in the way
  world->villages.push_back({200, 99, "West", false});
  world->villages.push_back({400, 99, "East", false});
  buildRoads(*world);
  int crossings = 0, crossingRow = -1;
  for (int y = 0; y < kWorldH; ++y) {
    if (world->at(300, y) == tile::kWater) continue;
    ++crossings;
    crossingRow = y;
  }
  ASSERT_EQ(1, crossings);  // the road crosses once, straight over the river
  EXPECT_EQ(tile::kBridgeH, world->at(300, crossingRow));
  EXPECT_EQ(tile::kBridgeH, world->at(301, crossingRow));
  EXPECT_EQ(tile::kRoad, world->at(299, crossingRow));
  EXPECT_EQ(tile::kRoad, world->at(302, crossingRow));
  for (int y = 95; y <= 105; ++y) EXPECT_EQ(tile::kRoof, world->at(250, y));
  int roadCells = 0;
  for (uint8_t code : world->cell) roadCells += code == tile::kRoad;
  EXPECT_GE(roadCells, 198);  // at least the 200 columns between the squares, less the bridge
}

TEST(DemoWorldSteps, PlacementFileHasTwoHundredRecordsOfElevenBytes) {
  TempDir dir;
  std::vector<DemoPlacement> placements;
  for (int i = 0; i < 201; ++i) placements.push_back({i % 48, i % 24, 1000 + i, 1 + i % 3});
  ASSERT_TRUE(writePlacementFile(dir.file("A.DAT"), placements));
  const std::string bytes = readFileBytes(dir.file("A.DAT"));
  ASSERT_EQ(2200u, bytes.size());
  // Record 199 (placement 199 of 201): the cell 1-based, in use, quantity, three spare bytes, id little-endian.
  const std::string last = bytes.substr(199 * 11, 11);
  EXPECT_EQ(std::string("\x08\x08\x01\x02\0\0\0\xAF\x04\0\0", 11), last);
  EXPECT_EQ(std::string("\x01\x01\x01\x01\0\0\0\xE8\x03\0\0", 11), bytes.substr(0, 11));
}

TEST(DemoWorldSteps, MapNamesFollowTheWorldSquareAndCell) {
  EXPECT_EQ("ZANAA", worldMapName(0, 0));
  EXPECT_EQ("ZANTA", worldMapName(959, 0));
  EXPECT_EQ("ZANAT", worldMapName(0, 479));
  EXPECT_EQ("ZANBC", worldMapName(48, 48));
  EXPECT_EQ("TAA2113", cellMapName(0, 0));
  EXPECT_EQ("TAB2515", cellMapName(4, 26));
  EXPECT_EQ("TTT6836", cellMapName(959, 479));
}
