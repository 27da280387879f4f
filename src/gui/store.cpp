// The toolkit's one context (made anew by initialisation), the window stack
// and the widget table: fixed-size slots, ids that are never reused while a
// context lives, and the destruction of windows, tab pages and their widgets.
// Callers never keep a Widget* across a callback.
#include <cstdio>
#include <cstring>

#include "gui/gui_internal.h"

namespace gui {

namespace {
GuiContext* g_context = nullptr;
}  // namespace

GuiContext& state() {
  if (!g_context) g_context = new GuiContext();
  return *g_context;
}

void resetContext() {
  GuiContext* fresh = new GuiContext();
  if (g_context) {
    GuiContext& old = *g_context;
    while (old.windowCount > 0) CloseTopWindow();
    for (int i = 0; i < old.slotsInUse; ++i)
      if (old.widgetSlots[i].id != 0) destroyWidget(old.widgetSlots[i]);
    if (old.buffer) destroy_bitmap(old.buffer);
    if (old.display && old.headless) destroy_bitmap(old.display);
    for (const QueuedCall& call : old.loop.queue)
      if (call.order > old.loop.orderAtLastEnd) fresh->loop.queue.push_back(call);
    fresh->loop.order = old.loop.order;
    fresh->loop.orderAtLastEnd = old.loop.orderAtLastEnd;
  }
  delete g_context;
  g_context = fresh;
}

Widget* widgets() { return state().widgetSlots; }
int widgetSlotsInUse() { return state().slotsInUse; }

int newId() { return ++state().nextId; }

Widget* addWidget(Kind kind, int x, int y, int w, int h, const char* label) {
  GuiContext& g = state();
  if (g.target.window == 0 || !findWindow(g.target.window)) return nullptr;
  for (int i = 0; i < kMaxWidgets; ++i) {
    Widget& slot = g.widgetSlots[i];
    if (slot.id != 0) continue;
    if (i >= g.slotsInUse) g.slotsInUse = i + 1;
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
  GuiContext& g = state();
  for (int i = 0; i < g.slotsInUse; ++i)
    if (g.widgetSlots[i].id == id) return &g.widgetSlots[i];
  return nullptr;
}

Window* findWindow(int id) {
  if (id <= 0) return nullptr;
  GuiContext& g = state();
  for (int i = 0; i < g.windowCount; ++i)
    if (g.windows[i].id == id) return &g.windows[i];
  return nullptr;
}

Window* topWindow() {
  GuiContext& g = state();
  return g.windowCount > 0 ? &g.windows[g.windowCount - 1] : nullptr;
}

Window* windowOf(const Widget& widget) { return findWindow(widget.window); }

void destroyWidget(Widget& widget) {
  if (widget.kind == Kind::TabPanel) destroyPage(widget.id);
  if (widget.bitmap) destroy_bitmap(widget.bitmap);
  widget = Widget();
}

void destroyPage(int panel) {
  GuiContext& g = state();
  for (int i = 0; i < g.slotsInUse; ++i)
    if (g.widgetSlots[i].id != 0 && g.widgetSlots[i].owner == panel) destroyWidget(g.widgetSlots[i]);
}

void destroyWindowWidgets(int window) {
  GuiContext& g = state();
  for (int i = 0; i < g.slotsInUse; ++i)
    if (g.widgetSlots[i].id != 0 && g.widgetSlots[i].window == window) destroyWidget(g.widgetSlots[i]);
}

}  // namespace gui
