// List boxes: rows read through the count pointer, the indexer and the row
// text callback, never at or past the count; selection by click and keys,
// the Delete key callback, and image tags at the start of a row text.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "gui/gui_internal.h"
#include "gui_test_support.h"

namespace {

struct Rows {
  int index[50];
  int count = 0;
  int maxAsked = -1;
  int texts = 0;
  std::vector<std::pair<int, int>> selected, deleted;
  std::string text[50];
};
Rows g_rows;

void* indexRow(void* listData, int row) {
  if (row > g_rows.maxAsked) g_rows.maxAsked = row;
  EXPECT_LT(row, g_rows.count) << "a row at or past the count was asked for";
  return static_cast<int*>(listData) + row;
}
void rowText(void* rowData, char* buffer) {
  ++g_rows.texts;
  int row = *static_cast<int*>(rowData);
  snprintf(buffer, 100000, "%s", g_rows.text[row].empty() ? "row" : g_rows.text[row].c_str());
}
void onSelect(int id, void* rowData) { g_rows.selected.push_back({id, *static_cast<int*>(rowData)}); }
void onDelete(int id, void* rowData) { g_rows.deleted.push_back({id, *static_cast<int*>(rowData)}); }

int makeList(int visibleRows) {
  g_rows = Rows();
  for (int i = 0; i < 50; ++i) g_rows.index[i] = i;
  CreateWindow(1, AUTO, "DOLA", 4);
  int list = AddListBox(2, 2, g_rows.index, &g_rows.count, 120, 1, rowText, nullptr, visibleRows);
  SetListIndexer(list, indexRow);
  SetListSelectCallback(list, onSelect);
  SetListDeleteCallback(list, onDelete);
  ShowWindow();
  return list;
}

// Screen y of the middle of a visible row of the list at client (2, 2).
int rowY(int visibleRow) { return 25 + 2 + 2 + visibleRow * gui::kRowHeight + 8; }

}  // namespace

TEST(ListBox, RowsAtOrPastTheCountAreNeverAsked) {
  startHeadlessGui();
  EXPECT_EQ(0, AddListBox(2, 2, nullptr, nullptr, 120, 1, rowText, nullptr, 5));  // no window
  CreateWindow(1, AUTO, "DOLA", 4);
  EXPECT_EQ(0, AddListBox(2, 2, nullptr, nullptr, 120, 1, rowText, nullptr, 0));
  CloseTopWindow();

  int list = makeList(10);
  EXPECT_EQ(-1, g_rows.maxAsked);  // count 0: nothing asked
  g_rows.count = 4;
  Refresh(list);
  EXPECT_EQ(3, g_rows.maxAsked);
  EXPECT_EQ(4, g_rows.texts);
  g_rows.count = 2;
  g_rows.maxAsked = -1;
  g_rows.texts = 0;
  Refresh(list);
  EXPECT_EQ(1, g_rows.maxAsked);
  EXPECT_EQ(2, g_rows.texts);
  // The rows that went away are no longer drawn.
  int text = colorOf(24, 26, 30);
  int rowsTop = 25 + 2 + 2;
  EXPECT_GT(countColor(5, rowsTop, 100, rowsTop + 2 * gui::kRowHeight - 1, text), 0);
  EXPECT_EQ(0, countColor(5, rowsTop + 2 * gui::kRowHeight, 100, rowsTop + 4 * gui::kRowHeight, text));
  g_rows.count = 40;
  g_rows.texts = 0;
  Refresh(list);
  EXPECT_EQ(10, g_rows.texts);  // only the rows in view
}

TEST(ListBox, ClickKeysAndDelete) {
  startHeadlessGui();
  int list = makeList(5);
  g_rows.count = 8;
  Refresh(list);
  std::vector<GuiStep> steps;
  addClick(steps, 30, rowY(2));
  steps.push_back({10, [] { pressKey(KEY_DOWN); }});
  steps.push_back({10, [] { pressKey(KEY_DEL); }});
  addClick(steps, 30, rowY(4) + 3 * gui::kRowHeight);  // below the list: nothing
  steps.push_back({10, [] { pressKey(KEY_END); }});
  runSteps(steps);
  EXPECT_EQ((std::vector<std::pair<int, int>>{{2, 2}, {3, 3}, {7, 7}}), g_rows.selected);
  EXPECT_EQ((std::vector<std::pair<int, int>>{{3, 3}}), g_rows.deleted);
  // The view followed the selection to the last row.
  EXPECT_EQ(3, gui::findWidget(list)->list.top);

  // The count shrinks under the selection: Delete asks for no row.
  g_rows.count = 2;
  Refresh(list);
  runSteps({{10, [] { pressKey(KEY_DEL); }}});
  EXPECT_EQ(1u, g_rows.deleted.size());
}

