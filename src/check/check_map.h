// The checks of one MAP file: what its load tells (a kind, every row line
// whole), the tile codes no row line can carry, its teleports, and its line
// ends. Each works on the LocalMap as the editor loads it, beside the file's
// raw lines, so that the findings are what the editor would see.
#pragma once
#include <string>
#include <vector>

#include "check_findings.h"
#include "data/local_map.h"
#include "game_directory.h"
#include "teleport_faults.h"
#include "text_lines.h"

// Reads the named map into map, with its teleports into teleports (kind
// preset to NoKind, so a failed open is told apart from a header without a
// kind) and runs every check below. Returns the faults of its teleports, for
// the checks of the whole world (their names are held by teleports): none
// when the map could not be read or names no kind.
std::vector<TeleportFaults> checkMapFile(const GameDirectory& dir, const std::string& file, LocalMap& map,
                                         TeleportList& teleports, Findings& findings);

// The outcome of LocalMap::load: a file that could not be opened, a header
// without a kind, a short row line or rows missing at the end. True when the
// map has a kind, so that its tiles and teleports mean something.
bool checkMapLoad(const std::string& file, const LocalMap& map, bool loaded, const TextLines& lines,
                  Findings& findings);

// Tile codes 10 and 13 in the rows that were read; a 10 in column 48 is a row
// line of 47 tiles whose line end became a tile.
void checkMapTiles(const std::string& file, const LocalMap& map, Findings& findings);

// Each teleport's cell (1..48 x 1..24) and destination ("<dir>\<name>.MAP",
// found as the editor finds it, in any letter case); returns their faults.
std::vector<TeleportFaults> checkTeleports(const std::string& file, const TeleportList& teleports,
                                           const GameDirectory& dir, Findings& findings);

// What the load read that a save would not give back unchanged: kind words in
// teleport names, names too long, pieces that are no teleports, numbers held
// at the int range, lines after the last row.
void checkLoadNotes(const std::string& file, const MapLoadNotes& notes, Findings& findings);

// Lines that end in a bare LF, and CRs that end no line (the game writes CR LF).
void checkLineEnds(const std::string& file, const TextLines& lines, Findings& findings);
