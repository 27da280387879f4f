// Check boxes, buttons, edit boxes, status fields and the progress window,
// driven through the event loop with the mouse and keys.
#include <gtest/gtest.h>

#include <cstring>

#include "gui/gui_internal.h"
#include "gui_test_support.h"

namespace {
int g_pressed = 0;
void countPress(void*) { ++g_pressed; }
int g_statusCalls = 0;
const char* g_statusValue = "250";
void statusText(void*, char* buffer) {
  ++g_statusCalls;
  snprintf(buffer, 1000, "%s", g_statusValue);
}
}  // namespace

TEST(Controls, CheckBoxFlagAndButtonClicks) {
  startHeadlessGui();
  int flag = -3;
  g_pressed = 0;
  CreateWindow(1, AUTO, "DOLA", 4);
  int box = AddCheckBox(800, 540, "Show Objects + Creatures", &flag);
  SetCheckBoxCallback(box, countPress, nullptr);  // told of each flip, as a button of its press
  int button = AddButton(20, 410, "Add", countPress, nullptr);
  ShowWindow();
  int bx, by, kx, ky;
  widgetCentre(box, kx, ky);
  widgetCentre(button, bx, by);
  std::vector<GuiStep> steps;
  addClick(steps, kx, ky);
  steps.push_back({10, [&] { EXPECT_EQ(1, flag); flag = 5; }});
  addClick(steps, kx, ky);
  steps.push_back({10, [&] { EXPECT_EQ(0, flag); }});
  addClick(steps, bx, by);
  // Pressed on the button, released elsewhere: no command.
  steps.push_back({20, [&] { setMouse(bx, by, 1); }});
  steps.push_back({30, [&] { setMouse(bx + 200, by, 1); }});
  steps.push_back({30, [&] { setMouse(bx + 200, by, 0); }});
  runSteps(steps);
  EXPECT_EQ(3, g_pressed);
}

TEST(Controls, EditBoxEditsTheBufferInPlaceWithinItsLength) {
  startHeadlessGui();
  char text[4] = "ab";
  CreateWindow(1, AUTO, "DOLA", 4);
  int box = AddEditBox(2, 200, 30, "Qty", 5, 3, text);
  EXPECT_EQ(0, AddEditBox(2, 220, 30, "Other", 4, 3, text));
  ShowWindow();
  int x, y, w, h;
  gui::widgetScreenRect(*gui::findWidget(box), x, y, w, h);
  std::vector<GuiStep> steps;
  addClick(steps, x + w - 3, y + 5);  // focus, cursor at the end
  steps.push_back({10, [] {
    pressKey(KEY_C, 'c');
    pressKey(KEY_D, 'd');  // no room: ignored
  }});
  steps.push_back({10, [&] { EXPECT_STREQ("abc", text); pressKey(KEY_BACKSPACE, 8); }});
  steps.push_back({10, [&] {
    EXPECT_STREQ("ab", text);
    pressKey(KEY_LEFT);
    pressKey(KEY_X, 'x');
  }});
  steps.push_back({10, [&] {
    EXPECT_STREQ("axb", text);
    pressKey(KEY_HOME);
    pressKey(KEY_DEL);
    pressKey(KEY_END);
    pressKey(KEY_7, '7');
  }});
  runSteps(steps);
  EXPECT_STREQ("xb7", text);
}

TEST(Controls, StatusFieldAsksItsTextAtEveryDraw) {
  startHeadlessGui();
  g_statusCalls = 0;
  g_statusValue = "2";
  CreateWindow(1, AUTO, "DOLA", 4);
  int field = AddStatusField(625, 560, 8, statusText, nullptr);
  ShowWindow();
  EXPECT_EQ(1, g_statusCalls);
  g_statusValue = "250";
  Refresh(field);
  EXPECT_EQ(2, g_statusCalls);
  // All three digits reach the screen, although the field is 8 pixels wide
  // and grew only now.
  int text = colorOf(24, 26, 30);
  EXPECT_GT(countColor(3 + 625 + 10, 25 + 560, 3 + 625 + 14, 25 + 569, text), 0);
}

