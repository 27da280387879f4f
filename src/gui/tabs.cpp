// Tab panels: a row of tabs above a page. The selected index lives in the
// caller's int; the page is emptied and built again by the selected tab's
// fill callback when the window is shown and on every click on a tab.
#include <algorithm>
#include <vector>

#include "gui/gui_internal.h"

namespace gui {

static std::vector<int> tabsOf(int panel) {
  std::vector<int> ids;
  for (int i = 0; i < widgetSlotsInUse(); ++i)
    if (widgets()[i].id != 0 && widgets()[i].kind == Kind::Tab && widgets()[i].link == panel)
      ids.push_back(widgets()[i].id);
  std::sort(ids.begin(), ids.end());
  return ids;
}

// Tabs side by side from the panel's left edge; their padding shrinks when
// the labels would not fit the panel's width otherwise.
static void layoutTabs(const Widget& panel) {
  std::vector<int> tabs = tabsOf(panel.id);
  int count = static_cast<int>(tabs.size());
  if (count == 0) return;
  int textWidth = 0;
  for (int id : tabs) textWidth += hotkeyTextWidth(findWidget(id)->label);
  int room = panel.w - 4 - (count - 1);
  int padding = std::max(4, std::min(14, (room - textWidth) / count));
  int x = panel.x + 2;
  for (int id : tabs) {
    Widget* tab = findWidget(id);
    tab->x = x;
    tab->w = hotkeyTextWidth(tab->label) + padding;
    x += tab->w + 1;
  }
}

void paintTabStrip(Widget& panel) {
  const Theme& t = state().theme;
  BITMAP* b = state().buffer;
  int x, y, w, h;
  widgetScreenRect(panel, x, y, w, h);
  rectfill(b, x, y, x + w - 1, y + kTabHeight - 1, t.face);
  hline(b, x, y + kTabHeight, x + w - 1, t.faceLight);
  const Window* window = findWindow(panel.window);
  for (int id : tabsOf(panel.id)) {
    Widget* tab = findWidget(id);
    int tx, ty, tw, th;
    widgetScreenRect(*tab, tx, ty, tw, th);
    bool selected = panel.flag && *panel.flag == tab->value;
    bool hover = window && window->hover == id;
    int top = selected ? ty : ty + 2;
    rectfill(b, tx, top, tx + tw - 1, ty + kTabHeight, selected ? t.face : hover ? t.hover : t.faceDark);
    hline(b, tx, top, tx + tw - 2, t.faceLight);
    vline(b, tx, top, ty + kTabHeight - 1, t.faceLight);
    vline(b, tx + tw - 1, top, ty + kTabHeight - 1, t.shadow);
    if (selected) {
      hline(b, tx + 1, ty + kTabHeight, tx + tw - 2, t.face);
      hline(b, tx + 1, top + 1, tx + tw - 2, t.highlight);
    }
    drawHotkeyText(b, tab->label, tx + (tw - hotkeyTextWidth(tab->label)) / 2, top + 5, t.text);
  }
}

void paintTabPanel(Widget& panel, int x, int y) {
  const Theme& t = state().theme;
  BITMAP* b = state().buffer;
  int pageTop = y + kTabHeight;
  rectfill(b, x, pageTop, x + panel.w - 1, y + panel.h - 1, t.face);
  drawBevel(b, x, pageTop, panel.w, panel.h - kTabHeight, false);
  paintTabStrip(panel);
  std::vector<int> ids;
  for (int i = 0; i < widgetSlotsInUse(); ++i)
    if (widgets()[i].id != 0 && widgets()[i].owner == panel.id) ids.push_back(widgets()[i].id);
  std::sort(ids.begin(), ids.end());
  for (int id : ids)
    if (Widget* w = findWidget(id)) paintWidget(*w);
}

void buildTabPage(int panelId) {
  GuiContext& g = state();
  Widget* panel = findWidget(panelId);
  if (!panel) return;
  std::vector<int> tabs = tabsOf(panelId);
  if (tabs.empty()) return;
  int count = static_cast<int>(tabs.size());
  int index = panel->flag ? *panel->flag : 0;
  index = std::max(0, std::min(index, count - 1));
  if (panel->flag) *panel->flag = index;
  destroyPage(panelId);
  Widget* tab = findWidget(tabs[index]);
  BuildTarget saved = g.target;
  g.target = BuildTarget{panel->window, panelId, panel->x + 3, panel->y + kTabHeight + 3};
  int window = panel->window;
  if (tab && tab->fill) tab->fill(tab->data);
  g.target = saved;
  attachCanvasBitmaps(window);
  for (int i = 0; i < widgetSlotsInUse(); ++i)
    if (widgets()[i].id != 0 && widgets()[i].kind == Kind::TabPanel && widgets()[i].owner == panelId)
      buildTabPage(widgets()[i].id);
}

void buildTabPagesOf(int window) {
  for (int i = 0; i < widgetSlotsInUse(); ++i)
    if (widgets()[i].id != 0 && widgets()[i].kind == Kind::TabPanel && widgets()[i].window == window &&
        widgets()[i].owner == 0)
      buildTabPage(widgets()[i].id);
}

void tabPress(Widget& tab) {
  int panelId = tab.link;
  Widget* panel = findWidget(panelId);
  if (!panel) return;
  if (panel->flag) *panel->flag = tab.value;
  buildTabPage(panelId);
  redrawWidget(panelId);
}

}  // namespace gui

using namespace gui;

int AddTabPanel(int x, int y, int width, int height, int* selectedTab) {
  Widget* w = addWidget(Kind::TabPanel, x, y, std::max(width, 20), std::max(height, kTabHeight + 8), "");
  if (!w) return 0;
  w->flag = selectedTab;
  return w->id;
}

int AddTab(int panelId, GuiFill fill, void* data, const char* label) {
  GuiContext& g = state();
  Widget* panel = findWidget(panelId);
  if (!panel || panel->kind != Kind::TabPanel) return 0;
  int index = static_cast<int>(tabsOf(panelId).size());
  BuildTarget saved = g.target;
  g.target = BuildTarget{panel->window, panel->owner, 0, 0};
  Widget* tab = addWidget(Kind::Tab, 0, panel->y, 0, kTabHeight, label);
  g.target = saved;
  if (!tab) return 0;
  tab->link = panelId;
  tab->value = index;
  tab->fill = fill;
  tab->data = data;
  layoutTabs(*panel);
  return tab->id;
}
