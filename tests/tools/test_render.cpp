// The renderer: map pictures cell by cell with masked backgrounds and
// foregrounds, placements by their records, the squeezed world overview, and
// a whole run from files to a PNG read back pixel by pixel.
#include <allegro.h>
#include <gtest/gtest.h>
#include <loadpng.h>

#include <cerrno>
#include <cstdlib>
#include <memory>
#include <string>

#include "map_picture.h"
#include "render_job.h"
#include "support/temp_dir.h"

namespace {

// Sprite n of the file is solid index n, except that sprite 4 (a "tree") is
// transparent in its left half; n counts from 1, as the slots do.
std::string spriteFile() {
  std::string bytes;
  for (int n = 1; n <= kSpritesPerFile; ++n) {
    std::string sprite(kSpriteBytes, static_cast<char>(n));
    if (n == 4) {
      for (int y = 0; y < kSpriteHeight; ++y) {
        for (int x = 0; x < kSpriteWidth / 2; ++x) sprite[y * kSpriteWidth + x] = static_cast<char>(255);
      }
    }
    bytes += sprite;
  }
  return bytes;
}

void writePalette(const std::string& hostPath) {
  PALETTE pal;
  for (int i = 0; i < 256; ++i) {
    pal[i].r = static_cast<unsigned char>(i / 4);
    pal[i].g = static_cast<unsigned char>((i % 4) * 16);
    pal[i].b = static_cast<unsigned char>(63 - i / 4);
  }
  BITMAP* image = create_bitmap_ex(8, 2, 2);
  clear_bitmap(image);
  save_bitmap(hostPath.c_str(), image, pal);
  destroy_bitmap(image);
}

class Render : public ::testing::Test {
 protected:
  void SetUp() override {
    install_allegro(SYSTEM_NONE, &errno, atexit);
    set_color_depth(32);
    writePalette(dir.file("palette.bmp"));
    writeFileBytes(dir.file("ZAN.SPR"), spriteFile());
    sprites.loadPalette(dir.editorPath("palette.bmp").c_str());
    sprites.loadSprites(dir.editorPath().c_str(), 32, nullptr, nullptr);
    set_palette(sprites.palette);  // for the expected colours (palette_color)
    picture = create_bitmap(kPictureWidth, kPictureHeight);
    clear_to_color(picture, makecol(1, 2, 3));
  }
  void TearDown() override { destroy_bitmap(picture); }
  int colour(int index) const { return palette_color[index]; }

  TempDir dir;
  SpriteSet sprites;
  BITMAP* picture = nullptr;
};

}  // namespace

TEST_F(Render, MapCellsShowForegroundOverBackgroundByKind) {
  LocalMap map;
  map.kind = Wilderness;
  map.setTile(0, 0, 250);   // grass: slot 229 over 229
  map.setTile(1, 0, 4);     // tree: left half shows the background
  map.setTile(2, 0, 97);    // shore: slot 160 over water 208
  map.setTile(47, 23, 19);  // table: slot 19 over floor 79
  drawMapPicture(picture, sprites, map);
  EXPECT_EQ(colour(229), getpixel(picture, 0, 0));
  EXPECT_EQ(colour(229), getpixel(picture, 18 + 2, 5));
  EXPECT_EQ(colour(4), getpixel(picture, 18 + 12, 5));
  EXPECT_EQ(colour(160), getpixel(picture, 36, 0));
  EXPECT_EQ(colour(19), getpixel(picture, 846, 460));
  EXPECT_EQ(colour(19), getpixel(picture, 863, 479));
  EXPECT_EQ(0, getpixel(picture, 3 * 18, 0));  // code 0: the black blank slot

  map.kind = Interior;
  drawMapPicture(picture, sprites, map);
  EXPECT_EQ(colour(79), getpixel(picture, 18 + 2, 5));
  EXPECT_EQ(colour(229), getpixel(picture, 0, 0));  // grass keeps its own picture
}

TEST_F(Render, PlacementsDrawTheirRecordsSprites) {
  std::string objects(79 * 2, '\0');
  objects[53] = 7;        // object 0: sprite 7
  objects[79 + 53] = 8;   // object 1: sprite 8
  writeFileBytes(dir.file("CONSTANT.OBJ"), objects);
  writeFileBytes(dir.file("playername.OBJ"), "");
  std::string creature(431, '\0');
  creature[3] = 9;
  writeFileBytes(dir.file("CONSTANT.CRE"), creature);
  const std::string lastName = dir.path().substr(dir.path().rfind('/') + 1);
  writeFileBytes(dir.file(lastName + ".CRS"), creature);
  // Object 0 at (2, 3) in use; object 1 at (4, 1) not in use; creature 0 at (48, 24) with inUse 0.
  const std::string records = std::string("\x02\x03\x01\x01\0\0\0\0\0\0\0", 11) +
                              std::string("\x04\x01\x00\x01\0\0\0\x01\0\0\0", 11) +
                              std::string("\x30\x18\x00\x01\0\0\0\xE8\x03\0\0", 11);
  writeFileBytes(dir.file("MAP1.DAT"), records);
  auto objectList = std::make_unique<ObjectList>();
  auto creatureList = std::make_unique<CreatureList>();
  auto data = std::make_unique<MapDataFile>();
  objectList->load(dir.editorPath().c_str());
  ASSERT_TRUE(creatureList->load(dir.editorPath().c_str()));
  ASSERT_TRUE(data->load(dir.editorPath("MAP1.DAT").c_str()));
  drawPlacementSprites(picture, sprites, *data, *objectList, *creatureList);
  EXPECT_EQ(colour(7), getpixel(picture, 18 + 5, 40 + 5));
  EXPECT_EQ(makecol(1, 2, 3), getpixel(picture, 3 * 18 + 5, 5));
  EXPECT_EQ(colour(9), getpixel(picture, 846, 460));
}

