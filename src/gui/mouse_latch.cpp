// The mouse state that canvases and scripts read. Presses are counted and
// timed from Allegro's mouse callback, so a short click between two polls is
// still seen as down for one poll, and two clicks between two polls as two.
#include "gui/gui_internal.h"

namespace gui {

namespace {
constexpr int kMostQueued = 4;  // presses replayed at most after a stall (fewer than kPressTimes)
}  // namespace

// Runs on Allegro's input thread: the press times, atomics and the loop's wake-up.
void latchMouseFlags(int flags) {
  static const int kDownFlag[kMouseButtons] = {MOUSE_FLAG_LEFT_DOWN, MOUSE_FLAG_RIGHT_DOWN, MOUSE_FLAG_MIDDLE_DOWN};
  const long now = nowMs();
  AllegroInput& input = state().input;
  for (int i = 0; i < kMouseButtons; ++i) {
    if (!(flags & kDownFlag[i])) continue;
    const unsigned count = input.pressCount[i].load(std::memory_order_relaxed);
    input.pressTime[i][count % kPressTimes] = now;
    input.pressCount[i].store(count + 1, std::memory_order_release);
  }
  wakeEventLoop();
}

void resetMouseLatch() {
  GuiContext& g = state();
  for (int i = 0; i < kMouseButtons; ++i)
    g.mouse.shownPresses[i] = g.input.pressCount[i].load(std::memory_order_acquire);
  g.mouse.shown = GuiMouse{mouse_x, mouse_y, mouse_z, mouse_b, nowMs()};
}

}  // namespace gui

using namespace gui;

const GuiMouse& GuiMouseState() { return state().mouse.shown; }

// Every press is shown down for at least one poll, and two presses are
// always parted by a poll that shows the button up, however many arrived
// between two polls; the left press keeps the time it was made. So a double
// click stays a double click when the loop was held up (a busy machine, an X
// server busy with another client). Without a press waiting, a button shows
// what the mouse holds.
const GuiMouse& GuiPollMouse() {
  if (mouse_driver && mouse_needs_poll()) poll_mouse();
  GuiContext& g = state();
  GuiMouse& last = g.mouse.shown;
  const int held = mouse_b;
  int shown = 0;
  long leftPressMs = last.leftPressMs;
  for (int i = 0; i < kMouseButtons; ++i) {
    const int bit = 1 << i;
    unsigned& shownPresses = g.mouse.shownPresses[i];
    const unsigned total = g.input.pressCount[i].load(std::memory_order_acquire);
    if (total - shownPresses > static_cast<unsigned>(kMostQueued)) shownPresses = total - kMostQueued;
    const bool waiting = total != shownPresses;
    if (last.b & bit) {
      // Shown down: a further press first needs the button shown up.
      if (!waiting && (held & bit)) shown |= bit;
    } else if (waiting) {
      if (i == 0) leftPressMs = g.input.pressTime[0][shownPresses % kPressTimes];
      ++shownPresses;
      shown |= bit;
    } else if (held & bit) {
      if (i == 0) leftPressMs = nowMs();
      shown |= bit;
    }
  }
  last = GuiMouse{mouse_x, mouse_y, mouse_z, shown, leftPressMs};
  return last;
}
