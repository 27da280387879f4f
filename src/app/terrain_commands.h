// The Edit menu's terrain commands: Auto Terrain (a toggle, key T), Apply
// Terrain Rules (to the selection, the open map or all world maps), and
// reading the rules file again or another one.
#pragma once

void autoTerrainCommand(void* editor);
void applyTerrainRulesCommand(void* editor);
void reloadTerrainRulesCommand(void* editor);
void loadTerrainRulesCommand(void* editor);

struct EditorState;
// Auto Terrain's item says "On" while it is on.
bool autoTerrainChecked(const EditorState& editor);
