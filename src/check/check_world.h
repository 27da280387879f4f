// The checks of the directory as a world: which of the 400 world map files
// of the 20 x 20 grid are missing, and which other maps nothing leads to
// (no teleport names them and they are no cell map of a map present).
#pragma once
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "check_findings.h"

// True for "ZAN<A..T><A..T>.MAP" in any letter case.
bool isWorldMapFile(const std::string& file);

// One warning listing the missing squares compactly, in the world loader's
// order ("ZANAA-ZANTA, ZANCB"); mapFiles are the directory's MAP files.
void checkWorldGrid(const std::string& directory, const std::vector<std::string>& mapFiles, Findings& findings);

// The letter pair that names the cell maps of a map path (cellMapFileName's
// rule), or "" when the path gives none.
std::string cellMapLetters(const std::string& mapPath);

// Warns about each map other than a world map that no teleport names
// (targets: upper-case names) and that is no cell map "T<ab><21..68><13..36>"
// of a map whose letters are ab (letters: upper case).
void checkReachability(const std::vector<std::string>& mapFiles, const std::unordered_set<std::string>& targets,
                       const std::unordered_set<std::string>& letters, Findings& findings);

// Where the first teleport into a map comes from, for the trap warning.
struct TeleportSource {
  std::string file;  // the map file that holds the teleport
  int x = 0, y = 0;  // its 1-based cell
};

// Warns about each map other than a world map (they connect by their edges)
// that teleports lead into (into: upper-case names and their first source)
// but that has no teleport out (outCount: upper-case stems and their
// teleport counts): a player who enters it is trapped.
void checkWayOut(const std::vector<std::string>& mapFiles, const std::unordered_map<std::string, TeleportSource>& into,
                 const std::unordered_map<std::string, int>& outCount, Findings& findings);

// Warns about map files whose names differ only in letter case: the game on
// Windows sees one of them.
void checkCaseTwins(const std::vector<std::string>& mapFiles, Findings& findings);
