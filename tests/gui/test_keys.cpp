// A window's key handler gets what the toolkit left (with the modifiers, the
// text focus and the canvas under the pointer); menu items show shortcut
// texts right-aligned and keep their hotkey.
#include <gtest/gtest.h>

#include <string>

#include "gui/gui_internal.h"
#include "gui_test_support.h"

namespace {

std::string g_log;
void note(void* text) { g_log += static_cast<const char*>(text); }
bool logKey(const GuiKey& k, void*) {
  g_log += std::to_string(k.scancode) + "/" + std::to_string(k.modifiers) + (k.textFocus ? "t" : "") +
           (k.canvas ? "c;" : ";");
  return true;
}
void editMenu(void*) {
  AddMenuItem(0, "~Undo\tCtrl+Z", "", note, const_cast<char*>("undo;"));
  AddMenuItem(0, "~Redo", "Ctrl+Y", note, const_cast<char*>("redo;"));
}
// One key per step: the modifiers are read with the key.
void addKey(std::vector<GuiStep>& steps, int shifts, int scancode, int ascii = 0) {
  steps.push_back({10, [=] { key_shifts = shifts; pressKey(scancode, ascii); }});
}
int mainWindow() {
  g_log.clear();
  int window = CreateWindow(1, AUTO, "DOLA", 4);
  BeginMenuBar();
  AddMenuBarItem("~Edit", editMenu, nullptr);
  EndMenuBar();
  return window;
}

// The main window with a canvas at (2, 25) and a list of three rows "r".
int windowWithCanvasAndList(int* list) {
  static int rows = 3;
  int window = mainWindow();
  AddCanvas(2, 25, 200, 100, [](BITMAP*, int, int, void*) {}, nullptr);
  *list = AddListBox(400, 40, nullptr, &rows, 100, kListLeftButton, [](void*, char* b) { b[0] = 'r'; b[1] = 0; },
                     nullptr, 3);
  return window;
}

}  // namespace

TEST(KeyHandler, GetsOnlyWhatTheToolkitLeaves) {
  startHeadlessGui();
  int list = 0;
  int window = windowWithCanvasAndList(&list);
  AddButton(400, 200, "~Go", note, const_cast<char*>("go;"));
  AddButton(500, 200, "~Next", note, const_cast<char*>("next;"));
  ShowWindow();
  SetKeyHandler(window, logKey, nullptr);
  int lx, ly;
  widgetCentre(list, lx, ly);
  std::vector<GuiStep> steps;
  addClick(steps, lx, ly);                   // the list takes the focus
  addKey(steps, KB_CTRL_FLAG, KEY_Z, 26);    // handler, list focused
  addKey(steps, 0, KEY_R, 'r');              // the list's type-to-find
  addKey(steps, KB_ALT_FLAG, KEY_E, 'e');    // opens the Edit menu ...
  addKey(steps, 0, KEY_U, 'u');              // ... whose Undo takes its hotkey
  addKey(steps, KB_CTRL_FLAG, KEY_DOWN);     // lists leave keys with Ctrl
  steps.push_back({20, [] { setMouse(50, 70, 0); }});  // over the canvas
  addKey(steps, 0, KEY_TAB, 9);              // focus to the button
  addKey(steps, 0, KEY_G, 'g');              // its hotkey
  addKey(steps, KB_CTRL_FLAG, KEY_G, 7);     // never a hotkey with Ctrl
  steps.push_back({20, [] {
    pressKey(KEY_F5);  // taken by the requester over the window, as Escape
    pressKey(KEY_ESC, 27);
    ShowMessage("", "Over the window|~OK");
  }});
  addKey(steps, KB_SHIFT_FLAG, KEY_ESC, 27);  // no escape button in the window
  addKey(steps, 0, KEY_RIGHT);                // a focus move between buttons
  addKey(steps, KB_CTRL_FLAG, KEY_RIGHT);     // with Ctrl or Alt: the program's, even on a button
  addKey(steps, KB_ALT_FLAG, KEY_LEFT);
  steps.push_back({20, [] {}});
  runSteps(steps);
  key_shifts = 0;
  EXPECT_EQ(std::to_string(KEY_Z) + "/2t;undo;" + std::to_string(KEY_DOWN) + "/2t;go;" + std::to_string(KEY_G) +
                "/2c;" + std::to_string(KEY_ESC) + "/1c;" + std::to_string(KEY_RIGHT) + "/2c;" +
                std::to_string(KEY_LEFT) + "/4c;",
            g_log);
}

TEST(KeyHandler, IsOfferedLettersFirstWhileThePointerIsOverACanvas) {
  startHeadlessGui();
  int list = 0;
  int window = windowWithCanvasAndList(&list);
  ShowWindow();
  SetKeyHandler(window, [](const GuiKey& k, void*) { return k.ascii == 'b' && (logKey(k, nullptr), true); }, nullptr);
  int lx, ly;
  widgetCentre(list, lx, ly);
  std::vector<GuiStep> steps;
  addClick(steps, lx, ly);  // the list takes the focus
  steps.push_back({20, [] { setMouse(50, 70, 0); }});
  addKey(steps, 0, KEY_B, 'b');  // taken by the handler over the canvas
  addKey(steps, 0, KEY_R, 'r');  // not taken: the list's type-to-find still gets it
  steps.push_back({20, [] {}});
  runSteps(steps);
  EXPECT_EQ(std::to_string(KEY_B) + "/0tc;", g_log);
}

TEST(Menus, ShortcutTextIsDrawnRightAlignedAndHoldsNoHotkey) {
  startHeadlessGui();
  mainWindow();
  ShowWindow();
  std::vector<GuiStep> steps;
  addKey(steps, KB_ALT_FLAG, KEY_E, 'e');
  steps.push_back({10, [] {
    std::vector<int> items = topWidgets(static_cast<int>(gui::Kind::MenuItem));
    ASSERT_EQ(2u, items.size());
    EXPECT_STREQ("~Undo\tCtrl+Z", gui::findWidget(items[0])->label);
    int x, y, w, h, right = -1;
    gui::widgetScreenRect(*gui::findWidget(items[1]), x, y, w, h);
    // "Ctrl+Y" ends 8 pixels from the right edge; nothing between it and "Redo".
    const int text = gui::state().theme.text;
    for (int px = x; px < x + w; ++px)
      if (countColor(px, y, px, y + h - 1, text) > 0) right = px;
    EXPECT_TRUE(right >= x + w - 10 && right < x + w - 7) << right - x << " of " << w;
    EXPECT_EQ(0, countColor(x + 14 + gui::hotkeyTextWidth("~Redo"), y, x + w - 10 - gui::textWidth("Ctrl+Y"),
                            y + h - 1, text));
  }});
  addKey(steps, 0, KEY_C, 'c');  // the shortcut's letters choose nothing
  addKey(steps, 0, KEY_U, 'u');
  steps.push_back({20, [] {}});
  runSteps(steps);
  key_shifts = 0;
  EXPECT_EQ("undo;", g_log);
}
