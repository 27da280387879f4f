// Every cell of the result is read from the one cell of the source it shows.
#include "data/block_transform.h"

TileBlock transformedBlock(const TileBlock& block, BlockTransform transform) {
  const bool turn = transform == BlockTransform::TurnClockwise || transform == BlockTransform::TurnCounterClockwise;
  TileBlock out;
  if (block.empty()) return out;
  out.width = turn ? block.height : block.width;
  out.height = turn ? block.width : block.height;
  const int w = block.width, h = block.height;
  for (int r = 0; r < out.height; ++r) {
    for (int c = 0; c < out.width; ++c) {
      int sc = c, sr = r;  // the source cell shown at (c, r)
      switch (transform) {
        case BlockTransform::FlipLeftRight: sc = w - 1 - c; break;
        case BlockTransform::FlipTopBottom: sr = h - 1 - r; break;
        // The source's top row becomes the right column.
        case BlockTransform::TurnClockwise: sc = r; sr = h - 1 - c; break;
        // The source's top row becomes the left column, read upwards.
        case BlockTransform::TurnCounterClockwise: sc = w - 1 - r; sr = c; break;
      }
      out.set(c, r, block.at(sc, sr));
    }
  }
  return out;
}

Cell transformedCell(BlockTransform transform, int width, int height, Cell cell) {
  switch (transform) {
    case BlockTransform::FlipLeftRight: return Cell{width - 1 - cell.column, cell.row};
    case BlockTransform::FlipTopBottom: return Cell{cell.column, height - 1 - cell.row};
    case BlockTransform::TurnClockwise: return Cell{height - 1 - cell.row, cell.column};
    case BlockTransform::TurnCounterClockwise: return Cell{cell.row, width - 1 - cell.column};
  }
  return cell;
}
