// Script > Generate World Map, Generate Local Map and Place Feature in the
// editor: the script selector, the unsaved changes the world would overwrite,
// the open map's changed mark and the mouse recorded as the last step.
#include <allegro.h>
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstring>
#include <filesystem>

#include "app/commands.h"
#include "app/map_edits.h"
#include "app/script_folder_menu.h"
#include "gui/gui.h"
#include "script/script_header.h"
#include "app/editor_script_user.h"
#include "app/map_file.h"
#include "app_fixture.h"
#include "platform/backup_store.h"
#include "script/script_host.h"
#include "support/clicker.h"

namespace {

class ScriptMenuTest : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    ASSERT_TRUE(startScriptHost(&editor->scriptEngine, &editor->worldBuffer, &editor->scriptUser));
  }
  void TearDown() override {
    stopScriptHost(&editor->scriptEngine);
    mouse_x = mouse_y = mouse_b = 0;  // no button left held for the next test's canvases
    AppTest::TearDown();
  }
  std::string script(const std::string& source) {
    writeFileBytes(dir.file("s.as"), source);
    return dir.editorPath("s.as");
  }
  void expectMouseRecorded(int x, int y, int buttons) {
    EXPECT_EQ(x, editor->lastMouseX);
    EXPECT_EQ(y, editor->lastMouseY);
    EXPECT_EQ(buttons, editor->lastMouseButtons);
  }
};

void setMouse(int x, int y, int buttons) {
  mouse_x = x;
  mouse_y = y;
  mouse_b = buttons;
}

}  // namespace

// The open world map's unsaved changes are settled before its file can be
// replaced: Cancel keeps everything, Discard lets the world in, and the map
// then matches its new file.
TEST_F(ScriptMenuTest, WorldGenerationSettlesTheOpenMapsChangesFirst) {
  const std::string path = writeMap("ZANAB.MAP", mapText("INTERIOR!", 23, 'a'));
  writeFileBytes(dir.file("ZANAB.DAT"), std::string(kPlacementTableSize, '\0'));
  openMapFile(path.c_str(), *editor);
  edit([&] {
    editor->openMap.setTile(0, 0, 'z');
    editor->mapData.placement(3)->inUse = 1;
  });
  const std::string source = script("void main() { settile(1, 25, 66); }\n");
  setMouse(300, 200, 1);

  dialogs.answers = {2};  // Cancel
  generateWorldMap(editor);
  EXPECT_TRUE(dialogs.choices.empty());
  EXPECT_EQ('z', editor->openMap.getTile(0, 0));
  expectMouseRecorded(300, 200, 1);

  dialogs.answers = {1, 0};  // Discard, then Replace
  dialogs.paths = {source};
  generateWorldMap(editor);
  ASSERT_EQ(1u, dialogs.choices.size());
  const FileChoice& choice = dialogs.choices[0];
  EXPECT_EQ("*.as||Select script|Select", choice.masks + "|" + choice.startPath + "|" + choice.title + "|" +
                                              choice.button);
  EXPECT_EQ(1554, choice.flags);
  ASSERT_EQ(4u, dialogs.texts.size());
  EXPECT_EQ("Replace the 1 existing world maps in " + dir.editorPath() + "?", dialogs.texts[2]);
  EXPECT_EQ(0u, dialogs.texts[3].find("Generate World Map wrote 400 files. 400 maps changed;"));
  EXPECT_EQ("~Replace|~Cancel", dialogs.buttons[2]);
  EXPECT_FALSE(editor->document.modified());  // the discarded placement went with the tiles
  EXPECT_EQ(0, editor->mapData.placement(3)->inUse);
  EXPECT_EQ(Wilderness, editor->openMap.kind);
  EXPECT_EQ(66, editor->openMap.getTile(0, 0));
  EXPECT_EQ(editor->openMap.getTile(0, 0), read("ZANAB.MAP")[14]);
}

