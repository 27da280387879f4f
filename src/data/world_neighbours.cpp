// World squares from map names, and the neighbouring world map files.
#include "data/world_neighbours.h"

#include <cctype>
#include <cstring>
#include <strings.h>

#include "data/map_names.h"
#include "platform/editor_path.h"

bool worldSquareOfName(const char* name, int* col, int* row) {
  if (name == nullptr || strlen(name) != 5) return false;
  // The square the last two letters would stand for, if the name is its world map's name.
  const int c = toupper(static_cast<unsigned char>(name[3])) - 'A';
  const int r = toupper(static_cast<unsigned char>(name[4])) - 'A';
  char expected[8];
  if (!worldMapName(c, r, expected, sizeof expected) || strcasecmp(expected, name) != 0) return false;
  if (col) *col = c;
  if (row) *row = r;
  return true;
}

bool worldSquareOfFileName(const char* fileName, int* col, int* row) {
  if (fileName == nullptr || strlen(fileName) != 9) return false;
  for (int i = 5; i < 9; ++i)
    if (toupper(static_cast<unsigned char>(fileName[i])) != ".MAP"[i - 5]) return false;
  char name[6];
  memcpy(name, fileName, 5);
  name[5] = '\0';
  return worldSquareOfName(name, col, row);
}

bool worldSquareOfPath(const char* mapPath, int* col, int* row) {
  char name[kPathBufferSize];
  return mapNameOf(mapPath, name, sizeof name) && worldSquareOfName(name, col, row);
}

bool neighbourMapPath(const char* mapPath, WorldDirection direction, char* out, size_t outSize) {
  if (out && outSize > 0) out[0] = '\0';
  int col, row;
  if (!worldSquareOfPath(mapPath, &col, &row)) return false;
  switch (direction) {
    case WorldDirection::North: --row; break;
    case WorldDirection::South: ++row; break;
    case WorldDirection::West: --col; break;
    case WorldDirection::East: ++col; break;
  }
  // The neighbour lies beside the map: a bare file name has bare neighbours.
  char prefix[kPathBufferSize];
  const char* sep = lastBackslash(mapPath, 1);
  const size_t length = sep ? static_cast<size_t>(sep - mapPath) + 1 : 0;
  if (length >= sizeof prefix) return false;
  memcpy(prefix, mapPath, length);
  prefix[length] = '\0';
  return worldMapFileName(prefix, col, row, out, outSize);
}
