// The file selector: masks without regard to case, the flags 16, 32, 1024
// and 16384 with their messages, typed relative and absolute paths, and an
// empty text on cancel. It is driven from the keyboard alone, as a user can.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "gui/gui_internal.h"
#include "gui/selector_paths.h"
#include "gui_test_support.h"
#include "support/temp_dir.h"

using gui::Kind;

namespace {

std::vector<std::string> g_messages;

// Rows the selector's list shows right now.
std::vector<std::string> listedRows() {
  std::vector<std::string> rows;
  std::vector<int> lists = topWidgets(static_cast<int>(Kind::ListBox));
  if (lists.empty()) return rows;
  gui::Widget* list = gui::findWidget(lists[0]);
  static char text[100000];
  for (int i = 0; i < *list->list.rowCount; ++i) {
    list->list.rowText(list->list.indexer(list->list.listData, i), text);
    rows.push_back(text);
  }
  return rows;
}

void typeText(const char* text) {
  for (const char* p = text; *p; ++p) pressKey(0, *p);
}

// Notes the text of an open requester and closes it with Enter.
void noteMessage() {
  std::vector<int> labels = topWidgets(static_cast<int>(Kind::Label));
  if (labels.size() == 1 && topWidgets(static_cast<int>(Kind::ListBox)).empty()) {
    g_messages.push_back(gui::findWidget(labels[0])->label);
    pressKey(KEY_ENTER, 13);
  }
}

struct Fixture {
  TempDir dir;
  Fixture() {
    writeFileBytes(dir.file("A.MAP"), "a");
    writeFileBytes(dir.file("b.map"), "b");
    writeFileBytes(dir.file("c.txt"), "c");
    mkdir(dir.file("sub").c_str(), 0755);
    writeFileBytes(dir.file("sub/D.MAP"), "d");
  }
  std::string editor(const std::string& name = "") const { return dir.editorPath(name); }
};

// Runs SelectFile with the steps running inside its loop.
std::string select(const char* masks, const std::string& start, int flags, std::vector<GuiStep> steps) {
  queueSteps(steps);
  return SelectFile(masks, start.c_str(), flags, "Open", "~Open");
}

}  // namespace

TEST(SelectorPaths, MasksAndTypedPaths) {
  EXPECT_TRUE(gui::matchesMask("*.map", "ZANAB.MAP"));
  EXPECT_TRUE(gui::matchesMask("*.MAP", "b.map"));
  EXPECT_FALSE(gui::matchesMask("*.map", "b.map.txt"));
  EXPECT_TRUE(gui::matchesMask("*.*", "README"));
  EXPECT_TRUE(gui::matchesMask("*.as;*.txt", "gen.AS"));
  EXPECT_TRUE(gui::matchesMask("ZAN??.MAP", "zanab.map"));
  EXPECT_FALSE(gui::matchesMask("ZAN??.MAP", "zanabc.map"));

  char out[1024];
  ASSERT_TRUE(gui::resolveTyped("C:\\games\\world", "ZANAB.MAP", out, sizeof out));
  EXPECT_STREQ("C:\\games\\world\\ZANAB.MAP", out);
  ASSERT_TRUE(gui::resolveTyped("C:\\games\\world", "..\\other\\.\\x.map", out, sizeof out));
  EXPECT_STREQ("C:\\games\\other\\x.map", out);
  ASSERT_TRUE(gui::resolveTyped("C:\\games", "..\\..\\..", out, sizeof out));
  EXPECT_STREQ("C:\\", out);
  ASSERT_TRUE(gui::resolveTyped("C:\\games", "/tmp/x.map", out, sizeof out));
  EXPECT_STREQ("C:\\tmp\\x.map", out);
  ASSERT_TRUE(gui::resolveTyped("C:\\games", "world/../ZANAB.MAP", out, sizeof out));
  EXPECT_STREQ("C:\\games\\ZANAB.MAP", out);
  ASSERT_TRUE(gui::resolveTyped("C:\\games", "d:\\maps\\", out, sizeof out));
  EXPECT_STREQ("D:\\maps", out);
  EXPECT_FALSE(gui::resolveTyped("C:\\games", "x.map", out, 8));
}

TEST(FileSelector, ListsMatchingFilesAndCancelsToEmptyText) {
  startHeadlessGui();
  Fixture f;
  std::vector<std::string> rows;
  std::string path = select("*.map", f.editor(), 1554, {{20, [&] {
    rows = listedRows();
    pressKey(KEY_ESC, 27);
  }}});
  EXPECT_EQ("", path);
  EXPECT_EQ((std::vector<std::string>{"..\\", "sub\\", "A.MAP", "b.map"}), rows);
  EXPECT_EQ(nullptr, gui::topWindow());
}

