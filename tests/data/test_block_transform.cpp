// Flips and turns of copied blocks against a reference that moves each source
// cell to where the transform takes it, over every block shape a map holds;
// and the transformed blocks pasted with every edge of the map cutting them.
#include <gtest/gtest.h>

#include <cstdlib>

#include "data/block_transform.h"

namespace {

constexpr BlockTransform kTransforms[] = {BlockTransform::FlipLeftRight, BlockTransform::FlipTopBottom,
                                          BlockTransform::TurnClockwise, BlockTransform::TurnCounterClockwise};

TileBlock randomBlock(int width, int height) {
  TileBlock block;
  block.width = width;
  block.height = height;
  for (int r = 0; r < height; ++r)
    for (int c = 0; c < width; ++c) block.set(c, r, static_cast<unsigned char>(rand() % 256));
  return block;
}

// Where source cell (x, y) of a w x h block lands: a turn moves the block's
// top-left corner to its top-right (clockwise) or bottom-left.
void destination(BlockTransform t, int w, int h, int x, int y, int* c, int* r) {
  switch (t) {
    case BlockTransform::FlipLeftRight: *c = w - 1 - x, *r = y; break;
    case BlockTransform::FlipTopBottom: *c = x, *r = h - 1 - y; break;
    case BlockTransform::TurnClockwise: *c = h - 1 - y, *r = x; break;
    case BlockTransform::TurnCounterClockwise: *c = y, *r = w - 1 - x; break;
  }
  ASSERT_GE(*c, 0);
}

bool sameBlock(const TileBlock& a, const TileBlock& b) {
  if (a.width != b.width || a.height != b.height) return false;
  for (int r = 0; r < a.height; ++r)
    for (int c = 0; c < a.width; ++c)
      if (a.at(c, r) != b.at(c, r)) return false;
  return true;
}

}  // namespace

TEST(BlockTransform, EveryShapeMatchesTheReferenceAndTurnsCompose) {
  srand(31);
  for (int w = 1; w <= kMapColumns; ++w) {
    for (int h = 1; h <= kMapRows; ++h) {
      const TileBlock block = randomBlock(w, h);
      TileBlock result[4];
      for (int t = 0; t < 4; ++t) {
        result[t] = transformedBlock(block, kTransforms[t]);
        const bool turn = t >= 2;
        ASSERT_EQ(result[t].width, turn ? h : w);
        ASSERT_EQ(result[t].height, turn ? w : h);
        for (int y = 0; y < h; ++y) {
          for (int x = 0; x < w; ++x) {
            int c = -1, r = -1;
            destination(kTransforms[t], w, h, x, y, &c, &r);
            ASSERT_EQ(result[t].at(c, r), block.at(x, y)) << w << "x" << h << " transform " << t;
            const Cell moved = transformedCell(kTransforms[t], w, h, Cell{x, y});
            ASSERT_TRUE(moved.column == c && moved.row == r);
          }
        }
      }
      // A turn and its opposite, two flips, four turns: the block again.
      ASSERT_TRUE(sameBlock(block, transformedBlock(result[2], BlockTransform::TurnCounterClockwise)));
      ASSERT_TRUE(sameBlock(block, transformedBlock(result[0], BlockTransform::FlipLeftRight)));
      const TileBlock half = transformedBlock(result[2], BlockTransform::TurnClockwise);
      ASSERT_TRUE(sameBlock(half, transformedBlock(result[1], BlockTransform::FlipLeftRight)));
    }
  }
  EXPECT_TRUE(transformedBlock(TileBlock{}, BlockTransform::TurnClockwise).empty());
}

// Every shape, turned or flipped, pasted where each edge of the map cuts it:
// exactly the cells of the model change, never the row a Local map does not
// store.
TEST(BlockTransform, TransformedBlocksPasteClippedAtEveryEdge) {
  srand(32);
  for (int w = 1; w <= kMapColumns; ++w) {
    for (int h = 1; h <= kMapRows; ++h) {
      const TileBlock block = transformedBlock(randomBlock(w, h), kTransforms[rand() % 4]);
      const int bw = block.width, bh = block.height;
      // Cut by the left or top edge down to one cell, by one cell, flush
      // against it; the same at the right and bottom edges.
      const int columns[] = {1 - bw, -1, 0, kMapColumns - bw, kMapColumns - 1};
      const int rows[] = {1 - bh, -1, 0, kMapRows - bh, kMapRows - 1};
      for (int column : columns) {
        for (int row : rows) {
          LocalMap map;
          map.kind = (w + h) % 2 ? Local : Wilderness;
          const int stored = map.paintableRows();
          for (int r = 0; r < stored; ++r)
            for (int c = 0; c < kMapColumns; ++c) map.setTile(c, r, 1);
          const AreaChange change = pasteBlock(map, block, column, row);
          int changed = 0;
          for (int r = 0; r < kMapRows; ++r) {
            for (int c = 0; c < kMapColumns; ++c) {
              const bool covered = r < stored && c >= column && c < column + bw && r >= row && r < row + bh;
              const int expected = covered ? block.at(c - column, r - row) : r < stored ? 1 : 0;
              ASSERT_EQ(map.getTile(c, r), expected) << w << "x" << h << " at " << column << "," << row;
              changed += covered && expected != 1;
            }
          }
          ASSERT_EQ(change.cells, changed);
        }
      }
    }
  }
}
