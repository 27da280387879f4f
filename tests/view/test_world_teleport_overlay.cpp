// The teleport overlay of the world view on a small hand-made world: lines to
// world map squares, framed marks in two colours, what lies off the lines
// untouched, which teleport a pixel points at, and the kept world picture.
#include <allegro.h>
#include <gtest/gtest.h>

#include <memory>

#include "gui/gui.h"
#include "view/world_picture.h"
#include "view/world_teleport_overlay.h"

namespace {

// ZANAA leads to ZANCA and into TAB2515 (and from a cell off the map, left
// out); ZANFF leads straight south to ZANFJ, named in small letters.
WorldTeleports handMadeWorld() {
  WorldTeleports world;
  LocalMap aa, ff;
  aa.addTeleport(1, 1, "ZANCA");
  aa.addTeleport(24, 12, "TAB2515");
  aa.addTeleport(49, 1, "ZANAA");
  ff.addTeleport(25, 13, "zanfj");
  world.addMap(aa, 0, 0);
  world.addMap(ff, 5, 5);
  return world;
}

}  // namespace

TEST(WorldTeleportOverlay, LinesRunToTheMiddleOfWorldSquaresAndOtherMapsGetABoxOfTheirOwn) {
  ASSERT_TRUE(GuiInitHeadless(1024, 768, 32));
  BITMAP* canvas = create_bitmap_ex(32, 864, 480);
  const int ground = makecol32(128, 128, 128), black = makecol32(0, 0, 0);
  clear_to_color(canvas, ground);
  const WorldTeleports world = handMadeWorld();
  ASSERT_EQ(3u, world.list.size());
  drawWorldTeleports(canvas, world);
  const int link = worldLinkColour(canvas), other = otherLinkColour(canvas);
  // ZANAA (0, 0) -> middle of ZANCA: world cell (120, 12), pixel (108, 12).
  for (int x : {0, 27, 54, 81, 108}) EXPECT_EQ(link, getpixel(canvas, x, x / 9)) << x;
  EXPECT_EQ(ground, getpixel(canvas, 109, 12));  // the line ends in the square's middle
  // ZANFF cell (24, 12): world (264, 132), pixel (238, 132), straight down to
  // ZANFJ's middle at row 228; the mark's frame lies over the line.
  for (int y : {134, 180, 228}) EXPECT_EQ(link, getpixel(canvas, 238, y)) << y;
  EXPECT_EQ(black, getpixel(canvas, 238, 135));
  EXPECT_EQ(ground, getpixel(canvas, 238, 229));
  // TAB2515 from world cell (23, 11), pixel (21, 11): a framed box, no line.
  for (int x : {19, 21, 23}) EXPECT_EQ(other, getpixel(canvas, x, x - 10)) << x;
  EXPECT_EQ(black, getpixel(canvas, 24, 14));
  EXPECT_EQ(ground, getpixel(canvas, 25, 11));
  destroy_bitmap(canvas);
}

TEST(WorldTeleportOverlay, APixelPointsAtTheMarkUnderItAndThePictureFollowsTheOverlay) {
  for (int px = 0; px < 864; ++px) {  // a cell is marked at the very pixel that shows it
    int x, y;
    worldCellPixel(px * 960 / 864, 0, &x, &y);
    ASSERT_EQ(px, x);
  }
  WorldTeleports world = handMadeWorld();
  EXPECT_STREQ("TAB2515", teleportAtPixel(world, 22, 12)->name);
  EXPECT_EQ(nullptr, teleportAtPixel(world, 25, 11));
  EXPECT_EQ(nullptr, teleportAtPixel(world, 238, 180));  // a line is no mark

  ASSERT_TRUE(GuiInitHeadless(1024, 768, 16));
  BITMAP* canvas = create_bitmap_ex(16, 864, 480);
  SpriteSet noSprites;  // a black world
  auto cells = std::make_unique<WorldBuffer>();
  WorldPicture picture;
  picture.show(canvas, noSprites, *cells, &world);
  EXPECT_EQ(worldLinkColour(canvas), getpixel(canvas, 54, 6));
  picture.show(canvas, noSprites, *cells, nullptr);  // taken away
  EXPECT_EQ(0, getpixel(canvas, 54, 6));
  picture.show(canvas, noSprites, *cells, &world);
  world.clear();  // changed
  picture.show(canvas, noSprites, *cells, &world);
  EXPECT_EQ(0, getpixel(canvas, 54, 6));
  destroy_bitmap(canvas);
}
