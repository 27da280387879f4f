// Versions of the open map: the backups that hold its file, newest first; a
// version shown in the canvas with the cells that differ, and restored as the
// open map's content in one undo step without writing any file.
#include <allegro.h>
#include <unistd.h>

#include "app/commands.h"
#include "app/map_file.h"
#include "app/map_versions.h"
#include "app_fixture.h"
#include "data/map_version.h"
#include "gui/gui.h"
#include "view/map_canvas.h"

TEST_F(AppTest, VersionsOfTheOpenMapShowTheirDifferencesAndRestoreAsOneUndoStep) {
  const std::string path = writeMap("ZANAB.MAP", mapText("LOCAL!~EXIT~>21,13:ZANAC!", 23, 'a'));
  const std::string other = writeMap("ZANAC.MAP", mapText("LOCAL!", 23, 'z'));
  const BackupPlace place{dir.editorPath("backups"), 10};
  {
    BackupOperation first(place, "Save");  // the map as written, all 'a'
    ASSERT_TRUE(first.keep(path.c_str()));
    ASSERT_TRUE(first.keep(other.c_str()));
    ASSERT_TRUE(first.sync());
  }
  openMapFile(path.c_str(), *editor);
  edit([&] { editor->openMap.setTile(0, 0, 'b'); });
  ASSERT_TRUE(editor->openMap.save(path.c_str()));
  {
    BackupOperation second(place, "Generate World Map");  // 'b' at (0, 0)
    ASSERT_TRUE(second.keep(path.c_str()));
    ASSERT_TRUE(second.sync());
  }
  edit([&] {
    editor->openMap.setTile(1, 1, 'c');
    editor->openMap.clearTeleports();
  });
  const std::string onDisk = read("ZANAB.MAP");

  const std::vector<BackupSummary> backups = listBackups(place.directory.c_str());
  const std::vector<MapVersion> versions = versionsOf(backups, path.c_str());
  ASSERT_EQ(2u, versions.size());
  EXPECT_EQ("Generate World Map", versions[0].operation);  // newest first
  EXPECT_EQ("Save", versions[1].operation);
  EXPECT_EQ(1u, versionsOf(backups, other.c_str()).size());
  EXPECT_TRUE(versionsOf(backups, (path + "X").c_str()).empty());

  ASSERT_TRUE(showVersion(*editor, versions[1]));
  ASSERT_NE(nullptr, editor->mapView.version);
  CellMask differing;
  EXPECT_EQ(2, differingCells(*editor->mapView.version, editor->openMap, differing));
  EXPECT_TRUE(differing.cells[0][0] && differing.cells[1][1] && !differing.cells[0][1]);
  BITMAP* canvas = create_bitmap(864, 480);
  drawMapCanvas(editor->mapView, canvas);
  EXPECT_EQ(makecol(255, 255, 255), getpixel(canvas, 0, 0));  // the differing cells outlined
  EXPECT_EQ(makecol(255, 255, 255), getpixel(canvas, 2 * 18 - 1, 2 * 20 - 1));
  destroy_bitmap(canvas);
  EXPECT_EQ('c', editor->openMap.getTile(1, 1));  // looking changes nothing

  // The window: Down shows the newest version, Escape goes back to the map.
  leaveVersions(*editor);
  static bool shownInWindow;
  shownInWindow = false;
  GuiQueueCall([](void*) { simulate_keypress(KEY_DOWN << 8); }, nullptr, 50);
  GuiQueueCall([](void* e) {
    shownInWindow = static_cast<EditorState*>(e)->mapView.version != nullptr;
    simulate_keypress((KEY_ESC << 8) | 27);
  }, editor, 150);
  char cwd[4096];
  ASSERT_NE(nullptr, getcwd(cwd, sizeof cwd));
  ASSERT_EQ(0, chdir(dir.path().c_str()));  // the editor's backups folder is "backups" there
  versionsOfThisMapCommand(editor);
  ASSERT_EQ(0, chdir(cwd));
  EXPECT_TRUE(shownInWindow);
  EXPECT_EQ(nullptr, editor->versionShown.get());
  EXPECT_EQ('c', editor->openMap.getTile(1, 1));

  ASSERT_TRUE(showVersion(*editor, versions[1]));
  restoreShownVersion(*editor);
  EXPECT_EQ(nullptr, editor->mapView.version);
  EXPECT_EQ('a', editor->openMap.getTile(0, 0));
  EXPECT_EQ('a', editor->openMap.getTile(1, 1));
  EXPECT_EQ(1, editor->openMap.teleportCount());
  EXPECT_EQ(onDisk, read("ZANAB.MAP"));  // no file written
  undoCommand(editor);
  EXPECT_EQ('b', editor->openMap.getTile(0, 0));
  EXPECT_EQ('c', editor->openMap.getTile(1, 1));
  EXPECT_EQ(0, editor->openMap.teleportCount());

  const MapVersion unreadable{"", "", dir.editorPath("missing.MAP")};
  EXPECT_FALSE(showVersion(*editor, unreadable));
  EXPECT_EQ(nullptr, editor->mapView.version);
}
