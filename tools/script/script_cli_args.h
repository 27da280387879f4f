// The command line of dola-script: which command, the script, what it works
// on, and the options. Paths stay as the host gave them.
#pragma once
#include <string>

enum class ScriptCommand { World, Each, Map, Terrain, Help };

struct ScriptCliArgs {
  ScriptCommand command = ScriptCommand::Help;
  std::string script;         // SCRIPT.as
  std::string target;         // world, each, terrain: the world's directory; map: the MAP file
  std::string rules;          // --rules FILE: the terrain rules; "" for terrain.rules beside the target
  std::string teleportsFrom;  // world: a MAP whose teleports every world map gets; "" for none
  std::string backupDir;      // --backup DIR: keep the files replaced there; "" for no backups
  bool seeded = false;        // --seed given: rand() follows that seed, not the time
  unsigned seed = 0;
};

// Reads argv; false with a reason in error when the line is not a valid one.
bool parseScriptCliArgs(int argc, char** argv, ScriptCliArgs* args, std::string* error);

// The text of --help.
extern const char kScriptCliUsage[];
