// The mouse state that canvases and scripts read. Presses and releases are
// latched from Allegro's mouse callback, so a short click between two polls
// is still seen as down for one poll.
#include <atomic>

#include "gui/gui_internal.h"

namespace gui {

namespace {
std::atomic<int> g_pressed{0};   // buttons that went down since the last poll
std::atomic<int> g_released{0};  // buttons that went up since the last poll
int g_pending = 0;               // a re-press hidden behind a release, shown next poll
GuiMouse g_mouse = {0, 0, 0, 0};
}  // namespace

// Runs on Allegro's input thread: only atomics and the loop's wake-up.
void latchMouseFlags(int flags) {
  int down = 0, up = 0;
  if (flags & MOUSE_FLAG_LEFT_DOWN) down |= 1;
  if (flags & MOUSE_FLAG_RIGHT_DOWN) down |= 2;
  if (flags & MOUSE_FLAG_MIDDLE_DOWN) down |= 4;
  if (flags & MOUSE_FLAG_LEFT_UP) up |= 1;
  if (flags & MOUSE_FLAG_RIGHT_UP) up |= 2;
  if (flags & MOUSE_FLAG_MIDDLE_UP) up |= 4;
  if (down) g_pressed.fetch_or(down);
  if (up) g_released.fetch_or(up);
  wakeEventLoop();
}

void resetMouseLatch() {
  g_pressed = 0;
  g_released = 0;
  g_pending = 0;
  g_mouse = GuiMouse{mouse_x, mouse_y, mouse_z, mouse_b};
}

}  // namespace gui

using namespace gui;

const GuiMouse& GuiMouseState() { return g_mouse; }

const GuiMouse& GuiPollMouse() {
  if (mouse_driver && mouse_needs_poll()) poll_mouse();
  int held = mouse_b;
  int pressed = g_pressed.exchange(0);
  int released = g_released.exchange(0);
  int shown = held | pressed | g_pending;
  g_pending = 0;
  // Released and pressed again between two polls while it was shown down:
  // show the release now and the new press at the next poll.
  int bounced = released & g_mouse.b & held;
  if (bounced) {
    shown &= ~bounced;
    g_pending = bounced;
  }
  g_mouse = GuiMouse{mouse_x, mouse_y, mouse_z, shown};
  return g_mouse;
}