// A status text too long for its field keeps the longest end that fits after "...".
TEST(Controls, LongStatusTextsLoseTheirFront) {
  startHeadlessGui();
  const std::string path = "C:\\" + std::string(200, 'd') + "\\ZANAB.MAP";
  char out[1024];
  const std::string fitted = gui::fitFromFront(path.c_str(), 200, out, sizeof out);
  EXPECT_EQ("..." + path.substr(path.size() - fitted.size() + 3), fitted);
  EXPECT_LE(gui::textWidth(fitted.c_str()), 200);
  EXPECT_GT(gui::textWidth(("..." + path.substr(path.size() - fitted.size() + 2)).c_str()), 200);
}

TEST(Progress, BarFillsAndIgnoresValuesOutOfRange) {
  startHeadlessGui();
  int window = OpenProgressWindow("", "", 200);
  ASSERT_NE(0, window);
  EXPECT_TRUE(topWidgets(static_cast<int>(gui::Kind::Button)).empty());
  std::vector<int> bars = topWidgets(static_cast<int>(gui::Kind::Progress));
  ASSERT_EQ(1u, bars.size());
  gui::Widget* bar = gui::findWidget(bars[0]);
  int x, y, w, h;
  gui::widgetScreenRect(*bar, x, y, w, h);
  int fill = gui::state().theme.progress;
  auto filled = [&] { return countColor(x + 1, y + 10, x + 200, y + 10, fill); };
  EXPECT_EQ(0, filled());
  SetProgress(window, 33);
  EXPECT_EQ(66, filled());
  SetProgress(window, 100);
  EXPECT_EQ(200, filled());
  EXPECT_NE(fill, screenPixel(x + 201, y + 10));
  SetProgress(window, 101);
  EXPECT_EQ(200, filled());
  EXPECT_EQ(100, bar->value);
  SetProgress(window, -1);
  EXPECT_EQ(200, filled());
  SetProgress(window + 777, 10);
  EXPECT_EQ(200, filled());
  CloseTopWindow();
  EXPECT_EQ(nullptr, gui::topWindow());

  // With a label the window gets a button that closes it.
  window = OpenProgressWindow("Loading", "~Stop", 100);
  std::vector<int> buttons = topWidgets(static_cast<int>(gui::Kind::Button));
  ASSERT_EQ(1u, buttons.size());
  int bx, by;
  widgetCentre(buttons[0], bx, by);
  std::vector<GuiStep> steps;
  addClick(steps, bx, by);
  runSteps(steps);
  EXPECT_EQ(nullptr, gui::findWindow(window));
}

// A loader reports n / 4 for each of 400 items: the screen is drawn again
// for each of the 100 values shown, never for a repeated one.
TEST(Progress, RedrawnOnlyWhenTheShownValueChanges) {
  startHeadlessGui();
  const int window = OpenProgressWindow("", "", 200);
  gui::Widget* bar = gui::findWidget(topWidgets(static_cast<int>(gui::Kind::Progress))[0]);
  int x, y, w, h;
  gui::widgetScreenRect(*bar, x, y, w, h);
  const int marker = colorOf(255, 0, 255);
  int redraws = 0;
  for (int n = 0; n < 400; ++n) {
    putpixel(guiScreen(), x + w - 2, y + h - 2, marker);
    SetProgress(window, n / 4);
    redraws += screenPixel(x + w - 2, y + h - 2) != marker;
  }
  EXPECT_EQ(99, redraws);  // 0 was shown from the start
  CloseTopWindow();
}