TEST_F(Render, WorldOverviewSqueezesColumnsAndTakesPixelFiveFive) {
  auto world = std::make_unique<WorldBuffer>();
  memset(world->cells, 250, sizeof world->cells);
  for (int y = 0; y < kWorldRows; ++y) {
    world->cells[y * kWorldColumns + 9] = 4;     // never shown: column 9 is skipped
    world->cells[y * kWorldColumns + 10] = 208;
    world->cells[y * kWorldColumns + 958] = 16;  // rock, slot 14
  }
  world->cells[479 * kWorldColumns + 8] = 0;
  drawWorldPicture(picture, sprites, *world);
  for (int px = 0; px < kPictureWidth; ++px) EXPECT_NE(colour(4), getpixel(picture, px, 0)) << px;
  EXPECT_EQ(colour(229), getpixel(picture, 8, 0));
  EXPECT_EQ(colour(208), getpixel(picture, 9, 0));
  EXPECT_EQ(colour(14), getpixel(picture, 863, 100));
  EXPECT_EQ(0, getpixel(picture, 8, 479));
}

TEST_F(Render, SlotsWithoutABitmapDrawNothing) {
  SpriteSet none;  // every slot null, as when no bitmap could be made
  LocalMap map;
  map.setTile(0, 0, 4);
  drawMapPicture(picture, none, map);
  EXPECT_EQ(makecol(1, 2, 3), getpixel(picture, 5, 5));
  auto world = std::make_unique<WorldBuffer>();
  memset(world->cells, 4, sizeof world->cells);
  drawWorldPicture(picture, none, *world);
  EXPECT_EQ(0, getpixel(picture, 5, 5));  // the world overview paints black without pictures
}

TEST(RenderArguments, OptionsAndTwoPathsOnly) {
  const char* full[] = {"dola-render", "--objects", "--palette", "p.bmp", "--sprites", "s", "in.MAP", "out.png"};
  RenderJob job;
  ASSERT_TRUE(parseRenderArguments(8, const_cast<char**>(full), &job));
  EXPECT_TRUE(job.objects);
  EXPECT_EQ("p.bmp", job.palette);
  EXPECT_EQ("s", job.sprites);
  EXPECT_EQ("in.MAP", job.input);
  EXPECT_EQ("out.png", job.output);
  const char* oneOnly[] = {"dola-render", "in.MAP"};
  const char* three[] = {"dola-render", "a", "b", "c"};
  const char* unknown[] = {"dola-render", "--big", "a", "b"};
  const char* noValue[] = {"dola-render", "a", "b", "--palette"};
  RenderJob other;
  EXPECT_FALSE(parseRenderArguments(2, const_cast<char**>(oneOnly), &other));
  EXPECT_FALSE(parseRenderArguments(4, const_cast<char**>(three), &other));
  EXPECT_FALSE(parseRenderArguments(4, const_cast<char**>(unknown), &other));
  EXPECT_FALSE(parseRenderArguments(4, const_cast<char**>(noValue), &other));
}

TEST_F(Render, JobWritesAnOpaquePngAndNamesMissingFiles) {
  LocalMap map;
  map.setTile(0, 0, 250);
  map.setTile(1, 0, 4);
  ASSERT_TRUE(map.save(dir.editorPath("ZANAA.MAP").c_str()));
  RenderJob job;
  job.input = dir.file("ZANAA.MAP");
  job.output = dir.file("out.png");
  job.palette = dir.file("palette.bmp");
  char message[512];
  ASSERT_TRUE(runRenderJob(job, message, sizeof message));
  EXPECT_NE(nullptr, strstr(message, "ZAN2.SPR")) << message;  // the second set is missing here

  PALETTE unused;
  BITMAP* read = load_png(job.output.c_str(), unused);
  ASSERT_NE(nullptr, read);
  EXPECT_EQ(kPictureWidth, read->w);
  EXPECT_EQ(kPictureHeight, read->h);
  const int expected = colour(4);
  const int got = getpixel(read, 18 + 12, 5);
  EXPECT_EQ(getr(expected), getr_depth(bitmap_color_depth(read), got));
  EXPECT_EQ(getg(expected), getg_depth(bitmap_color_depth(read), got));
  EXPECT_EQ(getb(expected), getb_depth(bitmap_color_depth(read), got));
  destroy_bitmap(read);

  job.input = dir.file("MISSING.MAP");
  EXPECT_FALSE(runRenderJob(job, message, sizeof message));
  job.input = dir.path();  // a directory: the world overview, squares without a map stay 0
  job.output = dir.file("world.png");
  EXPECT_TRUE(runRenderJob(job, message, sizeof message)) << message;
  EXPECT_TRUE(fileExistsOnHost(job.output));
}
