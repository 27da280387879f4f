// dola-script: runs a DOLA script without a screen, on a whole world or on
// one map, with the editor's own script host and generation commands.
// Usage: see kScriptCliUsage.
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "data/world_buffer.h"
#include "platform/standard_options.h"
#include "script/script_host.h"
#include "script/script_terrain.h"
#include "script_cli_args.h"
#include "script_commands.h"
#include "stdio_script_user.h"
#include "terrain_command.h"

int main(int argc, char** argv) {
  if (answerStandardOption(argc, argv, "dola-script", kScriptCliUsage)) return kExitDone;
  ScriptCliArgs args;
  std::string error;
  if (!parseScriptCliArgs(argc, argv, &args, &error)) {
    fprintf(stderr, "dola-script: %s\n%s", error.c_str(), kScriptCliUsage);
    return kExitUsage;
  }
  if (args.command == ScriptCommand::Help) {
    fputs(kScriptCliUsage, stdout);
    return kExitDone;
  }
  if (args.command == ScriptCommand::Terrain) return runTerrainCommand(args);
  auto world = std::make_unique<WorldBuffer>();
  StdioScriptUser user(editorPathOf(args.script), args.script, stdout, stderr);
  AngelScript::asIScriptEngine* engine = nullptr;
  if (!startScriptHost(&engine, world.get(), &user)) {
    fprintf(stderr, "dola-script: the script engine could not be started\n");
    return kExitFailed;
  }
  TerrainRules rules;
  loadCliTerrainRules(args, rules);
  setScriptTerrainRules(engine, &rules);
  if (args.seeded) srand(args.seed);
  catchInterrupt();
  const int status = args.command == ScriptCommand::World  ? runWorldCommand(engine, args)
                     : args.command == ScriptCommand::Each ? runEachCommand(engine, args)
                                                           : runMapCommand(engine, args);
  stopScriptHost(&engine);
  return status;
}
