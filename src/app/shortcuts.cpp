// The shortcut table. Keys with Ctrl work whatever widget has the focus;
// plain letters only while no list or edit box has it (they type there),
// unless the pointer is over the map canvas or the tile palette, where the
// user is working on the map.
#include "app/shortcuts.h"

#include <allegro.h>

#include "app/commands.h"
#include "app/editor_state.h"

namespace {

enum class KeyScope {
  Anywhere,     // whatever has the focus
  OutsideText,  // not while a list or edit box has the focus, unless over the map or palette
};

struct Shortcut {
  int scancode;
  int modifiers;  // exactly these held
  KeyScope scope;
  GuiCommand command;
};

const Shortcut kShortcuts[] = {
    {KEY_B, 0, KeyScope::OutsideText, brushCommand},
    {KEY_R, 0, KeyScope::OutsideText, rectangleCommand},
    {KEY_F, 0, KeyScope::OutsideText, fillCommand},
    {KEY_L, 0, KeyScope::OutsideText, lineCommand},
    {KEY_S, 0, KeyScope::OutsideText, selectCommand},
    {KEY_C, kGuiCtrl, KeyScope::Anywhere, copyCommand},
    {KEY_V, kGuiCtrl, KeyScope::Anywhere, pasteCommand},
    {KEY_H, kGuiCtrl, KeyScope::Anywhere, replaceTileCommand},
    {KEY_ESC, 0, KeyScope::Anywhere, leaveToolActionCommand},
};

bool inScope(const Shortcut& s, const GuiKey& key, const EditorState& editor) {
  if (s.scope == KeyScope::Anywhere || !key.textFocus) return true;
  return key.canvas != 0 && (key.canvas == editor.mapCanvas || key.canvas == editor.paletteCanvas);
}

}  // namespace

bool handleShortcutKey(const GuiKey& key, void* data) {
  const EditorState& editor = *static_cast<const EditorState*>(data);
  for (const Shortcut& s : kShortcuts) {
    if (s.scancode != key.scancode || s.modifiers != key.modifiers || !inScope(s, key, editor)) continue;
    s.command(data);
    return true;
  }
  return false;
}
