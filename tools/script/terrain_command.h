// dola-script's terrain rules: the rules a run's terrain() applies, and the
// terrain command, which applies them to all world maps of a directory.
#pragma once
#include "data/terrain_rules.h"
#include "script_cli_args.h"

// Loads --rules FILE, or terrain.rules in the target directory (world,
// terrain) or beside the target map (map). A missing or faulty file leaves
// rules empty with its error: terrain() then stops the script with it.
void loadCliTerrainRules(const ScriptCliArgs& args, TerrainRules& rules);

// Applies the rules to the world maps of args.target as the editor's Apply
// Terrain Rules does for All World Maps, with the same backups; the program's
// exit status.
int runTerrainCommand(const ScriptCliArgs& args);
