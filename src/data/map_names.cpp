// Map directories, map names, world map and cell map file names, each
// written into the caller's buffer with a bounded copy.
#include "data/map_names.h"

#include <charconv>
#include <cstdio>
#include <cstring>

#include "platform/editor_path.h"

namespace {

// A text written piece by piece into out as snprintf would write it: what
// fits, always ended by a 0. Names are made for every map of a world and
// every file a check reads, where printf's parsing would cost most of it.
class NameWriter {
 public:
  NameWriter(char* out, size_t outSize) : out_(out), size_(outSize) { out_[0] = 0; }
  NameWriter& add(const char* text, size_t length) {
    const size_t room = size_ - 1 - used_;  // used_ stays below size_
    const size_t n = length < room ? length : room;
    memcpy(out_ + used_, text, n);
    used_ += n;
    out_[used_] = 0;
    wanted_ += length;
    return *this;
  }
  NameWriter& add(char c) { return add(&c, 1); }
  NameWriter& add(int number) {
    char digits[16];
    const std::to_chars_result end = std::to_chars(digits, digits + sizeof digits, number);
    return add(digits, static_cast<size_t>(end.ptr - digits));
  }
  // The whole text fitted.
  bool fits() const { return wanted_ < size_; }

 private:
  char* out_;
  size_t size_;
  size_t used_ = 0;
  size_t wanted_ = 0;
};

bool copyPrefix(const char* text, size_t length, char* out, size_t outSize) {
  if (!out || outSize == 0) return false;
  return NameWriter(out, outSize).add(text, length).fits();
}

bool fits(int written, size_t outSize) { return written >= 0 && static_cast<size_t>(written) < outSize; }

bool onWorld(int col, int row) { return col >= 0 && col < kWorldSquares && row >= 0 && row < kWorldSquares; }

}  // namespace

bool directoryOf(const char* path, char* out, size_t outSize) {
  if (!path) path = "";
  const char* sep = lastBackslash(path, 1);
  return copyPrefix(path, sep ? static_cast<size_t>(sep - path) : strlen(path), out, outSize);
}

bool directoryPrefixOf(const char* path, char* out, size_t outSize) {
  if (!path) path = "";
  const char* sep = lastBackslash(path, 1);
  return copyPrefix(path, sep ? static_cast<size_t>(sep - path) + 1 : strlen(path), out, outSize);
}

bool mapNameOf(const char* path, char* out, size_t outSize) {
  if (!path) path = "";
  const char* sep = lastBackslash(path);
  const char* name = sep ? sep + 1 : path;
  const char* dot = strchr(name, '.');
  return copyPrefix(name, dot ? static_cast<size_t>(dot - name) : strlen(name), out, outSize);
}

bool cellMapFileName(const char* mapPath, int cx, int cy, char* out, size_t outSize) {
  if (!out || outSize == 0) return false;
  out[0] = 0;
  if (!mapPath) return false;
  // The letters come from the file name alone: a dot in a directory name
  // ("zan-1.2", "world.v2") must not lend its neighbours.
  const char* sep = lastBackslash(mapPath);
  const char* name = sep ? sep + 1 : mapPath;
  const char* dot = strchr(name, '.');
  if (!dot || dot - name < 2) return false;
  const char* directoryEnd = lastBackslash(mapPath, 1);
  const size_t directoryLength = directoryEnd ? static_cast<size_t>(directoryEnd - mapPath) : strlen(mapPath);
  if (directoryLength >= kPathBufferSize) return false;  // as the directory's own buffer would refuse it
  NameWriter text(out, outSize);
  text.add(mapPath, directoryLength).add('\\').add('T').add(dot[-2]).add(dot[-1]);
  return text.add(cx + kCellMapFirstColumn).add(cy + kCellMapFirstRow).add(".MAP", 4).fits();
}

bool worldMapName(int col, int row, char* out, size_t outSize) {
  if (!out || outSize == 0) return false;
  out[0] = 0;
  if (!onWorld(col, row)) return false;
  NameWriter name(out, outSize);
  return name.add("ZAN", 3).add(static_cast<char>('A' + col)).add(static_cast<char>('A' + row)).fits();
}

bool worldMapFileName(const char* prefix, int col, int row, char* out, size_t outSize) {
  char name[8];
  if (!out || outSize == 0) return false;
  out[0] = 0;
  if (!worldMapName(col, row, name, sizeof name)) return false;
  return fits(snprintf(out, outSize, "%s%s.MAP", prefix ? prefix : "", name), outSize);
}

bool worldMapFileNameIn(const char* directory, int col, int row, char* out, size_t outSize) {
  char prefix[kPathBufferSize];
  if (!fits(snprintf(prefix, sizeof prefix, "%s\\", directory ? directory : ""), sizeof prefix)) {
    if (out && outSize > 0) out[0] = 0;
    return false;
  }
  return worldMapFileName(prefix, col, row, out, outSize);
}
