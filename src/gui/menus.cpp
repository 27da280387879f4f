// Menu bars and their drop-downs, which exist only while open: opening a
// title makes an empty popup and calls the title's fill callback. Mouse and
// keyboard (Alt+letter, item letters, arrows, Enter, Escape) both work.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "gui/gui_internal.h"

namespace gui {

namespace {

constexpr int kItemHeight = 16;

Window* openPopup() {
  Window* top = topWindow();
  return top && top->kind == WindowKind::Popup ? top : nullptr;
}

std::vector<int> widgetsOfKind(int window, Kind kind, int link) {
  std::vector<int> ids;
  for (int i = 0; i < widgetSlotsInUse(); ++i) {
    const Widget& w = widgets()[i];
    if (w.id != 0 && w.window == window && w.kind == kind && (link == 0 || w.link == link)) ids.push_back(w.id);
  }
  std::sort(ids.begin(), ids.end());
  return ids;
}

void placeMenu(Window& popup, const Widget& title) {
  std::vector<int> items = widgetsOfKind(popup.id, Kind::MenuItem, 0);
  int width = title.w;
  for (int id : items) {
    const Widget* item = findWidget(id);
    const char* tab = strchr(item->label, '\t');
    char name[kLabelSize];
    snprintf(name, sizeof name, "%.*s", tab ? static_cast<int>(tab - item->label) : kLabelSize - 1, item->label);
    int shortcut = tab ? textWidth(tab + 1) + 16 : 0;
    width = std::max(width, hotkeyTextWidth(name) + shortcut + 28);
  }
  for (int id : items) findWidget(id)->w = width;
  int tx, ty, tw, th;
  widgetScreenRect(title, tx, ty, tw, th);
  const BITMAP* buffer = state().buffer;
  popup.w = width + 2 * kPopupBorder;
  popup.h = static_cast<int>(items.size()) * kItemHeight + 2 * kPopupBorder;
  popup.x = std::max(0, std::min(tx, buffer->w - popup.w));
  popup.y = std::max(0, std::min(ty + th, buffer->h - popup.h));
}

void showPopup(Window& popup) {
  GuiContext& g = state();
  popup.under = create_bitmap_ex(bitmap_color_depth(g.buffer), popup.w, popup.h);
  if (popup.under) blit(g.buffer, popup.under, popup.x, popup.y, 0, 0, popup.w, popup.h);
  popup.shown = true;
  paintWindow(popup);
  present(popup.x, popup.y, popup.w, popup.h);
}

void setHot(Window& popup, int id) {
  if (popup.hover == id) return;
  int old = popup.hover;
  popup.hover = id;
  redrawWidget(old);
  redrawWidget(id);
}

// The title next to the open one, step -1 or +1, wrapping around.
int neighbourTitle(int title, int step) {
  Widget* current = findWidget(title);
  if (!current) return 0;
  std::vector<int> titles = widgetsOfKind(current->window, Kind::MenuTitle, current->link);
  int n = static_cast<int>(titles.size());
  for (int i = 0; i < n; ++i)
    if (titles[i] == title) return titles[(i + step + n) % n];
  return 0;
}

void moveHot(Window& popup, int step) {
  std::vector<int> items = widgetsOfKind(popup.id, Kind::MenuItem, 0);
  if (items.empty()) return;
  int n = static_cast<int>(items.size());
  int at = -1;
  for (int i = 0; i < n; ++i)
    if (items[i] == popup.hover) at = i;
  at = at < 0 ? (step > 0 ? 0 : n - 1) : (at + step + n) % n;
  setHot(popup, items[at]);
}

}  // namespace

void paintMenuBar(Widget& bar, int x, int y) {
  const Theme& t = state().theme;
  BITMAP* b = state().buffer;
  rectfill(b, x, y, x + bar.w - 1, y + bar.h - 1, t.face);
  hline(b, x, y + bar.h - 1, x + bar.w - 1, t.faceDark);
  const Window* popup = openPopup();
  const Window* window = findWindow(bar.window);
  for (int id : widgetsOfKind(bar.window, Kind::MenuTitle, bar.id)) {
    Widget* title = findWidget(id);
    int tx, ty, tw, th;
    widgetScreenRect(*title, tx, ty, tw, th);
    bool open = popup && popup->ownerTitle == id;
    bool hover = window && window->hover == id;
    if (open) rectfill(b, tx, ty + 1, tx + tw - 1, ty + th - 2, t.highlight);
    else if (hover) rectfill(b, tx, ty + 1, tx + tw - 1, ty + th - 2, t.hover);
    drawHotkeyText(b, title->label, tx + 8, ty + 5, open ? t.highlightText : t.text);
  }
}

void paintMenuItem(Widget& item, int x, int y) {
  const Theme& t = state().theme;
  BITMAP* b = state().buffer;
  const Window* popup = findWindow(item.window);
  if (item.value == kMenuItemSeparator) {  // a line between groups of items
    rectfill(b, x, y, x + item.w - 1, y + item.h - 1, t.face);
    hline(b, x + 4, y + item.h / 2, x + item.w - 5, t.faceDark);
    return;
  }
  bool hot = popup && popup->hover == item.id;
  rectfill(b, x, y, x + item.w - 1, y + item.h - 1, hot ? t.highlight : t.face);
  int color = item.value == kMenuItemDisabled ? t.faceDark : hot ? t.highlightText : t.text;
  const char* tab = strchr(item.label, '\t');
  char name[kLabelSize];
  snprintf(name, sizeof name, "%.*s", tab ? static_cast<int>(tab - item.label) : kLabelSize - 1, item.label);
  drawHotkeyText(b, name, x + 12, y + 4, color);
  if (tab && tab[1]) textout_right_ex(b, guiFont(), tab + 1, x + item.w - 8, y + 4, color, -1);
}

void closeMenu() {
  Window* popup = openPopup();
  if (!popup) return;
  int title = popup->ownerTitle;
  CloseTopWindow();
  redrawWidget(title);
}

void openMenu(int titleId) {
  GuiContext& g = state();
  Window* existing = openPopup();
  bool same = existing && existing->ownerTitle == titleId;
  closeMenu();
  Widget* title = findWidget(titleId);
  if (same || !title || title->kind != Kind::MenuTitle || g.windowCount >= kMaxWindows) return;
  Window& popup = g.windows[g.windowCount++];
  popup = Window();
  popup.id = newId();
  popup.kind = WindowKind::Popup;
  popup.ownerTitle = titleId;
  int popupId = popup.id;
  BuildTarget saved = g.target;
  g.target = BuildTarget{popupId, 0, 0, 0};
  GuiFill fill = title->fill;
  void* data = title->data;
  if (fill) fill(data);
  g.target = saved;
  Window* built = findWindow(popupId);
  title = findWidget(titleId);
  if (!built || !title) return;
  if (widgetsOfKind(popupId, Kind::MenuItem, 0).empty()) {
    // Nothing to choose: a menu without items is not shown.
    CloseTopWindow();
    return;
  }
  placeMenu(*built, *title);
  showPopup(*built);
  redrawWidget(titleId);
}

void chooseMenuItem(int itemId) {
  Widget* item = findWidget(itemId);
  if (!item || item->kind != Kind::MenuItem || item->value != kMenuItemPlain) return;
  GuiCommand command = item->command;
  void* data = item->data;
  closeMenu();
  if (command) command(data);
}

bool openMenuByHotkey(Window& window, char letter) {
  for (int id : widgetsOfKind(window.id, Kind::MenuTitle, window.menuBar)) {
    if (hotkeyOf(findWidget(id)->label) == letter) {
      openMenu(id);
      if (Window* popup = openPopup()) moveHot(*popup, 1);
      return true;
    }
  }
  return false;
}

bool menuKey(int scancode, int ascii) {
  Window* popup = openPopup();
  if (!popup) return false;
  int title = popup->ownerTitle;
  if (scancode == KEY_ESC) {
    closeMenu();
  } else if (scancode == KEY_UP || scancode == KEY_DOWN) {
    moveHot(*popup, scancode == KEY_DOWN ? 1 : -1);
  } else if (scancode == KEY_LEFT || scancode == KEY_RIGHT) {
    int next = neighbourTitle(title, scancode == KEY_RIGHT ? 1 : -1);
    if (next && next != title) {
      openMenu(next);
      if (Window* opened = openPopup()) moveHot(*opened, 1);
    }
  } else if (scancode == KEY_ENTER || scancode == KEY_SPACE) {
    if (popup->hover) chooseMenuItem(popup->hover);
  } else {
    char letter = static_cast<char>(scancode >= KEY_A && scancode <= KEY_Z ? 'a' + scancode - KEY_A : ascii);
    for (int id : widgetsOfKind(popup->id, Kind::MenuItem, 0)) {
      const Widget* item = findWidget(id);
      if (letter && item->value == kMenuItemPlain && hotkeyOf(item->label) == letter) {
        chooseMenuItem(id);
        return true;
      }
    }
    Widget* owner = findWidget(title);
    Window* below = owner ? findWindow(owner->window) : nullptr;
    if ((key_shifts & KB_ALT_FLAG) && below && letter) openMenuByHotkey(*below, letter);
  }
  return true;
}

void menuMouse(const GuiMouse& m, int pressed, int released) {
  Window* popup = openPopup();
  int item = 0;
  if (m.x >= popup->x && m.y >= popup->y && m.x < popup->x + popup->w && m.y < popup->y + popup->h) {
    for (int id : widgetsOfKind(popup->id, Kind::MenuItem, 0)) {
      int x, y, w, h;
      widgetScreenRect(*findWidget(id), x, y, w, h);
      if (m.y >= y && m.y < y + h) item = id;
    }
    setHot(*popup, item);
    if ((released & 1) && item) chooseMenuItem(item);
    return;
  }
  Widget* owner = findWidget(popup->ownerTitle);
  Window* below = owner ? findWindow(owner->window) : nullptr;
  int onTitle = 0;
  if (below && owner) {
    for (int id : widgetsOfKind(below->id, Kind::MenuTitle, owner->link)) {
      int x, y, w, h;
      widgetScreenRect(*findWidget(id), x, y, w, h);
      if (m.x >= x && m.y >= y && m.x < x + w && m.y < y + h) onTitle = id;
    }
  }
  if (onTitle && onTitle != popup->ownerTitle) openMenu(onTitle);
  else if ((pressed & 1) || (pressed & 2)) closeMenu();
}

}  // namespace gui

