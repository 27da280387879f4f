// Counts in the texts the user reads: one number format for every message,
// "2,187" (a comma between groups of three digits), with the noun in the
// singular where the count is one ("1 world map", "1 warning").
#pragma once
#include <cstddef>

// n with a comma between each group of three digits: "1,204", "-12,000".
void groupedNumber(long long n, char* out, size_t size);

// n grouped, a blank, and one when n is 1 (or -1), else many: "2,187 cells".
void countText(long long n, const char* one, const char* many, char* out, size_t size);
