// The fill callbacks of the main window's menu bar titles; each adds its
// items with the EditorState as their data.
#pragma once

void fillFileMenu(void* editor);   // "~Open", "~Save", "Save ~As", "~Quit", then the recent maps
// The area tools, "Copy", "Paste" and "Replace Tile..." with their keys.
void fillEditMenu(void* editor);
// "~World Map", "~Local Map", "~Back", "~Forward", "~North", "~South",
// "~West", "~East", "Show ~Teleports"
void fillViewMenu(void* editor);
void fillToolsMenu(void* editor);  // "~Set ZAN Directory"
// After Tools: "~Keys" (every command with its keys) and "~About".
void fillHelpMenu(void* editor);
// The "~Script" menu's items: the script commands.
void fillScriptMenu(void* editor);
