// The cells of a straight line between two map cells, one cell per step
// along the longer axis. The Line tool paints them, and the brush fills the
// gap of a fast drag with them, so both draw the same line.
#pragma once

struct Cell {
  int column;
  int row;
};

// Enough room for any line between two cells of a 48 x 24 map.
constexpr int kMaxLineCells = 48;

// Writes the cells from (c0, r0) to (c1, r1), both ends included, into out
// (room for kMaxLineCells) and returns how many: max(|c1 - c0|, |r1 - r0|) + 1.
// Step i moves one cell along the longer axis; the other coordinate is the
// line's exact value there, rounded to the nearer cell (halves away from the
// start's side). A line longer than out holds is cut at kMaxLineCells.
int lineCells(int c0, int r0, int c1, int r1, Cell* out);
