// An earlier version of a map (a backup's copy of its file) beside the open
// one: the cells where the two differ, and putting the version's content
// (kind, tiles, teleports) into the open map. Placements are not part of a
// MAP file and stay as they are.
#pragma once
#include "data/fill_region.h"
#include "data/local_map.h"

// Marks in differing the cells of the rows either map stores whose tiles
// differ, and returns how many.
int differingCells(const LocalMap& a, const LocalMap& b, CellMask& differing);

// The open map takes the version's kind, tiles and teleports; its path stays.
void takeMapContent(const LocalMap& version, LocalMap& map);