TEST(FileSelector, MustExistFlagAndTypedNames) {
  startHeadlessGui();
  Fixture f;
  g_messages.clear();
  std::string path = select("*.map", f.editor(), 1554, {
    {20, [] { typeText("missing.map"); pressKey(KEY_ENTER, 13); }},
    {30, noteMessage},
    // The name stays in the field after the message.
    {20, [] { for (int i = 0; i < 11; ++i) pressKey(KEY_BACKSPACE, 8); }},
    {20, [] { typeText("sub"); pressKey(KEY_ENTER, 13); }},  // a directory: opens it
    {20, [] { typeText("d.map"); pressKey(KEY_ENTER, 13); }},
  });
  EXPECT_EQ((std::vector<std::string>{"missing.map does not exist. Try again."}), g_messages);
  // The selector went into "sub" and returned the name as it is on disk.
  EXPECT_EQ(f.editor("sub") + "\\D.MAP", path);
}

TEST(FileSelector, DirectoryMode) {
  startHeadlessGui();
  Fixture f;
  g_messages.clear();
  std::vector<std::string> rows;
  std::string path = select("*.*", f.editor(), 1570, {
    {20, [&] { rows = listedRows(); typeText("c.txt"); pressKey(KEY_ENTER, 13); }},
    {30, noteMessage},
    {20, [] { for (int i = 0; i < 5; ++i) pressKey(KEY_BACKSPACE, 8); pressKey(KEY_ENTER, 13); }},
  });
  EXPECT_EQ((std::vector<std::string>{"..\\", "sub\\"}), rows);
  EXPECT_EQ((std::vector<std::string>{"c.txt is no directory"}), g_messages);
  EXPECT_EQ(f.editor(), path);  // the current directory, without a trailing "\"

  path = select("*.*", f.editor(), 1570, {{20, [] { typeText("sub"); pressKey(KEY_ENTER, 13); }}});
  EXPECT_EQ(f.editor("sub"), path);
}

TEST(FileSelector, SaveAsAcceptsNewNamesAndAbsolutePaths) {
  startHeadlessGui();
  Fixture f;
  std::string path = select("*.map", f.editor(), 17922, {{20, [] { typeText("new.map"); pressKey(KEY_ENTER, 13); }}});
  EXPECT_EQ(f.editor("new.map"), path);
  // Bit 4 asks before an existing file is chosen: Cancel keeps the selector open.
  g_messages.clear();
  path = select("*.map", f.editor(), 1024 + 4, {
    {20, [] { typeText("a.map"); pressKey(KEY_ENTER, 13); }},
    {30, [] { g_messages.push_back(gui::findWidget(topWidgets(static_cast<int>(Kind::Label))[0])->label); pressKey(KEY_C, 'c'); }},
    {30, [] { pressKey(KEY_ENTER, 13); }},
    {30, [] { pressKey(KEY_Y, 'y'); }},
  });
  EXPECT_EQ((std::vector<std::string>{"a.map does already exist, are you really sure?"}), g_messages);
  EXPECT_EQ(f.editor("A.MAP"), path);
  std::string host = f.dir.file("sub/D.MAP");
  path = select("*.map", "", 1554, {{20, [&] { typeText(host.c_str()); pressKey(KEY_ENTER, 13); }}});
  EXPECT_EQ(f.editor("sub") + "\\D.MAP", path);
}

TEST(FileSelector, KeepsTypedNameOnDirectoryChangeOnlyWithFlag16384) {
  startHeadlessGui();
  Fixture f;
  for (int flags : {17922, 1554}) {
    std::string nameAfter;
    std::vector<std::string> rows;
    select("*.map", f.editor(), flags, {
      // Type a name, go back to the list (Shift+Tab), open "sub" with Enter.
      {20, [] { typeText("xyz"); key_shifts = KB_SHIFT_FLAG; pressKey(KEY_TAB, 9); }},
      {20, [] { key_shifts = 0; pressKey(KEY_DOWN); pressKey(KEY_DOWN); pressKey(KEY_ENTER, 13); }},
      {20, [&] {
        rows = listedRows();
        gui::Widget* box = gui::findWidget(topWidgets(static_cast<int>(Kind::EditBox))[0]);
        nameAfter = box->edit.buffer;
        pressKey(KEY_ESC, 27);
      }},
    });
    EXPECT_EQ((std::vector<std::string>{"..\\", "D.MAP"}), rows) << flags;
    EXPECT_EQ(flags == 17922 ? "xyz" : "", nameAfter) << flags;
  }
}

