// Run on Each World Map: one map script run on each of the 400 world maps of
// a directory in turn, each in the top-left block as Generate Local Map puts
// the open map there, with its kind, teleports and placements. The script is
// built once; every turn starts with fresh globals. The whole series lands as
// one world run: when every turn ended well, the changed MAP and ".DAT"
// files are written in one batch with one backup; otherwise nothing is.
#pragma once

#include "script/world_generation.h"

// Runs a script of the user's choice on each world map of directory (an
// editor path without the final "\"). The user sees the progress, may stop
// with Escape, and is told what failed (naming the map) or what changed.
WorldGenerationResult runOnEachWorldMap(AngelScript::asIScriptEngine* engine, const char* directory,
                                        const BackupPlace* backups = nullptr);
