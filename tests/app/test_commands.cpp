// The command table: the menus it makes (the editor's labels, letters, keys
// and order), the keys it runs (enabled, scope, first entry), its toggles
// and items made at opening, and the README's key list, which must equal it.
#include <gtest/gtest.h>

#include <allegro.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/command_table.h"
#include "app/menus.h"
#include "app/shortcuts.h"
#include "app/map_file.h"
#include "app_fixture.h"
#include "gui/gui_internal.h"

namespace {


// Runs the command of item index of the title's drop-down, as a click would.
void runMenuItem(const char* title, size_t index) {
  for (int i = 0; i < gui::widgetSlotsInUse(); ++i) {
    const gui::Widget& w = gui::widgets()[i];
    if (w.id == 0 || w.kind != gui::Kind::MenuTitle || std::string(w.label) != title) continue;
    gui::openMenu(w.id);
    const gui::Window* popup = gui::topWindow();
    std::vector<const gui::Widget*> items;
    for (int j = 0; j < gui::widgetSlotsInUse(); ++j) {
      const gui::Widget& item = gui::widgets()[j];
      if (item.id != 0 && item.kind == gui::Kind::MenuItem && item.window == popup->id) items.push_back(&item);
    }
    const GuiCommand command = index < items.size() ? items[index]->command : nullptr;
    void* data = index < items.size() ? items[index]->data : nullptr;
    gui::closeMenu();
    ASSERT_NE(command, nullptr);
    command(data);
  }
}

int g_runs = 0;
void countRun(void*) { ++g_runs; }
bool never(const EditorState&) { return false; }
bool always(const EditorState&) { return true; }
void twoItems(void* editor) {
  AddMenuItem(kMenuItemPlain, "ZANAA.MAP", "", countRun, editor);
  AddMenuItem(kMenuItemPlain, "ZANAB.MAP", "", countRun, editor);
}

}  // namespace

