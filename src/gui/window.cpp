// Top windows: building (CreateWindow ... ShowWindow), placing and showing,
// closing (CloseTopWindow), and Refresh of a widget or a whole window.
#include <algorithm>
#include <cstdio>

#include "gui/gui_internal.h"

namespace gui {

static void contentSize(const Window& window, int& w, int& h) {
  w = h = 0;
  for (int i = 0; i < widgetSlotsInUse(); ++i) {
    const Widget& widget = widgets()[i];
    if (widget.id == 0 || widget.window != window.id || widget.owner != 0) continue;
    w = std::max(w, widget.x + widget.w);
    h = std::max(h, widget.y + widget.h);
  }
}

static void placeWindow(Window& window) {
  const GuiContext& g = state();
  int screenW = g.buffer->w, screenH = g.buffer->h;
  int frameW = 2 * kBorder, frameH = kTitleHeight + 2 * kBorder;
  if (window.fullScreen) {
    window.x = window.y = 0;
    window.w = screenW;
    window.h = screenH;
    return;
  }
  if (window.autoSize) {
    int cw, ch;
    contentSize(window, cw, ch);
    window.w = cw + 8 + frameW;
    window.h = ch + 8 + frameH;
  }
  window.w = std::min(std::max(window.w, 60), screenW);
  window.h = std::min(std::max(window.h, frameH + 8), screenH);
  window.x = window.placed ? std::clamp(window.placeX, 0, screenW - window.w) : (screenW - window.w) / 2;
  window.y = window.placed ? std::clamp(window.placeY, 0, screenH - window.h) : (screenH - window.h) / 2;
}

static void stretchMenuBar(Window& window) {
  Widget* bar = findWidget(window.menuBar);
  if (!bar) return;
  int cx, cy;
  clientOrigin(window, cx, cy);
  bar->w = window.x + window.w - kBorder - cx;
}

int focusableNext(Window& window, int from, int step) {
  int best = 0;
  int bestKey = 0;
  for (int i = 0; i < widgetSlotsInUse(); ++i) {
    const Widget& w = widgets()[i];
    if (w.id == 0 || w.window != window.id) continue;
    if (w.kind != Kind::Button && w.kind != Kind::CheckBox && w.kind != Kind::EditBox &&
        w.kind != Kind::ListBox)
      continue;
    // Order by id, wrapping around: the key is the distance from `from`.
    int key = step > 0 ? (w.id > from ? w.id - from : w.id - from + (1 << 30))
                       : (w.id < from ? from - w.id : from - w.id + (1 << 30));
    if (best == 0 || key < bestKey) {
      best = w.id;
      bestKey = key;
    }
  }
  return best;
}

void setFocus(Window& window, int id) {
  if (window.focus == id) return;
  int old = window.focus;
  window.focus = id;
  redrawWidget(old);
  redrawWidget(id);
}

static void showBuiltWindow(Window& window) {
  GuiContext& g = state();
  placeWindow(window);
  stretchMenuBar(window);
  buildTabPagesOf(window.id);
  attachCanvasBitmaps(window.id);
  int index = static_cast<int>(&window - g.windows);
  if (index > 0) {
    // The window below no longer gets the mouse: drop its hover and press.
    Window& below = g.windows[index - 1];
    int hover = below.hover, pressed = below.pressed;
    below.hover = below.pressed = 0;
    redrawWidget(hover);
    redrawWidget(pressed);
    paintTitleBar(below, false);
  }
  if (window.under) destroy_bitmap(window.under);
  window.under = create_bitmap_ex(bitmap_color_depth(g.buffer), window.w, window.h);
  if (window.under) blit(g.buffer, window.under, window.x, window.y, 0, 0, window.w, window.h);
  window.shown = true;
  // Dialogs start with the focus on their first control; the full-screen
  // main window starts without one, so Enter does not press a page button.
  if (window.focus == 0 && !window.fullScreen) window.focus = focusableNext(window, 0, 1);
  paintWindow(window);
  present(window.x, window.y, window.w, window.h);
}

}  // namespace gui

using namespace gui;

int CreateWindow(int width, int height, const char* title, int attributes) {
  GuiContext& g = state();
  if (!ensureGui() || g.windowCount >= kMaxWindows) return 0;
  Window& window = g.windows[g.windowCount++];
  window = Window();
  window.id = newId();
  window.kind = WindowKind::Normal;
  snprintf(window.title, sizeof window.title, "%s", title ? title : "");
  window.attributes = attributes;
  window.fullScreen = width == 1 && height == AUTO;
  window.autoSize = width == 0 || width == AUTO || height == AUTO;
  window.w = width + 2 * kBorder;
  window.h = height + kTitleHeight + 2 * kBorder;
  window.outerBuilding = g.building;
  window.outerTarget = g.target;
  g.building = window.id;
  g.target = BuildTarget{window.id, 0, 0, 0};
  return window.id;
}

void SetWindowPlace(int x, int y) {
  Window* window = findWindow(state().building);
  if (!window) return;
  window->placed = true;
  window->placeX = x;
  window->placeY = y;
}

void ShowWindow() {
  GuiContext& g = state();
  Window* window = findWindow(g.building);
  g.building = 0;
  g.target = BuildTarget{0, 0, 0, 0};
  if (window) showBuiltWindow(*window);
}

void CloseTopWindow() {
  GuiContext& g = state();
  Window* window = topWindow();
  if (!window) return;
  // A window made while another one (or a tab page) was being built, a
  // requester in a tab's fill say, hands the building back as it found it.
  if (findWindow(window->outerTarget.window)) {
    g.building = findWindow(window->outerBuilding) ? window->outerBuilding : 0;
    g.target = window->outerTarget;
  } else if (g.building == window->id) {
    g.building = 0;
    g.target = BuildTarget{0, 0, 0, 0};
  }
  int id = window->id;
  if (window->shown && window->under) {
    blit(window->under, g.buffer, 0, 0, window->x, window->y, window->w, window->h);
    present(window->x, window->y, window->w, window->h);
  }
  destroyWindowWidgets(id);
  window = findWindow(id);
  if (!window) return;
  if (window->under) destroy_bitmap(window->under);
  *window = Window();
  --g.windowCount;
  if (Window* below = topWindow()) paintTitleBar(*below, true);
}

void Refresh(int id) {
  GuiContext& g = state();
  if (!g.ready || g.building != 0) return;
  if (Window* window = findWindow(id)) {
    if (!window->shown) return;
    paintWindow(*window);
    repaintAbove(*window, window->x, window->y, window->w, window->h);
    present(window->x, window->y, window->w, window->h);
    return;
  }
  redrawWidget(id);
}

bool GetWidgetScreenRect(int id, int* x, int* y, int* width, int* height) {
  const Widget* w = findWidget(id);
  if (!w || !widgetVisible(*w)) return false;
  int sx, sy, sw, sh;
  widgetScreenRect(*w, sx, sy, sw, sh);
  if (x) *x = sx;
  if (y) *y = sy;
  if (width) *width = sw;
  if (height) *height = sh;
  return true;
}
