// Where a world map lies in the 20 x 20 world and which world maps border it.
// A world map is "ZAN" and two letters "A".."T" (column, then row) in the
// name of its file; its neighbours are the world map files of the same directory.
#pragma once
#include <cstddef>

enum class WorldDirection { North, South, West, East };

// The square (column, row, 0..19 each) that a map name such as "ZANAB"
// stands for; the letters may be of either case (the game's file system does
// not tell them apart). False for any other name.
bool worldSquareOfName(const char* name, int* col, int* row);

// The square that a world map file name such as "ZANAB.MAP" (no directory,
// either case throughout) stands for. False for any other file name.
bool worldSquareOfFileName(const char* fileName, int* col, int* row);

// The square of the map file at mapPath, judged by its name (mapNameOf).
bool worldSquareOfPath(const char* mapPath, int* col, int* row);

// The world map file next to the world map at mapPath in direction, in the
// same directory: "<directory>\ZAN<col><row>.MAP". False when mapPath names
// no world map, when the square lies at that edge of the world, or when the
// path does not fit out.
bool neighbourMapPath(const char* mapPath, WorldDirection direction, char* out, size_t outSize);