TEST_F(AppTest, MenusAreTheDesignsLabelsLettersKeysAndOrder) {
  using Labels = std::vector<std::string>;
  std::vector<int> kinds;
  EXPECT_EQ(menuItems("~File", &kinds), (Labels{"~Open\tCtrl+O", "~Save\tCtrl+S", "Save ~As\tCtrl+Shift+S",
                                                "~Versions of This Map...\t", "~Quit\tCtrl+Q",
                                                "Recent Maps: none yet\t"}));
  EXPECT_EQ(kinds[3], kMenuItemDisabled);  // no map open: no versions
  kinds.clear();
  EXPECT_EQ(menuItems("~Edit", &kinds),
            (Labels{"~Undo\tCtrl+Z", "~Redo\tCtrl+Y", "Brush\tB", "Rectangle\tR", "Fill\tF", "Line\tL", "Select\tS",
                    "Copy\tCtrl+C", "Paste\tCtrl+V", "Cut\tCtrl+X", "Delete\tDelete", "Select All\tCtrl+A",
                    "Flip Left-Right\tX", "Flip Top-Bottom\tY", "Turn Clockwise\tZ", "Turn Counter-Clockwise\tShift+Z",
                    "Replace Tile...\tCtrl+H", "~Auto Terrain\tT", "Apply ~Terrain Rules...\t",
                    "Reload Terrain Rules\t", "Load Terrain Rules...\t"}));
  EXPECT_EQ(kinds[2], kMenuItemChecked);  // the chosen tool, Brush, carries the check mark
  EXPECT_EQ(kinds[6], 0);
  kinds.clear();
  EXPECT_EQ(menuItems("~View", &kinds),
            (Labels{"~World Map\t", "~Local Map\t", "~Back\tAlt+Left", "~Forward\tAlt+Right", "~North\tCtrl+Up",
                    "~South\tCtrl+Down", "~West\tCtrl+Left", "~East\tCtrl+Right", "Show ~Teleports\t",
                    "Show ~Objects + Creatures\t"}));
  // Nothing visited, no world map open: Back, Forward and the neighbours are dimmed.
  EXPECT_EQ(kinds, (std::vector<int>{0, 0, 1, 1, 1, 1, 1, 1, 0, 0}));
  EXPECT_EQ(menuItems("~Script"), (Labels{"Generate ~World Map\t", "Generate ~Local Map\t", "Place ~Feature\t",
                    "Run on ~Each World Map...\t", "Script ~Output\t"}));
  EXPECT_EQ(menuItems("~Tools"), (Labels{"~Set ZAN Directory\t", "~Restore Backup...\t", "~Check World\t"}));
  EXPECT_EQ(menuItems("~Help"), (Labels{"~Keys\t", "~About\t"}));

  // On ZANAA (the world's north-west corner) after ZANBA: Back, South and East.
  const std::string text = mapText("WILDERNESS!", 24, 'w');
  openMapFile(writeMap("ZANBA.MAP", text).c_str(), *editor);
  writeMap("ZANAB.MAP", text);
  openMapFile(writeMap("ZANAA.MAP", text).c_str(), *editor);
  // The maps opened, newest first, by their folder and name.
  kinds.clear();
  const Labels file = menuItems("~File", &kinds);
  ASSERT_EQ(file.size(), 8u);  // Versions of This Map stands before Quit
  const std::string folder = dir.path().substr(dir.path().rfind('/') + 1);
  EXPECT_EQ(file[5], "Recent Maps\t");
  EXPECT_EQ(file[6], "~1 " + folder + "\\ZANAA.MAP\t");
  EXPECT_EQ(file[7], "~2 " + folder + "\\ZANBA.MAP\t");
  EXPECT_EQ(kinds, (std::vector<int>{0, 0, 0, 0, 0, 1, 0, 0}));  // the heading is dimmed
  runMenuItem("~File", 7);  // ~2 opens ZANBA again, and it goes first
  EXPECT_NE(std::string(editor->openMap.path).find("ZANBA.MAP"), std::string::npos);
  EXPECT_EQ(menuItems("~File")[6], "~1 " + folder + "\\ZANBA.MAP\t");
  runMenuItem("~File", 7);  // back to ZANAA for what follows
  editor->showTeleports = 1;
  kinds.clear();
  EXPECT_EQ(menuItems("~View", &kinds).back(), "Show ~Objects + Creatures\t");
  EXPECT_EQ(kinds, (std::vector<int>{0, 0, 0, 1, 1, 0, 1, 0, kMenuItemChecked, 0}));
  // A disabled command's key is taken and does nothing; an enabled one runs.
  EXPECT_TRUE(runShortcut(GuiKey{KEY_UP, 0, kGuiCtrl, false, 0}, editor));
  EXPECT_TRUE(runShortcut(GuiKey{KEY_RIGHT, 0, kGuiCtrl, true, 0}, editor));
  EXPECT_NE(std::string(editor->openMap.path).find("ZANBA.MAP"), std::string::npos);
  // X, Y, Z and Shift+Z type into a focused list or edit box unless the pointer is on the map.
  for (int scancode : {KEY_X, KEY_Y, KEY_Z}) {
    EXPECT_FALSE(runShortcut(GuiKey{scancode, 'x', 0, true, 0}, editor));
    EXPECT_FALSE(runShortcut(GuiKey{scancode, 'X', kGuiShift, true, 0}, editor));
    EXPECT_TRUE(runShortcut(GuiKey{scancode, 'x', 0, true, editor->mapCanvas}, editor));
  }
}

