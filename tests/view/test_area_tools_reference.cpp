// The area tools through the canvas at every position, the edges included,
// against a reference that is a plain grid of codes: a paste of blocks of
// several sizes at every cell, rectangles from every cell, a fill and a click
// at every cell. After each action the whole map must equal the reference.
#include <cstdlib>
#include <deque>

#include "view/tool_actions.h"
#include "view_fixture.h"

namespace {

int px(int c) { return c * 18 + 9; }
int py(int r) { return r * 20 + 10; }

struct Reference {
  unsigned char cells[kMapRows][kMapColumns];
};

Reference take(const LocalMap& map) {
  Reference ref;
  for (int r = 0; r < kMapRows; ++r)
    for (int c = 0; c < kMapColumns; ++c) ref.cells[r][c] = static_cast<unsigned char>(map.getTile(c, r));
  return ref;
}

// The first cell where map and reference differ, as "column, row", or "".
std::string firstDifference(const LocalMap& map, const Reference& ref) {
  for (int r = 0; r < kMapRows; ++r)
    for (int c = 0; c < kMapColumns; ++c)
      if (map.getTile(c, r) != ref.cells[r][c]) return std::to_string(c) + ", " + std::to_string(r);
  return "";
}

void randomTiles(LocalMap& map, int codes, unsigned seed) {
  srand(seed);
  for (int r = 0; r < kMapRows; ++r)
    for (int c = 0; c < kMapColumns; ++c) map.setTile(c, r, static_cast<unsigned char>(30 + rand() % codes));
}

// The 4-connected region of (c, r)'s code gets code, as a plain search does it.
void referenceFill(Reference& ref, int c, int r, unsigned char code) {
  const unsigned char from = ref.cells[r][c];
  if (from == code) return;
  std::deque<std::pair<int, int>> todo{{c, r}};
  ref.cells[r][c] = code;
  while (!todo.empty()) {
    auto [x, y] = todo.front();
    todo.pop_front();
    const int dx[] = {1, -1, 0, 0}, dy[] = {0, 0, 1, -1};
    for (int i = 0; i < 4; ++i) {
      const int nx = x + dx[i], ny = y + dy[i];
      if (nx < 0 || nx >= kMapColumns || ny < 0 || ny >= kMapRows || ref.cells[ny][nx] != from) continue;
      ref.cells[ny][nx] = code;
      todo.push_back({nx, ny});
    }
  }
}

}  // namespace

TEST_F(ViewTest, PasteAtEveryCellMatchesTheReference) {
  openSavedMap("ZANAB.MAP", Wilderness);
  ViewValues& s = *values;
  for (auto [w, h] : {std::pair{1, 1}, {3, 2}, {7, 5}, {48, 24}}) {
    randomTiles(s.openMap, 200, static_cast<unsigned>(w * 100 + h));
    chooseAreaTool(view, AreaTool::Select);
    while (escapeAreaTool(view)) {}  // a press inside the last selection would move it
    poll(px(0), py(0), 1);
    poll(px(w - 1), py(h - 1), 1);
    poll(px(w - 1), py(h - 1), 0);
    copyCells(view);
    const Reference block = take(s.openMap);
    for (int r = 0; r < kMapRows; ++r) {
      for (int c = 0; c < kMapColumns; ++c) {
        randomTiles(s.openMap, 3, static_cast<unsigned>(r * kMapColumns + c));
        Reference ref = take(s.openMap);
        for (int y = 0; y < h && r + y < kMapRows; ++y)
          for (int x = 0; x < w && c + x < kMapColumns; ++x) ref.cells[r + y][c + x] = block.cells[y][x];
        startPaste(view);
        poll(px(c), py(r), 0);
        poll(px(c), py(r), 1);
        poll(px(c), py(r), 0);
        ASSERT_EQ("", firstDifference(s.openMap, ref)) << w << " x " << h << " block at " << c << ", " << r;
      }
    }
  }
}

TEST_F(ViewTest, RectanglesFillsAndClicksAtEveryCellMatchTheReference) {
  openSavedMap("ZANAB.MAP", Wilderness);
  ViewValues& s = *values;
  s.selectedTile = 250;
  for (int r = 0; r < kMapRows; ++r) {
    for (int c = 0; c < kMapColumns; ++c) {
      // A rectangle from this cell to a corner of the map, the far corner changing with the cell.
      randomTiles(s.openMap, 3, static_cast<unsigned>(r * kMapColumns + c));
      Reference ref = take(s.openMap);
      const int c1 = (c + r) % 2 ? 0 : kMapColumns - 1, r1 = (c / 2 + r) % 2 ? 0 : kMapRows - 1;
      for (int y = std::min(r, r1); y <= std::max(r, r1); ++y)
        for (int x = std::min(c, c1); x <= std::max(c, c1); ++x) ref.cells[y][x] = 250;
      chooseAreaTool(view, AreaTool::Rectangle);
      poll(px(c), py(r), 1);
      poll(px(c1), py(r1), 1);
      poll(px(c1), py(r1), 0);
      ASSERT_EQ("", firstDifference(s.openMap, ref)) << "rectangle " << c << ", " << r << " to " << c1 << ", " << r1;

      referenceFill(ref, (c + 17) % kMapColumns, r, 251);
      s.selectedTile = 251;
      chooseAreaTool(view, AreaTool::Fill);
      poll(px((c + 17) % kMapColumns), py(r), 1);
      poll(px((c + 17) % kMapColumns), py(r), 0);
      ASSERT_EQ("", firstDifference(s.openMap, ref)) << "fill at " << (c + 17) % kMapColumns << ", " << r;

      ref.cells[r][c] = 252;
      s.selectedTile = 252;
      chooseAreaTool(view, AreaTool::Brush);
      poll(px(c), py(r), 1);
      poll(px(c), py(r), 0);
      ASSERT_EQ("", firstDifference(s.openMap, ref)) << "click at " << c << ", " << r;
      s.selectedTile = 250;
    }
  }
}
