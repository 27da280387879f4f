// List boxes: rows from the caller's callbacks (count, indexer, row text;
// rows at or past the count are never asked for), image tags ("#name;text"),
// a scroll bar whose arrows repeat while held, the wheel, double clicks that
// belong to one row, the arrow and Delete keys, and type-to-find letters.
#include <algorithm>
#include <cctype>
#include <cstring>

#include "gui/gui_internal.h"

namespace gui {

namespace {

char g_rowText[kGuiRowBufferSize];  // scratch: a row's text while it is drawn or searched
constexpr int kDoubleClickMs = 400;
constexpr int kRepeatDelayMs = 400, kRepeatMs = 60;
constexpr int kFindPauseMs = 1000;  // a longer pause starts a new search

ListMemory& memory() { return state().lists; }

int rowCount(const Widget& w) { return w.list.rowCount ? std::max(0, *w.list.rowCount) : 0; }

void* rowData(const Widget& w, int row) {
  return w.list.indexer ? w.list.indexer(w.list.listData, row) : w.list.listData;
}

// Keeps the view and the selection inside the current row count.
void clampList(Widget& w) {
  int count = rowCount(w);
  if (w.list.selected >= count) w.list.selected = -1;
  w.list.top = std::max(0, std::min(w.list.top, count - w.list.visibleRows));
}

struct TrackGeometry {
  int x, top, height, thumbTop, thumbHeight;
};

TrackGeometry track(const Widget& w) {
  int x, y, width, height;
  widgetScreenRect(w, x, y, width, height);
  TrackGeometry g;
  g.x = x + width - kScrollBarWidth - 1;
  g.top = y + 1 + kScrollBarWidth;
  g.height = height - 2 - 2 * kScrollBarWidth;
  int count = rowCount(w), visible = w.list.visibleRows;
  g.thumbHeight = count > visible ? std::max(8, g.height * visible / count) : g.height;
  int range = count - visible;
  g.thumbTop = g.top + (range > 0 ? (g.height - g.thumbHeight) * w.list.top / range : 0);
  return g;
}

// The shown text of a row text, after its image tag; icon gets the image.
const char* rowBody(const char* text, BITMAP** icon) {
  *icon = nullptr;
  if (text[0] == '#' && text[1] == '#') return text + 1;  // "##": no tag, the text shows one "#"
  if (text[0] != '#') return text;
  const char* name = text + 1;
  while (*name == ' ') ++name;
  const char* semicolon = strchr(name, ';');
  if (!semicolon) return text;
  *icon = findImage(name, static_cast<int>(semicolon - name));
  return semicolon + 1;
}

void drawRowText(BITMAP* b, const char* text, int x, int y, int width, int color) {
  BITMAP* icon;
  const char* body = rowBody(text, &icon);
  int tx = x + 2;
  if (icon) {
    int iy = y + (kRowHeight - icon->h) / 2;
    if (bitmap_color_depth(icon) == bitmap_color_depth(b)) masked_blit(icon, b, 0, 0, tx, iy, icon->w, icon->h);
    else blit(icon, b, 0, 0, tx, iy, icon->w, icon->h);
    tx += icon->w + 3;
  }
  drawEllipsisText(b, body, tx, y + (kRowHeight - textHeight()) / 2, x + width - tx, color);
}

void paintScrollBar(Widget& w) {
  const Theme& t = state().theme;
  BITMAP* b = state().buffer;
  TrackGeometry g = track(w);
  int right = g.x + kScrollBarWidth - 1;
  rectfill(b, g.x, g.top - kScrollBarWidth, right, g.top + g.height + kScrollBarWidth - 1, t.faceDark);
  for (int arrow = 0; arrow < 2; ++arrow) {
    int ay = arrow == 0 ? g.top - kScrollBarWidth : g.top + g.height;
    rectfill(b, g.x, ay, right, ay + kScrollBarWidth - 1, t.face);
    drawBevel(b, g.x, ay, kScrollBarWidth, kScrollBarWidth, false);
    int cx = g.x + kScrollBarWidth / 2, cy = ay + kScrollBarWidth / 2;
    int d = arrow == 0 ? -1 : 1;
    triangle(b, cx - 3, cy - 2 * d + d, cx + 3, cy - 2 * d + d, cx, cy + 2 * d, t.text);
  }
  if (rowCount(w) > w.list.visibleRows) {
    rectfill(b, g.x + 1, g.thumbTop, right - 1, g.thumbTop + g.thumbHeight - 1, t.face);
    drawBevel(b, g.x + 1, g.thumbTop, kScrollBarWidth - 2, g.thumbHeight, false);
  }
}

void scrollIntoView(Widget& w, int row) {
  if (row < w.list.top) w.list.top = row;
  if (row >= w.list.top + w.list.visibleRows) w.list.top = row - w.list.visibleRows + 1;
}

void selectRow(Widget& w, int row) {
  int count = rowCount(w);
  if (row < 0 || row >= count) return;
  w.list.selected = row;
  scrollIntoView(w, row);
  int id = w.id;
  GuiListRowCallback onSelect = w.list.onSelect;
  redrawWidget(id);
  Widget* list = findWidget(id);
  if (list && onSelect) onSelect(row, rowData(*list, row));
}

void scrollTo(Widget& w, int top) {
  w.list.top = top;
  clampList(w);
  redrawWidget(w.id);
}

void runAction(int id, int row) {
  Widget* list = findWidget(id);
  if (list && list->list.action && row >= 0 && row < rowCount(*list)) list->list.action(row, rowData(*list, row));
}

bool rowStartsWith(Widget& w, int row, const char* prefix) {
  g_rowText[0] = '\0';
  if (w.list.rowText) w.list.rowText(rowData(w, row), g_rowText);
  g_rowText[sizeof g_rowText - 1] = '\0';
  BITMAP* icon;
  const char* body = rowBody(g_rowText, &icon);
  for (int i = 0; prefix[i]; ++i)
    if (tolower(static_cast<unsigned char>(body[i])) != prefix[i]) return false;
  return true;
}

// Moves to the next row whose text starts with the letters typed so far; a
// letter typed after a pause, or one that finds nothing, starts afresh.
void findRow(Widget& w, char letter) {
  int count = rowCount(w);
  if (count == 0) return;
  ListMemory& m = memory();
  long now = nowMs();
  size_t n = now - m.findMs < kFindPauseMs ? strlen(m.findText) : 0;
  m.findMs = now;
  if (n + 1 < sizeof m.findText) {
    m.findText[n] = letter;
    m.findText[n + 1] = '\0';
  }
  int at = w.list.selected;
  for (int pass = 0; pass < 2; ++pass) {
    // A longer search may stay on the current row; a single letter moves on.
    int first = strlen(m.findText) > 1 ? std::max(at, 0) : at + 1;
    for (int i = 0; i < count; ++i) {
      int row = (first + i) % count;
      if (rowStartsWith(w, row, m.findText)) {
        selectRow(w, row);
        return;
      }
    }
    m.findText[0] = letter;
    m.findText[1] = '\0';
  }
}

}  // namespace

void paintListBox(Widget& w, int x, int y) {
  const Theme& t = state().theme;
  BITMAP* b = state().buffer;
  clampList(w);
  const Window* window = findWindow(w.window);
  bool focused = window && window->focus == w.id;
  rectfill(b, x, y, x + w.w - 1, y + w.h - 1, t.field);
  int cl, ct, cr, cb;
  get_clip_rect(b, &cl, &ct, &cr, &cb);
  int rowsWidth = w.w - 3 - kScrollBarWidth;
  int count = rowCount(w);
  for (int r = 0; r < w.list.visibleRows; ++r) {
    int row = w.list.top + r;
    if (row >= count) break;
    int ry = y + 2 + r * kRowHeight;
    bool selected = row == w.list.selected;
    if (selected) rectfill(b, x + 2, ry, x + 1 + rowsWidth, ry + kRowHeight - 1, t.highlight);
    g_rowText[0] = '\0';
    if (w.list.rowText) w.list.rowText(rowData(w, row), g_rowText);
    g_rowText[sizeof g_rowText - 1] = '\0';
    set_clip_rect(b, std::max(cl, x + 2), std::max(ct, ry), std::min(cr, x + 1 + rowsWidth),
                  std::min(cb, ry + kRowHeight - 1));
    drawRowText(b, g_rowText, x + 2, ry, rowsWidth, selected ? t.highlightText : t.text);
    set_clip_rect(b, cl, ct, cr, cb);
  }
  drawBevel(b, x, y, w.w, w.h, true);
  if (focused) rect(b, x, y, x + w.w - 1, y + w.h - 1, t.highlight);
  paintScrollBar(w);
}

void listPress(Widget& w, int mx, int my, long pressMs) {
  clampList(w);
  TrackGeometry g = track(w);
  if (mx >= g.x) {
    memory().lastPress.list = 0;
    int step = my < g.top ? -1 : my >= g.top + g.height ? 1 : 0;
    if (step != 0) {
      memory().heldArrow = HeldArrow{w.id, step, nowMs() + kRepeatDelayMs};
      scrollTo(w, w.list.top + step);
    } else if (my < g.thumbTop) {
      scrollTo(w, w.list.top - w.list.visibleRows);
    } else if (my >= g.thumbTop + g.thumbHeight) {
      scrollTo(w, w.list.top + w.list.visibleRows);
    } else {
      w.list.draggingThumb = true;
      w.list.dragOffset = my - g.thumbTop;
    }
    return;
  }
  int x, y, width, height;
  widgetScreenRect(w, x, y, width, height);
  int row = w.list.top + (my - y - 2) / kRowHeight;
  if (my < y + 2 || row >= rowCount(w)) {
    memory().lastPress.list = 0;
    return;
  }
  // Press times, not handling times: a loop held up between the two presses
  // of a double click still sees them as quick.
  long now = pressMs;
  const ListPress& last = memory().lastPress;
  bool twice = last.list == w.id && last.row == row && last.top == w.list.top && now - last.ms < kDoubleClickMs;
  // A third press starts a new pair.
  memory().lastPress = twice ? ListPress{0, -1, 0, -100000} : ListPress{w.id, row, w.list.top, now};
  int id = w.id;
  selectRow(w, row);
  if (twice) runAction(id, row);
}

void listHeld(Widget& w, int mx, int my) {
  HeldArrow& held = memory().heldArrow;
  if (held.list != w.id) return;
  TrackGeometry g = track(w);
  bool onArrow = mx >= g.x && (held.step < 0 ? my < g.top : my >= g.top + g.height);
  long now = nowMs();
  if (!onArrow || now < held.nextMs) return;
  held.nextMs = now + kRepeatMs;
  scrollTo(w, w.list.top + held.step);
}

void listReleased() { memory().heldArrow.list = 0; }

void listDrag(Widget& w, int my) {
  TrackGeometry g = track(w);
  int range = rowCount(w) - w.list.visibleRows;
  int span = g.height - g.thumbHeight;
  if (range <= 0 || span <= 0) return;
  int top = ((my - w.list.dragOffset - g.top) * range + span / 2) / span;
  if (top != w.list.top) scrollTo(w, top);
}

void listWheel(Widget& w, int steps) {
  memory().lastPress.list = 0;
  scrollTo(w, w.list.top + steps * 3);
}

bool listKey(Widget& w, int scancode, int ascii) {
  clampList(w);
  int count = rowCount(w);
  int at = w.list.selected;
  switch (scancode) {
    case KEY_UP: selectRow(w, at < 0 ? w.list.top : std::max(0, at - 1)); return true;
    case KEY_DOWN: selectRow(w, at < 0 ? w.list.top : std::min(count - 1, at + 1)); return true;
    case KEY_PGUP: selectRow(w, std::max(0, at - w.list.visibleRows)); return true;
    case KEY_PGDN: selectRow(w, std::min(count - 1, std::max(0, at) + w.list.visibleRows)); return true;
    case KEY_HOME: selectRow(w, 0); return true;
    case KEY_END: selectRow(w, count - 1); return true;
    case KEY_DEL:
      if (at >= 0 && at < count && w.list.onDelete) w.list.onDelete(at, rowData(w, at));
      return true;
    case KEY_ENTER:
      // Enter on a row acts like a double click; without an action it is
      // left to the window's default button.
      if (!w.list.action || at < 0 || at >= count) return false;
      runAction(w.id, at);
      return true;
    default:
      if (ascii > 32 && ascii < 127) {
        findRow(w, static_cast<char>(tolower(ascii)));
        return true;
      }
      return false;
  }
}

}  // namespace gui

