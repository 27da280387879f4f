// Headless toolkit test helpers: see gui_test_support.h.
#include "gui_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "gui/gui_internal.h"

namespace {

struct StepRun {
  std::vector<GuiStep> steps;
  size_t next;
  bool stopAtEnd;
  int depth;  // the depth of the loop runSteps started
};
StepRun g_queued;

void runNext(void* data) {
  StepRun* run = static_cast<StepRun*>(data);
  size_t at = run->next++;
  if (at >= run->steps.size()) {
    if (!run->stopAtEnd) return;
    // A dialog a step opened is still open (a slow machine has not read the
    // key that closes it yet): stop runSteps' own loop once it has closed.
    if (gui::state().loop.loopDepth > run->depth) {
      run->next = at;
      GuiQueueCall(runNext, run, 10);
      return;
    }
    StopEventLoop();
    return;
  }
  // The next step is queued first, so a step that opens a modal dialog is
  // answered by the steps after it from inside the dialog's own loop.
  bool last = at + 1 >= run->steps.size();
  if (!last || run->stopAtEnd) GuiQueueCall(runNext, run, last ? 20 : run->steps[at + 1].delayMs);
  run->steps[at].action();
}

}  // namespace

void startHeadlessGui() {
  setMouse(1023, 767, 0);
  ASSERT_TRUE(GuiInitHeadless(1024, 768, 16));
  clear_keybuf();
  key_shifts = 0;
}

void runSteps(const std::vector<GuiStep>& steps) {
  StepRun run{steps, 0, true, gui::state().loop.loopDepth + 1};
  GuiQueueCall(runNext, &run, steps.empty() ? 0 : steps[0].delayMs);
  RunEventLoop();
}

void queueSteps(const std::vector<GuiStep>& steps) {
  g_queued = StepRun{steps, 0, false, 0};
  GuiQueueCall(runNext, &g_queued, steps.empty() ? 0 : steps[0].delayMs);
}

void setMouse(int x, int y, int buttons) {
  // Like a mouse driver: the globals change and the toolkit's callback hears
  // of every press and release, so a slow poll cannot miss them.
  int down = buttons & ~mouse_b, up = mouse_b & ~buttons;
  mouse_x = x;
  mouse_y = y;
  mouse_b = buttons;
  if (down & 1) gui::latchMouseFlags(MOUSE_FLAG_LEFT_DOWN);
  if (up & 1) gui::latchMouseFlags(MOUSE_FLAG_LEFT_UP);
}

void pressKey(int scancode, int ascii) { simulate_keypress((scancode << 8) | (ascii & 0xff)); }

BITMAP* guiScreen() { return gui::state().display; }

int screenPixel(int x, int y) { return getpixel(guiScreen(), x, y); }

int colorOf(int r, int g, int b) { return makecol_depth(bitmap_color_depth(guiScreen()), r, g, b); }

void addClick(std::vector<GuiStep>& steps, int x, int y) {
  steps.push_back({20, [x, y] { setMouse(x, y, 1); }});
  steps.push_back({30, [x, y] { setMouse(x, y, 0); }});
}

void widgetCentre(int id, int& x, int& y) {
  x = y = -1;
  gui::Widget* w = gui::findWidget(id);
  if (!w) return;
  int width, height;
  gui::widgetScreenRect(*w, x, y, width, height);
  x += width / 2;
  y += height / 2;
}

std::vector<int> topWidgets(int kind) {
  std::vector<int> ids;
  gui::Window* top = gui::topWindow();
  for (int i = 0; top && i < gui::kMaxWidgets; ++i) {
    const gui::Widget& w = gui::widgets()[i];
    if (w.id != 0 && w.window == top->id && static_cast<int>(w.kind) == kind) ids.push_back(w.id);
  }
  std::sort(ids.begin(), ids.end());
  return ids;
}

int countColor(int x0, int y0, int x1, int y1, int color) {
  int n = 0;
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x)
      if (screenPixel(x, y) == color) ++n;
  return n;
}
