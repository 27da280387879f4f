// The checks of one ".DAT" file: its length, and every placement in use (or
// naming a creature, which the editor shows regardless) for a cell inside the
// map and an id that names a record of the tables.
#pragma once
#include <string>

#include "check_findings.h"
#include "data/map_data_file.h"
#include "game_tables.h"

// Loads the named ".DAT" of dir into data and checks it.
void checkDataFile(const GameDirectory& dir, const std::string& file, const GameTables& tables, MapDataFile& data,
                   Findings& findings);

// Warns about a file of fewer than 200 records (a save extends it).
void checkDataFileSize(const std::string& file, long bytes, Findings& findings);

// The placements in use, each checked for its cell and id.
void checkPlacements(const std::string& file, const MapDataFile& data, const GameTables& tables,
                     Findings& findings);