TEST(FileSelector, DoubleClickOpensADirectory) {
  startHeadlessGui();
  Fixture f;
  std::vector<std::string> rows;
  int x = 0, y = 0;
  select("*.map", f.editor(), 1554, {
    {20, [&] {
      gui::Widget* list = gui::findWidget(topWidgets(static_cast<int>(Kind::ListBox))[0]);
      int w, h;
      gui::widgetScreenRect(*list, x, y, w, h);
      y += 2 + gui::kRowHeight + 8;  // the row of "sub"
      setMouse(x + 20, y, 1);
    }},
    {30, [&] { setMouse(x + 20, y, 0); }},
    {30, [&] { setMouse(x + 20, y, 1); }},
    {30, [&] { setMouse(x + 20, y, 0); }},
    {30, [&] { rows = listedRows(); pressKey(KEY_ESC, 27); }},
  });
  EXPECT_EQ((std::vector<std::string>{"..\\", "D.MAP"}), rows);
}

TEST(FileSelector, StartsWhereItWasUnlessFlag1024) {
  startHeadlessGui();
  Fixture f;
  std::string path = select("*.map", f.editor("sub"), 1554, {{20, [] { pressKey(KEY_ESC, 27); }}});
  EXPECT_EQ("", path);
  // Without 1024 it starts in the directory it remembers.
  path = select("*.map", f.editor(), 2 + 16, {{20, [] { typeText("D.MAP"); pressKey(KEY_ENTER, 13); }}});
  EXPECT_EQ(f.editor("sub") + "\\D.MAP", path);
  // With 1024 and a file as the start path: its directory, its name typed.
  path = select("*.map", f.editor("b.map"), 1554, {{20, [] { pressKey(KEY_ENTER, 13); }}});
  EXPECT_EQ(f.editor("b.map"), path);
  // With 1024 and an empty start path: the root of the drive.
  std::vector<std::string> rows;
  select("*.map", "", 1554, {{20, [&] { rows = listedRows(); pressKey(KEY_ESC, 27); }}});
  EXPECT_TRUE(std::find(rows.begin(), rows.end(), "tmp\\") != rows.end());
  EXPECT_TRUE(std::find(rows.begin(), rows.end(), "..\\") == rows.end());
}

namespace {

// The screen centre of a visible row of the selector's list.
void rowCentre(int row, int& x, int& y) {
  gui::Widget* list = gui::findWidget(topWidgets(static_cast<int>(Kind::ListBox))[0]);
  int w, h;
  gui::widgetScreenRect(*list, x, y, w, h);
  x += 30;
  y += 2 + row * gui::kRowHeight + gui::kRowHeight / 2;
}

// Steps that click a row of the list (press, release 30 ms later); twice
// 60 ms apart makes a double click.
void clickRow(std::vector<GuiStep>& steps, int row, int delayMs = 20) {
  steps.push_back({delayMs, [row] {
    int x, y;
    rowCentre(row, x, y);
    setMouse(x, y, 1);
  }});
  steps.push_back({30, [row] {
    int x, y;
    rowCentre(row, x, y);
    setMouse(x, y, 0);
  }});
}

void clickButton(std::vector<GuiStep>& steps, const char* label) {
  steps.push_back({20, [label] {
    for (int id : topWidgets(static_cast<int>(Kind::Button)))
      if (strcmp(gui::findWidget(id)->label, label) == 0) {
        int x, y;
        widgetCentre(id, x, y);
        setMouse(x, y, 1);
      }
  }});
  steps.push_back({30, [] { setMouse(mouse_x, mouse_y, 0); }});
}

// Rows: "..\", "a\", "b\", "z.txt" at the top; a\ holds "..\", "a2\";
// a\a2\ holds "..\", "a3\"; a\a2\a3\ holds "..\".
struct Tree {
  TempDir dir;
  Tree() {
    for (const char* d : {"a", "a/a2", "a/a2/a3", "b"}) mkdir(dir.file(d).c_str(), 0755);
    writeFileBytes(dir.file("z.txt"), "z");
  }
};

}  // namespace

