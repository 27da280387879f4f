// Writing the demo's binary tables in the game's record layouts: the object
// tables (79-byte records), the creature tables (431-byte records) and the
// placement files (".DAT", 200 records of 11 bytes).
#pragma once
#include <string>
#include <vector>

#include "demo_world.h"

// "CONSTANT.OBJ" (400 records; unused ones named "*unmatchablestring*") and "playername.OBJ".
bool writeObjectTables(const std::string& hostDirectory);
// "CONSTANT.CRE" and "<crsName>.CRS", the same creatures in the same order.
bool writeCreatureTables(const std::string& hostDirectory, const std::string& crsName);
// A ".DAT" file of 200 records; placements beyond 200 are dropped.
// Coordinates are 0-based map cells.
bool writePlacementFile(const std::string& hostPath, const std::vector<DemoPlacement>& placements);
