// Reading a text stream line by line from large reads (a few stdio calls per
// file rather than one per line or byte). A NUL byte is an ordinary character:
// it never hides a line end. A line may be long, but not unbounded: a file
// opened by mistake (a huge file without line ends) is refused at the limit,
// and the line's buffer never grows past it.
#pragma once
#include <cstdio>
#include <cstring>
#include <string>

// Far above any line of a real MAP file or settings file.
constexpr size_t kLineLengthLimit = 1u << 20;

enum class LineRead {
  Line,        // a line was read (the last one may lack its line end)
  End,         // end of file, nothing more to read
  Unreadable,  // the line passes kLineLengthLimit, or the stream failed: stop reading
};

class LineReader {
 public:
  explicit LineReader(FILE* f) : file_(f) {}

  // The next line without its "\n" in line; hadLineEnd (may be null) says
  // whether a "\n" ended it.
  LineRead readLine(std::string& line, bool* hadLineEnd = nullptr) {
    line.clear();
    bool any = false;
    for (;;) {
      if (pos_ == len_ && !fill()) {
        if (ferror(file_)) return LineRead::Unreadable;
        if (hadLineEnd) *hadLineEnd = false;
        return any ? LineRead::Line : LineRead::End;
      }
      any = true;
      const char* start = buffer_ + pos_;
      const char* nl = static_cast<const char*>(memchr(start, '\n', len_ - pos_));
      const size_t take = nl ? static_cast<size_t>(nl - start) : len_ - pos_;
      if (!append(line, start, take)) return LineRead::Unreadable;
      pos_ += take;
      if (nl) {
        pos_++;
        if (hadLineEnd) *hadLineEnd = true;
        return LineRead::Line;
      }
    }
  }

 private:
  // Appends n bytes unless the line would pass the limit; the buffer grows
  // geometrically but is capped at the limit.
  static bool append(std::string& line, const char* text, size_t n) {
    const size_t needed = line.size() + n;
    if (needed > kLineLengthLimit) return false;
    if (needed > line.capacity()) {
      // A fresh string gets exactly the capacity asked for (a string's own
      // reserve may round it up past the limit).
      const size_t doubled = line.capacity() * 2;
      std::string grown;
      grown.reserve(doubled > kLineLengthLimit ? kLineLengthLimit : (doubled > needed ? doubled : needed));
      grown.append(line);
      line.swap(grown);
    }
    line.append(text, n);
    return true;
  }

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