TEST(FileSelector, DirectoryChooserIsWalkedByDoubleClickEnterAndClick) {
  startHeadlessGui();
  Tree t;
  // Double clicks open a\, a2\, a3\; with nothing selected the button
  // returns the directory shown.
  std::vector<GuiStep> steps;
  for (int level = 0; level < 3; ++level) {
    clickRow(steps, 1);
    clickRow(steps, 1);
  }
  clickButton(steps, "~Open");
  queueSteps(steps);
  EXPECT_EQ(t.dir.editorPath("a\\a2\\a3"), std::string(SelectFile("*.*", t.dir.editorPath("").c_str(), 1570, "", "~Open")));

  // Enter on rows opens them too, ".." included.
  queueSteps({{20, [] { key_shifts = KB_SHIFT_FLAG; pressKey(KEY_TAB, 9); }},
              {20, [] { key_shifts = 0; pressKey(KEY_DOWN); pressKey(KEY_DOWN); pressKey(KEY_ENTER_PAD, 13); }},
              {20, [] { pressKey(KEY_DOWN); pressKey(KEY_DOWN); pressKey(KEY_ENTER, 13); }},
              {20, [] { pressKey(KEY_DOWN); pressKey(KEY_DOWN); pressKey(KEY_ENTER, 13); }},
              {20, [] { pressKey(KEY_DOWN); pressKey(KEY_ENTER, 13); }},  // ".." back to a2
              {20, [] { pressKey(KEY_TAB, 9); pressKey(KEY_ENTER, 13); }}});
  EXPECT_EQ(t.dir.editorPath("a\\a2"), std::string(SelectFile("*.*", t.dir.editorPath("").c_str(), 1570, "", "~Open")));

  // A single click selects a directory; the button returns it.
  steps.clear();
  clickRow(steps, 2);
  clickButton(steps, "~Open");
  queueSteps(steps);
  EXPECT_EQ(t.dir.editorPath("b"), std::string(SelectFile("*.*", t.dir.editorPath("").c_str(), 1570, "", "~Open")));
}

TEST(FileSelector, OnlyTwoQuickClicksOnOneRowAreADoubleClick) {
  startHeadlessGui();
  Tree t;
  std::vector<std::string> rows;
  std::vector<GuiStep> steps;
  clickRow(steps, 0);  // ".."
  clickRow(steps, 3);  // "z.txt" 50 ms later: selected, not opened
  steps.push_back({30, [&] { rows = listedRows(); }});
  clickButton(steps, "~Cancel");
  queueSteps(steps);
  EXPECT_EQ("", std::string(SelectFile("*.*", t.dir.editorPath("").c_str(), 1554, "", "~Open")));
  EXPECT_EQ((std::vector<std::string>{"..\\", "a\\", "b\\", "z.txt"}), rows);
}

TEST(FileSelector, LettersInTheListFindRowsAndPressNoButton) {
  startHeadlessGui();
  Tree t;
  writeFileBytes(t.dir.file("castle.txt"), "c");
  writeFileBytes(t.dir.file("cave.txt"), "c");
  std::vector<int> seen;
  auto selectedRow = [&] { seen.push_back(gui::findWidget(topWidgets(static_cast<int>(Kind::ListBox))[0])->list.selected); };
  queueSteps({{20, [] { key_shifts = KB_SHIFT_FLAG; pressKey(KEY_TAB, 9); }},
              {20, [] { key_shifts = 0; pressKey(KEY_C, 'c'); }},  // "castle.txt", not "~Cancel"
              {20, selectedRow},
              {10, [] { pressKey(KEY_A, 'a'); pressKey(KEY_V, 'v'); }},  // "cav": "cave.txt"
              {20, selectedRow},
              {1100, [] { pressKey(KEY_Z, 'z'); }},  // after a pause: a new search
              {20, selectedRow},
              {10, [] { pressKey(KEY_O, 'o'); }},  // no row: still open, nothing pressed
              {20, selectedRow},
              {10, [] { pressKey(KEY_ENTER, 13); }}});
  std::string path = SelectFile("*.*", t.dir.editorPath("").c_str(), 1554, "", "~Open");
  // Rows: "..\", "a\", "b\", "castle.txt", "cave.txt", "z.txt".
  EXPECT_EQ((std::vector<int>{3, 4, 5, 5}), seen);
  EXPECT_EQ(t.dir.editorPath("z.txt"), path);
}

TEST(FileSelector, RelativeStartPathAndAPrefilledNameThatTypingReplaces) {
  startHeadlessGui();
  Tree t;
  char saved[1024];
  ASSERT_NE(nullptr, getcwd(saved, sizeof saved));
  ASSERT_EQ(0, chdir(t.dir.file("a").c_str()));
  std::vector<std::string> rows;
  queueSteps({{20, [&] { rows = listedRows(); typeText("new.txt"); pressKey(KEY_ENTER, 13); }}});
  std::string path = SelectFile("*.*", "a2/old.txt", 17922, "", "~Save");
  EXPECT_EQ(0, chdir(saved));
  EXPECT_EQ((std::vector<std::string>{"..\\", "a3\\"}), rows);
  EXPECT_EQ(t.dir.editorPath("a\\a2\\new.txt"), path);
}
