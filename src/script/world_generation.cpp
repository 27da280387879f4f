// generateWorld: choose, run, check, ask, write, report. A world in which a
// map holds a tile code 10 or 13, which no row line can carry, is not written
// at all; the others go through one scratch LocalMap into one FileReplacer,
// which backs up what they replace.
#include "script/world_generation.h"

#include <cstdio>
#include <cstring>
#include <memory>
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
#include "script/reach_functions.h"
#include "script/run_landing.h"
#include "script/script_user.h"

namespace {

int countExisting(const char* directory) {
  char prefix[kPathBufferSize];
  snprintf(prefix, sizeof prefix, "%s\\", directory != nullptr ? directory : "");
  return countWorldMapFiles(prefix);
}

void reportFailures(ScriptUser& user, const WorldGenerationResult& result, const BackupOperation& backup,
                    bool worldMaps) {
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
          ? std::string("Writing the ") + (worldMaps ? "world maps" : "files") + " stopped after " +
                std::to_string(result.written) + " of the " + std::to_string(result.files) +
                " were replaced: " + result.failure +
                ". The rest are ready beside them; the next start of DOLA offers to finish or undo the write."
          : std::string("No ") + (worldMaps ? "world map" : "file") + " was written: " + result.failure +
                ". Every file is as it was.";
  user.showText(text.c_str(), "~OK");
}

// The square whose world map beside mapPath is mapPath itself; false for none.
bool worldSquareOf(const char* mapPath, int* col, int* row) {
  const char* sep = mapPath != nullptr ? lastBackslash(mapPath, 1) : nullptr;
  return sep != nullptr && worldSquareOfFileName(sep + 1, col, row);
}

}  // namespace

bool landWorldRun(ScriptMaps& maps, bool allSquares, ScriptUser& user, const BackupPlace* backups,
                  const char* operation, const char* question, WorldGenerationResult& result) {
  const std::string unwritable = unwritableMaps(maps, allSquares, user, &result.unwritableMaps);
  if (result.unwritableMaps > 0) {
    user.showText(("The script put tile codes that no map file can hold (10 or 13) into " +
                   std::to_string(result.unwritableMaps) + (allSquares ? " world maps:" : " maps:") + unwritable +
                   "\nNothing was written.")
                      .c_str(),
                  "~OK");
    return false;
  }
  if (question != nullptr && question[0] != '\0') {
    result.replaceDeclined = user.askQuestion(question, "~Replace|~Cancel") != 0;
    if (result.replaceDeclined) return false;
  }
  result.changes = countChanges(maps);
  BackupOperation backup(backups != nullptr ? *backups : BackupPlace(), operation);
  user.writePhase(true);
  auto written = std::unique_ptr<RunWrite>(new RunWrite);
  writeRun(maps, allSquares, user, backup, *written);
  user.writePhase(false);
  result.backupFailed = written->backupFailed;
  result.stopped = written->stopped;
  result.stoppedWhilePlacing = written->stoppedWhilePlacing;
  result.written = written->written;
  result.interrupted = written->interrupted;
  result.failure = written->failure;
  result.failed = !written->failure.empty() || written->backupFailed;
  result.files = written->files;
  for (int n = 0; n < kWorldMaps; n++)
    result.squareWritten[n % kWorldSquares][n / kWorldSquares] = written->squareWritten[n];
  reportFailures(user, result, backup, allSquares);
  if (result.backupFailed || result.stopped) return false;
  if (result.failed) return false;  // the failure was the report
  char text[400];
  if (result.written == 0) {
    snprintf(text, sizeof text, "%s changed no map.", operation);
  } else {
    snprintf(text, sizeof text, "%s wrote %d file%s. %s", operation, result.written, result.written == 1 ? "" : "s",
             describeChanges(result.changes).c_str());
  }
  user.reportChanges(text);
  return true;
}

WorldGenerationResult generateWorld(AngelScript::asIScriptEngine* engine, const char* directory,
                                    const LocalMap* teleportSource, const BackupPlace* backups) {
  WorldGenerationResult result{};
  result.run = ScriptRunEnd::NotBuilt;
  WorldBuffer* world = scriptWorld(engine);
  ScriptUser* user = scriptUser(engine);
  ScriptReach* reach = scriptReach(engine);
  if (world == nullptr || user == nullptr || reach == nullptr) return result;
  memset(world->cells, 0, sizeof world->cells);
  ScriptMaps& maps = reach->maps();
  maps.beginWorldRun(directory, teleportSource);
  if (!runChosenScript(engine, "Nothing was written.", &result.chosen, &result.run)) {
    maps.end();
    return result;
  }
  maps.takeTiles(*world);
  char question[kPathBufferSize + 64] = "";
  if (int existing = countExisting(directory)) {
    char shown[kPathBufferSize];
    user->describePath(directory, shown, sizeof shown);
    snprintf(question, sizeof question, "Replace the %d existing world maps in %s?", existing, shown);
  }
  landWorldRun(maps, true, *user, backups, "Generate World Map", question, result);
  maps.end();
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
