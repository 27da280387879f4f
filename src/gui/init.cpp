// Setting the toolkit up: on the graphics mode the program set (InitGui), or
// without a display for tests and tools (GuiInitHeadless), where a memory
// bitmap stands in for the screen and keys come from simulate_keypress.
#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "gui/gui_internal.h"

// Allegro's X driver keeps small drawings in Xlib's queue until its input
// thread next flushes it; this sends them at once (absent without X).
extern "C" void _xwin_flush_buffers(void) __attribute__((weak));

namespace gui {

// Without a keyboard driver these hooks make readkey() take the keys that
// simulate_keypress put in Allegro's buffer; they only run when it is empty.
static int noKeyPressed() { return 0; }
static int noKeyRead() { return 0; }

static bool makeBuffer(int width, int height, int depth) {
  GuiContext& g = state();
  g.buffer = create_bitmap_ex(depth, width, height);
  if (!g.buffer) return false;
  makeTheme(depth);
  clear_to_color(g.buffer, g.theme.desk);
  return true;
}

static bool startHeadless(int width, int height, int depth) {
  GuiContext& g = state();
  if (width <= 0 || height <= 0) return false;
  if (depth != 8 && depth != 15 && depth != 16 && depth != 24 && depth != 32) depth = 16;
  if (!system_driver && install_allegro(SYSTEM_NONE, &errno, atexit) != 0) return false;
  install_keyboard_hooks(noKeyPressed, noKeyRead);
  set_color_depth(depth);  // makecol() in callbacks then works as with a real mode
  g.headless = true;  // the display is then the toolkit's to free
  g.display = create_bitmap_ex(depth, width, height);
  if (!g.display || !makeBuffer(width, height, depth)) return false;
  present(0, 0, width, height);
  g.ready = true;
  g.mouse.lastButtons = mouse_b;
  g.mouse.lastZ = mouse_z;
  resetMouseLatch();
  return true;
}

static void keyArrived(int scancode) {
  noteKeyEvent(scancode);
  if (scancode & 0x80) wakeEventLoop();  // a release: nothing comes to the buffer
  else wakeForKey();
}

static bool startOnScreen() {
  GuiContext& g = state();
  install_timer();
  install_keyboard();
  keyboard_lowlevel_callback = keyArrived;
  if (install_mouse() >= 0) {
    mouse_callback = latchMouseFlags;
    enable_hardware_cursor();
    select_mouse_cursor(MOUSE_CURSOR_ARROW);
    show_mouse(screen);
  }
  set_window_title("DOLA");
  set_close_button_callback(closeButtonPressed);
  g.display = screen;
  g.headless = false;
  g.flushScreen = _xwin_flush_buffers;
  if (!makeBuffer(SCREEN_W, SCREEN_H, bitmap_color_depth(screen))) return false;
  present(0, 0, SCREEN_W, SCREEN_H);  // the empty desk, before any window
  g.ready = true;
  resetMouseLatch();
  return true;
}

bool ensureGui() {
  if (state().ready) return true;
  InitGui(0, 0, 0, &errno, atexit);
  return state().ready;
}

}  // namespace gui

using namespace gui;

void InitGui(int width, int height, int depth, int* errnoAddress,
             int (*atexitFunction)(void (*)(void))) {
  if (state().ready) return;
  resetContext();
  if (!system_driver) install_allegro(SYSTEM_AUTODETECT, errnoAddress, atexitFunction);
  if (!screen) {
    // No mode was set: take the one asked for, or the editor's usual one.
    set_color_depth(depth > 0 ? depth : 16);
    int w = width > 0 ? width : 1024, h = height > 0 ? height : 768;
    if (set_gfx_mode(GFX_AUTODETECT_WINDOWED, w, h, 0, 0) != 0) {
      // Without a screen nothing can be shown or answered: say so once and
      // stay uninitialised, so the event loop returns instead of waiting
      // invisibly for input that can never come.
      static bool told = false;
      if (!told) fprintf(stderr, "DOLA: no graphics mode could be set: %s\n", allegro_error);
      told = true;
      return;
    }
  }
  startOnScreen();
}

bool GuiInitHeadless(int width, int height, int depth) {
  resetContext();
  return startHeadless(width, height, depth);
}
