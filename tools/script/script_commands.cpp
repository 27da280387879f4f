// dola-script's commands over the script layer's generation functions, the
// same ones the editor's Script menu calls.
#include "script_commands.h"

#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <vector>
#include <memory>
#include <string>

#include "data/local_map.h"
#include "platform/backup_store.h"
#include "platform/host_path.h"
#include "data/map_data_file.h"
#include "data/map_names.h"
#include "script/each_map_run.h"
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

// The editor path of the directory operand; false after saying why not.
// The directory is made absolute first: the game names a directory's
// creature table after the directory's own name, which a relative path may lack.
bool worldDirectory(const ScriptCliArgs& args, std::string* directory) {
  std::string host = args.target;
  char cwd[kPathBufferSize];
  if (!host.empty() && host[0] != '/' && getcwd(cwd, sizeof cwd) != nullptr) host = std::string(cwd) + "/" + host;
  *directory = editorPathOf(host);
  while (directory->size() > 1 && directory->back() == '\\') directory->pop_back();
  if (directory->empty() || !isDirectoryPath(directory->c_str())) {
    fprintf(stderr, "dola-script: %s: no such directory\n", args.target.c_str());
    return false;
  }
  return true;
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
  std::string directory;
  if (!worldDirectory(args, &directory)) return kExitFailed;
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
  int squares = 0;
  for (const auto& column : result.squareWritten)
    for (bool written : column) squares += written;
  printf("dola-script: wrote %d of 400 world maps into %s\n", squares, args.target.c_str());
  if (result.stoppedWhilePlacing) {
    fprintf(stderr, "dola-script: interrupted while the world maps were put in place: that was finished first\n");
    return kExitInterrupted;
  }
  return result.failed ? kExitFailed : kExitDone;
}

int runEachCommand(AngelScript::asIScriptEngine* engine, const ScriptCliArgs& args) {
  std::string directory;
  if (!worldDirectory(args, &directory)) return kExitFailed;
  const BackupPlace backups = backupPlaceOf(args);
  const WorldGenerationResult result = runOnEachWorldMap(engine, directory.c_str(), &backups);
  if (!scriptRunCounts(result.run)) return failedRunStatus();
  if (result.unwritableMaps > 0 || result.backupFailed) return kExitFailed;
  if (result.stopped) {
    fprintf(stderr, "dola-script: interrupted before any map was replaced: nothing was written\n");
    return kExitInterrupted;
  }
  if (result.stoppedWhilePlacing) {
    fprintf(stderr, "dola-script: interrupted while the maps were put in place: that was finished first\n");
    return kExitInterrupted;
  }
  return result.failed ? kExitFailed : kExitDone;
}

int runMapCommand(AngelScript::asIScriptEngine* engine, const ScriptCliArgs& args) {
  auto map = std::make_unique<LocalMap>();
  if (!loadMap(args.target, *map)) return kExitFailed;
  // The map's placements, as the editor reads them beside it.
  auto data = std::make_unique<MapDataFile>();
  char directory[kPathBufferSize], name[kPathBufferSize], dataPath[kPathBufferSize];
  if (directoryOf(map->path, directory, sizeof directory) && mapNameOf(map->path, name, sizeof name) &&
      snprintf(dataPath, sizeof dataPath, "%s\\%s.DAT", directory, name) < static_cast<int>(sizeof dataPath))
    data->load(dataPath);
  std::vector<Placement> before;
  for (int i = 0; data->placement(i) != nullptr; i++) before.push_back(*data->placement(i));
  if (!generateIntoMap(engine, *map, data.get())) return failedRunStatus();
  bool placementsChanged = false;
  for (size_t i = 0; i < before.size(); i++)
    placementsChanged |= memcmp(&before[i], data->placement(static_cast<int>(i)), sizeof(Placement)) != 0;
  BackupOperation backup(backupPlaceOf(args), "dola-script map");
  if (placementsChanged && !data->save(&backup)) {
    fprintf(stderr, "dola-script: %s: the placements could not be written to %s; nothing was saved\n",
            args.target.c_str(), data->path);
    return kExitFailed;
  }
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
