// The main window's keyboard shortcuts: one table of keys and the commands
// they run, looked up by the toolkit's key handler of the main window (which
// gets only the keys no dialog, menu, list or edit box took).
#pragma once
#include "gui/gui.h"

// The toolkit key handler; editor is the EditorState. True when the key was
// a shortcut and its command ran.
bool handleShortcutKey(const GuiKey& key, void* editor);