TEST(Windows, DraggedByTheTitleBarUnlessAttribute4) {
  startHeadlessGui();
  CreateWindow(1, AUTO, "DOLA", 4);
  ShowWindow();
  gui::Window* main = gui::topWindow();
  int mainActive = gui::state().theme.title;
  EXPECT_EQ(mainActive, screenPixel(500, 10));
  int startX = 0, startY = 0, endX = 0, endY = 0;
  int titleWhileOpen = 0;
  std::vector<GuiStep> steps;
  steps.push_back({20, [&] {
    gui::Window* top = gui::topWindow();
    startX = top->x;
    startY = top->y;
    titleWhileOpen = screenPixel(500, 10);
    setMouse(top->x + 20, top->y + 10, 1);
  }});
  steps.push_back({30, [&] { setMouse(mouse_x - 100, mouse_y + 40, 1); }});
  steps.push_back({30, [&] { setMouse(mouse_x, mouse_y, 0); }});
  steps.push_back({30, [&] {
    endX = gui::topWindow()->x;
    endY = gui::topWindow()->y;
    pressKey(KEY_ENTER, 13);
  }});
  queueSteps(steps);
  ShowMessage("", "Move me|~OK");
  EXPECT_EQ(startX - 100, endX);
  EXPECT_EQ(startY + 40, endY);
  EXPECT_EQ(gui::state().theme.titleInactive, titleWhileOpen);
  EXPECT_EQ(mainActive, screenPixel(500, 10));  // active again, and the requester left no trace
  EXPECT_EQ(gui::state().theme.face, screenPixel(startX + 10, startY + 30));

  // The main window (attribute 4) stays where it is.
  std::vector<GuiStep> drag;
  drag.push_back({20, [] { setMouse(300, 10, 1); }});
  drag.push_back({30, [] { setMouse(200, 100, 1); }});
  drag.push_back({30, [] { setMouse(200, 100, 0); }});
  runSteps(drag);
  EXPECT_EQ(0, main->x);
  EXPECT_EQ(0, main->y);
}

// The main window's fixed layout: neighbouring labels neither overlap nor
// erase each other, and the check box and the side panel's tabs fit.
TEST(Controls, MainWindowLayoutFitsTheFont) {
  startHeadlessGui();
  static int flag = 1, tab = 0;
  CreateWindow(1, AUTO, "DOLA", 4);
  int selected = AddLabel(600, 540, "Selected Tile");
  int mapTile = AddLabel(700, 540, "Map Tile");
  int check = AddCheckBox(800, 540, "Show Objects + Creatures", &flag);
  int panel = AddTabPanel(870, 25, 148, 475, &tab);
  int teleports = AddTab(panel, nullptr, nullptr, "teleports");
  int objects = AddTab(panel, nullptr, nullptr, "objects");
  ShowWindow();
  auto right = [](int id) { return gui::findWidget(id)->x + gui::findWidget(id)->w; };
  EXPECT_LT(right(selected) + 4, 700);
  EXPECT_LT(right(mapTile) + 4, 800);
  EXPECT_LE(right(check), 1024 - 6);
  EXPECT_LE(right(objects), 870 + 148 - 2);
  EXPECT_GE(gui::findWidget(teleports)->w, gui::textWidth("teleports"));
  // Both labels are drawn whole: text up to each one's last column.
  int text = colorOf(24, 26, 30);
  EXPECT_GT(countColor(3 + right(selected) - 3, 25 + 540, 3 + right(selected) - 1, 25 + 550, text), 0);
  EXPECT_GT(countColor(3 + right(mapTile) - 3, 25 + 540, 3 + right(mapTile) - 1, 25 + 550, text), 0);
}

// At 8 bits the toolkit's colours follow a palette the program sets later.
TEST(Controls, EightBitColoursSurviveANewPalette) {
  setMouse(1023, 767, 0);
  ASSERT_TRUE(GuiInitHeadless(1024, 768, 8));
  PALETTE game;
  for (int i = 0; i < 256; ++i) game[i] = RGB{static_cast<unsigned char>(i % 64), 0, static_cast<unsigned char>(63 - i % 64), 0};
  for (int i = 0; i < 64; ++i) game[192 + i] = RGB{static_cast<unsigned char>(i), static_cast<unsigned char>(i), static_cast<unsigned char>(i), 0};
  CreateWindow(1, AUTO, "DOLA", 4);
  ShowWindow();
  set_palette(game);
  runSteps({{20, [] {}}});
  // The window's face is a light grey of the new palette, not what its old
  // entry now holds.
  const RGB& face = game[screenPixel(500, 400)];
  EXPECT_EQ(face.r, face.g);
  EXPECT_GE(face.r, 50);
  set_palette(default_palette);
  runSteps({{20, [] {}}});
  startHeadlessGui();
}
