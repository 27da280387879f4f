// The one-line edit box (format 5): the caller's character buffer edited in
// place, never longer than its maximum length. Typing inserts at the cursor;
// Backspace, Delete, Left, Right, Home and End work as on any desktop.
#include <algorithm>
#include <cstring>

#include "gui/gui_internal.h"

namespace gui {

namespace {

constexpr int kFieldHeight = 15;

int fieldX(const Widget& w) { return w.label[0] ? hotkeyTextWidth(w.label) + 4 : 0; }

int length(const Widget& w) {
  return static_cast<int>(strnlen(w.edit.buffer, static_cast<size_t>(w.edit.maxLength)));
}

// Width in pixels of the text's characters from..to.
int spanWidth(const Widget& w, int from, int to) {
  char part[kLabelSize];
  int n = std::max(0, std::min(to - from, kLabelSize - 1));
  memcpy(part, w.edit.buffer + from, n);
  part[n] = '\0';
  return textWidth(part);
}

void keepCursorVisible(Widget& w) {
  int room = std::max(1, w.w - fieldX(w) - 8);
  if (w.edit.cursor < w.edit.scroll) w.edit.scroll = w.edit.cursor;
  while (w.edit.scroll < w.edit.cursor && spanWidth(w, w.edit.scroll, w.edit.cursor) > room) ++w.edit.scroll;
  w.edit.scroll = std::max(0, w.edit.scroll);
}

// Typing over the selected text replaces it.
void dropSelectedText(Widget& w) {
  if (!w.edit.allSelected) return;
  w.edit.allSelected = false;
  w.edit.buffer[0] = '\0';
  w.edit.cursor = w.edit.scroll = 0;
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
  bool marked = focused && w.edit.allSelected && n > 0;  // shown selected while it has the focus
  if (marked) rectfill(b, fx + 2, y + 2, std::min(fx + fw - 3, fx + 3 + spanWidth(w, scroll, n)), y + w.h - 3, t.highlight);
  drawClippedText(b, w.edit.buffer + scroll, fx + 3, y + 3, fw - 6, marked ? t.highlightText : t.text);
  if (focused && !marked) {
    int cx = fx + 3 + spanWidth(w, scroll, w.edit.cursor);
    if (cx < fx + fw - 2) vline(b, cx, y + 2, y + w.h - 3, t.text);
  }
}

bool editKey(Widget& w, int scancode, int ascii) {
  char* buffer = w.edit.buffer;
  int n = length(w);
  int& cursor = w.edit.cursor;
  cursor = std::max(0, std::min(cursor, n));
  bool text = isTextKey(ascii) && scancode != KEY_ENTER && scancode != KEY_ENTER_PAD && scancode != KEY_ESC &&
              scancode != KEY_TAB;
  if (w.edit.allSelected && (text || scancode == KEY_BACKSPACE || scancode == KEY_DEL)) {
    dropSelectedText(w);
    n = 0;
    if (!text) {
      redrawWidget(w.id);
      return true;
    }
  }
  if (scancode == KEY_LEFT || scancode == KEY_RIGHT || scancode == KEY_HOME || scancode == KEY_END)
    w.edit.allSelected = false;
  if (scancode == KEY_BACKSPACE) {
    if (cursor > 0) {
      memmove(buffer + cursor - 1, buffer + cursor, n - cursor + 1);
      --cursor;
    }
  } else if (scancode == KEY_DEL) {
    if (cursor < n) memmove(buffer + cursor, buffer + cursor + 1, n - cursor);
  } else if (scancode == KEY_LEFT) {
    cursor = std::max(0, cursor - 1);
  } else if (scancode == KEY_RIGHT) {
    cursor = std::min(n, cursor + 1);
  } else if (scancode == KEY_HOME) {
    cursor = 0;
  } else if (scancode == KEY_END) {
    cursor = n;
  } else if (text) {
    if (n >= w.edit.maxLength) return true;  // full: the key is taken, nothing changes
    memmove(buffer + cursor + 1, buffer + cursor, n - cursor + 1);
    buffer[cursor++] = static_cast<char>(ascii);
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
  // The cursor goes to the character boundary nearest the click.
  int n = length(w), at = w.edit.scroll, left = x + fieldX(w) + 3;
  while (at < n && left + (spanWidth(w, w.edit.scroll, at) + spanWidth(w, w.edit.scroll, at + 1)) / 2 < mx) ++at;
  w.edit.cursor = at;
  w.edit.allSelected = false;
  redrawWidget(w.id);
}

}  // namespace gui

using namespace gui;

int AddEditBox(int x, int y, int width, const char* label, int format, int maxLength, void* data) {
  if (format != kEditBoxText || !data || maxLength < 0) return 0;
  Widget* w = addWidget(Kind::EditBox, x, y, 0, kFieldHeight, label);
  if (!w) return 0;
  w->w = fieldX(*w) + std::max(width, 12);
  w->edit.buffer = static_cast<char*>(data);
  w->edit.maxLength = maxLength;
  int n = length(*w);
  w->edit.buffer[n] = '\0';
  w->edit.cursor = n;
  w->edit.allSelected = n > 0;
  keepCursorVisible(*w);
  return w->id;
}
