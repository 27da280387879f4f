// The demo world's own terrain rules rebuild its shores: with every shore,
// channel and lily cell turned back to plain water, a pass over all world
// maps gives back at least 99% of those cells exactly, and the same pass over
// the world grid (the script function) gives the same world. The cells that do
// not come back are listed, so that the rules can be improved.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "data/local_map.h"
#include "data/terrain_world.h"
#include "data/world_loader.h"
#include "demo_generator.h"
#include "support/temp_dir.h"
#include "tile_codes.h"

namespace {

bool isShorePiece(uint8_t code) { return (code >= 97 && code <= 100) || code == 103 || (code >= 105 && code <= 108); }

// Turns every shore piece of the world maps in directory back into water; how many.
int stripShores(const std::string& directory) {
  int stripped = 0;
  LocalMap map;
  char path[kPathBufferSize];
  for (int row = 0; row < kWorldSquares; ++row) {
    for (int col = 0; col < kWorldSquares; ++col) {
      worldMapFileNameIn(directory.c_str(), col, row, path, sizeof path);
      if (!map.load(path)) continue;
      for (int y = 0; y < kMapRows; ++y) {
        for (int x = 0; x < kMapColumns; ++x) {
          if (!isShorePiece(map.getTile(x, y))) continue;
          map.setTile(x, y, tile::kWater);
          ++stripped;
        }
      }
      if (!map.save(path)) return -1;
    }
  }
  return stripped;
}

}  // namespace

TEST(DemoTerrainRules, RebuildTheShoresOfTheWholeWorld) {
  TempDir output;
  ASSERT_TRUE(generateDemo(output.path(), nullptr));
  const std::string world = output.editorPath(kDemoWorldDirectory);
  auto original = std::make_unique<WorldBuffer>();
  ASSERT_TRUE(loadWorld((world + "\\").c_str(), *original, nullptr).complete());
  TerrainRules rules;
  ASSERT_TRUE(rules.loadFile((world + "\\" + kTerrainRulesFileName).c_str())) << rules.error().message;

  const int stripped = stripShores(world);
  ASSERT_GT(stripped, 2000);
  auto bare = std::make_unique<WorldBuffer>();
  ASSERT_TRUE(loadWorld((world + "\\").c_str(), *bare, nullptr).complete());

  const WorldTerrainResult result = applyTerrainToWorld(world.c_str(), rules, true);
  EXPECT_EQ(kWorldMaps, result.mapsRead);
  EXPECT_EQ(0, result.failed);
  auto rebuilt = std::make_unique<WorldBuffer>();
  ASSERT_TRUE(loadWorld((world + "\\").c_str(), *rebuilt, nullptr).complete());

  int missed = 0, strippedBack = 0, otherChanged = 0;
  std::string list;
  for (int y = 0; y < kWorldRows; ++y) {
    for (int x = 0; x < kWorldColumns; ++x) {
      const bool was = isShorePiece(original->at(x, y));
      if (rebuilt->at(x, y) == original->at(x, y)) {
        strippedBack += was;
        continue;
      }
      missed += was;
      otherChanged += !was;
      list += " (" + std::to_string(x) + "," + std::to_string(y) + ") " + std::to_string(original->at(x, y)) +
              " became " + std::to_string(rebuilt->at(x, y)) + "\n";
    }
  }
  printf("The demo rules rebuilt %d of %d shore cells; %d missed, %d other cells changed.\n", strippedBack, stripped,
         missed, otherChanged);
  EXPECT_GE(strippedBack * 100, stripped * 99) << "cells not rebuilt:\n" << list;
  EXPECT_EQ(0, otherChanged) << "cells that differ from the demo world:\n" << list;

  // The world grid as a script sees it: the same pass, the same world.
  applyTerrainToWorldBuffer(rules, *bare, 0, 0, kWorldColumns, kWorldRows);
  EXPECT_EQ(0, memcmp(bare->cells, rebuilt->cells, sizeof bare->cells));
}
