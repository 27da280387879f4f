// Counts for people: see count_text.h.
#include "data/count_text.h"

#include <cstdio>

void groupedNumber(long long n, char* out, size_t size) {
  if (size == 0) return;
  char digits[32];
  const int length = snprintf(digits, sizeof digits, "%lld", n);
  size_t used = 0;
  for (int i = 0; i < length && used + 1 < size; ++i) {
    if (i > 0 && digits[i - 1] != '-' && (length - i) % 3 == 0) {
      if (used + 2 >= size) break;
      out[used++] = ',';
    }
    out[used++] = digits[i];
  }
  out[used] = '\0';
}

void countText(long long n, const char* one, const char* many, char* out, size_t size) {
  char number[32];
  groupedNumber(n, number, sizeof number);
  snprintf(out, size, "%s %s", number, n == 1 || n == -1 ? one : many);
}
