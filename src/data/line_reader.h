// Reading a text stream line by line, lines of any length, from large reads
// (a few stdio calls per file rather than one per line or byte). A NUL byte is
// an ordinary character: it never hides a line end.
#pragma once
#include <cstdio>
#include <cstring>
#include <string>

class LineReader {
 public:
  explicit LineReader(FILE* f) : file_(f) {}

  // The next line without its "\n" appended to line; false at end of file.
  bool readLine(std::string& line, bool* hadLineEnd) {
    line.clear();
    bool any = false;
    for (;;) {
      if (pos_ == len_ && !fill()) {
        *hadLineEnd = false;
        return any;
      }
      any = true;
      const char* start = buffer_ + pos_;
      const char* nl = static_cast<const char*>(memchr(start, '\n', len_ - pos_));
      if (nl) {
        line.append(start, static_cast<size_t>(nl - start));
        pos_ += static_cast<size_t>(nl - start) + 1;
        *hadLineEnd = true;
        return true;
      }
      line.append(start, len_ - pos_);
      pos_ = len_;
    }
  }

 private:
  bool fill() {
    len_ = fread(buffer_, 1, sizeof buffer_, file_);
    pos_ = 0;
    return len_ > 0;
  }

  FILE* file_;
  char buffer_[8192];
  size_t pos_ = 0;
  size_t len_ = 0;
};
