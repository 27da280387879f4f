// Menu bars: a drop-down made anew by its fill callback at every opening,
// chosen by mouse (click the title, release on an item) or by keyboard
// (Alt+letter, item letters, arrows, Enter), closed by Escape or a click
// elsewhere without calling anything.
#include <gtest/gtest.h>

#include <string>

#include "gui/gui_internal.h"
#include "gui_test_support.h"

using gui::Kind;

namespace {

struct MenuLog {
  int fills = 0;
  std::string chosen;
};
MenuLog g_menu;

void open(void*) { g_menu.chosen += "open;"; }
void save(void*) { g_menu.chosen += "save;"; }
void quit(void*) { g_menu.chosen += "quit;"; }
void fileMenu(void*) {
  ++g_menu.fills;
  AddMenuItem(0, "~Open", "", open, nullptr);
  AddMenuItem(0, "~Save", "", save, nullptr);
  AddMenuItem(0, "~Quit", "", quit, nullptr);
}
void viewMenu(void*) { AddMenuItem(0, "~World Map", "", quit, nullptr); }

int g_fileTitle = 0;
void buildWindow() {
  g_menu = MenuLog();
  CreateWindow(1, AUTO, "DOLA", 4);
  BeginMenuBar();
  g_fileTitle = AddMenuBarItem("~File", fileMenu, nullptr);
  AddMenuBarItem("~View", viewMenu, nullptr);
  EndMenuBar();
  ShowWindow();
}

bool menuOpen() { return gui::topWindow() && gui::topWindow()->kind == gui::WindowKind::Popup; }

void altKey(int scancode) {
  key_shifts = KB_ALT_FLAG;
  pressKey(scancode, 0);
}

}  // namespace

TEST(Menus, MenuBarSitsAtTheTopOfTheClientArea) {
  startHeadlessGui();
  buildWindow();
  int x, y;
  widgetCentre(g_fileTitle, x, y);
  EXPECT_GT(y, 25);
  EXPECT_LT(y, 50);
  EXPECT_EQ(0, AddMenuItem(0, "outside a menu", "", open, nullptr));
}

TEST(Menus, MouseOpensChoosesAndClosesOnOutsideClick) {
  startHeadlessGui();
  buildWindow();
  int tx, ty;
  widgetCentre(g_fileTitle, tx, ty);
  std::vector<GuiStep> steps;
  addClick(steps, tx, ty);
  steps.push_back({10, [] {
    EXPECT_TRUE(menuOpen());
    EXPECT_EQ(3u, topWidgets(static_cast<int>(Kind::MenuItem)).size());
  }});
  int itemX = 0, itemY = 0;
  steps.push_back({10, [&] { widgetCentre(topWidgets(static_cast<int>(Kind::MenuItem))[1], itemX, itemY); }});
  steps.push_back({10, [&] { setMouse(itemX, itemY, 1); }});
  steps.push_back({30, [&] { setMouse(itemX, itemY, 0); }});
  steps.push_back({10, [] { EXPECT_FALSE(menuOpen()); }});
  addClick(steps, tx, ty);
  addClick(steps, 600, 400);  // outside: closes, chooses nothing
  steps.push_back({10, [] { EXPECT_FALSE(menuOpen()); }});
  runSteps(steps);
  EXPECT_EQ("save;", g_menu.chosen);
  EXPECT_EQ(2, g_menu.fills);  // filled anew at each opening
}

TEST(Menus, KeyboardAltLetterItemLetterArrowsEnterEscape) {
  startHeadlessGui();
  buildWindow();
  std::vector<GuiStep> steps;
  steps.push_back({10, [] { altKey(KEY_F); }});
  steps.push_back({10, [] {
    EXPECT_TRUE(menuOpen());
    key_shifts = 0;
    pressKey(KEY_Q, 'q');
  }});
  steps.push_back({10, [] {
    EXPECT_FALSE(menuOpen());
    altKey(KEY_F);
  }});
  steps.push_back({10, [] {
    key_shifts = 0;
    pressKey(KEY_DOWN);
    pressKey(KEY_ENTER, 13);  // the first item is highlighted on opening; Down moves to the second
  }});
  steps.push_back({10, [] { altKey(KEY_F); }});
  steps.push_back({10, [] {
    key_shifts = 0;
    pressKey(KEY_ESC, 27);
  }});
  steps.push_back({10, [] { EXPECT_FALSE(menuOpen()); }});
  steps.push_back({10, [] { altKey(KEY_V); }});
  steps.push_back({10, [] {
    key_shifts = 0;
    pressKey(KEY_LEFT);  // to the File menu
    pressKey(KEY_ENTER, 13);
  }});
  runSteps(steps);
  EXPECT_EQ("quit;save;open;", g_menu.chosen);
  EXPECT_EQ(4, g_menu.fills);
}

