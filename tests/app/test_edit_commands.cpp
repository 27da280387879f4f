// Edit menu commands: Replace Tile's question with both counts, on this map
// and over the world maps (the open one read again), and the tool keys'
// scope by focus and pointer.
#include <gtest/gtest.h>

#include <allegro.h>

#include "app/commands.h"
#include "app/map_file.h"
#include "app/shortcuts.h"
#include "app_fixture.h"
#include "data/map_area.h"
#include "gui/gui_internal.h"
#include "view/selection_edits.h"
#include "view/tool_actions.h"

TEST_F(AppTest, ReplaceTileAsksWithBothCountsAndReplacesOnTheMapOrInTheWorld) {
  writeMap("ZANAA.MAP", mapText("WILDERNESS!", 24, 'x'));
  writeMap("ZANAC.MAP", mapText("LOCAL!~EXIT~", 23, 'w'));
  const std::string path = writeMap("ZANAB.MAP", mapText("WILDERNESS!", 24, 'w'));
  const std::string data = std::string(kPlacementTableSize, '\0') + "tail";
  writeFileBytes(dir.file("ZANAB.DAT"), data);
  openMapFile(path.c_str(), *editor);
  edit([&] {
    editor->openMap.setTile(0, 0, 'z');
    editor->mapData.placement(7)->inUse = 1;
  });
  editor->mapTile = 'w';
  editor->selectedTile = 'k';
  dialogs.answers = {0};  // This Map
  replaceTileCommand(editor);
  ASSERT_EQ(dialogs.texts.size(), 1u);
  EXPECT_EQ(dialogs.texts[0],
            "Replace tile 119 with tile 107 in 1,151 cells of this map, or in 2,256 cells of 2 world maps?");
  EXPECT_EQ(dialogs.buttons[0], "This ~Map|All ~World Maps|~Cancel");
  EXPECT_EQ(countTile(editor->openMap, 'k'), 1151);
  EXPECT_EQ(read("ZANAB.MAP"), mapText("WILDERNESS!", 24, 'w'));

  dialogs.answers = {1, 1};  // All World Maps, then Discard the open map's changes, placements too
  replaceTileCommand(editor);
  ASSERT_EQ(dialogs.texts.size(), 3u);
  EXPECT_EQ(dialogs.texts[1], "Replace tile 119 with tile 107 in 0 cells of this map, or in 2,256 cells of 2 world maps?");
  EXPECT_STREQ(editor->mapView.tools.note, "Replaced tile 119 with tile 107 in 2,256 cells of 2 world maps.");
  EXPECT_EQ(read("ZANAC.MAP"), mapText("LOCAL!~EXIT~", 23, 'k'));
  EXPECT_EQ(read("ZANAA.MAP"), mapText("WILDERNESS!", 24, 'x'));
  EXPECT_EQ(countTile(editor->openMap, 'k'), 1152);  // read again: the 'z' was discarded
  EXPECT_FALSE(editor->document.modified());
  EXPECT_EQ(0, editor->mapData.placement(7)->inUse);
  saveCommand(editor);  // writes nothing that was discarded
  EXPECT_EQ(data, read("ZANAB.DAT"));

  editor->selectedTile = 13;  // no map file can hold it: refused with the reason
  replaceTileCommand(editor);
  EXPECT_EQ(dialogs.texts.size(), 3u);
  EXPECT_NE(std::string(editor->mapView.tools.note).find("no map file can hold it"), std::string::npos);
}

TEST_F(AppTest, ToolLettersWaitForTextFocusUnlessThePointerIsOverTheMapOrPalette) {
  const AreaToolState& tools = editor->mapView.tools;
  EXPECT_FALSE(runShortcut(GuiKey{KEY_R, 'r', 0, true, 0}, editor));
  EXPECT_EQ(tools.tool, AreaTool::Brush);
  EXPECT_TRUE(runShortcut(GuiKey{KEY_R, 'r', 0, true, editor->mapCanvas}, editor));
  EXPECT_EQ(tools.tool, AreaTool::Rectangle);
  EXPECT_TRUE(runShortcut(GuiKey{KEY_F, 'f', 0, true, editor->paletteCanvas}, editor));
  EXPECT_FALSE(runShortcut(GuiKey{KEY_L, 'L', kGuiShift, false, 0}, editor));
  EXPECT_TRUE(runShortcut(GuiKey{KEY_S, 's', 0, false, 0}, editor));
  EXPECT_EQ(tools.tool, AreaTool::Select);
  EXPECT_TRUE(runShortcut(GuiKey{KEY_V, 22, kGuiCtrl, true, 0}, editor));  // nothing copied: a note
  EXPECT_FALSE(tools.pasting);
  EXPECT_TRUE(runShortcut(GuiKey{KEY_C, 3, kGuiCtrl, true, 0}, editor));
  EXPECT_TRUE(runShortcut(GuiKey{KEY_V, 22, kGuiCtrl, true, 0}, editor));
  EXPECT_TRUE(tools.pasting);
  EXPECT_TRUE(runShortcut(GuiKey{KEY_ESC, 27, 0, true, 0}, editor));
  EXPECT_FALSE(tools.pasting);
  brushCommand(editor);
}

// What the map canvas shows on the screen (at (5, 50), 864 x 480 pixels).
static std::string canvasOnScreen() {
  std::string pixels;
  for (int y = 50; y < 530; ++y)
    pixels.append(reinterpret_cast<const char*>(gui::state().display->line[y]) + 5 * 2, 864 * 2);
  return pixels;
}

TEST_F(AppTest, SelectAllAndFlipsShowOnTheCanvasAtOnce) {
  openMapFile(writeMap("ZANAB.MAP", mapText("WILDERNESS!", 24, 'w')).c_str(), *editor);
  MapView& v = editor->mapView;
  std::string shown = canvasOnScreen();
  selectWholeMap(v);
  EXPECT_NE(shown, canvasOnScreen()) << "Ctrl+A";
  v.tools.pointer = Cell{10, 8};
  v.tools.pointerOnMap = true;
  copyCells(v);  // the whole map: 48 x 24, turned 24 x 48
  startPaste(v);
  shown = canvasOnScreen();
  transformHeldBlock(v, BlockTransform::TurnClockwise);
  EXPECT_NE(shown, canvasOnScreen()) << "Z";
}
