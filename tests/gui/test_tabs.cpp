// Tab panels: the selected index in the caller's int (clamped and written
// back when shown), and a page emptied and built again on every click, even
// on the tab already shown, so the ids of its widgets change.
#include <gtest/gtest.h>

#include "gui/gui_internal.h"
#include "gui_test_support.h"

using gui::Kind;

namespace {

struct Pages {
  int fills[2] = {0, 0};
  int lastButton = 0;
  int selectedAtFill = -1;
  int* selected = nullptr;
};
Pages g_pages;

void fillPage(int tab) {
  ++g_pages.fills[tab];
  g_pages.selectedAtFill = *g_pages.selected;
  g_pages.lastButton = AddButton(20, 410, tab == 0 ? "Add" : "Delete", nullptr, nullptr);
}
void fillTeleports(void*) { fillPage(0); }
void fillObjects(void*) { fillPage(1); }

int tabWidget(int index) {
  std::vector<int> tabs = topWidgets(static_cast<int>(Kind::Tab));
  return index < static_cast<int>(tabs.size()) ? tabs[index] : 0;
}

}  // namespace

TEST(Tabs, SelectedIndexPastTheLastTabShowsTheLastAndIsWrittenBack) {
  startHeadlessGui();
  int selected = 7;
  g_pages = Pages();
  g_pages.selected = &selected;
  CreateWindow(1, AUTO, "DOLA", 4);
  int panel = AddTabPanel(870, 25, 148, 475, &selected);
  EXPECT_NE(0, AddTab(panel, fillTeleports, nullptr, "teleports"));
  EXPECT_NE(0, AddTab(panel, fillObjects, nullptr, "objects"));
  EXPECT_EQ(0, AddTab(panel + 999, fillObjects, nullptr, "no panel"));
  EXPECT_EQ(0, g_pages.fills[1]);  // nothing is built before the window is shown
  ShowWindow();
  EXPECT_EQ(1, selected);
  EXPECT_EQ(0, g_pages.fills[0]);
  EXPECT_EQ(1, g_pages.fills[1]);
  EXPECT_EQ(1, g_pages.selectedAtFill);
  // The page's widgets are placed relative to the page, inside the panel.
  int bx, by;
  widgetCentre(g_pages.lastButton, bx, by);
  EXPECT_GT(bx, 873 + 20);
  EXPECT_GT(by, 50 + 410);
  EXPECT_LT(by, 50 + 475);
}

TEST(Tabs, EveryClickRebuildsThePage) {
  startHeadlessGui();
  int selected = 0;
  g_pages = Pages();
  g_pages.selected = &selected;
  CreateWindow(1, AUTO, "DOLA", 4);
  int panel = AddTabPanel(870, 25, 148, 475, &selected);
  AddTab(panel, fillTeleports, nullptr, "teleports");
  AddTab(panel, fillObjects, nullptr, "objects");
  ShowWindow();
  ASSERT_EQ(1, g_pages.fills[0]);
  int firstButton = g_pages.lastButton;

  int x0, y0, x1, y1;
  widgetCentre(tabWidget(0), x0, y0);
  widgetCentre(tabWidget(1), x1, y1);
  std::vector<GuiStep> steps;
  addClick(steps, x0, y0);  // the tab already shown
  steps.push_back({10, [&] {
    EXPECT_EQ(2, g_pages.fills[0]);
    EXPECT_NE(firstButton, g_pages.lastButton);
    EXPECT_EQ(nullptr, gui::findWidget(firstButton));  // the old page is gone
  }});
  addClick(steps, x1, y1);
  steps.push_back({10, [&] {
    EXPECT_EQ(1, selected);
    EXPECT_EQ(1, g_pages.fills[1]);
    EXPECT_EQ(1, g_pages.selectedAtFill);
  }});
  addClick(steps, x1, y1);
  addClick(steps, x0, y0);
  runSteps(steps);
  EXPECT_EQ(3, g_pages.fills[0]);
  EXPECT_EQ(2, g_pages.fills[1]);
  EXPECT_EQ(0, selected);
  // Exactly one page exists: one button in the window.
  EXPECT_EQ(1u, topWidgets(static_cast<int>(Kind::Button)).size());
}

// A requester opened while a window or a tab page is being built leaves the
// building as it found it.
TEST(Tabs, RequesterDuringBuildingKeepsTheBuildTarget) {
  startHeadlessGui();
  static int tab = 0, pageLabel = 0, panel = 0;
  int window = CreateWindow(1, AUTO, "DOLA", 4);
  pressKey(KEY_ENTER, 13);
  ShowMessage("", "Starting|~OK");
  int button = AddButton(10, 10, "After", nullptr, nullptr);
  panel = AddTabPanel(400, 25, 148, 300, &tab);
  AddTab(panel, [](void*) {
    pressKey(KEY_ENTER, 13);
    ShowMessage("", "Filling|~OK");
    pageLabel = AddLabel(2, 2, "On the page");
  }, nullptr, "first");
  ShowWindow();
  ASSERT_NE(nullptr, gui::findWidget(button));
  EXPECT_EQ(window, gui::findWidget(button)->window);
  ASSERT_NE(nullptr, gui::findWidget(pageLabel));
  EXPECT_EQ(panel, gui::findWidget(pageLabel)->owner);
  EXPECT_EQ(window, gui::topWindow()->id);
  EXPECT_TRUE(gui::topWindow()->shown);
}