// Under X the Alt key may already be up when the event loop reads Alt+F (the
// loop was waiting, or busy): the press-time modifiers decide, not key_shifts.
TEST(Menus, AltReleasedBeforeTheKeyIsReadStillOpensTheMenu) {
  startHeadlessGui();
  buildWindow();
  std::vector<GuiStep> steps;
  steps.push_back({10, [] {
    key_shifts = 0;
    gui::noteKeyEvent(KEY_ALT);
    gui::noteKeyEvent(KEY_F);
    gui::noteKeyEvent(KEY_F | 0x80);
    gui::noteKeyEvent(KEY_ALT | 0x80);
    pressKey(KEY_F, 0);
  }});
  steps.push_back({10, [] {
    EXPECT_TRUE(menuOpen());
    pressKey(KEY_ESC, 27);
  }});
  // The press-time Alt is used once: a later plain F is a plain key.
  steps.push_back({10, [] { pressKey(KEY_F, 'f'); }});
  steps.push_back({10, [] { EXPECT_FALSE(menuOpen()); }});
  runSteps(steps);
}

// A disabled item is shown but cannot be chosen: not by its letter, not by
// Enter on it, not by a click; the menu stays open and nothing runs.
TEST(Menus, DisabledItemsAreNeverChosen) {
  startHeadlessGui();
  g_menu = MenuLog();
  CreateWindow(1, AUTO, "DOLA", 4);
  BeginMenuBar();
  const int title = AddMenuBarItem("~File", [](void*) {
    AddMenuItem(kMenuItemDisabled, "~Save", "", save, nullptr);
    AddMenuItem(kMenuItemPlain, "~Quit", "", quit, nullptr);
  }, nullptr);
  EndMenuBar();
  ShowWindow();
  int tx, ty, itemX = 0, itemY = 0;
  widgetCentre(title, tx, ty);
  std::vector<GuiStep> steps;
  steps.push_back({10, [] { altKey(KEY_F); }});
  steps.push_back({10, [] {
    key_shifts = 0;
    pressKey(KEY_S, 's');
    pressKey(KEY_ENTER, 13);  // the first item, disabled, is highlighted on opening
  }});
  steps.push_back({10, [&] {
    EXPECT_TRUE(menuOpen());
    widgetCentre(topWidgets(static_cast<int>(Kind::MenuItem))[0], itemX, itemY);
  }});
  steps.push_back({10, [&] { setMouse(itemX, itemY, 1); }});
  steps.push_back({30, [&] { setMouse(itemX, itemY, 0); }});
  steps.push_back({10, [] {
    EXPECT_TRUE(menuOpen());
    pressKey(KEY_Q, 'q');
  }});
  runSteps(steps);
  EXPECT_EQ("quit;", g_menu.chosen);
}

// An item of a toggle that is on carries a tick in the margin before its
// label; a plain item's margin stays empty.
void checkedMenu(void*) {
  AddMenuItem(kMenuItemChecked, "~Brush", "B", open, nullptr);
  AddMenuItem(kMenuItemPlain, "~Line", "L", save, nullptr);
}

TEST(Menus, CheckedItemsShowATickInTheMargin) {
  startHeadlessGui();
  g_menu = MenuLog();
  CreateWindow(1, AUTO, "DOLA", 4);
  BeginMenuBar();
  const int title = AddMenuBarItem("~Edit", checkedMenu, nullptr);
  EndMenuBar();
  ShowWindow();
  int tx, ty;
  widgetCentre(title, tx, ty);
  std::vector<GuiStep> steps;
  addClick(steps, tx, ty);
  steps.push_back({10, [] {
    ASSERT_TRUE(menuOpen());
    const std::vector<int> items = topWidgets(static_cast<int>(Kind::MenuItem));
    ASSERT_EQ(2u, items.size());
    int ticks[2] = {0, 0};
    for (int i = 0; i < 2; ++i) {
      int x, y, w, h;
      gui::widgetScreenRect(*gui::findWidget(items[i]), x, y, w, h);
      const int face = getpixel(gui::state().buffer, x + w - 2, y + 1);
      for (int py = y; py < y + h; ++py)
        for (int px = x; px < x + 11; ++px) ticks[i] += getpixel(gui::state().buffer, px, py) != face;
    }
    EXPECT_GE(ticks[0], 12);
    EXPECT_EQ(0, ticks[1]);
  }});
  runSteps(steps);
}
