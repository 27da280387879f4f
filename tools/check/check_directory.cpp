// Running every check over one directory.
#include "check_directory.h"

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "check_map.h"
#include "check_placements.h"
#include "check_world.h"
#include "game_directory.h"
#include "game_tables.h"

namespace {

// The upper-case destinations of the map's teleports, added to targets.
void collectTargets(const LocalMap& map, std::set<std::string>& targets) {
  char name[kTeleportNameSize];
  for (int i = 0; i < map.teleportCount(); i++) {
    if (map.getTeleport(i, nullptr, nullptr, name)) targets.insert(upperCase(name));
  }
}

}  // namespace

bool checkGameDirectory(const char* hostDirectory, Findings& findings, CheckSummary& summary) {
  GameDirectory dir;
  if (!dir.open(hostDirectory)) return false;
  summary = CheckSummary();
  summary.files = static_cast<int>(dir.files().size());

  // The tables are large (the player objects alone take 3.9 MB): on the heap.
  auto tables = std::make_unique<GameTables>();
  loadGameTables(dir, *tables);
  checkTableFiles(*tables, findings);

  std::vector<std::string> mapFiles;
  std::set<std::string> targets, letters;
  auto map = std::make_unique<LocalMap>();
  auto data = std::make_unique<MapDataFile>();
  for (const std::string& file : dir.files()) {
    if (hasExtension(file, ".MAP")) {
      summary.maps++;
      mapFiles.push_back(file);
      checkMapFile(dir, file, *map, findings);
      collectTargets(*map, targets);
      letters.insert(cellMapLetters(dir.pathOf(file)));
    } else if (hasExtension(file, ".DAT")) {
      summary.dataFiles++;
      checkDataFile(dir, file, *tables, *data, findings);
    }
  }
  checkWorldGrid(dir.shownName(), mapFiles, findings);
  checkReachability(mapFiles, targets, letters, findings);
  checkBlankSprites(*tables, findings);
  return true;
}