// With no map open the world goes into a chosen directory, the selector
// starting in the game directory; the maps it replaces are backed up first.
TEST_F(ScriptMenuTest, AWorldWithNoMapOpenGoesWhereChosenAndKeepsABackup) {
  char saved[4096];
  ASSERT_NE(nullptr, getcwd(saved, sizeof saved));
  ASSERT_EQ(0, chdir(dir.path().c_str()));
  editor->settings.updateString("", "backups", "5");
  const std::string old = mapText("WILDERNESS!", 24, 'a');
  writeMap("ZANAA.MAP", old);
  dialogs.paths = {dir.editorPath(), script("void main() { settile(1, 1, 66); }\n")};
  dialogs.answers = {0};  // Replace
  generateWorldMap(editor);
  ASSERT_EQ(2u, dialogs.choices.size());
  EXPECT_EQ(dir.editorPath(), dialogs.choices[0].startPath);
  EXPECT_EQ(66, read("ZANAA.MAP")[14]);
  const std::vector<BackupSummary> backups = listBackups("backups");
  ASSERT_EQ(1u, backups.size());
  EXPECT_EQ("Generate World Map", backups[0].operation);
  EXPECT_EQ(1u, backups[0].files.size());
  EXPECT_EQ(0, chdir(saved));
}

// Both local items run the same command: the result marks the map changed
// only when it differs, and the mouse is recorded after it.
TEST_F(ScriptMenuTest, LocalGenerationMarksTheMapChangedOnlyWhenItChanged) {
  const std::string path = writeMap("TOWN.MAP", mapText("LOCAL!~EXIT~", 23, 'a'));
  openMapFile(path.c_str(), *editor);
  dialogs.paths = {script("void main() { settile(2, 1, gettile(2, 1)); }\n")};
  setMouse(40, 60, 0);
  generateLocalMap(editor);
  EXPECT_EQ(0, editor->document.mapModified());
  expectMouseRecorded(40, 60, 0);

  dialogs.paths = {script("void main() { settile(2, 1, 98); settile(1, 24, 98); }\n")};
  setMouse(41, 61, 1);
  generateLocalMap(editor);
  EXPECT_EQ(1, editor->document.mapModified());
  EXPECT_EQ('b', editor->openMap.getTile(1, 0));
  EXPECT_EQ(0, editor->openMap.getTile(0, 23));
  expectMouseRecorded(41, 61, 1);
  EXPECT_TRUE(dialogs.texts.empty());
  EXPECT_EQ(mapText("LOCAL!~EXIT~", 23, 'a'), read("TOWN.MAP"));

  // The world view keeps its world, after a run and after a cancelled choice.
  memset(editor->worldBuffer.cells, 'w', sizeof editor->worldBuffer.cells);
  dialogs.paths = {script("void main() { settile(1, 1, 99); }\n"), ""};
  generateLocalMap(editor);
  generateLocalMap(editor);
  EXPECT_EQ(99, editor->openMap.getTile(0, 0));
  EXPECT_EQ('w', editor->worldBuffer.cells[0]);
}


