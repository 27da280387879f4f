// The generated demo game directory, read back through the editor's own
// readers: 400 world maps and the maps their teleports lead to, rows that a
// MAP file can carry, tables and placements that name real records, and
// sprites whose overview pixels and backgrounds are opaque.
#include <allegro.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <memory>
#include <set>
#include <string>

#include "data/creature_list.h"
#include "data/local_map.h"
#include "data/map_data_file.h"
#include "data/map_names.h"
#include "data/object_list.h"
#include "data/sprite_set.h"
#include "demo_generator.h"
#include "platform/directory_list.h"
#include "platform/host_path.h"
#include "support/temp_dir.h"

namespace {

class DemoContent : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    output = new TempDir();
    ASSERT_TRUE(generateDemo(output->path(), &summary));
  }
  static void TearDownTestSuite() {
    delete output;
    output = nullptr;
  }
  static std::string worldEditorPath() { return output->editorPath(kDemoWorldDirectory); }
  static std::string mapPath(const std::string& name) { return worldEditorPath() + "\\" + name + ".MAP"; }
  // Names (without ".MAP") of every map file in the game directory.
  static std::set<std::string> mapNames() {
    std::vector<DirectoryEntry> entries;
    EXPECT_TRUE(listDirectory(worldEditorPath().c_str(), entries));
    std::set<std::string> names;
    for (const DirectoryEntry& entry : entries) {
      const size_t dot = entry.name.rfind(".MAP");
      if (dot != std::string::npos && dot + 4 == entry.name.size()) names.insert(entry.name.substr(0, dot));
    }
    return names;
  }

  static TempDir* output;
  static DemoSummary summary;
};

TempDir* DemoContent::output = nullptr;
DemoSummary DemoContent::summary;

}  // namespace

TEST_F(DemoContent, AllWorldMapsLoadWholeAndRowsCarryNoLineBreakCodes) {
  EXPECT_EQ(400, summary.worldMaps);
  EXPECT_GE(summary.villages, 6);
  LocalMap map;
  int land = 0;
  for (int row = 0; row < 20; ++row) {
    for (int col = 0; col < 20; ++col) {
      char name[8];
      snprintf(name, sizeof name, "ZAN%c%c", 'A' + col, 'A' + row);
      ASSERT_TRUE(map.load(mapPath(name).c_str())) << name;
      EXPECT_EQ(Wilderness, map.kind) << name;
      EXPECT_EQ(24, map.rowsRead()) << name;
      int x = 0, y = 0;
      EXPECT_FALSE(map.findUnwritableTile(&x, &y)) << name << " " << x << "," << y;
      for (y = 0; y < 24; ++y) {
        for (x = 0; x < 48; ++x) {
          const int code = map.getTile(x, y);
          EXPECT_TRUE(code != 0 && code != 10 && code != 13 && code != 26) << name << " " << x << "," << y;
          EXPECT_NE(0, SpriteSet::foregroundSprite(code)) << "code " << code << " has no picture";
          land += code != 208 && !(code >= 97 && code <= 109 && code != 104);
        }
      }
    }
  }
  // A continent in a sea: neither a world of water nor one of land.
  EXPECT_GT(land, 960 * 480 / 4);
  EXPECT_LT(land, 960 * 480 * 3 / 4);
}

TEST_F(DemoContent, EveryTeleportLeadsToAMapThatLeadsBack) {
  const std::set<std::string> names = mapNames();
  EXPECT_EQ(400u + summary.namedMaps, names.size());
  std::set<MapKind> kindsReached;
  int teleports = 0, cellMapTeleports = 0;
  LocalMap map;
  for (const std::string& name : names) {
    ASSERT_TRUE(map.load(mapPath(name).c_str())) << name;
    if (name.compare(0, 3, "ZAN") != 0) {
      EXPECT_GT(map.teleportCount(), 0) << name << " has no way out";
    }
    for (int i = 0; i < map.teleportCount(); ++i, ++teleports) {
      int x = 0, y = 0;
      char target[256];
      ASSERT_TRUE(map.getTeleport(i, &x, &y, target));
      EXPECT_TRUE(x >= 1 && x <= 48 && y >= 1 && y <= 24) << name << " teleport " << i;
      ASSERT_TRUE(isFilePath(mapPath(target).c_str())) << name << " leads to missing " << target;
      char cellMap[1024];
      ASSERT_TRUE(cellMapFileName(mapPath(name).c_str(), x - 1, y - 1, cellMap, sizeof cellMap));
      cellMapTeleports += mapPath(target) == cellMap;
      LocalMap destination;
      ASSERT_TRUE(destination.load(mapPath(target).c_str()));
      kindsReached.insert(destination.kind);
    }
  }
  EXPECT_EQ(summary.teleports, teleports);
  EXPECT_GE(cellMapTeleports, 3);  // the caves and houses entered from a world cell
  EXPECT_EQ((std::set<MapKind>{Wilderness, Local, Interior}), kindsReached);
}

