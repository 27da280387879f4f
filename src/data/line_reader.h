// Reading a text stream line by line from large reads (a few stdio calls per
// file rather than one per line or byte). A NUL byte is an ordinary character:
// it never hides a line end. A line may be long, but not unbounded: a file
// opened by mistake (a huge file without line ends) is refused at the limit,
// and the line's buffer never grows past it.
#pragma once
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

// Far above any line of a real MAP file or settings file.
constexpr size_t kLineLengthLimit = 1u << 20;

enum class LineRead {
  Line,        // a line was read (the last one may lack its line end)
  End,         // end of file, nothing more to read
  Unreadable,  // the line passes kLineLengthLimit, or the stream failed: stop reading
};

class LineReader {
 public:
  explicit LineReader(FILE* f) : file_(f), data_(buffer_) {}
  // The lines of bytes already in memory, read in place (they must outlive
  // the reader) as a text stream of them reads them (file_stream.h): the
  // same lines, CR LF read as a line end and the limit kept.
  LineReader(const char* bytes, size_t size) : file_(nullptr), data_(bytes), len_(size) {}

  // The next line without its "\n" in line; hadLineEnd (may be null) says
  // whether a "\n" ended it.
  LineRead readLine(std::string& line, bool* hadLineEnd = nullptr) {
    line.clear();
    bool any = false;
    for (;;) {
      if (pos_ == len_ && !fill()) {
        if (file_ && ferror(file_)) return LineRead::Unreadable;
        if (hadLineEnd) *hadLineEnd = false;
        return any ? LineRead::Line : LineRead::End;
      }
      any = true;
      const char* start = data_ + pos_;
      const char* nl = static_cast<const char*>(memchr(start, '\n', len_ - pos_));
      const size_t length = nl ? static_cast<size_t>(nl - start) : len_ - pos_;
      // A stream hands CR LF over as "\n"; bytes in memory lie as the file holds them.
      const bool crLf = !file_ && nl && length > 0 && start[length - 1] == '\r';
      if (!append(line, start, length - crLf)) return LineRead::Unreadable;
      pos_ += length;
      if (nl) {
        pos_++;
        if (hadLineEnd) *hadLineEnd = true;
        return LineRead::Line;
      }
    }
  }

  // The same line as a view: into the bytes in memory, without a copy (a
  // map's header line may hold a hundred thousand characters), or into
  // scratch for a stream. Valid until the next read or change of scratch.
  LineRead readLine(std::string_view& line, std::string& scratch, bool* hadLineEnd = nullptr) {
    line = {};
    if (file_) {
      const LineRead got = readLine(scratch, hadLineEnd);
      line = scratch;
      return got;
    }
    if (hadLineEnd) *hadLineEnd = false;
    if (pos_ == len_) return LineRead::End;
    const char* start = data_ + pos_;
    const char* nl = static_cast<const char*>(memchr(start, '\n', len_ - pos_));
    const size_t length = nl ? static_cast<size_t>(nl - start) : len_ - pos_;
    const bool crLf = nl && length > 0 && start[length - 1] == '\r';
    if (length - crLf > kLineLengthLimit) return LineRead::Unreadable;
    line = std::string_view(start, length - crLf);
    pos_ += length + (nl ? 1 : 0);
    if (hadLineEnd) *hadLineEnd = nl != nullptr;
    return LineRead::Line;
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
    if (!file_) return false;  // bytes in memory come whole
    len_ = fread(buffer_, 1, sizeof buffer_, file_);
    pos_ = 0;
    return len_ > 0;
  }

  FILE* file_;  // nullptr for bytes in memory
  char buffer_[8192];
  const char* data_;  // buffer_, or the bytes in memory
  size_t pos_ = 0;
  size_t len_ = 0;
};