// The game directory's scripts folder makes items below a separator, named
// and run as their opening comments say, and the menu follows the folder;
// an item's run on the open map is one undo step for its tiles, kind and
// teleports.
TEST_F(ScriptMenuTest, FolderScriptsAreItemsThatFollowTheFolderAndRunAsOneUndoStep) {
  if (!editor->settings.updateString("", "ZANDirectory", dir.editorPath().c_str()))
    editor->settings.addString("", "ZANDirectory", dir.editorPath().c_str());
  std::filesystem::create_directories(dir.file("scripts"));
  writeFileBytes(dir.file("scripts/mark.as"), "\n// menu: ~Mark Corner\n// runs on: map\nvoid main() {\n"
                                              "  settile(1, 1, 77); setkind(1, 1, 4); addteleport(1, 1, 3, 3, \"X\");\n}\n");
  writeFileBytes(dir.file("scripts/plain.AS"), "void main() { print(\"hi\"); }\n");
  std::vector<int> kinds;
  const std::vector<std::string> base = {"Generate ~World Map\t", "Generate ~Local Map\t", "Place ~Feature\t",
                                         "Run on ~Each World Map...\t", "Script ~Output\t"};
  std::vector<std::string> expected = base;
  expected.insert(expected.end(), {"\t", "~Mark Corner\t", "plain\t"});
  EXPECT_EQ(expected, menuItems("~Script", &kinds));
  EXPECT_EQ((std::vector<int>{0, 0, 0, 0, 0, kMenuItemSeparator, 0, 0}), kinds);
  std::filesystem::remove(dir.file("scripts/plain.AS"));
  kinds.clear();
  EXPECT_EQ(std::vector<std::string>(expected.begin(), expected.end() - 1), menuItems("~Script", &kinds));

  const std::string path = writeMap("TOWN.MAP", mapText("LOCAL!~EXIT~", 23, 'a'));
  openMapFile(path.c_str(), *editor);
  runFolderScript(*editor, dir.editorPath("scripts\\mark.as").c_str(), static_cast<int>(ScriptRunsOn::Map));
  EXPECT_TRUE(dialogs.choices.empty()) << "a menu script is not chosen again";
  EXPECT_EQ(77, editor->openMap.getTile(0, 0));
  EXPECT_EQ(Interior, editor->openMap.kind);
  EXPECT_EQ(1, editor->openMap.teleportCount());
  undoMapEdit(*editor);
  EXPECT_EQ('a', editor->openMap.getTile(0, 0));
  EXPECT_EQ(Local, editor->openMap.kind);
  EXPECT_EQ(0, editor->openMap.teleportCount());
  EXPECT_EQ(0, editor->document.modified());

  // The script selector opens where the script chosen last lies.
  dialogs.paths = {script("void main() {}\n"), ""};
  generateLocalMap(editor);
  generateLocalMap(editor);
  ASSERT_EQ(2u, dialogs.choices.size());
  EXPECT_EQ(dir.editorPath(), dialogs.choices[1].startPath);
}

// A "cell" script acts where the user clicks after its start, its first
// getpos giving that cell, as one undo step; Escape instead of the click
// runs nothing.
TEST_F(ScriptMenuTest, ACellScriptActsOnTheCellClickedAfterItsStart) {
  const std::string path = writeMap("TOWN.MAP", mapText("LOCAL!~EXIT~", 23, 'a'));
  openMapFile(path.c_str(), *editor);
  const std::string source = script("// runs on: cell\nvoid main() {\n  int x, y;\n  getpos(x, y);\n"
                                    "  settile(x, y, 77);\n  setkind(1, 1, 4);\n  addteleport(1, 1, x, y, \"HERE\");\n}\n");
  const unsigned long steps = editor->document.stepsRecorded();
  auto expectUntouched = [&] {
    EXPECT_EQ('a', editor->openMap.getTile(2, 4));
    EXPECT_EQ(Local, editor->openMap.kind);
    EXPECT_EQ(0, editor->openMap.teleportCount());
    EXPECT_FALSE(editor->document.modified());
  };
  setMouse(100, 100, 0);
  clear_keybuf();
  simulate_keypress((KEY_ESC << 8) | 27);
  runFolderScript(*editor, source.c_str(), static_cast<int>(ScriptRunsOn::Cell));
  EXPECT_EQ(std::vector<std::string>{"Click the cell of the map where the script should act."}, dialogs.texts);
  EXPECT_EQ(steps, editor->document.stepsRecorded());
  expectUntouched();

  {
    Clicker clicker(5 + 18 * 2 + 9, 50 + 20 * 4 + 9, 50);  // cell (3, 5)
    runFolderScript(*editor, source.c_str(), static_cast<int>(ScriptRunsOn::Cell));
  }
  EXPECT_EQ(2u, dialogs.texts.size());
  EXPECT_EQ(77, editor->openMap.getTile(2, 4));
  EXPECT_EQ(Interior, editor->openMap.kind);
  int x = 0, y = 0;
  char name[kTeleportNameSize] = "";
  ASSERT_EQ(1, editor->openMap.teleportCount());
  editor->openMap.getTeleport(0, &x, &y, name);
  EXPECT_EQ("3,5,HERE", std::to_string(x) + "," + std::to_string(y) + "," + name);
  EXPECT_EQ(steps + 1, editor->document.stepsRecorded());
  undoMapEdit(*editor);
  expectUntouched();
}