TEST_F(DemoContent, TablesHoldNamedRecordsAndPlacementsNameThem) {
  auto objects = std::make_unique<ObjectList>();
  auto creatures = std::make_unique<CreatureList>();
  ASSERT_TRUE(objects->load(worldEditorPath().c_str()));
  ASSERT_TRUE(creatures->load(worldEditorPath().c_str()));
  int namedObjects = 0;
  for (int i = 0; i < kConstantObjectCount; ++i) {
    const std::string name = objects->constantObject(i)->name().text;
    ASSERT_FALSE(name.empty()) << i;
    if (name != "*unmatchablestring*") {
      ++namedObjects;
      EXPECT_NE(0, objects->constantObject(i)->sprite()) << name;
    }
  }
  EXPECT_GE(namedObjects, 24);
  EXPECT_STRNE("", objects->playerObject(0)->name().text);
  int namedCreatures = 0;
  while (creatures->creature(namedCreatures)->name[0] != 0) {
    EXPECT_NE(0, creatures->creature(namedCreatures)->sprite);
    ++namedCreatures;
  }
  EXPECT_GE(namedCreatures, 24);

  int placed = 0;
  auto data = std::make_unique<MapDataFile>();
  for (const std::string& name : mapNames()) {
    if (!isFilePath((worldEditorPath() + "\\" + name + ".DAT").c_str())) continue;
    ASSERT_TRUE(data->load((worldEditorPath() + "\\" + name + ".DAT").c_str())) << name;
    for (int i = 0; i < kPlacementCount; ++i, ++placed) {
      const Placement* p = data->placement(i);
      if (p->inUse == 0) break;
      EXPECT_TRUE(p->x >= 1 && p->x <= 48 && p->y >= 1 && p->y <= 24) << name << " " << i;
      if (p->id < 1000) {
        EXPECT_STRNE("*unmatchablestring*", objects->constantObject(p->id)->name().text) << name;
      } else {
        EXPECT_LT(p->id - 1000, namedCreatures) << name;
      }
    }
  }
  EXPECT_GE(placed, 100);
}

TEST_F(DemoContent, SpritesHaveOpaqueOverviewPixelsAndBackgrounds) {
  install_allegro(SYSTEM_NONE, &errno, atexit);
  set_color_depth(32);
  SpriteSet sprites;
  ASSERT_TRUE(sprites.loadPalette(output->editorPath("palette.bmp").c_str()));
  ASSERT_TRUE(sprites.loadSprites(worldEditorPath().c_str(), 32, nullptr, nullptr));
  EXPECT_EQ(63, sprites.palette[255].r);  // index 255 is the transparent magenta
  EXPECT_EQ(0, sprites.palette[255].g);
  EXPECT_EQ(63, sprites.palette[255].b);
  const int mask = makecol(255, 0, 255);
  for (int code = 1; code < 256; ++code) {
    const int slot = SpriteSet::foregroundSprite(code);
    if (slot != 0) {
      EXPECT_NE(mask, getpixel(sprites.sprite(slot), 5, 5)) << "code " << code;
    }
  }
  for (int slot : {79, 208, 229}) {
    for (int y = 0; y < kSpriteHeight; ++y) {
      for (int x = 0; x < kSpriteWidth; ++x) ASSERT_NE(mask, getpixel(sprites.sprite(slot), x, y)) << slot;
    }
  }
  for (int code : {4, 19, 97, 101}) {  // trees, furniture, shores and bridges let their background show
    BITMAP* picture = sprites.sprite(SpriteSet::foregroundSprite(code));
    EXPECT_TRUE(getpixel(picture, 0, 19) == mask || getpixel(picture, 17, 19) == mask) << "code " << code;
  }
  // Creatures of the second set: sprite 250 is the first of "ZAN2.SPR" and not blank.
  EXPECT_NE(mask, getpixel(sprites.sprite(250), 9, 12));
}

TEST_F(DemoContent, GeneratingAgainGivesTheSameFiles) {
  TempDir again;
  DemoSummary second;
  ASSERT_TRUE(generateDemo(again.path(), &second));
  std::vector<DirectoryEntry> entries;
  ASSERT_TRUE(listDirectory(worldEditorPath().c_str(), entries));
  ASSERT_GT(entries.size(), 400u);
  const std::string first = output->path() + "/" + kDemoWorldDirectory + "/";
  const std::string other = again.path() + "/" + kDemoWorldDirectory + "/";
  for (const DirectoryEntry& entry : entries) {
    if (entry.isDirectory) continue;
    ASSERT_EQ(readFileBytes(first + entry.name), readFileBytes(other + entry.name)) << entry.name;
  }
  EXPECT_EQ(readFileBytes(output->file("palette.bmp")), readFileBytes(again.file("palette.bmp")));
}
