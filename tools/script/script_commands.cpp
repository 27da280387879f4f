// dola-script's commands over the script layer's generation functions, the
// same ones the editor's Script menu calls.
#include "script_commands.h"

#include <cstdio>
#include <memory>
#include <string>

#include "data/local_map.h"
#include "platform/backup_store.h"
#include "platform/host_path.h"
#include "script/map_generation.h"
#include "script/world_generation.h"
#include "stdio_script_user.h"

namespace {

int failedRunStatus() { return interruptRequested() ? kExitInterrupted : kExitFailed; }

// Loads the map at hostPath into map; false after saying why not.
bool loadMap(const std::string& hostPath, LocalMap& map) {
  const std::string path = editorPathOf(hostPath);
  map.kind = NoKind;
  if (!path.empty() && map.load(path.c_str())) return true;
  const char* why = "its first line names no kind";
  if (path.empty() || (map.kind == NoKind && map.path[0] != 0)) {
    why = "it cannot be opened for reading and writing";
  } else if (map.kind != NoKind) {
    why = "a row line is short";
  }
  fprintf(stderr, "dola-script: %s: cannot be read as a map: %s\n", hostPath.c_str(), why);
  return false;
}

}  // namespace

BackupPlace backupPlaceOf(const ScriptCliArgs& args) {
  BackupPlace place;
  if (args.backupDir.empty()) return place;
  place.directory = editorPathOf(args.backupDir);
  place.keep = kDefaultBackupsKept;
  return place;
}

std::string editorPathOf(const std::string& hostPath) {
  char path[kPathBufferSize];
  return pathToEditor(hostPath.c_str(), path, sizeof path) ? path : "";
}

int runWorldCommand(AngelScript::asIScriptEngine* engine, const ScriptCliArgs& args) {
  std::string directory = editorPathOf(args.target);
  while (directory.size() > 1 && directory.back() == '\\') directory.pop_back();
  if (directory.empty() || !isDirectoryPath(directory.c_str())) {
    fprintf(stderr, "dola-script: %s: no such directory\n", args.target.c_str());
    return kExitFailed;
  }
  auto teleports = std::make_unique<LocalMap>();
  if (!args.teleportsFrom.empty() && !loadMap(args.teleportsFrom, *teleports)) return kExitFailed;
  const BackupPlace backups = backupPlaceOf(args);
  const WorldGenerationResult result =
      generateWorld(engine, directory.c_str(), args.teleportsFrom.empty() ? nullptr : teleports.get(), &backups);
  if (!scriptRunCounts(result.run)) return failedRunStatus();
  if (result.unwritableMaps > 0) return kExitFailed;
  if (result.stopped) {
    fprintf(stderr, "dola-script: interrupted before any world map was replaced: nothing was written\n");
    return kExitInterrupted;
  }
  printf("dola-script: wrote %d of 400 world maps into %s\n", result.written, args.target.c_str());
  if (result.stoppedWhilePlacing) {
    fprintf(stderr, "dola-script: interrupted while the world maps were put in place: that was finished first\n");
    return kExitInterrupted;
  }
  return result.failed ? kExitFailed : kExitDone;
}

int runMapCommand(AngelScript::asIScriptEngine* engine, const ScriptCliArgs& args) {
  auto map = std::make_unique<LocalMap>();
  if (!loadMap(args.target, *map)) return kExitFailed;
  if (!generateIntoMap(engine, *map)) return failedRunStatus();
  BackupOperation backup(backupPlaceOf(args), "dola-script map");
  if (!map->save(map->path, &backup)) {
    if (backup.failure()[0] != 0)
      fprintf(stderr, "dola-script: %s: the map was not saved, its backup failed: %s\n", args.target.c_str(),
              backup.failure());
    else
      fprintf(stderr, "dola-script: %s: the map was not saved\n", args.target.c_str());
    return kExitFailed;
  }
  printf("dola-script: saved %s\n", args.target.c_str());
  return kExitDone;
}
