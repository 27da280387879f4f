// How maps are named across the world: a map's directory and name, the world
// map file of each of the 20 x 20 squares, and the cell map entered at a cell.
// Paths are editor paths with "\" separators; every result is a bounded copy
// into the caller's buffer (the editor's path buffers hold kPathBufferSize
// bytes) and false means it did not fit or there was nothing to name.
#pragma once
#include <cstddef>

constexpr size_t kPathBufferSize = 1024;
constexpr int kWorldSquares = 20;  // squares per world row and column
constexpr int kWorldMaps = kWorldSquares * kWorldSquares;  // ZANAA.MAP .. ZANTT.MAP
// A cell map's name numbers the cell (cx, cy), from 0, as cx + 21 and cy + 13.
constexpr int kCellMapFirstColumn = 21;
constexpr int kCellMapFirstRow = 13;

// The path up to, not including, its last backslash (the first character is
// never taken as one); the whole path when it has none. "C:\maps\" gives "C:\maps".
bool directoryOf(const char* path, char* out, size_t outSize);

// The path up to and including its last backslash, by the same search; the
// whole path when it has none.
bool directoryPrefixOf(const char* path, char* out, size_t outSize);

// The file name without directory and extension: after the last backslash up
// to the first "." that follows it.
bool mapNameOf(const char* path, char* out, size_t outSize);

// The map entered at cell (cx, cy) of the map at mapPath:
// "<directory>\T<two letters><cx + 21><cy + 13>.MAP", the letters being the two
// characters before the first "." of the file name (after the last "\").
// False when the file name has no dot with two characters before it.
bool cellMapFileName(const char* mapPath, int cx, int cy, char* out, size_t outSize);

// The name of the world map of square (col, row): "ZAN", the column's letter
// and the row's ("A".."T"), "ZANAB" for column 0, row 1. The one home of that
// pattern: file names, status texts and the reading of names all ask it.
// False for a square outside 0..19.
bool worldMapName(int col, int row, char* out, size_t outSize);

// "<prefix>ZAN<col letter><row letter>.MAP" for a prefix that ends in "\";
// false for a square outside 0..19.
bool worldMapFileName(const char* prefix, int col, int row, char* out, size_t outSize);

// "<directory>\ZAN<col letter><row letter>.MAP" for a directory without the final "\".
bool worldMapFileNameIn(const char* directory, int col, int row, char* out, size_t outSize);
