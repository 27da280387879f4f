// The demo world's own terrain rules rebuild its shores: with every shore,
// channel and lily cell turned back to plain water, a pass over all world
// maps gives back at least 99% of those cells exactly, and the same pass over
// the world grid (the script function) gives the same world. The cells that do
// not come back are listed, so that the rules can be improved.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "data/local_map.h"
#include "data/terrain_world.h"
#include "data/world_loader.h"
#include "demo_generator.h"
#include "demo_terrain_rules.h"
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

// Runs dola-script in dir with the shell words args; its exit status.
int runScriptProgram(const TempDir& dir, const std::string& args, std::string* out = nullptr) {
  const std::string command = "cd '" + dir.path() + "' && timeout -s KILL 120 '" DOLA_BINARY_DIR
                              "/tools/dola-script' " + args + " >stdout.txt 2>stderr.txt";
  const int status = std::system(command.c_str());
  if (out != nullptr) *out = readFileBytes(dir.file("stdout.txt")) + readFileBytes(dir.file("stderr.txt"));
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
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

  // dola-script's terrain command on a copy, beside the editor's own pass.
  const std::string copy = output.file("copy");
  ASSERT_EQ(0, std::system(("cp -r '" + output.file(kDemoWorldDirectory) + "' '" + copy + "'").c_str()));
  ASSERT_EQ(0, runScriptProgram(output, "terrain copy"));
  const WorldTerrainResult result = applyTerrainToWorld(world.c_str(), rules, true);
  EXPECT_EQ(kWorldMaps, result.mapsRead);
  EXPECT_FALSE(result.failed);
  int differing = 0;
  for (int row = 0; row < kWorldSquares; ++row) {
    for (int col = 0; col < kWorldSquares; ++col) {
      char name[16];
      worldMapFileName("", col, row, name, sizeof name);
      const std::string written = readFileBytes(output.file(std::string(kDemoWorldDirectory) + "/" + name));
      differing += written.empty() || written != readFileBytes(copy + "/" + name);
    }
  }
  EXPECT_EQ(0, differing);
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

TEST(DemoTerrainRules, AScriptDrawsLandAndWaterAndTheRulesDrawTheShores) {
  TempDir dir;
  writeFileBytes(dir.file("terrain.rules"), demoTerrainRules());
  writeFileBytes(dir.file("lake.as"),
                 "void main() {\n"
                 "  for (int y = 1; y <= 480; y++) for (int x = 1; x <= 960; x++) settile(x, y, 250);\n"
                 "  for (int y = 10; y <= 20; y++) for (int x = 40; x <= 60; x++) settile(x, y, 208);\n"
                 "  message(\"changed \" + terrain(60, 20, 1, 1));\n"
                 "}\n");
  std::system(("mkdir -p '" + dir.file("out") + "' '" + dir.file("bare") + "'").c_str());
  std::string out;
  ASSERT_EQ(0, runScriptProgram(dir, "world --rules terrain.rules lake.as out", &out));
  EXPECT_EQ("changed 60\ndola-script: Generate World Map wrote 400 files. 400 maps changed; teleports: 0 added, 0 changed, 0 removed; placements: 0 records in 0 maps.\ndola-script: wrote 400 of 400 world maps into out\n", out);
  LocalMap map;  // the lake lies in ZANAA (x 39..59, y 9..19 from 0) and ZANBA
  ASSERT_TRUE(map.load(dir.editorPath("out/ZANAA.MAP").c_str()));
  EXPECT_EQ(tile::kShoreNW, map.getTile(39, 9));
  EXPECT_EQ(tile::kShoreN, map.getTile(45, 9));
  EXPECT_EQ(tile::kShoreS, map.getTile(45, 19));
  EXPECT_EQ(tile::kShoreW, map.getTile(39, 15));
  EXPECT_EQ(tile::kWater, map.getTile(45, 15));
  ASSERT_TRUE(map.load(dir.editorPath("out/ZANBA.MAP").c_str()));
  EXPECT_EQ(tile::kShoreSE, map.getTile(59 - 48, 19));
  // Without rules terrain() says so, and the script goes on.
  ASSERT_EQ(0, runScriptProgram(dir, "world lake.as bare", &out));
  EXPECT_EQ("changed -1\ndola-script: Generate World Map wrote 400 files. 400 maps changed; teleports: 0 added, 0 changed, 0 removed; placements: 0 records in 0 maps.\ndola-script: wrote 400 of 400 world maps into bare\n", out);
  ASSERT_EQ(1, runScriptProgram(dir, "terrain bare", &out));
  EXPECT_NE(std::string::npos, out.find("the terrain rules are not used: cannot read")) << out;
}
