// Drawing windows and widgets into the drawing buffer and copying areas of it
// to the screen. Each window keeps what it covers; a widget redrawn under
// other windows updates their saved copies and is painted over again.
#include <algorithm>
#include <vector>

#include "gui/gui_internal.h"

namespace gui {

void clientOrigin(const Window& window, int& x, int& y) {
  if (window.kind == WindowKind::Popup) {
    x = window.x + kPopupBorder;
    y = window.y + kPopupBorder;
  } else {
    x = window.x + kBorder;
    y = window.y + kTitleHeight + kBorder;
  }
}

void widgetScreenRect(const Widget& widget, int& x, int& y, int& w, int& h) {
  x = y = 0;
  if (const Window* window = findWindow(widget.window)) clientOrigin(*window, x, y);
  x += widget.x;
  y += widget.y;
  w = widget.w;
  h = widget.h;
}

bool widgetVisible(const Widget& widget) {
  const Window* window = findWindow(widget.window);
  if (!window || !window->shown || state().building == window->id) return false;
  return widget.owner == 0 || findWidget(widget.owner) != nullptr;
}

static void paintWidgetAt(Widget& widget, int x, int y) {
  switch (widget.kind) {
    case Kind::Label:
    case Kind::Status:
    case Kind::CheckBox:
    case Kind::Button: paintControl(widget, x, y); break;
    case Kind::Canvas: paintCanvas(widget); break;
    case Kind::TabPanel: paintTabPanel(widget, x, y); break;
    case Kind::Tab:
      if (Widget* panel = findWidget(widget.link)) paintTabStrip(*panel);
      break;
    case Kind::MenuTitle:
      if (Widget* bar = findWidget(widget.link)) paintWidget(*bar);
      break;
    case Kind::EditBox: paintEditBox(widget, x, y); break;
    case Kind::ListBox: paintListBox(widget, x, y); break;
    case Kind::MenuBar: paintMenuBar(widget, x, y); break;
    case Kind::MenuItem: paintMenuItem(widget, x, y); break;
    case Kind::Progress: paintProgress(widget, x, y); break;
    default: break;
  }
}

// A page's widgets are clipped to the page area of their panel.
static bool clipToPage(const Widget& widget) {
  const Widget* panel = widget.owner ? findWidget(widget.owner) : nullptr;
  if (!panel) return false;
  int px, py, pw, ph;
  widgetScreenRect(*panel, px, py, pw, ph);
  BITMAP* b = state().buffer;
  int cl, ct, cr, cb;
  get_clip_rect(b, &cl, &ct, &cr, &cb);
  set_clip_rect(b, std::max(cl, px + 2), std::max(ct, py + kTabHeight + 2), std::min(cr, px + pw - 3),
                std::min(cb, py + ph - 3));
  return true;
}

void paintWidget(Widget& widget) {
  int x, y, w, h;
  widgetScreenRect(widget, x, y, w, h);
  BITMAP* b = state().buffer;
  int cl, ct, cr, cb;
  get_clip_rect(b, &cl, &ct, &cr, &cb);
  bool clipped = clipToPage(widget);
  paintWidgetAt(widget, x, y);
  if (clipped) set_clip_rect(b, cl, ct, cr, cb);
}

static void paintFrame(const Window& window) {
  const Theme& t = state().theme;
  BITMAP* b = state().buffer;
  int x = window.x, y = window.y, w = window.w, h = window.h;
  rectfill(b, x, y, x + w - 1, y + h - 1, t.face);
  rect(b, x, y, x + w - 1, y + h - 1, t.shadow);
  drawBevel(b, x + 1, y + 1, w - 2, h - 2, false);
  if (window.kind == WindowKind::Popup) return;
  bool active = topWindow() == &window;
  int bar = active ? t.title : t.titleInactive;
  rectfill(b, x + kBorder, y + kBorder, x + w - 1 - kBorder, y + kTitleHeight, bar);
  drawClippedText(b, window.title, x + kBorder + 6, y + kBorder + 7, w - 2 * kBorder - 12, t.titleText);
}

void paintWindow(Window& window) {
  paintFrame(window);
  // Widgets in the order they were made; tab panels paint their own pages.
  std::vector<int> ids;
  for (int i = 0; i < widgetSlotsInUse(); ++i)
    if (widgets()[i].id != 0 && widgets()[i].window == window.id && widgets()[i].owner == 0)
      ids.push_back(widgets()[i].id);
  std::sort(ids.begin(), ids.end());
  for (int id : ids)
    if (Widget* widget = findWidget(id)) paintWidget(*widget);
}

void present(int x, int y, int w, int h) {
  GuiContext& g = state();
  if (!g.buffer || !g.display || w <= 0 || h <= 0) return;
  blit(g.buffer, g.display, x, y, x, y, w, h);
  g.unsent = true;
}

void flushPresented() {
  GuiContext& g = state();
  if (!g.unsent) return;
  g.unsent = false;
  if (g.flushScreen) g.flushScreen();
}

static bool intersect(const Window& window, int& x, int& y, int& w, int& h) {
  int x1 = std::max(x, window.x), y1 = std::max(y, window.y);
  int x2 = std::min(x + w, window.x + window.w), y2 = std::min(y + h, window.y + window.h);
  if (x2 <= x1 || y2 <= y1) return false;
  x = x1; y = y1; w = x2 - x1; h = y2 - y1;
  return true;
}

void repaintAbove(const Window& window, int x, int y, int w, int h) {
  GuiContext& g = state();
  int index = static_cast<int>(&window - g.windows);
  for (int i = index + 1; i < g.windowCount; ++i) {
    Window& above = g.windows[i];
    int ix = x, iy = y, iw = w, ih = h;
    if (!above.shown || !intersect(above, ix, iy, iw, ih)) continue;
    if (above.under) blit(g.buffer, above.under, ix, iy, ix - above.x, iy - above.y, iw, ih);
    set_clip_rect(g.buffer, ix, iy, ix + iw - 1, iy + ih - 1);
    paintWindow(above);
    set_clip_rect(g.buffer, 0, 0, g.buffer->w - 1, g.buffer->h - 1);
  }
}

void redrawWidget(int id) {
  Widget* widget = findWidget(id);
  if (!widget || !widgetVisible(*widget)) return;
  int x, y, w, h;
  widgetScreenRect(*widget, x, y, w, h);
  int window = widget->window;
  paintWidget(*widget);
  // A status field paints as wide as the widest text it has shown.
  if (widget->kind == Kind::Status) w = std::max(w, widget->value);
  const Window* holder = findWindow(window);
  if (!holder) return;
  repaintAbove(*holder, x, y, w, h);
  present(x, y, w, h);
}

}  // namespace gui
