// View > World Map and Local Map, Tools > Set ZAN Directory, and the status
// field texts that follow the open map and the mode.
#include <gtest/gtest.h>
#include <unistd.h>

#include "app/commands.h"
#include "app/map_edits.h"
#include "app/map_file.h"
#include "app/shortcuts.h"
#include "view/map_canvas.h"
#include "view/map_drawing.h"
#include "app/status_texts.h"
#include "app/terrain_editing.h"
#include "app_fixture.h"

namespace {

unsigned char worldCell(const EditorState& e, int x, int y) {
  return e.worldBuffer.cells[y * kWorldColumns + x];
}

std::string textOf(void (*text)(void*, char*), EditorState* editor) {
  char buffer[kStatusTextSize];
  text(editor, buffer);
  return buffer;
}

}  // namespace

TEST_F(AppTest, WorldMapLoadsOnceUntilLocalMapAndOpenReturnsToTheMap) {
  const std::string path = writeMap("ZANAB.MAP", mapText("WILDERNESS!", 24, 'w'));
  openMapFile(path.c_str(), *editor);
  worldMapCommand(editor);
  EXPECT_EQ(editor->canvasMode, WorldView);
  EXPECT_EQ(editor->progressWindow, -1);
  EXPECT_EQ(worldCell(*editor, 0, 24), 'w');  // square (0, 1)
  EXPECT_EQ(worldCell(*editor, 48, 24), 0);

  editor->worldBuffer.cells[24 * kWorldColumns] = 'k';
  worldMapCommand(editor);  // already shown: nothing happens
  EXPECT_EQ(worldCell(*editor, 0, 24), 'k');
  localMapCommand(editor);
  EXPECT_EQ(editor->canvasMode, LocalEdit);
  worldMapCommand(editor);  // read again from the files
  EXPECT_EQ(worldCell(*editor, 0, 24), 'w');

  dialogs.paths = {path};
  openCommand(editor);
  EXPECT_EQ(editor->canvasMode, LocalEdit);
  EXPECT_TRUE(dialogs.texts.empty());
}

// With no map open the world is the game directory's, and a click on it opens the map there.
TEST_F(AppTest, WorldMapWithNoMapOpenShowsTheGameDirectoryAndSaysWhenNoneIsFound) {
  writeMap("ZANTA.MAP", mapText("WILDERNESS!", 24, 't'));
  writeMap("ZANLM.MAP", "not a map\r\n");
  worldMapCommand(editor);
  EXPECT_EQ(worldCell(*editor, 959, 0), 't');
  BITMAP* canvas = create_bitmap(kMapCanvasWidth, kMapCanvasHeight);
  handleMapEvent(editor->mapView, canvas, 500, 300, GuiMouse{505, 350, 0, 1, 0});  // square L, M
  destroy_bitmap(canvas);
  ASSERT_EQ(dialogs.texts.size(), 1u);
  EXPECT_EQ(dialogs.texts[0], "The map " + dir.editorPath("ZANLM.MAP") + " could not be read: its first line names no map kind.");
  remove(dir.file("ZANTA.MAP").c_str());
  remove(dir.file("ZANLM.MAP").c_str());
  worldMapCommand(editor);  // still the game directory's world, now without maps
  ASSERT_EQ(dialogs.texts.size(), 2u);
  EXPECT_EQ(dialogs.texts[1], "No world maps were found: DOLA looked for ZANAA.MAP to ZANTT.MAP in " + dir.editorPath() + ".");
}

// After a switch of view the position field says nothing until the pointer
// is over the map; Escape leaves the one-shot modes and nothing else.
TEST_F(AppTest, SwitchesLeaveNoStaleState) {
  openMapFile(writeMap("ZANAB.MAP", mapText("WILDERNESS!", 24, 'w')).c_str(), *editor);
  editor->cursorX = editor->cursorY = 5;
  worldMapCommand(editor);
  EXPECT_EQ(textOf(positionText, editor), "");
  const GuiKey escape{KEY_ESC, 27, 0, false, 0};
  for (int mode : {WorldView, PickTeleportCell, PlaceObject}) {
    editor->canvasMode = mode;
    runShortcut(escape, editor);
    EXPECT_EQ(editor->canvasMode, mode == WorldView ? WorldView : LocalEdit);
  }
}

