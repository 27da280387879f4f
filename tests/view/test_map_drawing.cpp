// The drawings, pixel by pixel: cells and their backgrounds by map kind, the
// palette, placements by their records, the squeezed world view in every
// depth, and the composed map picture against a full redraw.
#include <cstdlib>
#include <cstring>

#include "data/sprite_tables.h"
#include "view/map_canvas.h"
#include "view/map_drawing.h"
#include "view_fixture.h"

namespace {

// The colour a cell of code shows at sprite pixel (12, 10): the foreground's
// pixel unless it is the mask colour (the blank slot in 8-bit), else the
// background's.
int cellColour(const SpriteSet& sprites, int code, int kind) {
  BITMAP* fg = sprites.sprite(foregroundSlotOf(code));
  const int pixel = getpixel(fg, 12, 10);
  return pixel != bitmap_mask_color(fg) ? pixel : getpixel(sprites.sprite(backgroundSlotOf(code, kind)), 12, 10);
}

// Placement record i of a ".DAT" file: cell (x, y), flag, quantity, id.
std::string record(int x, int y, int inUse, int quantity, int id) {
  std::string r(11, '\0');
  r[0] = static_cast<char>(x);
  r[1] = static_cast<char>(y);
  r[2] = static_cast<char>(inUse);
  r[3] = static_cast<char>(quantity);
  for (int b = 0; b < 4; ++b) r[7 + b] = static_cast<char>((id >> (8 * b)) & 255);
  return r;
}

}  // namespace

TEST_F(ViewTest, CellsCoverTheirPixelsWithForegroundOverBackgroundByKind) {
  LocalMap& map = values->openMap;
  map.kind = Wilderness;
  map.setTile(0, 0, 4);     // tree, left half clear: grass shows through
  map.setTile(1, 0, 97);    // shore over water
  map.setTile(2, 0, 19);    // table over floor
  map.setTile(47, 23, 250); // grass, in the corner cell
  drawLocalMap(canvas(), values->sprites, map);
  EXPECT_EQ(colour(kGrassSlot), getpixel(canvas(), 0, 0));
  EXPECT_EQ(colour(kGrassSlot), getpixel(canvas(), 8, 19));
  EXPECT_EQ(colour(4), getpixel(canvas(), 9, 0));
  EXPECT_EQ(colour(4), getpixel(canvas(), 17, 19));
  EXPECT_EQ(colour(160), getpixel(canvas(), 18, 0));
  EXPECT_EQ(colour(19), getpixel(canvas(), 36, 0));
  EXPECT_EQ(colour(229), getpixel(canvas(), 846, 460));
  EXPECT_EQ(colour(229), getpixel(canvas(), 863, 479));
  EXPECT_EQ(black(), getpixel(canvas(), 845, 479));  // code 0 beside it: the black blank slot
  EXPECT_EQ(black(), getpixel(canvas(), 863, 459));

  map.kind = Interior;
  drawLocalMap(canvas(), values->sprites, map);
  EXPECT_EQ(colour(kFloorSlot), getpixel(canvas(), 0, 0));  // inside, the tree stands on floor
  EXPECT_EQ(colour(160), getpixel(canvas(), 18, 0));
}

TEST_F(ViewTest, PaletteShowsEveryCodeInItsCell) {
  for (int depth : {16, 32}) {
    TearDown();
    start(depth);
    for (int kind : {Wilderness, Interior}) {
      BITMAP* palette = create_bitmap(576, 160);
      clear_to_color(palette, makecol(1, 2, 3));
      drawPalette(palette, values->sprites, kind);
      for (int code = 0; code < 256; ++code) {
        const int x = (code % 32) * 18 + 12, y = (code / 32) * 20 + 10;
        EXPECT_EQ(cellColour(values->sprites, code, kind), getpixel(palette, x, y)) << depth << " " << kind << " " << code;
      }
      EXPECT_EQ(cellColour(values->sprites, 33, kind), getpixel(palette, 18, 20));
      EXPECT_EQ(cellColour(values->sprites, 33, kind), getpixel(palette, 35, 39));
      EXPECT_EQ(cellColour(values->sprites, 255, kind), getpixel(palette, 558, 140));
      EXPECT_EQ(cellColour(values->sprites, 254, kind), getpixel(palette, 557, 140));
      destroy_bitmap(palette);
    }
  }
}

TEST_F(ViewTest, PlacementsShowTheirRecordsOnlyWithShowObjects) {
  writeTables({7, 8, 200}, {"Chest", "Barrel", "Sword"}, {9, 250});
  std::string dat = record(2, 3, 1, 1, 0)          // object 0 in use: sprite 7 at cell (1, 2)
                    + record(4, 1, 0, 1, 1)        // object 1 not in use: not drawn
                    + record(48, 24, 0, 0, 1000)   // creature 0 whatever its flag: sprite 9
                    + record(1, 1, 1, 1, 0)        // object 0 at the corner...
                    + record(1, 1, 0, 0, 1001)     // ...under creature 1: sprite 250 of ZAN2.SPR
                    + record(5, 5, 1, 1, 50002)    // player object 2: sprite 200
                    + record(6, 6, 1, 1, 500)      // no table: not drawn
                    + record(7, 7, 1, 1, 1000 + 3000);  // past the creature table: not drawn
  writeFileBytes(dir.file("MAP1.DAT"), dat);
  ASSERT_TRUE(values->mapData.load(dir.editorPath("MAP1.DAT").c_str()));
  values->openMap.kind = Interior;
  for (int r = 0; r < kMapRows; ++r) {
    for (int c = 0; c < kMapColumns; ++c) values->openMap.setTile(c, r, 250);
  }
  const int floor = colour(kGrassSlot);  // grass keeps its picture inside

  drawMapCanvas(view, canvas());
  EXPECT_EQ(floor, getpixel(canvas(), 18 + 5, 40 + 5));  // showObjects 0: no sprites
  values->showObjects = 1;
  drawMapCanvas(view, canvas());
  EXPECT_EQ(colour(7), getpixel(canvas(), 18 + 5, 40 + 5));
  EXPECT_EQ(floor, getpixel(canvas(), 3 * 18 + 5, 5));
  EXPECT_EQ(colour(9), getpixel(canvas(), 846, 460));
  EXPECT_EQ(colour(101), getpixel(canvas(), 0, 0));  // slot 250 = ZAN2 sprite 1, the later record on top
  EXPECT_EQ(colour(200), getpixel(canvas(), 4 * 18, 4 * 20));
  EXPECT_EQ(floor, getpixel(canvas(), 5 * 18, 5 * 20));
  EXPECT_EQ(floor, getpixel(canvas(), 6 * 18, 6 * 20));
}

