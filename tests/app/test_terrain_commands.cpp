// The terrain rules in the headless editor with the demo world's shore rules:
// Auto Terrain edges a stamp and every step of a stroke inside its undo step,
// as a whole pass over the changes would, and Apply Terrain Rules asks where
// with the counts of each choice and changes only what was chosen.
#include <algorithm>

#include "app/map_file.h"
#include "app/map_versions.h"
#include "app/terrain_commands.h"
#include "app/terrain_editing.h"
#include "app_fixture.h"
#include "data/block_transform.h"
#include "data/cell_line.h"
#include "data/terrain_rules.h"
#include "data/terrain_world.h"
#include "view/tool_actions.h"

namespace {

constexpr const char kShores[] =
    "class water = 208 97-103 105-109\n"
    "class land = not water\n"
    "class open = 208 97-100 103 105-108\n"
    "rule turn -> 105 / 106 / 108 / 107\nany land any\nland open water\nany water any\n"
    "rule turn -> 97 / 100 / 98 / 99\nany land any\nany open any\nany water any\n"
    "rule turn -> 103\nany land any\nany open any\nany any any\n"
    "rule -> 208\nany any any\nany open any\nany any any\n";

constexpr unsigned char kWater = 208, kLand = 'x';

using Cells = std::vector<int>;

Cells cellsOf(const LocalMap& map) {
  Cells cells;
  for (int r = 0; r < kMapRows; ++r)
    for (int c = 0; c < kMapColumns; ++c) cells.push_back(map.getTile(c, r));
  return cells;
}

// A land world map with open water in the given rectangle.
std::string landWithWater(const CellRect& water) {
  std::string text = mapText("WILDERNESS!", kMapRows, static_cast<char>(kLand));
  for (int r = water.top; r <= water.bottom; ++r)
    for (int c = water.left; c <= water.right; ++c) text[13 + r * 51 + 1 + c] = static_cast<char>(kWater);
  return text;
}

class TerrainEditorTest : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    writeFileBytes(dir.file(kTerrainRulesFileName), kShores);
  }
};

}  // namespace

// The whole pass a stroke's step stands for: every cell near a change since
// the stroke began, evaluated anew against the map as it is.
void modelPass(LocalMap& model, const Cells& baseline) {
  TerrainNeighbours around;
  readTerrainNeighbours(model.path, around);
  TerrainGrid grid;
  buildMapTerrainGrid(model, around, grid);
  std::vector<TerrainCellEdit> edits;
  terrainEditsForArea(editorTerrainRules(*editorState()), grid, {0, 0, kMapColumns - 1, kMapRows - 1}, edits);
  for (const TerrainCellEdit& e : edits) {
    bool near = false;
    for (int y = std::max(0, e.y - 1); y <= std::min(kMapRows - 1, e.y + 1); ++y)
      for (int x = std::max(0, e.x - 1); x <= std::min(kMapColumns - 1, e.x + 1); ++x)
        near = near || model.getTile(x, y) != baseline[y * kMapColumns + x];
    if (near) model.setTile(e.x, e.y, e.code);
  }
}

TEST_F(TerrainEditorTest, AutoTerrainEdgesPastesAndStrokesInTheirOwnUndoStep) {
  openMapFile(writeMap("ZANAB.MAP", landWithWater(kNoCells)).c_str(), *editor);
  writeMap("ZANAC.MAP", landWithWater(CellRect{0, 0, 0, 23}));  // water across the east seam
  installAutoTerrain(*editor);
  setAutoTerrain(*editor, true);
  const Cells before = cellsOf(editor->openMap);
  MapView& v = editor->mapView;
  v.tools.copied = TileBlock{};
  v.tools.copied.width = 3;
  v.tools.copied.height = 5;
  for (int i = 0; i < 15; ++i) v.tools.copied.cells[i] = kWater;
  v.tools.copied = transformedBlock(v.tools.copied, BlockTransform::TurnClockwise);  // 5 x 3
  startPaste(v);
  areaToolLeftButton(v, 10, 6, true, 1);
  areaToolLeftButton(v, 10, 6, false, 1);
  const int want[3][5] = {{105, 97, 97, 97, 106}, {99, 208, 208, 208, 100}, {107, 98, 98, 98, 108}};
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 5; ++c) EXPECT_EQ(want[r][c], editor->openMap.getTile(10 + c, 6 + r)) << c << "," << r;
  EXPECT_EQ(kLand, editor->openMap.getTile(9, 6));
  char why[64];
  terrainRuleText(*editor, 10, 6, why, sizeof why);  // what the position field says
  EXPECT_STREQ("rule at line 4", why);
  terrainRuleText(*editor, 9, 6, why, sizeof why);
  EXPECT_STREQ("no rule matched", why);
  ASSERT_TRUE(editor->document.undo());
  EXPECT_EQ(before, cellsOf(editor->openMap));

  // A version of the map comes back as it was kept, plain water edges and all.
  LocalMap kept;
  ASSERT_TRUE(kept.load(writeMap("KEPT.MAP", landWithWater(CellRect{20, 5, 24, 9})).c_str()));
  ASSERT_TRUE(showVersion(*editor, MapVersion{"", "", kept.path}));
  restoreShownVersion(*editor);
  EXPECT_EQ(cellsOf(kept), cellsOf(editor->openMap));
  ASSERT_TRUE(editor->document.undo());

  // Random strokes of water and land, each step's pass against the model's.
  v.tools.pasting = false;
  srand(29);
  for (int stroke = 0; stroke < 60; ++stroke) {
    const Cells start = cellsOf(editor->openMap);
    static LocalMap model;
    model.kind = Wilderness;
    snprintf(model.path, sizeof model.path, "%s", editor->openMap.path);
    for (int i = 0; i < kMapColumns * kMapRows; ++i) model.setTile(i % kMapColumns, i / kMapColumns, start[i]);
    editor->selectedTile = rand() % 2 ? kWater : kLand;
    Cell at{rand() % kMapColumns, rand() % kMapRows}, from = at;
    for (int step = rand() % 6; step >= 0; --step) {
      areaToolLeftButton(v, at.column, at.row, true, 100 + stroke);
      Cell line[kMaxLineCells];
      for (int i = lineCells(from.column, from.row, at.column, at.row, line) - 1; i >= 0; --i)
        model.setTile(line[i].column, line[i].row, static_cast<unsigned char>(editor->selectedTile));
      modelPass(model, start);
      ASSERT_EQ(cellsOf(model), cellsOf(editor->openMap)) << "stroke " << stroke << " step " << step;
      from = at;
      at = Cell{std::clamp(at.column + rand() % 7 - 3, 0, 47), std::clamp(at.row + rand() % 7 - 3, 0, 23)};
    }
    areaToolLeftButton(v, from.column, from.row, false, 100 + stroke);
    if (stroke % 10 != 0) continue;
    ASSERT_TRUE(editor->document.undo());
    ASSERT_EQ(start, cellsOf(editor->openMap));
    ASSERT_TRUE(editor->document.redo());
  }
}

