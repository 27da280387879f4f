// The mouse state that canvases and scripts read. Presses are counted and
// timed from Allegro's mouse callback, so a short click between two polls is
// still seen as down for one poll, and two clicks between two polls as two.
#include "gui/gui_internal.h"

namespace gui {

namespace {
constexpr int kMostQueued = 4;  // presses replayed at most after a stall (fewer than kPressTimes)
}  // namespace

// Runs on Allegro's input thread: the press times and places, atomics and the
// loop's wake-up. The driver has set mouse_x and mouse_y to where the button
// changed before it calls here.
void latchMouseFlags(int flags) {
  static const int kDownFlag[kMouseButtons] = {MOUSE_FLAG_LEFT_DOWN, MOUSE_FLAG_RIGHT_DOWN, MOUSE_FLAG_MIDDLE_DOWN};
  static const int kUpFlag[kMouseButtons] = {MOUSE_FLAG_LEFT_UP, MOUSE_FLAG_RIGHT_UP, MOUSE_FLAG_MIDDLE_UP};
  const long now = nowMs();
  const int x = mouse_x, y = mouse_y;
  AllegroInput& input = state().input;
  for (int i = 0; i < kMouseButtons; ++i) {
    const unsigned count = input.pressCount[i].load(std::memory_order_relaxed);
    if ((flags & kUpFlag[i]) && count > 0) {
      const int slot = (count - 1) % kPressTimes;
      input.releaseX[i][slot] = x;
      input.releaseY[i][slot] = y;
      input.releasedPress[i][slot].store(count, std::memory_order_release);
    }
    if (!(flags & kDownFlag[i])) continue;
    const int slot = count % kPressTimes;
    input.pressTime[i][slot] = now;
    input.pressX[i][slot] = x;
    input.pressY[i][slot] = y;
    input.releasedPress[i][slot].store(0, std::memory_order_relaxed);
    input.pressCount[i].store(count + 1, std::memory_order_release);
  }
  if (flags == MOUSE_FLAG_MOVE) mouseMoved();
  else wakeEventLoop();
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
// between two polls; the left press keeps the time it was made. A press is
// shown where it was made, and the poll that shows it ended, where it ended.
// So a double click stays a double click, on the row it was made on, when the
// loop was held up (a busy machine, an X server busy with another client) and
// the pointer has moved on since. Without a press waiting, a button shows
// what the mouse holds, where the pointer is.
const GuiMouse& GuiPollMouse() {
  if (mouse_driver && mouse_needs_poll()) poll_mouse();
  GuiContext& g = state();
  const AllegroInput& input = g.input;
  GuiMouse& last = g.mouse.shown;
  const int held = mouse_b;
  int shown = 0, x = mouse_x, y = mouse_y;
  bool placed = false;  // x and y were taken from a latched press or release
  long leftPressMs = last.leftPressMs;
  for (int i = 0; i < kMouseButtons; ++i) {
    const int bit = 1 << i;
    unsigned& shownPresses = g.mouse.shownPresses[i];
    const unsigned total = input.pressCount[i].load(std::memory_order_acquire);
    if (total - shownPresses > static_cast<unsigned>(kMostQueued)) shownPresses = total - kMostQueued;
    const bool waiting = total != shownPresses;
    if (last.b & bit) {
      // Shown down: a further press first needs the button shown up.
      if (!waiting && (held & bit)) {
        shown |= bit;
      } else if (!placed && shownPresses > 0) {
        const int slot = (shownPresses - 1) % kPressTimes;
        if (input.releasedPress[i][slot].load(std::memory_order_acquire) == shownPresses) {
          x = input.releaseX[i][slot];
          y = input.releaseY[i][slot];
          placed = true;
        }
      }
    } else if (waiting) {
      const int slot = shownPresses % kPressTimes;
      if (i == 0) leftPressMs = input.pressTime[0][slot];
      if (!placed) {
        x = input.pressX[i][slot];
        y = input.pressY[i][slot];
        placed = true;
      }
      ++shownPresses;
      shown |= bit;
    } else if (held & bit) {
      if (i == 0) leftPressMs = nowMs();
      shown |= bit;
    }
  }
  last = GuiMouse{x, y, mouse_z, shown, leftPressMs};
  return last;
}
