// lineCells in integers only: the cross-axis offset of step i is
// i * delta / steps, rounded half away from zero.
#include "data/cell_line.h"

#include <cstdlib>

namespace {

int roundedQuotient(int numerator, int denominator) {
  const int magnitude = (2 * abs(numerator) + denominator) / (2 * denominator);
  return numerator < 0 ? -magnitude : magnitude;
}

}  // namespace

int lineCells(int c0, int r0, int c1, int r1, Cell* out) {
  const int dc = c1 - c0, dr = r1 - r0;
  const int steps = abs(dc) > abs(dr) ? abs(dc) : abs(dr);
  int count = 0;
  for (int i = 0; i <= steps && count < kMaxLineCells; ++i) {
    if (steps == 0) {
      out[count++] = Cell{c0, r0};
      break;
    }
    out[count++] = Cell{c0 + roundedQuotient(i * dc, steps), r0 + roundedQuotient(i * dr, steps)};
  }
  return count;
}
