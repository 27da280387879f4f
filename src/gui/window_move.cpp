// Title bars: the active window's bar is drawn in the title colour and the
// others greyed; a window without attribute 4 can be dragged by its bar. A
// moved window puts back what it covered and saves what it covers anew.
#include <algorithm>

#include "gui/gui_internal.h"

namespace gui {

void paintTitleBar(Window& window, bool active) {
  if (window.kind != WindowKind::Normal || !window.shown) return;
  const Theme& t = state().theme;
  BITMAP* b = state().buffer;
  int x = window.x, y = window.y, w = window.w;
  rectfill(b, x + kBorder, y + kBorder, x + w - 1 - kBorder, y + kTitleHeight, active ? t.title : t.titleInactive);
  drawClippedText(b, window.title, x + kBorder + 6, y + kBorder + 7, w - 2 * kBorder - 12, t.titleText);
  repaintAbove(window, x, y, w, kTitleHeight + 1);
  present(x, y, w, kTitleHeight + 1);
}

bool onTitleBar(const Window& window, int mx, int my) {
  return window.kind == WindowKind::Normal && mx >= window.x && mx < window.x + window.w &&
         my >= window.y && my < window.y + kTitleHeight + 1;
}

bool startWindowDrag(Window& window, int mx, int my) {
  if ((window.attributes & kWindowNotMovable) || window.fullScreen || !onTitleBar(window, mx, my)) return false;
  window.dragging = true;
  window.dragX = mx - window.x;
  window.dragY = my - window.y;
  return true;
}

void dragWindow(Window& window, int mx, int my) {
  GuiContext& g = state();
  int x = std::max(0, std::min(mx - window.dragX, g.buffer->w - window.w));
  int y = std::max(0, std::min(my - window.dragY, g.buffer->h - window.h));
  if ((x == window.x && y == window.y) || !window.under) return;
  int oldX = window.x, oldY = window.y;
  blit(window.under, g.buffer, 0, 0, oldX, oldY, window.w, window.h);
  window.x = x;
  window.y = y;
  blit(g.buffer, window.under, x, y, 0, 0, window.w, window.h);
  for (int i = 0; i < widgetSlotsInUse(); ++i) {
    Widget& w = widgets()[i];
    if (w.id != 0 && w.window == window.id && w.bitmap) {
      // Canvases of a moved window draw at their new place.
      destroy_bitmap(w.bitmap);
      w.bitmap = nullptr;
    }
  }
  attachCanvasBitmaps(window.id);
  paintWindow(window);
  int left = std::min(oldX, x), top = std::min(oldY, y);
  present(left, top, std::max(oldX, x) + window.w - left, std::max(oldY, y) + window.h - top);
}

}  // namespace gui