TEST_F(AppTest, TableEntriesRunByKeyAndFillMenusWithTogglesAndItemsMadeAtOpening) {
  const Command entries[] = {
      {Menu::File, "~Off", {KEY_T, kGuiCtrl}, countRun, never, nullptr, nullptr},
      {Menu::File, "~Recent", {0, 0}, nullptr, nullptr, nullptr, twoItems},
      {Menu::File, "~Auto", {KEY_T, kGuiCtrl}, countRun, nullptr, always, nullptr},
      {Menu::File, "~Mark", {0, 0}, countRun, nullptr, always, nullptr},
      {Menu::Edit, "~Letter", {KEY_M, 0}, countRun, nullptr, never, nullptr},
  };
  const CommandTable table{entries, 5};
  g_runs = 0;
  EXPECT_TRUE(runCommandKey(table, GuiKey{KEY_T, 20, kGuiCtrl, true, 0}, editor));  // the first entry, disabled
  EXPECT_FALSE(runCommandKey(table, GuiKey{KEY_T, 't', 0, false, 0}, editor));        // modifiers match exactly
  EXPECT_FALSE(runCommandKey(table, GuiKey{KEY_M, 'm', 0, true, 0}, editor));         // a list types it
  EXPECT_FALSE(runCommandKey(table, GuiKey{KEY_Q, 'q', 0, false, 0}, editor));        // no entry's key
  EXPECT_EQ(g_runs, 0);
  EXPECT_TRUE(runCommandKey(table, GuiKey{KEY_M, 'm', 0, true, editor->paletteCanvas}, editor));
  EXPECT_TRUE(runCommandKey(table, GuiKey{KEY_M, 'm', 0, false, 0}, editor));
  EXPECT_EQ(g_runs, 2);

  const int window = CreateWindow(200, 100, "menu", 0);
  ASSERT_NE(window, 0);
  gui::Window* popup = gui::topWindow();
  popup->kind = gui::WindowKind::Popup;
  addMenuItems(table, Menu::File, *editor);
  std::vector<std::string> labels;
  std::vector<int> kinds;
  for (int i = 0; i < gui::widgetSlotsInUse(); ++i) {
    const gui::Widget& item = gui::widgets()[i];
    if (item.id == 0 || item.kind != gui::Kind::MenuItem || item.window != window) continue;
    labels.push_back(item.label);
    kinds.push_back(item.value);
  }
  EXPECT_EQ(labels, (std::vector<std::string>{"~Off\tCtrl+T", "ZANAA.MAP\t", "ZANAB.MAP\t", "~Auto\tCtrl+T",
                                              "~Mark\t"}));
  EXPECT_EQ(kinds, (std::vector<int>{kMenuItemDisabled, 0, 0, kMenuItemChecked, kMenuItemChecked}));
  EXPECT_EQ(keyList(table), "Ctrl+T          File > Off\nCtrl+T          File > Auto\nM               Edit > Letter\n");
}

TEST(CommandTable, TheReadmesKeyListIsTheTables) {
  std::ifstream in(std::string(DOLA_SOURCE_DIR) + "/README.md");
  ASSERT_TRUE(in.good());
  std::stringstream text;
  text << in.rdbuf();
  const std::string readme = text.str();
  const size_t section = readme.find("\n## Keys\n");
  ASSERT_NE(section, std::string::npos);
  // The section's indented block, its lines without the indent.
  std::string listed;
  std::istringstream lines(readme.substr(section, readme.find("\n## ", section + 1) - section));
  for (std::string line; std::getline(lines, line);)
    if (line.compare(0, 4, "    ") == 0) listed += line.substr(4) + "\n";
  EXPECT_EQ(listed, keyList(editorCommands()));

  char shown[64];
  keyText(KeyChord{KEY_F5, kGuiCtrl | kGuiAlt | kGuiShift}, shown, sizeof shown);
  EXPECT_STREQ(shown, "Ctrl+Alt+Shift+F5");
  // Each range of key names at both of its ends.
  const std::pair<int, const char*> names[] = {{KEY_A, "A"},   {KEY_Z, "Z"},     {KEY_0, "0"},   {KEY_9, "9"},
                                               {KEY_F1, "F1"}, {KEY_F12, "F12"}, {KEY_UP, "Up"}, {KEY_ESC, "Escape"}};
  for (const auto& [scancode, name] : names) {
    keyText(KeyChord{scancode, 0}, shown, sizeof shown);
    EXPECT_STREQ(shown, name);
  }
  for (int scancode : {KEY_A, KEY_Z, KEY_0, KEY_9}) EXPECT_TRUE(keyTypesText(KeyChord{scancode, kGuiShift}));
  EXPECT_FALSE(keyTypesText(KeyChord{KEY_ESC, 0}));
  EXPECT_FALSE(keyTypesText(KeyChord{KEY_B, kGuiAlt}));
}
