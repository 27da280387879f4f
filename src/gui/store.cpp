// The window stack and the widget table: fixed-size slots, ids that are never
// reused while the program runs, and the destruction of windows, tab pages
// and their widgets. Callers never keep a Widget* across a callback.
#include <cstdio>
#include <cstring>

#include "gui/gui_internal.h"

namespace gui {

static Gui g_gui;
static Widget g_widgets[kMaxWidgets];
static int g_slotsInUse = 0;  // slots at and past this index have never been used

Gui& state() { return g_gui; }
Widget* widgets() { return g_widgets; }
int widgetSlotsInUse() { return g_slotsInUse; }

int newId() { return ++g_gui.nextId; }

Widget* addWidget(Kind kind, int x, int y, int w, int h, const char* label) {
  Gui& g = g_gui;
  if (g.target.window == 0 || !findWindow(g.target.window)) return nullptr;
  for (int i = 0; i < kMaxWidgets; ++i) {
    Widget& slot = g_widgets[i];
    if (slot.id != 0) continue;
    if (i >= g_slotsInUse) g_slotsInUse = i + 1;
    slot = Widget();
    slot.id = newId();
    slot.kind = kind;
    slot.window = g.target.window;
    slot.owner = g.target.owner;
    slot.x = (x == AUTO ? 4 : x) + g.target.originX;
    slot.y = (y == AUTO ? 4 : y) + g.target.originY;
    slot.w = w;
    slot.h = h;
    snprintf(slot.label, sizeof slot.label, "%s", label ? label : "");
    slot.list.selected = -1;
    return &slot;
  }
  return nullptr;
}

Widget* findWidget(int id) {
  if (id <= 0) return nullptr;
  for (int i = 0; i < g_slotsInUse; ++i)
    if (g_widgets[i].id == id) return &g_widgets[i];
  return nullptr;
}

Window* findWindow(int id) {
  if (id <= 0) return nullptr;
  for (int i = 0; i < g_gui.windowCount; ++i)
    if (g_gui.windows[i].id == id) return &g_gui.windows[i];
  return nullptr;
}

Window* topWindow() {
  return g_gui.windowCount > 0 ? &g_gui.windows[g_gui.windowCount - 1] : nullptr;
}

Window* windowOf(const Widget& widget) { return findWindow(widget.window); }

void destroyWidget(Widget& widget) {
  if (widget.kind == Kind::TabPanel) destroyPage(widget.id);
  if (widget.bitmap) destroy_bitmap(widget.bitmap);
  widget = Widget();
}

void destroyPage(int panel) {
  for (int i = 0; i < g_slotsInUse; ++i)
    if (g_widgets[i].id != 0 && g_widgets[i].owner == panel) destroyWidget(g_widgets[i]);
}

void destroyWindowWidgets(int window) {
  for (int i = 0; i < g_slotsInUse; ++i)
    if (g_widgets[i].id != 0 && g_widgets[i].window == window) destroyWidget(g_widgets[i]);
}

}  // namespace gui
