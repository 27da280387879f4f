// The main window's keys, made from the command table: every key that no
// dialog, menu, list or edit box took runs the command whose key it is.
#pragma once
#include "app/command_table.h"
#include "gui/gui.h"

// Runs the command of the table whose key this is (the modifiers must match
// exactly; a key that types text waits while a list or edit box has the
// focus unless the pointer is over the map or the palette; a disabled
// command's key is taken and does nothing); editor is the EditorState. True
// when the key was a command's.
bool runCommandKey(const CommandTable& table, const GuiKey& key, void* editor);
// runCommandKey with the editor's table.
bool runShortcut(const GuiKey& key, void* editor);

// Hands the main window's leftover keys to runShortcut.
void installShortcuts(int mainWindow, void* editor);