using namespace gui;

int AddListBox(int x, int y, void* listData, int* rowCountAddress, int width, int mouseEvents,
               GuiListRowText rowText, GuiListAction action, int visibleRows) {
  if (visibleRows < 1) return 0;
  Widget* w = addWidget(Kind::ListBox, x, y, std::max(width, kScrollBarWidth + 20),
                        visibleRows * kRowHeight + 4, "");
  if (!w) return 0;
  w->list.listData = listData;
  w->list.rowCount = rowCountAddress;
  w->list.mouseEvents = mouseEvents;
  w->list.rowText = rowText;
  w->list.action = action;
  w->list.visibleRows = visibleRows;
  return w->id;
}

void SetListIndexer(int list, GuiListIndexer indexer) {
  Widget* w = findWidget(list);
  if (w && w->kind == Kind::ListBox) w->list.indexer = indexer;
}

void SetListSelectCallback(int list, GuiListRowCallback callback) {
  Widget* w = findWidget(list);
  if (w && w->kind == Kind::ListBox) w->list.onSelect = callback;
}

void SetListDeleteCallback(int list, GuiListRowCallback callback) {
  Widget* w = findWidget(list);
  if (w && w->kind == Kind::ListBox) w->list.onDelete = callback;
}

void ScrollListToTop(int list) {
  Widget* w = findWidget(list);
  if (!w || w->kind != Kind::ListBox) return;
  w->list.top = 0;
  redrawWidget(list);
}

void SetListSelection(int list, int row) {
  Widget* w = findWidget(list);
  if (!w || w->kind != Kind::ListBox) return;
  clampList(*w);
  if (row < 0 || row >= rowCount(*w)) {
    w->list.selected = -1;
  } else {
    w->list.selected = row;
    scrollIntoView(*w, row);
  }
  redrawWidget(list);
}
