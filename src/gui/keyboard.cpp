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
    case Kind::ListBox: return listKey(*focus, scancode, ascii);
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

// A list or an edit box takes plain letters as text: button hotkeys then
// need Alt.
static bool focusTakesLetters(const Window& window) {
  const Widget* focus = findWidget(window.focus);
  return focus && widgetVisible(*focus) && (focus->kind == Kind::ListBox || focus->kind == Kind::EditBox);
}

// The window's own meaning of a key after its focused widget: focus moves,
// the default and escape buttons, button hotkeys. False when it has none.
static bool windowKey(Window& window, int scancode, char letter, int shifts) {
  const bool alt = (shifts & KB_ALT_FLAG) != 0, ctrl = (shifts & KB_CTRL_FLAG) != 0;
  Widget* focus = findWidget(window.focus);
  if (scancode == KEY_TAB) {
    setFocus(window, focusableNext(window, window.focus, (shifts & KB_SHIFT_FLAG) ? -1 : 1));
  } else if ((scancode == KEY_LEFT || scancode == KEY_RIGHT) && !alt && !ctrl && focus && focus->kind == Kind::Button) {
    // With Ctrl or Alt an arrow is the program's (Ctrl+Right, Alt+Left), whatever has the focus.
    int next = focusableNext(window, window.focus, scancode == KEY_RIGHT ? 1 : -1);
    if (findWidget(next) && findWidget(next)->kind == Kind::Button) setFocus(window, next);
  } else if (scancode == KEY_ENTER && window.defaultButton) {
    activateButton(window.defaultButton);
  } else if (scancode == KEY_ESC && window.escapeButton) {
    activateButton(window.escapeButton);
  } else {
    int button = letter && !ctrl && (alt || !focusTakesLetters(window)) ? buttonByHotkey(window, letter) : 0;
    if (!button) return false;
    pressWidget(button);
  }
  return true;
}

static int guiModifiers(int shifts) {
  return ((shifts & KB_SHIFT_FLAG) ? kGuiShift : 0) | ((shifts & KB_CTRL_FLAG) ? kGuiCtrl : 0) |
         ((shifts & KB_ALT_FLAG) ? kGuiAlt : 0);
}

// The canvas under the pointer, 0 when none.
static int canvasUnderPointer(const Window& window) {
  const Widget* hover = findWidget(window.hover);
  return hover && hover->kind == Kind::Canvas && widgetVisible(*hover) ? hover->id : 0;
}

// Gives the key to the window's key handler; true when it took the key.
static bool handlerKey(Window& window, int scancode, int ascii, int shifts) {
  if (!window.keyHandler) return false;
  GuiKey key{scancode, ascii, guiModifiers(shifts), focusTakesLetters(window), canvasUnderPointer(window)};
  return window.keyHandler(key, window.keyData);
}

void dispatchKey(int scancode, int ascii, int shifts) {
  if (scancode == KEY_ENTER_PAD) scancode = KEY_ENTER;  // the keypad's Enter is Enter
  if (menuKey(scancode, ascii)) return;
  Window* window = activeWindow();
  if (!window) return;
  const bool alt = (shifts & KB_ALT_FLAG) != 0, ctrl = (shifts & KB_CTRL_FLAG) != 0;
  char letter = letterOf(scancode, ascii);
  if (alt && letter && openMenuByHotkey(*window, letter)) return;
  // The pointer over a canvas says where the user works: the program may
  // take a letter there before a focused list or edit box does.
  const bool letterKey = scancode >= KEY_A && scancode <= KEY_Z;
  if (letterKey && !alt && !ctrl && focusTakesLetters(*window) && canvasUnderPointer(*window) &&
      handlerKey(*window, scancode, ascii, shifts))
    return;
  if (!alt && !ctrl && focusedKey(*window, scancode, ascii)) return;
  // The focused widget may have closed the window or opened another.
  window = activeWindow();
  if (!window || windowKey(*window, scancode, letter, shifts)) return;
  if ((window = activeWindow()) != nullptr) handlerKey(*window, scancode, ascii, shifts);
}

// The modifiers held right now, as seen from the press and release events,
// and those that were held when each key was last pressed (0 once it is
// read), live in the context's AllegroInput.
static int modifierFlagOf(int scancode) {
  switch (scancode) {
    case KEY_ALT:
    case KEY_ALTGR: return KB_ALT_FLAG;
    case KEY_LSHIFT:
    case KEY_RSHIFT: return KB_SHIFT_FLAG;
    case KEY_LCONTROL:
    case KEY_RCONTROL: return KB_CTRL_FLAG;
    default: return 0;
  }
}

void noteKeyEvent(int event) {
  const int scancode = event & 0x7f;
  const bool released = (event & 0x80) != 0;
  if (scancode <= 0 || scancode >= KEY_MAX) return;
  AllegroInput& input = state().input;
  if (int flag = modifierFlagOf(scancode)) {
    if (released) input.heldModifiers &= ~flag;
    else input.heldModifiers |= flag;
  } else if (!released) {
    input.modifiersAtPress[scancode] = input.heldModifiers.load();
  }
  if (released) input.heldAtDrop[scancode] = false;
}

// The modifiers of a key being read: those held at its press (where the
// keyboard handler told us) and those held now.
static int modifiersOfKey(int scancode, int shiftsNow) {
  if (scancode <= 0 || scancode >= KEY_MAX) return shiftsNow;
  return shiftsNow | state().input.modifiersAtPress[scancode].exchange(0);
}

static bool innermostLoopEnding() {
  const EventLoopState& loop = state().loop;
  return loop.loopDepth > 0 && loop.stop[loop.loopDepth];
}

void pollKeyboard() {
  if (keyboard_needs_poll()) poll_keyboard();
  // Keys typed ahead of a key that closes a dialog belong to whatever comes
  // next (another requester, say): stop reading once the loop is to end.
  while (keypressed() && !innermostLoopEnding()) {
    int shiftsNow = key_shifts;
    int k = readkey();
    state().loop.keyLooks = 0;  // it came: no need to look again
    if ((k >> 8) > 0 && (k >> 8) < KEY_MAX && state().input.heldAtDrop[k >> 8]) continue;  // its auto-repeat
    dispatchKey(k >> 8, k & 0xff, modifiersOfKey(k >> 8, shiftsNow));
  }
}

}  // namespace gui

using namespace gui;

void SetKeyHandler(int window, GuiKeyHandler handler, void* data) {
  Window* w = findWindow(window);
  if (!w) return;
  w->keyHandler = handler;
  w->keyData = handler ? data : nullptr;
}

void GuiDropEarlierInput() {
  if (!state().ready) return;
  if (keyboard_needs_poll()) poll_keyboard();
  clear_keybuf();
  AllegroInput& input = state().input;
  for (int scancode = 1; scancode < KEY_MAX; ++scancode) input.heldAtDrop[scancode] = keyboard_driver && key[scancode];
  // Presses not yet polled are dropped; a button held now is no new press.
  resetMouseLatch();
  state().mouse.lastButtons = mouse_b;
}
