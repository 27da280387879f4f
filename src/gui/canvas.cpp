// Canvases: an area of the drawing buffer drawn by the editor's callback:
// first draw (0, -1), redraws (-1, 0), mouse polls with the pointer's canvas
// position; a call for a canvas whose callback is running is dropped.
#include <algorithm>

#include "gui/gui_internal.h"

namespace gui {

void callCanvas(int id, int x, int y) {
  Widget* w = findWidget(id);
  if (!w || !w->bitmap || !w->canvas || w->running) return;
  w->running = true;
  GuiCanvasCallback callback = w->canvas;
  BITMAP* bitmap = w->bitmap;
  void* data = w->data;
  callback(bitmap, x, y, data);
  if ((w = findWidget(id)) != nullptr) w->running = false;
}

void paintCanvas(Widget& widget) {
  if (!widget.bitmap) return;
  if (widget.running) {
    // Refresh from inside its own callback: only the copy to the screen.
    return;
  }
  int id = widget.id;
  if (!widget.drawnOnce) {
    widget.drawnOnce = true;
    callCanvas(id, 0, -1);
  } else {
    callCanvas(id, -1, 0);
  }
}

void attachCanvasBitmaps(int window) {
  BITMAP* buffer = state().buffer;
  for (int i = 0; i < widgetSlotsInUse(); ++i) {
    Widget& w = widgets()[i];
    if (w.id == 0 || w.window != window || w.kind != Kind::Canvas || w.bitmap) continue;
    int x, y, width, height;
    widgetScreenRect(w, x, y, width, height);
    width = std::min(width, buffer->w - x);
    height = std::min(height, buffer->h - y);
    if (x < 0 || y < 0 || width <= 0 || height <= 0) continue;
    w.bitmap = create_sub_bitmap(buffer, x, y, width, height);
  }
}

}  // namespace gui

using namespace gui;

void RefreshArea(int canvas, int x, int y, int width, int height) {
  Widget* w = findWidget(canvas);
  if (!w || w->kind != Kind::Canvas || !w->bitmap || !widgetVisible(*w)) return;
  const int left = std::max(x, 0), top = std::max(y, 0);
  const int right = std::min(x + width, w->bitmap->w), bottom = std::min(y + height, w->bitmap->h);
  if (right <= left || bottom <= top) return;
  int sx, sy, sw, sh;
  widgetScreenRect(*w, sx, sy, sw, sh);
  if (const Window* holder = findWindow(w->window)) repaintAbove(*holder, sx + left, sy + top, right - left, bottom - top);
  present(sx + left, sy + top, right - left, bottom - top);
}

int AddCanvas(int x, int y, int width, int height, GuiCanvasCallback callback, void* data) {
  if (width <= 0 || height <= 0) return 0;
  Widget* w = addWidget(Kind::Canvas, x, y, width, height, "");
  if (!w) return 0;
  w->canvas = callback;
  w->data = data;
  if (state().building != w->window) attachCanvasBitmaps(w->window);
  return w->id;
}
