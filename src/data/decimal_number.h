// Decimal numbers in the game's text files (teleport cells in MAP headers,
// values in dola.ini), read the way atol reads them but never overflowing.
#pragma once
#include <cctype>
#include <climits>

// The decimal integer at the start of s: leading blanks skipped, an optional
// sign, then digits up to the first non-digit (none gives 0). A value beyond
// [low, high] is held at the nearer end.
inline long long readDecimal(const char* s, long long low, long long high) {
  while (isspace(static_cast<unsigned char>(*s))) s++;
  const bool negative = *s == '-';
  if (*s == '-' || *s == '+') s++;
  constexpr unsigned long long kHeld = 1ULL << 63;  // past every long long once passed
  unsigned long long magnitude = 0;
  for (; *s >= '0' && *s <= '9'; s++)
    magnitude = magnitude >= kHeld / 10 ? kHeld : magnitude * 10 + static_cast<unsigned>(*s - '0');
  long long value;
  if (negative) value = magnitude >= kHeld ? LLONG_MIN : -static_cast<long long>(magnitude);
  else value = magnitude >= kHeld ? LLONG_MAX : static_cast<long long>(magnitude);
  return value < low ? low : (value > high ? high : value);
}
