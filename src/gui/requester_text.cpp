// The requester text convention: "%%" shows one "%" (other "%" sequences are
// shown as they stand, since no arguments are ever passed), then "|" splits
// the text into the message and one label per button; and its inverse, the
// one place that makes a foreign text show literally in a requester.
#include <cstring>

#include "gui/gui_internal.h"

namespace gui {

void expandRequesterFormat(const char* text, char* out, int outSize) {
  if (outSize <= 0) return;
  int n = 0;
  for (const char* p = text ? text : ""; *p && n < outSize - 1; ++p) {
    if (p[0] == '%' && p[1] == '%') ++p;
    out[n++] = *p;
  }
  out[n] = '\0';
}

int splitBar(const char* text, char parts[][kLabelSize], int maxParts) {
  int count = 0;
  const char* start = text;
  while (count < maxParts) {
    const char* bar = strchr(start, '|');
    size_t length = bar ? static_cast<size_t>(bar - start) : strlen(start);
    if (length >= kLabelSize) length = kLabelSize - 1;
    memcpy(parts[count], start, length);
    parts[count][length] = '\0';
    ++count;
    if (!bar) break;
    start = bar + 1;
  }
  return count;
}

}  // namespace gui

size_t AppendRequesterLiteral(char* buffer, size_t size, const char* text, bool keepBars) {
  if (!buffer || size == 0) return 0;
  size_t used = strnlen(buffer, size - 1);
  for (const char* p = text ? text : ""; *p != '\0'; p++) {
    char c = *p == '|' && !keepBars ? '/' : *p;
    size_t needed = c == '%' ? 2 : 1;
    if (used + needed >= size) break;
    buffer[used++] = c;
    if (c == '%') buffer[used++] = '%';
  }
  buffer[used] = '\0';
  return used;
}
