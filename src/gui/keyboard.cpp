// Keyboard dispatch: readkey() keys go to the open menu, to Alt+letter menu
// titles, to the focused widget, to Tab focus moves, and to the top window's
// buttons (Enter, Escape, hotkey letters).
#include <cctype>

#include "gui/gui_internal.h"

namespace gui {

bool isTextKey(int ascii) { return ascii >= 32 && ascii < 127; }

static Window* activeWindow() {
  Window* window = topWindow();
  return window && window->shown ? window : nullptr;
}

static char letterOf(int scancode, int ascii) {
  if (scancode >= KEY_A && scancode <= KEY_Z) return static_cast<char>('a' + scancode - KEY_A);
  if (scancode >= KEY_0 && scancode <= KEY_9) return static_cast<char>('0' + scancode - KEY_0);
  return static_cast<char>(tolower(ascii));
}

// The button of the window whose hotkey is the letter, 0 when none.
static int buttonByHotkey(const Window& window, char letter) {
  for (int i = 0; i < widgetSlotsInUse(); ++i) {
    const Widget& w = widgets()[i];
    if (w.id != 0 && w.window == window.id && (w.kind == Kind::Button || w.kind == Kind::CheckBox) &&
        hotkeyOf(w.label) == letter && widgetVisible(w))
      return w.id;
  }
  return 0;
}

static void pressWidget(int id) {
  Widget* w = findWidget(id);
  if (!w) return;
  if (w->kind == Kind::Button) activateButton(id);
  if (w->kind == Kind::CheckBox) toggleCheckBox(id);
}

static bool focusedKey(Window& window, int scancode, int ascii) {
  Widget* focus = findWidget(window.focus);
  if (!focus || !widgetVisible(*focus)) return false;
  switch (focus->kind) {
    case Kind::EditBox: return editKey(*focus, scancode, ascii);
    case Kind::ListBox: return listKey(*focus, scancode);
    case Kind::Button:
    case Kind::CheckBox:
      if (scancode == KEY_SPACE || (focus->kind == Kind::Button && scancode == KEY_ENTER)) {
        pressWidget(focus->id);
        return true;
      }
      return false;
    default: return false;
  }
}

void dispatchKey(int scancode, int ascii, int shifts) {
  if (menuKey(scancode, ascii)) return;
  Window* window = activeWindow();
  if (!window) return;
  bool alt = (shifts & KB_ALT_FLAG) != 0;
  char letter = letterOf(scancode, ascii);
  if (alt && letter && openMenuByHotkey(*window, letter)) return;
  if (!alt && focusedKey(*window, scancode, ascii)) return;
  window = activeWindow();
  if (!window) return;
  if (scancode == KEY_TAB) {
    int step = (shifts & KB_SHIFT_FLAG) ? -1 : 1;
    setFocus(*window, focusableNext(*window, window->focus, step));
  } else if ((scancode == KEY_LEFT || scancode == KEY_RIGHT) && findWidget(window->focus) &&
             findWidget(window->focus)->kind == Kind::Button) {
    int next = focusableNext(*window, window->focus, scancode == KEY_RIGHT ? 1 : -1);
    if (findWidget(next) && findWidget(next)->kind == Kind::Button) setFocus(*window, next);
  } else if (scancode == KEY_ENTER && window->defaultButton) {
    activateButton(window->defaultButton);
  } else if (scancode == KEY_ESC && window->escapeButton) {
    activateButton(window->escapeButton);
  } else if (letter) {
    pressWidget(buttonByHotkey(*window, letter));
  }
}

void pollKeyboard() {
  if (keyboard_needs_poll()) poll_keyboard();
  // Keys typed ahead of a key that closes a dialog belong to whatever comes
  // next (another requester, say): stop reading once the loop is to end.
  Gui& g = state();
  while (keypressed() && !(g.loopDepth > 0 && g.stop[g.loopDepth])) {
    int shifts = key_shifts;
    int k = readkey();
    dispatchKey(k >> 8, k & 0xff, shifts);
  }
}

}  // namespace gui