TEST_F(ViewTest, WorldViewSqueezesColumnsInEveryDepth) {
  for (int depth : {8, 15, 16, 24, 32}) {
    TearDown();
    start(depth);
    WorldBuffer& world = values->worldBuffer;
    srand(depth);
    for (unsigned char& cell : world.cells) cell = static_cast<unsigned char>(rand() & 255);
    for (int y = 0; y < kWorldRows; ++y) {
      world.cells[y * kWorldColumns + 8] = 250;
      world.cells[y * kWorldColumns + 9] = 4;  // never shown
      world.cells[y * kWorldColumns + 10] = 208;
      world.cells[y * kWorldColumns + 958] = 16;
    }
    drawWorld(canvas(), values->sprites, world);
    for (int y = 0; y < kWorldRows; ++y) {
      for (int x = 0; x < kMapCanvasWidth; ++x) {
        BITMAP* sprite = values->sprites.sprite(foregroundSlotOf(world.cells[y * 960 + x * 960 / 864]));
        ASSERT_EQ(getpixel(sprite, 5, 5), getpixel(canvas(), x, y)) << depth << " " << x << "," << y;
      }
    }
    EXPECT_EQ(colour(229), getpixel(canvas(), 8, 0));
    EXPECT_EQ(colour(208), getpixel(canvas(), 9, 0));
    EXPECT_EQ(colour(14), getpixel(canvas(), 863, 479));
  }
}

TEST_F(ViewTest, KeptPicturesEqualAFullRedrawAfterRandomEdits) {
  writeTables({7}, {"Chest"}, {9});
  values->mapData.load(dir.editorPath("NONE.DAT").c_str());  // a table of free records
  values->showObjects = 1;
  BITMAP* full = create_bitmap(kMapCanvasWidth, kMapCanvasHeight);
  srand(7);
  for (int step = 0; step < 60; ++step) {
    const int edits = rand() % 40;
    for (int e = 0; e < edits; ++e) values->openMap.setTile(rand() % 48, rand() % 24, rand() & 255);
    if (step % 13 == 0) values->openMap.kind = (step / 13) % 2 ? Interior : Local;
    if (step % 7 == 0) values->showObjects = 1 - values->showObjects;
    Placement* p = values->mapData.placement(rand() % 200);
    *p = Placement{static_cast<unsigned char>(rand() % 49), static_cast<unsigned char>(rand() % 25),
                   static_cast<unsigned char>(rand() % 2), 1, {0, 0, 0}, rand() % 2 ? 0 : 1000};
    drawMapCanvas(view, canvas());
    clear_to_color(full, black());
    drawLocalMap(full, values->sprites, values->openMap);
    if (values->showObjects == 1)
      drawPlacements(full, values->sprites, values->mapData, values->objectList, values->creatureList);
    for (int y = 0; y < kMapCanvasHeight; ++y) {
      ASSERT_EQ(0, memcmp(full->line[y], canvas()->line[y], kMapCanvasWidth * 2)) << step << " row " << y;
    }
  }
  values->canvasMode = WorldView;  // the kept world picture follows every change of a cell
  for (int step = 0; step < 5; ++step) {
    values->worldBuffer.cells[rand() % (kWorldColumns * kWorldRows)] = rand() & 255;
    drawMapCanvas(view, canvas());
    drawWorld(full, values->sprites, values->worldBuffer);
    for (int y = 0; y < kMapCanvasHeight; ++y) {
      ASSERT_EQ(0, memcmp(full->line[y], canvas()->line[y], kMapCanvasWidth * 2)) << step << " row " << y;
    }
  }
  destroy_bitmap(full);
}

TEST_F(ViewTest, SlotsWithoutABitmapDrawNothing) {
  SpriteSet none;  // every slot null, as when no bitmap could be made
  LocalMap map;
  map.kind = Wilderness;
  map.setTile(0, 0, 4);
  clear_to_color(canvas(), makecol(1, 2, 3));
  drawLocalMap(canvas(), none, map);
  drawPalette(canvas(), none, Wilderness);
  EXPECT_EQ(makecol(1, 2, 3), getpixel(canvas(), 5, 5));
  EXPECT_EQ(makecol(1, 2, 3), getpixel(canvas(), 863, 479));
  std::memset(values->worldBuffer.cells, 4, sizeof values->worldBuffer.cells);
  drawWorld(canvas(), none, values->worldBuffer);
  EXPECT_EQ(black(), getpixel(canvas(), 5, 5));  // the world overview is black without pictures
}
