// Map directories, map names, world map and cell map file names, each
// written into the caller's buffer with a bounded copy.
#include "data/map_names.h"

#include <cstdio>
#include <cstring>

#include "platform/editor_path.h"

namespace {

bool copyPrefix(const char* text, size_t length, char* out, size_t outSize) {
  if (!out || outSize == 0) return false;
  int n = snprintf(out, outSize, "%.*s", static_cast<int>(length), text);
  return n >= 0 && static_cast<size_t>(n) < outSize;
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
  char directory[kPathBufferSize];
  if (!directoryOf(mapPath, directory, sizeof directory)) return false;
  return fits(snprintf(out, outSize, "%s\\T%c%c%i%i.MAP", directory, dot[-2], dot[-1],
                       cx + kCellMapFirstColumn, cy + kCellMapFirstRow),
              outSize);
}

bool worldMapName(int col, int row, char* out, size_t outSize) {
  if (!out || outSize == 0) return false;
  out[0] = 0;
  if (!onWorld(col, row)) return false;
  return fits(snprintf(out, outSize, "ZAN%c%c", 'A' + col, 'A' + row), outSize);
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
