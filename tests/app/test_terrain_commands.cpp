// The terrain rules in the headless editor with the demo world's shore rules:
// Auto Terrain edges a stamp inside its undo step, and Apply Terrain Rules
// asks where with the counts of each choice and changes only what was chosen.
#include "app/map_file.h"
#include "app/terrain_commands.h"
#include "app/terrain_editing.h"
#include "app_fixture.h"
#include "data/block_transform.h"
#include "data/terrain_rules.h"
#include "view/selection_edits.h"
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
  void TearDown() override {
    setAutoTerrain(false);  // the rules' state lives for the program's run
    AppTest::TearDown();
  }
};

}  // namespace

TEST_F(TerrainEditorTest, AutoTerrainEdgesAPastedTurnedBlockAndADeletedSelectionInTheSameStep) {
  openMapFile(writeMap("ZANAB.MAP", landWithWater(kNoCells)).c_str(), *editor);
  installAutoTerrain(*editor);
  setAutoTerrain(true);
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
  const Cells pasted = cellsOf(editor->openMap);
  ASSERT_TRUE(editor->document.undo());
  EXPECT_EQ(before, cellsOf(editor->openMap));
  ASSERT_TRUE(editor->document.redo());
  EXPECT_EQ(pasted, cellsOf(editor->openMap));

  // Land deleted into the lake's west side: the cells beside it become shore.
  v.tools.pasting = false;
  v.tools.selection = CellRect{10, 6, 10, 8};
  editor->selectedTile = kLand;
  deleteCells(v);
  EXPECT_EQ(105, editor->openMap.getTile(11, 6));
  EXPECT_EQ(99, editor->openMap.getTile(11, 7));
  ASSERT_TRUE(editor->document.undo());
  EXPECT_EQ(pasted, cellsOf(editor->openMap));
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
