// The one-line edit box (format 5): the caller's character buffer edited in
// place, never longer than its maximum length. Typing inserts at the cursor;
// Backspace, Delete, Left, Right, Home and End work as on any desktop.
#include <algorithm>
#include <cstring>

#include "gui/gui_internal.h"

namespace gui {

namespace {

constexpr int kCharWidth = 8;
constexpr int kFieldHeight = 14;

int fieldX(const Widget& w) { return w.label[0] ? hotkeyTextWidth(w.label) + 4 : 0; }

int length(const Widget& w) {
  return static_cast<int>(strnlen(w.edit.buffer, static_cast<size_t>(w.edit.maxLength)));
}

void keepCursorVisible(Widget& w) {
  int visible = std::max(1, (w.w - fieldX(w) - 6) / kCharWidth);
  if (w.edit.cursor < w.edit.scroll) w.edit.scroll = w.edit.cursor;
  if (w.edit.cursor > w.edit.scroll + visible) w.edit.scroll = w.edit.cursor - visible;
  w.edit.scroll = std::max(0, w.edit.scroll);
}

}  // namespace

void paintEditBox(Widget& w, int x, int y) {
  const Theme& t = state().theme;
  BITMAP* b = state().buffer;
  const Window* window = findWindow(w.window);
  bool focused = window && window->focus == w.id;
  rectfill(b, x, y, x + w.w - 1, y + w.h - 1, t.face);
  if (w.label[0]) drawHotkeyText(b, w.label, x, y + 3, t.text);
  int fx = x + fieldX(w), fw = w.w - fieldX(w);
  rectfill(b, fx, y, fx + fw - 1, y + w.h - 1, t.field);
  drawBevel(b, fx, y, fw, w.h, true);
  if (focused) rect(b, fx, y, fx + fw - 1, y + w.h - 1, t.highlight);
  int n = length(w);
  w.edit.cursor = std::min(w.edit.cursor, n);  // the owner may have shortened the text
  int scroll = std::min(w.edit.scroll, n);
  drawClippedText(b, w.edit.buffer + scroll, fx + 3, y + 3, fw - 6, t.text);
  if (focused) {
    int cx = fx + 3 + (w.edit.cursor - scroll) * kCharWidth;
    if (cx < fx + fw - 2) vline(b, cx, y + 2, y + w.h - 3, t.text);
  }
}

bool editKey(Widget& w, int scancode, int ascii) {
  char* text = w.edit.buffer;
  int n = length(w);
  int& cursor = w.edit.cursor;
  cursor = std::max(0, std::min(cursor, n));
  if (scancode == KEY_BACKSPACE) {
    if (cursor > 0) {
      memmove(text + cursor - 1, text + cursor, n - cursor + 1);
      --cursor;
    }
  } else if (scancode == KEY_DEL) {
    if (cursor < n) memmove(text + cursor, text + cursor + 1, n - cursor);
  } else if (scancode == KEY_LEFT) {
    cursor = std::max(0, cursor - 1);
  } else if (scancode == KEY_RIGHT) {
    cursor = std::min(n, cursor + 1);
  } else if (scancode == KEY_HOME) {
    cursor = 0;
  } else if (scancode == KEY_END) {
    cursor = n;
  } else if (isTextKey(ascii) && scancode != KEY_ENTER && scancode != KEY_ESC && scancode != KEY_TAB) {
    if (n >= w.edit.maxLength) return true;  // full: the key is taken, nothing changes
    memmove(text + cursor + 1, text + cursor, n - cursor + 1);
    text[cursor++] = static_cast<char>(ascii);
  } else {
    return false;
  }
  keepCursorVisible(w);
  redrawWidget(w.id);
  return true;
}

void editPress(Widget& w, int mx) {
  int x, y, width, height;
  widgetScreenRect(w, x, y, width, height);
  int at = (mx - (x + fieldX(w) + 3) + kCharWidth / 2) / kCharWidth + w.edit.scroll;
  w.edit.cursor = std::max(0, std::min(at, length(w)));
  redrawWidget(w.id);
}

}  // namespace gui

using namespace gui;

int AddEditBox(int x, int y, int width, const char* label, int format, int maxLength, void* data) {
  if (format != 5 || !data || maxLength < 0) return 0;
  Widget* w = addWidget(Kind::EditBox, x, y, 0, kFieldHeight, label);
  if (!w) return 0;
  w->w = fieldX(*w) + std::max(width, 12);
  w->edit.buffer = static_cast<char*>(data);
  w->edit.maxLength = maxLength;
  int n = length(*w);
  w->edit.buffer[n] = '\0';
  w->edit.cursor = n;
  keepCursorVisible(*w);
  return w->id;
}