TEST(ListBox, ImageTags) {
  startHeadlessGui();
  BITMAP* icon = create_bitmap_ex(16, 18, 20);
  int green = colorOf(0, 200, 0);
  clear_to_color(icon, green);
  RegisterImage(icon, "42", 1, 0);
  int list = makeList(6);
  g_rows.text[0] = "#42;Chest";
  g_rows.text[1] = "##42";
  g_rows.text[2] = "#   42;Blanks";
  g_rows.text[3] = "#43;Unknown";
  g_rows.text[4] = "No tag";
  g_rows.count = 5;
  Refresh(list);
  auto greenInRow = [&](int row) {
    int top = 25 + 2 + 2 + row * gui::kRowHeight;
    return countColor(5, top, 5 + 120, top + gui::kRowHeight - 1, green);
  };
  auto textStart = [&](int row) {
    int top = 25 + 2 + 2 + row * gui::kRowHeight;
    int text = colorOf(24, 26, 30);
    for (int x = 5; x < 125; ++x)
      for (int y = top; y < top + gui::kRowHeight; ++y)
        if (screenPixel(x, y) == text) return x;
    return -1;
  };
  EXPECT_EQ(18 * 20, greenInRow(0));  // the 18 x 20 icon shows whole
  EXPECT_EQ(0, greenInRow(1));
  EXPECT_EQ(18 * 20, greenInRow(2));
  EXPECT_EQ(0, greenInRow(3));
  // The text follows the icon; without an image it starts at the left.
  EXPECT_GT(textStart(0), textStart(3) + 17);
  EXPECT_EQ(textStart(3), textStart(4));
  EXPECT_EQ(textStart(1), textStart(4));
  RegisterImage(nullptr, "42", 1, 0);
  destroy_bitmap(icon);
}

TEST(ListBox, SetListSelectionSelectsScrollsAndClears) {
  startHeadlessGui();
  int list = makeList(5);
  g_rows.count = 20;
  Refresh(list);
  int highlight = colorOf(52, 110, 178);
  int rowsTop = 25 + 2 + 2;
  int rowsBottom = rowsTop + 5 * gui::kRowHeight - 1;
  SetListSelection(list, 12);
  EXPECT_EQ(12, gui::findWidget(list)->list.selected);
  EXPECT_EQ(8, gui::findWidget(list)->list.top);  // in view, at the bottom
  EXPECT_GT(countColor(5, rowsTop, 100, rowsBottom, highlight), 0);
  SetListSelection(list, -1);
  EXPECT_EQ(-1, gui::findWidget(list)->list.selected);
  EXPECT_EQ(0, countColor(5, rowsTop, 100, rowsBottom, highlight));
  ScrollListToTop(list);
  EXPECT_EQ(0, gui::findWidget(list)->list.top);
  SetListSelection(list, 20);  // past the count: nothing selected
  EXPECT_EQ(-1, gui::findWidget(list)->list.selected);
  EXPECT_TRUE(g_rows.selected.empty());  // the select callback is the user's
  // The count drops below the view: the list scrolls back by itself.
  g_rows.count = 3;
  Refresh(list);
  EXPECT_EQ(0, gui::findWidget(list)->list.top);
}

// The editor's rows in a 120-pixel list: short ones whole, long ones end in "...".
TEST(ListBox, TooLongRowsEndInAnEllipsis) {
  startHeadlessGui();
  BITMAP* icon = create_bitmap_ex(16, 18, 20);
  clear_to_color(icon, colorOf(0, 200, 0));
  RegisterImage(icon, "42", 1, 0);
  int list = makeList(3);
  g_rows.text[0] = "#42;(10,5) 3 Chest";
  g_rows.text[1] = "#42;(12,7) 14 Barrel of apples and pears";
  g_rows.count = 2;
  Refresh(list);
  int text = colorOf(24, 26, 30);
  int rowsRight = 5 + 120 - 3 - gui::kScrollBarWidth;
  // The rightmost text column of a row, and whether it ends in three dots.
  auto lastColumn = [&](int row) {
    int top = 25 + 2 + 2 + row * gui::kRowHeight;
    for (int x = rowsRight; x > 5; --x)
      if (countColor(x, top, x, top + gui::kRowHeight - 1, text) > 0) return x;
    return -1;
  };
  auto endsInDots = [&](int row) {
    int top = 25 + 2 + 2 + row * gui::kRowHeight, x = lastColumn(row);
    for (int i = 0; i < 5; ++i)
      if (countColor(x - i, top, x - i, top + gui::kRowHeight - 1, text) != (i % 2 == 0 ? 1 : 0)) return false;
    return true;
  };
  EXPECT_FALSE(endsInDots(0));
  EXPECT_LT(lastColumn(0), rowsRight - 10);  // "Chest" whole, room to spare
  EXPECT_TRUE(endsInDots(1));
  EXPECT_LE(lastColumn(1), rowsRight);
  RegisterImage(nullptr, "42", 1, 0);
  destroy_bitmap(icon);
}
