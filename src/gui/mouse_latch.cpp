// The mouse state that canvases and scripts read. Presses are counted and
// timed from Allegro's mouse callback, so a short click between two polls is
// still seen as down for one poll, and two clicks between two polls as two.
#include <atomic>

#include "gui/gui_internal.h"

namespace gui {

namespace {
constexpr int kButtons = 3;     // left, right, middle: bits 1, 2, 4
constexpr int kMostQueued = 4;  // presses replayed at most after a stall
constexpr int kTimeRing = 8;    // press times kept per button (more than kMostQueued)
// Written by Allegro's input thread only: the time of each press, then the
// count of presses so far (released to the loop's thread).
long g_pressTime[kButtons][kTimeRing];
std::atomic<unsigned> g_pressCount[kButtons] = {};
// The loop's side: how many presses have been shown.
unsigned g_shownCount[kButtons] = {};
GuiMouse g_mouse = {0, 0, 0, 0, 0};
}  // namespace

// Runs on Allegro's input thread: the press times, atomics and the loop's wake-up.
void latchMouseFlags(int flags) {
  static const int kDownFlag[kButtons] = {MOUSE_FLAG_LEFT_DOWN, MOUSE_FLAG_RIGHT_DOWN, MOUSE_FLAG_MIDDLE_DOWN};
  const long now = nowMs();
  for (int i = 0; i < kButtons; ++i) {
    if (!(flags & kDownFlag[i])) continue;
    const unsigned count = g_pressCount[i].load(std::memory_order_relaxed);
    g_pressTime[i][count % kTimeRing] = now;
    g_pressCount[i].store(count + 1, std::memory_order_release);
  }
  wakeEventLoop();
}

void resetMouseLatch() {
  for (int i = 0; i < kButtons; ++i) g_shownCount[i] = g_pressCount[i].load(std::memory_order_acquire);
  g_mouse = GuiMouse{mouse_x, mouse_y, mouse_z, mouse_b, nowMs()};
}

}  // namespace gui

using namespace gui;

const GuiMouse& GuiMouseState() { return g_mouse; }

// Every press is shown down for at least one poll, and two presses are
// always parted by a poll that shows the button up, however many arrived
// between two polls; the left press keeps the time it was made. So a double
// click stays a double click when the loop was held up (a busy machine, an X
// server busy with another client). Without a press waiting, a button shows
// what the mouse holds.
const GuiMouse& GuiPollMouse() {
  if (mouse_driver && mouse_needs_poll()) poll_mouse();
  const int held = mouse_b;
  int shown = 0;
  long leftPressMs = g_mouse.leftPressMs;
  for (int i = 0; i < kButtons; ++i) {
    const int bit = 1 << i;
    const unsigned total = g_pressCount[i].load(std::memory_order_acquire);
    if (total - g_shownCount[i] > static_cast<unsigned>(kMostQueued)) g_shownCount[i] = total - kMostQueued;
    const bool waiting = total != g_shownCount[i];
    if (g_mouse.b & bit) {
      // Shown down: a further press first needs the button shown up.
      if (!waiting && (held & bit)) shown |= bit;
    } else if (waiting) {
      if (i == 0) leftPressMs = g_pressTime[0][g_shownCount[0] % kTimeRing];
      ++g_shownCount[i];
      shown |= bit;
    } else if (held & bit) {
      if (i == 0) leftPressMs = nowMs();
      shown |= bit;
    }
  }
  g_mouse = GuiMouse{mouse_x, mouse_y, mouse_z, shown, leftPressMs};
  return g_mouse;
}
