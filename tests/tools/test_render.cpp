// The renderer's command line and a whole run from files to a PNG read back
// pixel by pixel (the drawing itself is the view's, tested there).
#include <allegro.h>
#include <gtest/gtest.h>
#include <loadpng.h>

#include <cerrno>
#include <cstdlib>
#include <memory>
#include <string>

#include "render_job.h"
#include "support/game_art.h"
#include "support/temp_dir.h"
#include "view/map_drawing.h"

namespace {

class Render : public ::testing::Test {
 protected:
  void SetUp() override {
    install_allegro(SYSTEM_NONE, &errno, atexit);
    set_color_depth(32);
    writeTestPalette(dir.file("palette.bmp"));
    writeFileBytes(dir.file("ZAN.SPR"), spriteFileBytes(0, true));
    sprites.loadPalette(dir.editorPath("palette.bmp").c_str());
    sprites.loadSprites(dir.editorPath().c_str(), 32, nullptr, nullptr);
    set_palette(sprites.palette);  // for the expected colours (palette_color)
  }
  int colour(int index) const { return palette_color[index]; }

  TempDir dir;
  SpriteSet sprites;
};

}  // namespace

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
  EXPECT_EQ(kMapCanvasWidth, read->w);
  EXPECT_EQ(kMapCanvasHeight, read->h);
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

  // Without its palette every colour would be wrong: refused, nothing written.
  job.palette = dir.file("no-palette.bmp");
  job.output = dir.file("unpaletted.png");
  EXPECT_FALSE(runRenderJob(job, message, sizeof message));
  EXPECT_NE(nullptr, strstr(message, "no-palette.bmp was not found")) << message;
  EXPECT_FALSE(fileExistsOnHost(job.output));
}
