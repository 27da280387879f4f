// The main window's keys from the command table. Keys with Ctrl or Alt,
// Escape and the arrows work whatever widget has the focus; plain letters
// only while no list or edit box has it (they type there), unless the pointer
// is over the map canvas or the tile palette, where the user is working on the map.
#include "app/shortcuts.h"

#include "app/editor_state.h"

namespace {

bool inScope(const Command& c, const GuiKey& key, const EditorState& editor) {
  if (!keyTypesText(c.key) || !key.textFocus) return true;
  return key.canvas != 0 && (key.canvas == editor.mapCanvas || key.canvas == editor.paletteCanvas);
}

}  // namespace

bool runCommandKey(const CommandTable& table, const GuiKey& typed, void* editor) {
  const EditorState& state = *static_cast<const EditorState*>(editor);
  for (int i = 0; i < table.count; ++i) {
    const Command& c = table.entries[i];
    if (c.key.scancode == 0 || c.key.scancode != typed.scancode || c.key.modifiers != typed.modifiers) continue;
    if (!inScope(c, typed, state)) return false;
    if (c.enabled == nullptr || c.enabled(state)) c.run(editor);
    return true;
  }
  return false;
}

bool runShortcut(const GuiKey& typed, void* editor) { return runCommandKey(editorCommands(), typed, editor); }

void installShortcuts(int mainWindow, void* editor) { SetKeyHandler(mainWindow, runShortcut, editor); }
