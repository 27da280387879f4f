// What a new teleport gets wrong, said at once when the user adds it: the
// same three faults the world check reports for every teleport of a map.
#pragma once
#include <string>

#include "data/local_map.h"

// The faults of teleport index of map, whose file lies in directory (an
// editor path): its destination "<directory>\<name>.MAP" missing, its cell
// outside 1..48 x 1..24, an earlier teleport on its cell. "" when none.
std::string teleportWarning(const LocalMap& map, const char* directory, int index);