using namespace gui;

int BeginMenuBar() {
  GuiContext& g = state();
  Widget* bar = addWidget(Kind::MenuBar, 0, 0, 100, kMenuBarHeight, "");
  if (!bar) return 0;
  bar->x -= g.target.originX;
  bar->y -= g.target.originY;
  if (Window* window = findWindow(bar->window)) window->menuBar = bar->id;
  g.buildingBar = bar->id;
  return bar->id;
}

int AddMenuBarItem(const char* label, GuiFill fill, void* data) {
  Widget* bar = findWidget(state().buildingBar);
  if (!bar) return 0;
  int x = bar->x + 4;
  for (int id : widgetsOfKind(bar->window, Kind::MenuTitle, bar->id)) x += findWidget(id)->w;
  int barId = bar->id, barY = bar->y;
  Widget* title = addWidget(Kind::MenuTitle, 0, 0, hotkeyTextWidth(label ? label : "") + 16, kMenuBarHeight, label);
  if (!title) return 0;
  title->x = x;
  title->y = barY;
  title->link = barId;
  title->fill = fill;
  title->data = data;
  return title->id;
}

void EndMenuBar() { state().buildingBar = 0; }

int AddMenuItem(int kind, const char* label, const char* shortcut, GuiCommand command, void* data) {
  Window* popup = findWindow(state().target.window);
  if (!popup || popup->kind != WindowKind::Popup) return 0;
  int count = static_cast<int>(widgetsOfKind(popup->id, Kind::MenuItem, 0).size());
  // The label's own shortcut text ("~Undo\tCtrl+Z") unless one is given.
  const char* name = label ? label : "";
  const char* tab = strchr(name, '\t');
  const int nameLength = tab ? static_cast<int>(tab - name) : static_cast<int>(strlen(name));
  const char* shown = shortcut && shortcut[0] ? shortcut : tab ? tab + 1 : "";
  char text[kLabelSize];
  snprintf(text, sizeof text, "%.*s\t%s", nameLength, name, shown);
  Widget* item = addWidget(Kind::MenuItem, 0, count * kItemHeight, 40, kItemHeight, text);
  if (!item) return 0;
  item->value = kind;
  item->command = command;
  item->data = data;
  return item->id;
}
