// The shortcut table. A menu item that does the same shows the key as its
// shortcut text (menus.cpp); the two are kept in step by hand.
#include "app/shortcuts.h"

#include <allegro.h>

#include "app/commands.h"
#include "app/navigation.h"

namespace {

struct Shortcut {
  int scancode;   // Allegro's KEY_ code
  int modifiers;  // kGuiShift | kGuiCtrl | kGuiAlt, exactly
  GuiCommand command;
};

const Shortcut kShortcuts[] = {
    {KEY_O, kGuiCtrl, openCommand},
    {KEY_S, kGuiCtrl, saveCommand},
    {KEY_S, kGuiCtrl | kGuiShift, saveAsCommand},
    {KEY_Q, kGuiCtrl, quitCommand},
    {KEY_Z, kGuiCtrl, undoCommand},
    {KEY_Y, kGuiCtrl, redoCommand},
    {KEY_Z, kGuiCtrl | kGuiShift, redoCommand},
    {KEY_LEFT, kGuiAlt, backCommand},    {KEY_RIGHT, kGuiAlt, forwardCommand},
    {KEY_UP, kGuiCtrl, northCommand},    {KEY_DOWN, kGuiCtrl, southCommand},
    {KEY_LEFT, kGuiCtrl, westCommand},   {KEY_RIGHT, kGuiCtrl, eastCommand},
};

}  // namespace

bool runShortcut(const GuiKey& key, void* editor) {
  for (const Shortcut& s : kShortcuts) {
    if (s.scancode != key.scancode || s.modifiers != key.modifiers) continue;
    s.command(editor);
    return true;
  }
  return false;
}

void installShortcuts(int mainWindow, void* editor) { SetKeyHandler(mainWindow, runShortcut, editor); }
