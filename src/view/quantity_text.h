// The number in the "Qty" box: the decimal number at the start of its text
// (an optional sign after blanks), 0 when the text starts with none.
#pragma once
#include <cstdlib>

inline int leadingDecimal(const char* text) {
  // The box holds at most three characters, so the value always fits an int.
  return static_cast<int>(strtol(text, nullptr, 10));
}
