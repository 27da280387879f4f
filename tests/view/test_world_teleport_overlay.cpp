// The teleport overlay of the world view on a small hand-made world: lines to
// world map squares, marks in two colours, what lies off the lines untouched,
// and which teleport a pixel points at.
#include <allegro.h>
#include <gtest/gtest.h>

#include <memory>

#include "gui/gui.h"
#include "view/world_picture.h"
#include "view/world_teleport_overlay.h"

namespace {

// Three maps: ZANAA leads to ZANCA and into the cell map TAB2515; ZANFF leads
// straight south to ZANFJ.
WorldTeleports handMadeWorld() {
  WorldTeleports world;
  LocalMap aa, ff;
  aa.addTeleport(1, 1, "ZANCA");
  aa.addTeleport(24, 12, "TAB2515");
  ff.addTeleport(25, 13, "zanfj");
  world.addMap(aa, 0, 0);
  world.addMap(ff, 5, 5);
  return world;
}

}  // namespace

TEST(WorldTeleportOverlay, LinesRunToTheMiddleOfWorldSquaresAndOtherMapsGetABoxOfTheirOwn) {
  for (int depth : {16, 32}) {
    ASSERT_TRUE(GuiInitHeadless(1024, 768, depth));
    BITMAP* canvas = create_bitmap_ex(depth, 864, 480);
    clear_to_color(canvas, makecol_depth(depth, 0, 0, 0));
    const WorldTeleports world = handMadeWorld();
    drawWorldTeleports(canvas, world);
    const int link = worldLinkColour(canvas), other = otherLinkColour(canvas), black = makecol_depth(depth, 0, 0, 0);
    ASSERT_NE(link, other);

    // ZANAA (0, 0) -> middle of ZANCA: world cell (120, 12), pixel (108, 12).
    for (int x : {0, 27, 54, 81, 108}) EXPECT_EQ(link, getpixel(canvas, x, x / 9)) << depth << " x " << x;
    EXPECT_EQ(black, getpixel(canvas, 54, 30));
    EXPECT_EQ(black, getpixel(canvas, 109, 12));  // the line ends in the square's middle
    // ZANFF cell (24, 12): world (264, 132), pixel (238, 132), straight down to ZANFJ's middle at row 228.
    for (int y : {133, 180, 228}) EXPECT_EQ(link, getpixel(canvas, 238, y)) << y;
    EXPECT_EQ(black, getpixel(canvas, 238, 229));
    EXPECT_EQ(black, getpixel(canvas, 239, 180));
    // TAB2515 from world cell (23, 11), pixel (21, 11): a hollow box with its middle set, no line.
    EXPECT_EQ(other, getpixel(canvas, 21, 11));
    EXPECT_EQ(other, getpixel(canvas, 19, 9));
    EXPECT_EQ(other, getpixel(canvas, 23, 13));
    EXPECT_EQ(black, getpixel(canvas, 20, 10));
    EXPECT_EQ(black, getpixel(canvas, 30, 11));
    // The mark of a teleport into a world map, over its own line.
    EXPECT_EQ(link, getpixel(canvas, 236, 130));
    EXPECT_EQ(black, getpixel(canvas, 237, 131));
    destroy_bitmap(canvas);
  }
}

TEST(WorldTeleportOverlay, APixelPointsAtTheNearestMarkUnderIt) {
  for (int px = 0; px < 864; ++px) {  // a cell is marked at the very pixel that shows it
    int x, y;
    worldCellPixel(px * 960 / 864, 0, &x, &y);
    ASSERT_EQ(px, x);
  }
  const WorldTeleports world = handMadeWorld();
  const WorldTeleport* found = teleportAtPixel(world, 22, 12);
  ASSERT_NE(nullptr, found);
  EXPECT_STREQ("TAB2515", found->name);
  found = teleportAtPixel(world, 1, 1);
  ASSERT_NE(nullptr, found);
  EXPECT_STREQ("ZANCA", found->name);
  EXPECT_EQ(nullptr, teleportAtPixel(world, 24, 11));
  EXPECT_EQ(nullptr, teleportAtPixel(world, 238, 180));  // a line is no mark
}

// The kept world picture follows the overlay: shown, changed, taken away.
TEST(WorldTeleportOverlay, TheKeptWorldPictureIsRedrawnWhenTheOverlayChanges) {
  ASSERT_TRUE(GuiInitHeadless(1024, 768, 16));
  BITMAP* canvas = create_bitmap_ex(16, 864, 480);
  SpriteSet noSprites;
  auto world = std::make_unique<WorldBuffer>();
  WorldTeleports teleports = handMadeWorld();
  WorldPicture picture;
  picture.show(canvas, noSprites, *world, &teleports);
  EXPECT_EQ(worldLinkColour(canvas), getpixel(canvas, 54, 6));
  LocalMap far;
  far.addTeleport(48, 24, "OAKVALE");
  teleports.addMap(far, 19, 19);  // world (959, 479): pixel (863, 479)
  picture.show(canvas, noSprites, *world, &teleports);
  EXPECT_EQ(otherLinkColour(canvas), getpixel(canvas, 863, 479));
  picture.show(canvas, noSprites, *world, nullptr);
  EXPECT_EQ(makecol16(0, 0, 0), getpixel(canvas, 54, 6));
  EXPECT_EQ(makecol16(0, 0, 0), getpixel(canvas, 863, 479));
  destroy_bitmap(canvas);
}
