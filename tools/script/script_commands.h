// The two commands of dola-script on a started script host: a whole world
// written into a directory, and one map changed and saved. Each returns the
// program's exit status: 0 done, 1 failed, 130 interrupted.
#pragma once

#include "platform/backup_store.h"
#include "script_cli_args.h"

namespace AngelScript {
class asIScriptEngine;
}

constexpr int kExitDone = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;
constexpr int kExitInterrupted = 130;  // 128 + SIGINT, as shells report it

// Runs the script as Script > Generate World Map does and writes the 400
// world maps into args.target; nothing when the run does not count.
int runWorldCommand(AngelScript::asIScriptEngine* engine, const ScriptCliArgs& args);

// Runs the script on each world map of args.target as Script > Run on Each
// World Map does and writes the changed maps and ".DAT" files; nothing when
// any turn does not count.
int runEachCommand(AngelScript::asIScriptEngine* engine, const ScriptCliArgs& args);

// Runs the script on the map's tiles as Script > Generate Local Map does and
// saves the map (a safe save) when the run finished.
int runMapCommand(AngelScript::asIScriptEngine* engine, const ScriptCliArgs& args);

// Where --backup puts the backups (no backups without it).
BackupPlace backupPlaceOf(const ScriptCliArgs& args);

// The editor path of a host path given on the command line; "" when too long.
std::string editorPathOf(const std::string& hostPath);
