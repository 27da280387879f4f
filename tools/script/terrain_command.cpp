// The terrain command over the data layer's world pass, the one the editor
// runs, so that both write the same bytes.
#include "terrain_command.h"

#include <cstdio>
#include <string>

#include "data/map_names.h"
#include "data/terrain_world.h"
#include "platform/backup_store.h"
#include "platform/host_path.h"
#include "script_commands.h"

namespace {

// The editor path of the target's directory: the target itself for world
// and terrain, the map's directory for map.
std::string targetDirectory(const ScriptCliArgs& args) {
  std::string path = editorPathOf(args.target);
  if (args.command == ScriptCommand::Map) {
    char directory[kPathBufferSize];
    path = directoryOf(path.c_str(), directory, sizeof directory) ? directory : "";
  }
  while (path.size() > 1 && path.back() == '\\') path.pop_back();
  return path;
}

}  // namespace

void loadCliTerrainRules(const ScriptCliArgs& args, TerrainRules& rules) {
  const std::string path = args.rules.empty() ? targetDirectory(args) + "\\" + kTerrainRulesFileName
                                              : editorPathOf(args.rules);
  rules.loadFile(path.c_str());
}

int runTerrainCommand(const ScriptCliArgs& args) {
  const std::string directory = targetDirectory(args);
  if (directory.empty() || !isDirectoryPath(directory.c_str())) {
    fprintf(stderr, "dola-script: %s: no such directory\n", args.target.c_str());
    return kExitFailed;
  }
  TerrainRules rules;
  loadCliTerrainRules(args, rules);
  if (rules.empty()) {
    char reason[300];
    formatTerrainError(rules.error(), reason, sizeof reason);
    fprintf(stderr, "dola-script: the terrain rules are not used: %s. Nothing was written.\n", reason);
    return kExitFailed;
  }
  BackupOperation backup(backupPlaceOf(args), "Apply Terrain Rules");
  const WorldTerrainResult result = applyTerrainToWorld(directory.c_str(), rules, true, &backup);
  if (result.backupFailed) {
    fprintf(stderr, "dola-script: the world maps could not be backed up (%s): nothing was written\n",
            backup.failure());
    return kExitFailed;
  }
  if (result.failed || result.interrupted) {
    fprintf(stderr, "dola-script: %s: %s\n", result.failed ? "no world map was changed" : "stopped between the world maps",
            result.failure.c_str());
    return kExitFailed;
  }
  printf("dola-script: the terrain rules changed %d cells in %d of %d world maps in %s\n", result.cells, result.maps,
         result.mapsRead, args.target.c_str());
  for (const std::string& left : result.leftAsTheyAre) fprintf(stderr, "dola-script: left as it was: %s\n", left.c_str());
  return result.leftAsTheyAre.empty() ? kExitDone : kExitFailed;
}
