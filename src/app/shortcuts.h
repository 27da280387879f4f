// The main window's keyboard shortcuts: one table of keys and the commands
// they run, given every key that no dialog, menu, list or edit box took.
#pragma once
#include "gui/gui.h"

// Runs the command of the shortcut that key is (the modifiers must match
// exactly, and a plain letter waits while a list or edit box has the focus
// unless the pointer is over the map or the palette); editor is the
// EditorState. True when key was a shortcut.
bool runShortcut(const GuiKey& key, void* editor);

// The keys of the table that run command, written as the menus write them
// ("Ctrl+Y, Ctrl+Shift+Z"); "" when none.
void shortcutKeysOf(GuiCommand command, char* text, size_t size);

// Calls visit with the keys and the meaning of every shortcut that no menu
// item offers (its meaning says what it does instead of a menu label).
void visitKeysWithoutMenuItem(void (*visit)(const char* keys, const char* meaning, void* context), void* context);

// Hands the main window's leftover keys to runShortcut.
void installShortcuts(int mainWindow, void* editor);
