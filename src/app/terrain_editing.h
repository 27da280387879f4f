// The editor's terrain rules: the rules file in use (the game directory's
// "terrain.rules", or one the user picked), read again when it changes on
// disk; Auto Terrain, which lets every edit of the open map's tiles end with
// a pass of the rules over the changed cells and their neighbours, inside the
// same undo step; and what the position field says about the cell pointed at.
#pragma once
#include <cstddef>

#include "data/terrain_rules.h"
#include "data/terrain_world.h"

struct EditorState;

// The rules in use; empty when there is no file or it is faulty. The same
// object for the editor's whole run (scripts' terrain() reads it).
const TerrainRules& editorTerrainRules(const EditorState& editor);

// Reads the rules file again when it changed on disk since it was read, or
// the game directory's file when none was read yet. True when rules are in use.
bool refreshTerrainRules(EditorState& editor);
// Reads the rules from path (an editor path) now; "" reads the game
// directory's "terrain.rules". False with the reason in terrainRulesStatus().
bool loadTerrainRules(EditorState& editor, const char* path);
// Reads the same file again: the one the user picked, else the game directory's.
bool reloadTerrainRules(EditorState& editor);
// The rules file in use, or the one that was tried ("" none yet).
const char* terrainRulesPath(const EditorState& editor);
// "12 rules from C:\...\terrain.rules", or why none are used.
void terrainRulesStatus(const EditorState& editor, char* out, size_t outSize);

bool autoTerrainOn(const EditorState& editor);
void setAutoTerrain(EditorState& editor, bool on);

// The open map's eight neighbours as their files are now: kept, and read
// again only when one of the files changed, came or went.
const TerrainNeighbours& openMapNeighbours(EditorState& editor);

// Puts Auto Terrain into the open map's edit gate: when an edit of the map
// goes on (a stroke) and when it ends, and Auto Terrain is on, the rules run
// over the cells that differ from the map at the edit's beginning, with
// their neighbours, inside the same step.
void installAutoTerrain(EditorState& editor);
// Auto Terrain stays out of the edits made between these two (an explicit
// Apply Terrain Rules, which is a pass already).
void holdAutoTerrain(EditorState& editor, bool held);

// The rule that gives map cell (column, row) of the open map its code now,
// for the position field: "rule at line 12", "no rule matched", or "" without
// rules.
void terrainRuleText(EditorState& editor, int column, int row, char* out, size_t outSize);
