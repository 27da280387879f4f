// Grid and reachability checks over the names of the directory's maps.
#include "check_world.h"

#include <cctype>
#include <cstdio>
#include <cstring>

#include "data/local_map.h"
#include "data/map_names.h"
#include "data/world_neighbours.h"
#include "game_directory.h"

namespace {

constexpr int kListedRuns = 12;  // runs named in the warning before "and more"

std::string squareName(int n) {
  char name[8];
  worldMapName(n % kWorldSquares, n / kWorldSquares, name, sizeof name);
  return name;
}

bool inRange(const std::string& digits, int low, int high) {
  if (digits.size() != 2 || !isdigit(static_cast<unsigned char>(digits[0])) ||
      !isdigit(static_cast<unsigned char>(digits[1])))
    return false;
  const int value = std::stoi(digits);
  return value >= low && value <= high;
}

// "T", two letters, the column + 21 and the row + 13 of a cell of a 48 x 24 map.
bool isCellMapOf(const std::string& stem, const std::unordered_set<std::string>& letters) {
  return stem.size() == 7 && stem[0] == 'T' && letters.count(stem.substr(1, 2)) &&
         inRange(stem.substr(3, 2), kCellMapFirstColumn, kCellMapFirstColumn + kMapColumns - 1) &&
         inRange(stem.substr(5, 2), kCellMapFirstRow, kCellMapFirstRow + kMapRows - 1);
}

}  // namespace

bool isWorldMapFile(const std::string& file) { return worldSquareOfFileName(file.c_str(), nullptr, nullptr); }

void checkWorldGrid(const std::string& directory, const std::vector<std::string>& mapFiles, Findings& findings) {
  const int squares = kWorldMaps;
  std::vector<bool> present(squares, false);
  for (const std::string& file : mapFiles) {
    int col = 0, row = 0;
    if (worldSquareOfFileName(file.c_str(), &col, &row)) present[row * kWorldSquares + col] = true;
  }
  std::string list;
  int missing = 0, runs = 0;
  for (int n = 0; n < squares; n++) {
    if (present[n]) continue;
    int last = n;
    while (last + 1 < squares && !present[last + 1]) last++;
    missing += last - n + 1;
    if (++runs <= kListedRuns) {
      if (!list.empty()) list += ", ";
      list += squareName(n);
      if (last > n) list += "-" + squareName(last);
    }
    n = last;
  }
  if (missing == 0) return;
  if (runs > kListedRuns) list += ", and more";
  findings.warning(directory, FindingKind::WorldGrid, "%d of %d world maps missing from the %d x %d grid: %s",
                   missing, squares, kWorldSquares, kWorldSquares, list.c_str());
}

std::string cellMapLetters(const std::string& mapPath) {
  char cellMap[kPathBufferSize];
  if (!cellMapFileName(mapPath.c_str(), 0, 0, cellMap, sizeof cellMap)) return "";
  char name[kPathBufferSize];
  if (!mapNameOf(cellMap, name, sizeof name) || strlen(name) < 3) return "";
  return upperCase(std::string(name + 1, 2));
}

void checkReachability(const std::vector<std::string>& mapFiles, const std::unordered_set<std::string>& targets,
                       const std::unordered_set<std::string>& letters, Findings& findings) {
  for (const std::string& file : mapFiles) {
    if (isWorldMapFile(file)) continue;
    const std::string stem = upperCase(stemOf(file));
    if (targets.count(stem) || isCellMapOf(stem, letters)) continue;
    findings.warning(file, FindingKind::Unreached,
                     "nothing leads here: no teleport names %s and it is no cell map of a map in the directory",
                     stemOf(file).c_str());
  }
}

void checkWayOut(const std::vector<std::string>& mapFiles, const std::unordered_map<std::string, TeleportSource>& into,
                 const std::unordered_map<std::string, int>& outCount, Findings& findings) {
  for (const std::string& file : mapFiles) {
    if (isWorldMapFile(file)) continue;
    const std::string stem = upperCase(stemOf(file));
    const auto source = into.find(stem);
    const auto out = outCount.find(stem);
    if (source == into.end() || (out != outCount.end() && out->second > 0)) continue;
    findings.warning(file, FindingKind::NoWayOut,
                     "a teleport leads here (from %s, cell (%d, %d)) but no teleport leads out: a player who "
                     "enters is trapped",
                     source->second.file.c_str(), source->second.x, source->second.y);
  }
}

void checkCaseTwins(const std::vector<std::string>& mapFiles, Findings& findings) {
  std::unordered_map<std::string, std::string> firstOf;
  for (const std::string& file : mapFiles) {
    const auto known = firstOf.emplace(upperCase(file), file);
    if (known.second) continue;
    findings.warning(file, FindingKind::CaseTwins,
                     "%s and %s differ only in letter case: the game on Windows sees one of them", file.c_str(),
                     known.first->second.c_str());
  }
}
