// One pass over a file's bytes, splitting at LF.
#include "text_lines.h"

#include <cstring>

TextLines scanTextLines(const std::string& bytes) {
  TextLines lines;
  lines.lengths.reserve(32);  // a map's 25 lines in one allocation
  const char* p = bytes.data();
  const char* end = p + bytes.size();
  for (const char* cr = p; (cr = static_cast<const char*>(memchr(cr, '\r', static_cast<size_t>(end - cr)))) != nullptr;
       cr++) {
    if (cr + 1 == end || cr[1] != '\n') lines.bareCarriageReturns++;
  }
  while (p < end) {
    const char* lf = static_cast<const char*>(memchr(p, '\n', static_cast<size_t>(end - p)));
    if (!lf) {
      lines.lengths.push_back(static_cast<size_t>(end - p));
      break;
    }
    const bool crlf = lf > p && lf[-1] == '\r';
    lines.lengths.push_back(static_cast<size_t>(lf - p) - (crlf ? 1 : 0));
    if (!crlf && lines.bareLineFeeds++ == 0) lines.firstBareLineFeed = static_cast<int>(lines.lengths.size());
    p = lf + 1;
  }
  return lines;
}
