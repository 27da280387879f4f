// generateWorld: choose, run, check, ask, write, report. A world in which a
// map holds a tile code 10 or 13, which no row line can carry, is not written
// at all; the others go through one scratch LocalMap into one FileReplacer,
// which backs up what they replace.
#include "script/world_generation.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "data/local_map.h"
#include "data/progress.h"
#include "data/world_buffer.h"
#include "data/world_loader.h"
#include "data/world_neighbours.h"
#include "platform/backup_store.h"
#include "platform/editor_path.h"
#include "platform/file_replacer.h"
#include "script/chosen_script.h"
#include "script/script_user.h"

namespace {

constexpr int kListedMaps = 10;  // maps named in the report before "and N more"

void copyTeleports(const LocalMap* from, LocalMap& to) {
  to.clearTeleports();
  if (from == nullptr) return;
  char name[kTeleportNameSize];
  for (int i = 0; i < from->teleportCount(); i++) {
    int x = 0, y = 0;
    if (from->getTeleport(i, &x, &y, name)) to.addTeleport(x, y, name);
  }
}

int countExisting(const char* directory) {
  char prefix[kPathBufferSize];
  snprintf(prefix, sizeof prefix, "%s\\", directory != nullptr ? directory : "");
  return countWorldMapFiles(prefix);
}

// The maps of the world that no row line could carry (a tile code 10 or 13),
// each named with its first such cell, counted in *count. Checked for all
// 400 before any is written: a world that cannot be saved whole is not
// written at all.
std::string unwritableSquares(const WorldBuffer& world, const char* directory, ScriptUser& user, int* count) {
  std::string list;
  *count = 0;
  LocalMap map;
  map.kind = Wilderness;
  char path[kPathBufferSize], shown[kPathBufferSize], line[kPathBufferSize + 96];
  for (int row = 0; row < kWorldSquares; row++) {
    for (int col = 0; col < kWorldSquares; col++) {
      takeMapFromWorld(world, col, row, map);
      int x = 0, y = 0;
      if (!map.findUnwritableTile(&x, &y) || ++*count > kListedMaps) continue;
      worldMapFileNameIn(directory, col, row, path, sizeof path);
      user.describePath(path, shown, sizeof shown);
      snprintf(line, sizeof line, "\n%s: tile code %d in cell (%d, %d)", shown, map.getTile(x, y), x + 1, y + 1);
      list += line;
    }
  }
  if (*count > kListedMaps) list += "\nand " + std::to_string(*count - kListedMaps) + " more maps";
  return list;
}

// All the squares go through one batch, so that the run is synced once and
// its backup is one operation. A stop asked for while the batch fills leaves
// every map as it was; once the batch puts its files in place, they are all
// finished.
void writeWorld(const WorldBuffer& world, const char* directory, const LocalMap* teleportSource, ScriptUser& user,
                BackupOperation& backup, WorldGenerationResult& result) {
  LocalMap map;
  map.kind = Wilderness;
  copyTeleports(teleportSource, map);
  ProgressDisplay* progress = user.progress();
  if (progress != nullptr) progress->open();
  FileReplacer batch(&backup);
  batch.requireAll();
  char path[kPathBufferSize];
  for (int n = 0; n < kWorldMaps && !result.stopped; n++) {
    const int col = n % kWorldSquares, row = n / kWorldSquares;
    if (progress != nullptr) progress->setPercent(n / 4);
    takeMapFromWorld(world, col, row, map);
    if (!worldMapFileNameIn(directory, col, row, path, sizeof path) || map.saveInto(batch, path) < 0) {
      batch.fail(std::string(path) + ": it could not be written");
      break;
    }
    result.stopped = user.stopRequested();
  }
  if (!result.stopped) {
    result.written = batch.commit();
    result.backupFailed = batch.backupFailed();
    result.interrupted = batch.interrupted();
    result.stoppedWhilePlacing = user.stopRequested();
    result.failure = batch.failure();
    result.failed = result.written == 0;
    for (int n = 0; n < kWorldMaps && result.written == kWorldMaps; n++)
      result.squareWritten[n % kWorldSquares][n / kWorldSquares] = true;
  }
  if (progress != nullptr) progress->close();
}

void reportFailures(ScriptUser& user, const WorldGenerationResult& result, const BackupOperation& backup) {
  if (result.backupFailed) {
    char text[3 * kPathBufferSize];
    snprintf(text, sizeof text,
             "No world map was written: the backup of the maps it would replace failed (%s). "
             "Every file is as it was.",
             backup.failure());
    user.showText(text, "~OK");
    return;
  }
  if (result.stopped || result.failure.empty()) return;
  const std::string text =
      result.interrupted
          ? "Writing the world maps stopped after " + std::to_string(result.written) + " of the " +
                std::to_string(kWorldMaps) + " were replaced: " + result.failure +
                ". The rest are ready beside them; the next start of DOLA offers to finish or undo the write."
          : "No world map was written: " + result.failure + ". Every file is as it was.";
  user.showText(text.c_str(), "~OK");
}

// The square whose world map beside mapPath is mapPath itself; false for none.
bool worldSquareOf(const char* mapPath, int* col, int* row) {
  const char* sep = mapPath != nullptr ? lastBackslash(mapPath, 1) : nullptr;
  return sep != nullptr && worldSquareOfFileName(sep + 1, col, row);
}

}  // namespace

