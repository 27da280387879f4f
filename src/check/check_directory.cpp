// Running every check over one directory.
#include "check_directory.h"

#include <cctype>
#include <memory>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "check_map.h"
#include "data/progress.h"
#include "check_placements.h"
#include "check_world.h"
#include "game_directory.h"
#include "game_tables.h"
#include "platform/write_journal.h"

namespace {

// What the world checks need of each map: the upper-case destinations of
// its teleports (with the first source of each) and how many it has.
struct TeleportGraph {
  std::unordered_set<std::string> targets;
  std::unordered_map<std::string, TeleportSource> into;
  std::unordered_map<std::string, int> outCount;

  // A map's teleports as its check found them (none for a map that could not
  // be read); each destination is taken once, at the first teleport to it.
  void add(const std::string& file, const std::vector<TeleportFaults>& teleports) {
    outCount[upperCase(stemOf(file))] += static_cast<int>(teleports.size());
    std::string target;
    for (const TeleportFaults& t : teleports) {
      if (!t.firstWithName) continue;
      target.assign(t.name);
      for (char& c : target) c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
      if (targets.insert(target).second) into.emplace(target, TeleportSource{file, t.x, t.y});
    }
  }
};

// A world write that stopped between its renames, and new files of saves
// that were never put in place (their program was killed).
void reportLeftWrites(const GameDirectory& dir, Findings& findings) {
  if (!dir.writeJournal().empty()) {
    WriteJournal journal;
    std::string why;
    if (readWriteJournal(dir.editorPath().c_str(), journal, &why))
      findings.error(dir.writeJournal(), FindingKind::UnfinishedWrite,
                     "%s stopped after replacing %d of %d files: DOLA offers to finish or undo it when it starts "
                     "with this game directory",
                     journal.operation.c_str(), static_cast<int>(journal.files.size()) - waitingFiles(journal),
                     static_cast<int>(journal.files.size()));
    else
      findings.error(dir.writeJournal(), FindingKind::UnfinishedWrite, "the journal of a write cannot be read: %s",
                     why.c_str());
  }
  for (const std::string& name : dir.temporaries())
    findings.warning(name, FindingKind::LeftTemporary,
                     "a new file of a save that was never put in place (its program was stopped): it can be removed");
}

}  // namespace

bool checkGameDirectory(const char* hostDirectory, Findings& findings, CheckSummary& summary,
                        ProgressDisplay* progress) {
  GameDirectory dir;
  if (!dir.open(hostDirectory)) return false;
  if (progress != nullptr) progress->open();
  summary = CheckSummary();
  summary.files = static_cast<int>(dir.files().size());

  for (const std::string& other : dir.others()) {
    findings.warning(other, FindingKind::NotRegular, "not a regular file (a pipe, a device or a link to one): not read");
  }
  for (const std::string& name : dir.backslashNames())
    findings.warning(name, FindingKind::BackslashName, "the name holds a \"\\\", which no path of the game can name: not read");
  reportLeftWrites(dir, findings);
  auto tables = std::make_unique<GameTables>();
  loadGameTables(dir, *tables);
  checkTableFiles(*tables, findings);

  std::vector<std::string> mapFiles;
  TeleportGraph graph;
  std::unordered_set<std::string> letters;
  auto map = std::make_unique<LocalMap>();
  TeleportList teleports;
  auto data = std::make_unique<MapDataFile>();
  int checked = 0, shown = -1;
  for (const std::string& file : dir.files()) {
    const int percent = checked++ * 100 / summary.files;
    if (progress != nullptr && percent != shown) progress->setPercent(shown = percent);
    if (hasExtension(file, ".MAP")) {
      summary.maps++;
      mapFiles.push_back(file);
      graph.add(file, checkMapFile(dir, file, *map, teleports, findings));
      letters.insert(cellMapLetters(dir.pathOf(file)));
    } else if (hasExtension(file, ".DAT")) {
      summary.dataFiles++;
      checkDataFile(dir, file, *tables, *data, findings);
    }
  }
  checkWorldGrid(dir.shownName(), mapFiles, findings);
  checkReachability(mapFiles, graph.targets, letters, findings);
  checkWayOut(mapFiles, graph.into, graph.outCount, findings);
  checkCaseTwins(mapFiles, findings);
  checkBlankSprites(*tables, findings);
  if (progress != nullptr) progress->close();
  return true;
}
