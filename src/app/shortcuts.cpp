// The shortcut table. A menu item that does the same shows the key as its
// shortcut text (menus.cpp); the two are kept in step by hand. Keys with Ctrl
// or Alt work whatever widget has the focus; plain letters only while no list
// or edit box has it (they type there), unless the pointer is over the map
// canvas or the tile palette, where the user is working on the map.
#include "app/shortcuts.h"

#include <allegro.h>

#include "app/commands.h"
#include "app/editor_state.h"
#include "app/navigation.h"

namespace {

enum class KeyScope {
  Anywhere,     // whatever has the focus
  OutsideText,  // not while a list or edit box has the focus, unless over the map or palette
};

struct Shortcut {
  int scancode;   // Allegro's KEY_ code
  int modifiers;  // kGuiShift | kGuiCtrl | kGuiAlt, exactly
  GuiCommand command;
  KeyScope scope;
};

constexpr KeyScope kAnywhere = KeyScope::Anywhere;
constexpr KeyScope kOutsideText = KeyScope::OutsideText;

const Shortcut kShortcuts[] = {
    {KEY_O, kGuiCtrl, openCommand, kAnywhere},
    {KEY_S, kGuiCtrl, saveCommand, kAnywhere},
    {KEY_S, kGuiCtrl | kGuiShift, saveAsCommand, kAnywhere},
    {KEY_Q, kGuiCtrl, quitCommand, kAnywhere},
    {KEY_Z, kGuiCtrl, undoCommand, kAnywhere},
    {KEY_Y, kGuiCtrl, redoCommand, kAnywhere},
    {KEY_Z, kGuiCtrl | kGuiShift, redoCommand, kAnywhere},
    {KEY_LEFT, kGuiAlt, backCommand, kAnywhere},    {KEY_RIGHT, kGuiAlt, forwardCommand, kAnywhere},
    {KEY_UP, kGuiCtrl, northCommand, kAnywhere},    {KEY_DOWN, kGuiCtrl, southCommand, kAnywhere},
    {KEY_LEFT, kGuiCtrl, westCommand, kAnywhere},   {KEY_RIGHT, kGuiCtrl, eastCommand, kAnywhere},
    {KEY_B, 0, brushCommand, kOutsideText},         {KEY_R, 0, rectangleCommand, kOutsideText},
    {KEY_F, 0, fillCommand, kOutsideText},          {KEY_L, 0, lineCommand, kOutsideText},
    {KEY_S, 0, selectCommand, kOutsideText},        {KEY_C, kGuiCtrl, copyCommand, kAnywhere},
    {KEY_V, kGuiCtrl, pasteCommand, kAnywhere},     {KEY_H, kGuiCtrl, replaceTileCommand, kAnywhere},
    {KEY_X, kGuiCtrl, cutCommand, kAnywhere},       {KEY_A, kGuiCtrl, selectAllCommand, kAnywhere},
    {KEY_DEL, 0, deleteCommand, kOutsideText},      {KEY_X, 0, flipLeftRightCommand, kOutsideText},
    {KEY_Y, 0, flipTopBottomCommand, kOutsideText}, {KEY_Z, 0, turnClockwiseCommand, kOutsideText},
    {KEY_Z, kGuiShift, turnCounterClockwiseCommand, kOutsideText},
    {KEY_ESC, 0, escapeCommand, kAnywhere},
};

bool inScope(const Shortcut& s, const GuiKey& key, const EditorState& editor) {
  if (s.scope == KeyScope::Anywhere || !key.textFocus) return true;
  return key.canvas != 0 && (key.canvas == editor.mapCanvas || key.canvas == editor.paletteCanvas);
}

}  // namespace

bool runShortcut(const GuiKey& typed, void* editor) {
  for (const Shortcut& s : kShortcuts) {
    if (s.scancode != typed.scancode || s.modifiers != typed.modifiers) continue;
    if (!inScope(s, typed, *static_cast<const EditorState*>(editor))) return false;
    s.command(editor);
    return true;
  }
  return false;
}

void installShortcuts(int mainWindow, void* editor) { SetKeyHandler(mainWindow, runShortcut, editor); }
