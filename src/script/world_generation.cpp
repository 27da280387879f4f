// generateWorld: choose, run, ask, write, report. The writes go through one
// scratch LocalMap into one FileReplacer, which backs up what they replace; a map holding a tile code 10 or 13,
// which no row line can carry, is not written and is reported with its first
// such cell.
#include "script/world_generation.h"

#include <cctype>
#include <cstdio>
#include <cstring>

#include "data/local_map.h"
#include "data/progress.h"
#include "data/world_buffer.h"
#include "platform/host_path.h"
#include "platform/backup_store.h"
#include "platform/file_replacer.h"
#include "script/chosen_script.h"
#include "script/script_user.h"

namespace {

constexpr int kWorldMapCount = kWorldSquares * kWorldSquares;

// The first map that a tile code 10 or 13 kept from being written.
struct TileFault {
  bool present;
  char path[kPathBufferSize];
  int x, y;  // 0-based cell of that map
  int code;
};

void copyTeleports(const LocalMap* from, LocalMap& to) {
  to.clearTeleports();
  if (from == nullptr) return;
  char name[kTeleportNameSize];
  for (int i = 0; i < from->teleportCount(); i++) {
    int x = 0, y = 0;
    if (from->getTeleport(i, &x, &y, name)) to.addTeleport(x, y, name);
  }
}

void takeBlock(const WorldBuffer& world, int col, int row, LocalMap& map) {
  for (int y = 0; y < kMapRows; y++) {
    const unsigned char* line = world.cells + (row * kMapRows + y) * kWorldColumns + col * kMapColumns;
    for (int x = 0; x < kMapColumns; x++) map.setTile(x, y, line[x]);
  }
}

int countExisting(const char* directory) {
  int existing = 0;
  char path[kPathBufferSize];
  for (int row = 0; row < kWorldSquares; row++)
    for (int col = 0; col < kWorldSquares; col++)
      existing += worldMapFileNameIn(directory, col, row, path, sizeof path) && isFilePath(path);
  return existing;
}

// Queues one square in batch; its index there, or -1 (with the fault noted)
// when it cannot be written.
int queueSquare(LocalMap& map, const char* path, FileReplacer& replacer, TileFault& fault) {
  int x = 0, y = 0;
  if (map.findUnwritableTile(&x, &y)) {
    if (!fault.present) {
      fault = TileFault{true, "", x, y, map.getTile(x, y)};
      snprintf(fault.path, sizeof fault.path, "%s", path);
    }
    return -1;
  }
  return map.saveInto(replacer, path);
}

// Counts the squares that landed and names the first that did not, in the
// order they were written.
void tallySquares(const FileReplacer& batch, const int (&queued)[kWorldSquares][kWorldSquares],
                  const char* directory, WorldGenerationResult& result) {
  char path[kPathBufferSize];
  for (int row = 0; row < kWorldSquares; row++) {
    for (int col = 0; col < kWorldSquares; col++) {
      const bool written = batch.placed(queued[col][row]);
      result.squareWritten[col][row] = written;
      if (written) {
        result.written++;
      } else if (result.failed++ == 0) {
        worldMapFileNameIn(directory, col, row, path, sizeof path);
        snprintf(result.firstFailed, sizeof result.firstFailed, "%s", path);
      }
    }
  }
}

// All the squares go through one batch, so that the run is synced once and
// its backup is one operation.
void writeWorld(const WorldBuffer& world, const char* directory, const LocalMap* teleportSource,
                ProgressDisplay* progress, BackupOperation& backup, WorldGenerationResult& result, TileFault& fault) {
  LocalMap map;
  map.kind = Wilderness;
  copyTeleports(teleportSource, map);
  if (progress != nullptr) progress->open();
  FileReplacer batch(&backup);
  int queued[kWorldSquares][kWorldSquares];
  char path[kPathBufferSize];
  for (int row = 0; row < kWorldSquares; row++) {
    for (int col = 0; col < kWorldSquares; col++) {
      if (progress != nullptr) progress->setPercent((row * kWorldSquares + col) / 4);
      takeBlock(world, col, row, map);
      bool named = worldMapFileNameIn(directory, col, row, path, sizeof path);
      queued[col][row] = named ? queueSquare(map, path, batch, fault) : -1;
    }
  }
  batch.commit();
  result.backupFailed = batch.backupFailed();
  tallySquares(batch, queued, directory, result);
  if (progress != nullptr) progress->close();
}

void reportFailures(ScriptUser& user, const WorldGenerationResult& result, const TileFault& fault,
                    const BackupOperation& backup) {
  if (result.backupFailed) {
    char text[3 * kPathBufferSize];
    snprintf(text, sizeof text,
             "No world map was written: the backup of the maps it would replace failed (%s). "
             "Every file is as it was.",
             backup.failure());
    user.showText(text, "~OK");
    return;
  }
  if (result.failed == 0) return;
  char text[3 * kPathBufferSize];
  int used = snprintf(text, sizeof text, "%d of the %d world maps could not be written; the first is %s.",
                      result.failed, kWorldMapCount, result.firstFailed);
  if (fault.present && used > 0 && static_cast<size_t>(used) < sizeof text) {
    snprintf(text + used, sizeof text - used,
             "\nThe script put the tile code %d, which no map file can hold, into cell (%d, %d) of %s.",
             fault.code, fault.x + 1, fault.y + 1, fault.path);
  }
  user.showText(text, "~OK");
}

bool sameFileName(const char* a, const char* b) {
  for (; *a != '\0' && *b != '\0'; a++, b++)
    if (tolower(static_cast<unsigned char>(*a)) != tolower(static_cast<unsigned char>(*b))) return false;
  return *a == *b;
}

// The square whose world map beside mapPath is mapPath itself; false for none.
bool worldSquareOf(const char* mapPath, int* col, int* row) {
  char path[kPathBufferSize];
  for (*row = 0; *row < kWorldSquares; ++*row)
    for (*col = 0; *col < kWorldSquares; ++*col)
      if (worldMapPathBeside(mapPath, *col, *row, path, sizeof path) && sameFileName(path, mapPath)) return true;
  return false;
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

  int existing = countExisting(directory);
  if (existing > 0) {
    char question[kPathBufferSize + 64];
    snprintf(question, sizeof question, "Replace the %d existing world maps in %s?", existing, directory);
    result.replaceDeclined = user->askQuestion(question, "~Replace|~Cancel") != 0;
    if (result.replaceDeclined) return result;
  }
  TileFault fault{};
  BackupOperation backup(backups != nullptr ? *backups : BackupPlace(), "Generate World Map");
  writeWorld(*world, directory, teleportSource, user->progress(), backup, result, fault);
  reportFailures(*user, result, fault, backup);
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