TEST_F(TerrainEditorTest, ApplyTerrainRulesAsksWithTheCountsAndChangesWhatWasChosen) {
  const std::string own = landWithWater(CellRect{10, 5, 14, 8});  // 14 edge cells of 20 change
  std::string east = landWithWater(CellRect{20, 10, 20, 10});     // one cell: a channel
  openMapFile(writeMap("ZANAA.MAP", own).c_str(), *editor);
  writeMap("ZANAB.MAP", east);
  const Cells before = cellsOf(editor->openMap);
  editor->mapView.tools.selection = CellRect{10, 5, 11, 8};  // column 10 whole, column 11's two ends
  const char* question =
      "The terrain rules change 6 cells of the selection, 14 cells of this map, 15 cells in 2 of the 2 world maps. "
      "Apply them where?";

  dialogs.answers = {3};  // Cancel
  applyTerrainRulesCommand(editor);
  ASSERT_EQ(1u, dialogs.texts.size());
  EXPECT_EQ(question, dialogs.texts[0]);
  EXPECT_EQ("~Selection|This ~Map|All ~World Maps|~Cancel", dialogs.buttons[0]);
  EXPECT_EQ(before, cellsOf(editor->openMap));
  EXPECT_FALSE(editor->document.modified());

  dialogs.answers = {0};  // Selection
  applyTerrainRulesCommand(editor);
  EXPECT_EQ(question, dialogs.texts[1]);
  EXPECT_EQ(105, editor->openMap.getTile(10, 5));
  EXPECT_EQ(97, editor->openMap.getTile(11, 5));
  EXPECT_EQ(kWater, editor->openMap.getTile(12, 5));  // beyond the selection
  EXPECT_STREQ("The terrain rules changed 6 cells of the selection.", editor->mapView.tools.note);
  ASSERT_TRUE(editor->document.undo());
  EXPECT_EQ(before, cellsOf(editor->openMap));

  dialogs.answers = {1};  // This Map
  applyTerrainRulesCommand(editor);
  EXPECT_EQ(106, editor->openMap.getTile(14, 5));
  EXPECT_EQ(kWater, editor->openMap.getTile(12, 6));
  EXPECT_STREQ("The terrain rules changed 14 cells of this map.", editor->mapView.tools.note);
  const Cells applied = cellsOf(editor->openMap);
  ASSERT_TRUE(editor->document.undo());
  EXPECT_EQ(before, cellsOf(editor->openMap));
  EXPECT_EQ(own, read("ZANAA.MAP"));

  editor->mapView.tools.selection = kNoCells;
  dialogs.answers = {1};  // All World Maps, now the second button
  applyTerrainRulesCommand(editor);
  EXPECT_EQ("This ~Map|All ~World Maps|~Cancel", dialogs.buttons[3]);
  EXPECT_STREQ("The terrain rules changed 15 cells in 2 world maps.", editor->mapView.tools.note);
  east[13 + 10 * 51 + 1 + 20] = 103;
  EXPECT_EQ(east, read("ZANAB.MAP"));
  EXPECT_EQ(applied, cellsOf(editor->openMap));  // read again from its rewritten file
  EXPECT_FALSE(editor->document.modified());
}
