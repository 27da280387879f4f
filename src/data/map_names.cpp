// Map directories, map names, world map and cell map file names, each
// written into the caller's buffer with a bounded copy.
#include "data/map_names.h"

#include <cstdio>
#include <cstring>

#include "data/bounded_text.h"
#include "platform/editor_path.h"

namespace {

bool copyPrefix(const char* text, size_t length, char* out, size_t outSize) {
  if (!out || outSize == 0) return false;
  return BoundedText(out, outSize).add(text, length).fits();
}

bool fits(int written, size_t outSize) { return written >= 0 && static_cast<size_t>(written) < outSize; }

bool onWorld(int col, int row) { return col >= 0 && col < kWorldSquares && row >= 0 && row < kWorldSquares; }

// The length of a path's directory: up to its last backslash, or the whole
// path when it has none after its first character.
size_t directoryLength(const char* path) {
  const char* sep = lastBackslash(path, 1);
  return sep ? static_cast<size_t>(sep - path) : strlen(path);
}

}  // namespace

bool directoryOf(const char* path, char* out, size_t outSize) {
  if (!path) path = "";
  return copyPrefix(path, directoryLength(path), out, outSize);
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
  const size_t directory = directoryLength(mapPath);
  if (directory >= kPathBufferSize) return false;  // as directoryOf into a path buffer would refuse it
  BoundedText text(out, outSize);
  text.add(mapPath, directory).add('\\').add('T').add(dot[-2]).add(dot[-1]);
  return text.add(cx + kCellMapFirstColumn).add(cy + kCellMapFirstRow).add(".MAP", 4).fits();
}

bool worldMapName(int col, int row, char* out, size_t outSize) {
  if (!out || outSize == 0) return false;
  out[0] = 0;
  if (!onWorld(col, row)) return false;
  BoundedText name(out, outSize);
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
