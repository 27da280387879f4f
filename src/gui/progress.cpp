// The progress window: a bar of barWidth x 20 pixels with the text "%d %%",
// and, when a label is given, a button that closes the window. It stays on
// screen until CloseTopWindow; SetProgress redraws it at once, and only when
// the value shown changes (a loader may report the same percent many times).
#include <cstdint>
#include <cstdio>

#include "gui/gui_internal.h"

namespace gui {

constexpr int kBarHeight = 20;

void paintProgress(Widget& w, int x, int y) {
  const Theme& t = state().theme;
  BITMAP* b = state().buffer;
  int barWidth = w.w - 2 - 56;
  rectfill(b, x, y, x + w.w - 1, y + w.h - 1, t.face);
  rect(b, x, y, x + barWidth + 1, y + kBarHeight + 1, t.shadow);
  rectfill(b, x + 1, y + 1, x + barWidth, y + kBarHeight, t.field);
  int filled = barWidth * w.value / 100;
  if (filled > 0) rectfill(b, x + 1, y + 1, x + filled, y + kBarHeight, t.progress);
  char text[32];
  snprintf(text, sizeof text, "%d %%", w.value);
  textout_ex(b, guiFont(), text, x + barWidth + 10, y + 7, t.text, -1);
}

static void closeProgress(void* data) {
  int window = static_cast<int>(reinterpret_cast<intptr_t>(data));
  Window* top = topWindow();
  if (top && top->id == window) CloseTopWindow();
}

}  // namespace gui

using namespace gui;

int OpenProgressWindow(const char* title, const char* buttonLabel, int barWidth) {
  if (barWidth < 1) barWidth = 1;
  int window = CreateWindow(0, AUTO, title, 4);
  if (!window) return 0;
  Widget* bar = addWidget(Kind::Progress, 8, 8, barWidth + 2 + 56, kBarHeight + 2, "");
  if (bar && buttonLabel && buttonLabel[0]) {
    int button = AddButton(8, 40, buttonLabel, closeProgress, reinterpret_cast<void*>(static_cast<intptr_t>(window)));
    if (Widget* w = findWidget(button)) w->x = 8 + (barWidth + 58 - w->w) / 2;
  }
  ShowWindow();
  return window;
}

void SetProgress(int progressWindow, int percent) {
  if (percent < 0 || percent > 100 || !findWindow(progressWindow)) return;
  for (int i = 0; i < widgetSlotsInUse(); ++i) {
    Widget& w = widgets()[i];
    if (w.id != 0 && w.window == progressWindow && w.kind == Kind::Progress) {
      if (w.value == percent) return;
      w.value = percent;
      redrawWidget(w.id);
      return;
    }
  }
}
