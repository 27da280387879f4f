// A text written piece by piece into a caller's buffer as a bounded snprintf
// would write it: what fits, always ended by a 0, and whether all of it fit.
// For names and messages made by the thousand (every map of a world, every
// finding of a check), where printf's parsing of a format would cost most of
// the work.
#pragma once
#include <charconv>
#include <cstddef>
#include <cstring>

class BoundedText {
 public:
  // out holds outSize bytes, at least 1.
  BoundedText(char* out, size_t outSize) : out_(out), size_(outSize) { out_[0] = 0; }

  BoundedText& add(const char* text, size_t length) {
    const size_t room = size_ - 1 - used_;  // used_ stays below size_
    const size_t n = length < room ? length : room;
    memcpy(out_ + used_, text, n);
    used_ += n;
    out_[used_] = 0;
    wanted_ += length;
    return *this;
  }
  BoundedText& add(const char* text) { return add(text, strlen(text)); }
  BoundedText& add(char c) { return add(&c, 1); }
  BoundedText& add(int number) {
    char digits[16];
    const std::to_chars_result end = std::to_chars(digits, digits + sizeof digits, number);
    return add(digits, static_cast<size_t>(end.ptr - digits));
  }

  size_t size() const { return used_; }
  // The whole text fitted.
  bool fits() const { return wanted_ < size_; }

 private:
  char* out_;
  size_t size_;
  size_t used_ = 0;
  size_t wanted_ = 0;
};
