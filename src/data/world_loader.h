// Reading the 400 world map files of a directory into the WorldBuffer for
// the world view, with a progress display while it runs.
#pragma once
#include "data/progress.h"
#include "data/world_buffer.h"

// Clears world, then loads "<prefix>ZAN<col><row>.MAP" for every square, row
// by row, copying each map that loads completely into its 48 x 24 block; a
// missing, invalid or short map leaves its block 0. Opens progress, sets it
// to n / 4 before map n (0..99, never 100) and closes it at the end; progress
// may be null. Always true.
bool loadWorld(const char* prefix, WorldBuffer& world, ProgressDisplay* progress);