TEST_F(AppTest, SetZanDirectoryKeepsTheValueWhenCancelled) {
  dialogs.paths = {"", "C:\\games\\zan"};
  setZanDirectoryCommand(editor);
  EXPECT_EQ(std::string(editor->settings.getString("", "ZANDirectory")), dir.editorPath());
  setZanDirectoryCommand(editor);
  EXPECT_STREQ(editor->settings.getString("", "ZANDirectory"), "C:\\games\\zan");
  const FileChoice& choice = dialogs.choices[0];
  EXPECT_EQ(choice.masks + "|" + choice.startPath + "|" + choice.title + "|" + choice.button,
            "*.*||Select ZAN Directory|Select");
  EXPECT_EQ(choice.flags, 1570);
}

TEST_F(AppTest, StatusTextsFollowTheMapAndTheMode) {
  EXPECT_EQ(textOf(statusText, editor), "Load a map to continue");
  EXPECT_EQ(textOf(selectedTileText, editor), "250");
  editor->mapTile = -3;
  EXPECT_EQ(textOf(mapTileText, editor), "-3");
  openMapFile(writeMap("BAD.MAP", "NOTHING\r\n").c_str(), *editor);
  EXPECT_EQ(textOf(statusText, editor), "Invalid map file");
  const std::string path = writeMap("OAKVALE.MAP", mapText("LOCAL!~EXIT~", 23, 'a'));
  openMapFile(path.c_str(), *editor);
  EXPECT_EQ(textOf(statusText, editor), path);

  editor->cursorX = 48;
  editor->cursorY = 24;
  EXPECT_EQ(textOf(positionText, editor), "48, 24");
  editor->canvasMode = WorldView;
  editor->cursorX = 100;
  editor->cursorY = 30;
  EXPECT_EQ(textOf(positionText, editor), "ZANCB");
  editor->canvasMode = PickTeleportCell;
  EXPECT_EQ(textOf(positionText, editor), "");
  editor->canvasMode = PlaceObject;
  EXPECT_EQ(textOf(positionText, editor), "");

  // The unsaved-changes mark follows the history; one-shot modes say what they wait for.
  EXPECT_EQ(textOf(statusText, editor), path + "   New placement: click its cell, Escape cancels");
  escapeCommand(editor);
  EXPECT_EQ(textOf(statusText, editor), path);
  editor->document.edit([&] { editor->openMap.setTile(0, 0, 7); });
  EXPECT_EQ(textOf(statusText, editor), "*" + path);
  editor->canvasMode = PickTeleportCell;
  EXPECT_EQ(textOf(statusText, editor), "*" + path + "   New teleport: click its cell, Escape cancels");
  escapeCommand(editor);
  copyCommand(editor);
  pasteCommand(editor);
  EXPECT_EQ(textOf(statusText, editor), "*" + path + "   Paste: click to stamp, X/Y/Z flip or turn, Escape ends");
  escapeCommand(editor);
  undoCommand(editor);
  EXPECT_EQ(textOf(statusText, editor), path);
}

// The position field names the terrain rule of the pointed cell as the map
// is now: after each edit, and after the edit is taken back.
TEST_F(AppTest, PositionFieldRuleFollowsEveryEdit) {
  writeFileBytes(dir.file("terrain.rules"), "rule -> 9\nany any any\nany 5 any\nany any any\n");
  ASSERT_TRUE(reloadTerrainRules(*editor));  // the field looks at the file's stamp once a second
  openMapFile(writeMap("ZANAB.MAP", mapText("WILDERNESS!", 24, 'w')).c_str(), *editor);
  editor->cursorX = 4;
  editor->cursorY = 6;
  EXPECT_EQ(textOf(positionText, editor), "4, 6   no rule matched");
  for (unsigned char code : {5, 119, 5}) {
    editor->document.edit([&] { editor->openMap.setTile(3, 5, code); });
    EXPECT_EQ(textOf(positionText, editor), code == 5 ? "4, 6   rule at line 1 gives 9" : "4, 6   no rule matched");
  }
  editor->document.undo();
  EXPECT_EQ(textOf(positionText, editor), "4, 6   no rule matched");
  editor->cursorX = 5;
  EXPECT_EQ(textOf(positionText, editor), "5, 6   no rule matched");
}
