// The editor's commands in one table: each entry is a command's menu place
// and label, its key, its handler and when it is enabled (or checked). The
// menu bar and its drop-downs (menus.cpp), the main window's keys
// (shortcuts.cpp) and the key list of the README are all made from it, so a
// new command is one entry here plus its handler.
#pragma once
#include <string>

#include "gui/gui.h"

struct EditorState;

// The drop-downs of the menu bar, in the bar's order; None: a key without a menu item.
enum class Menu { None, File, Edit, View, Script, Tools, Help };

// A key with its modifiers (kGuiShift | kGuiCtrl | kGuiAlt, matched
// exactly); scancode 0: no key.
struct KeyChord {
  int scancode;
  int modifiers;
};

struct Command {
  Menu menu;          // where its item is; None: reached by its key alone
  const char* label;  // the item's label with its "~" letter; for a key alone, what the key list says it does
  KeyChord key;       // shown at the item's right; {0, 0}: none
  GuiCommand run;     // the handler, given the EditorState
  // Both may be null: always enabled; not a toggle. A disabled command's
  // item is dimmed and its key does nothing; a checked toggle's item says "On".
  bool (*enabled)(const EditorState& editor);
  bool (*checked)(const EditorState& editor);
  // Items made when the menu opens (recent maps, the scripts of a folder):
  // called in the entry's place instead of adding one item; it adds each
  // item itself with AddMenuItem and the EditorState as data.
  void (*addItems)(void* editor);
};

// A table of commands: the editor's own, or one a test makes.
struct CommandTable {
  const Command* entries;
  int count;
};

// The menu bar's titles with their "~" letters, by Menu.
const char* menuTitle(Menu menu);

// The editor's command table, in the order of the menus.
CommandTable editorCommands();

// A plain letter or digit types into a focused list or edit box: its
// command waits for the pointer to be over the map or the palette. Keys
// with Ctrl or Alt, Escape and the arrows reach the commands whatever has
// the focus.
bool keyTypesText(const KeyChord& key);

// A key as the menus show it: "Ctrl+Shift+S", "Alt+Left", "B"; "" for none.
void keyText(const KeyChord& key, char* out, int outSize);

// Every key of the table, one line each in table order: the key in a
// column of 16, then "File > Open" or a key's own label.
std::string keyList(const CommandTable& table);
