// The main window's menu bar, made from the command table: one title per
// Menu, each drop-down filled anew from the table when it opens.
#pragma once
#include "app/command_table.h"

struct EditorState;

// Adds the menu bar of the editor's command table to the window being built.
void addMenuBar(EditorState& editor);

// Adds the items of menu, in table order, to the drop-down being filled:
// each with its key at the right ("On" beside it for a checked toggle),
// dimmed while not enabled, the EditorState as data.
void addMenuItems(const CommandTable& table, Menu menu, EditorState& editor);