WorldGenerationResult generateWorld(AngelScript::asIScriptEngine* engine, const char* directory,
                                    const LocalMap* teleportSource, const BackupPlace* backups) {
  WorldGenerationResult result{};
  result.run = ScriptRunEnd::NotBuilt;
  WorldBuffer* world = scriptWorld(engine);
  ScriptUser* user = scriptUser(engine);
  if (world == nullptr || user == nullptr) return result;
  memset(world->cells, 0, sizeof world->cells);
  if (!runChosenScript(engine, "Nothing was written.", &result.chosen, &result.run)) return result;

  const std::string unwritable = unwritableSquares(*world, directory, *user, &result.unwritableMaps);
  if (result.unwritableMaps > 0) {
    user->showText(("The script put tile codes that no map file can hold (10 or 13) into " +
                    std::to_string(result.unwritableMaps) + " world maps:" + unwritable + "\nNothing was written.")
                       .c_str(),
                   "~OK");
    return result;
  }
  int existing = countExisting(directory);
  if (existing > 0) {
    char question[kPathBufferSize + 64], shown[kPathBufferSize];
    user->describePath(directory, shown, sizeof shown);
    snprintf(question, sizeof question, "Replace the %d existing world maps in %s?", existing, shown);
    result.replaceDeclined = user->askQuestion(question, "~Replace|~Cancel") != 0;
    if (result.replaceDeclined) return result;
  }
  BackupOperation backup(backups != nullptr ? *backups : BackupPlace(), "Generate World Map");
  user->writePhase(true);
  writeWorld(*world, directory, teleportSource, *user, backup, result);
  user->writePhase(false);
  reportFailures(*user, result, backup);
  return result;
}

bool worldMapPathBeside(const char* mapPath, int col, int row, char* out, size_t outSize) {
  char directory[kPathBufferSize];
  return directoryOf(mapPath, directory, sizeof directory) &&
         worldMapFileNameIn(directory, col, row, out, outSize);
}

bool isWorldMapOfItsDirectory(const char* mapPath) {
  int col = 0, row = 0;
  return worldSquareOf(mapPath, &col, &row);
}

WorldGenerationResult generateWorldBeside(AngelScript::asIScriptEngine* engine, LocalMap& openMap, bool* reloaded,
                                          const BackupPlace* backups) {
  *reloaded = false;
  char directory[kPathBufferSize];
  directoryOf(openMap.path, directory, sizeof directory);
  WorldGenerationResult result = generateWorld(engine, directory, &openMap, backups);
  int col = 0, row = 0;
  if (worldSquareOf(openMap.path, &col, &row) && result.squareWritten[col][row]) {
    openMap.load(openMap.path);
    *reloaded = true;
  }
  return result;
}
