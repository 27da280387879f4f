// Reading the 400 world map files of a directory into the WorldBuffer for
// the world view, with a progress display while it runs, and what was found;
// and how many of those files a directory holds.
#pragma once
#include "data/map_names.h"
#include "data/progress.h"
#include "data/world_buffer.h"
#include "data/world_teleports.h"

// What loadWorld found, so that a caller can tell the user why squares are black.
struct WorldLoadResult {
  int mapsLoaded = 0;                       // maps copied into the buffer, 0..400
  char firstMissing[kPathBufferSize] = {};  // the first map in load order that did not
                                            // load (missing, invalid or short); "" when none,
                                            // or when the prefix is too long to name any
  bool complete() const { return mapsLoaded == kWorldMaps; }
};

// Clears world, then loads "<prefix>ZAN<col><row>.MAP" for every square, row
// by row, copying each map that loads completely into its 48 x 24 block; a
// missing, invalid or short map leaves its block 0. Opens progress, sets it
// to n / 4 before map n (0..99, never 100) and closes it at the end; progress
// may be null. When teleports is given it is cleared and then receives the
// teleports of every map read, also of maps too short to show.
WorldLoadResult loadWorld(const char* prefix, WorldBuffer& world, ProgressDisplay* progress,
                          WorldTeleports* teleports = nullptr);

// How many of the 400 world map files "<prefix>ZAN<col><row>.MAP" exist as
// files (prefix ends in "\", or is "" for the working directory).
int countWorldMapFiles(const char* prefix);
