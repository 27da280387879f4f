// openMapFile and saveMapFile: companion files, the mode and counts they set,
// the warnings about maps a save could not give back, and every failed save
// reported by file and reason.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "app/commands.h"
#include "app/map_file.h"
#include "app_fixture.h"
#include "platform/file_stream.h"

namespace {

const std::string kPlain = mapText("WILDERNESS!>21,13:HOUSE!>22,14:CAVE!", 24, 'a');

std::string placementTable(unsigned char firstX) {
  std::string table(2200 + 5, '\0');  // 200 records and five bytes of the game's own
  table[0] = static_cast<char>(firstX);
  table[1] = 1;
  table[2] = 1;
  table[2204] = 'T';
  return table;
}

}  // namespace

TEST_F(AppTest, OpeningSetsTheModeAndCountsAndReadsTheDataFile) {
  writeFileBytes(dir.file("ZANAB.DAT"), placementTable(7));
  const std::string path = writeMap("ZANAB.MAP", kPlain);
  editor->canvasMode = WorldView;
  edit([&] { editor->openMap.setTile(0, 0, 'x'); });
  editor->selectedTeleport = 1;
  editor->selectedPlacement = 3;
  openMapFile(path.c_str(), *editor);
  EXPECT_EQ(editor->canvasMode, LocalEdit);
  EXPECT_EQ(editor->selectedTeleport, -1);
  EXPECT_EQ(editor->selectedPlacement, -1);
  EXPECT_EQ(editor->teleportRows, 2);
  EXPECT_EQ(editor->placementRows, 200);
  EXPECT_EQ(editor->document.mapModified(), 0);
  ASSERT_NE(editor->mapData.placement(0), nullptr);
  EXPECT_EQ(editor->mapData.placement(0)->x, 7);

  edit([&] { editor->mapData.placement(0)->x = 9; });
  EXPECT_TRUE(saveMapFile(path.c_str(), *editor));
  EXPECT_EQ(read("ZANAB.DAT"), placementTable(9));
  EXPECT_EQ(editor->document.mapModified(), 0);
  EXPECT_TRUE(dialogs.texts.empty());
}

TEST_F(AppTest, MapsThatCannotComeBackAsTheyWereAreReportedOnOpen) {
  openMapFile(writeMap("SHORT.MAP", mapText("WILDERNESS!", 10, 'a')).c_str(), *editor);
  openMapFile(writeMap("CUT.MAP", mapText("LOCAL!~EXIT~", 23, 'a', 5, 20)).c_str(), *editor);
  openMapFile(writeMap("LINEEND.MAP", mapText("INTERIOR!", 23, 'a', 3, 47)).c_str(), *editor);
  openMapFile(writeMap("GOOD.MAP", kPlain).c_str(), *editor);
  openMapFile(dir.editorPath("NEW.MAP").c_str(), *editor);  // a map yet to be made
  ASSERT_EQ(dialogs.texts.size(), 3u);
  EXPECT_EQ(dialogs.texts[0], "The map " + dir.editorPath("SHORT.MAP") +
                                  " stops early: row 11 of 24 is missing or shorter than 48 tiles. "
                                  "The rows from there on are shown as 0, and saving the map "
                                  "writes them so.");
  EXPECT_NE(dialogs.texts[1].find("CUT.MAP stops early: row 6 of 23"), std::string::npos);
  EXPECT_EQ(dialogs.texts[2],
            "The map " + dir.editorPath("LINEEND.MAP") +
                " holds the tile code 10 at cell 48, 4 (a row line shorter than 48 "
                "tiles). A MAP file cannot carry it: the map cannot be saved "
                "until that cell is painted over.");
}

TEST_F(AppTest, FailedWritesNameTheFileAndTheReason) {
  const std::string path = writeMap("ZANAB.MAP", kPlain);
  writeFileBytes(dir.file("ZANAB.DAT"), placementTable(7));
  openMapFile(path.c_str(), *editor);
  edit([&] {
    editor->openMap.setTile(0, 0, 'x');
    editor->mapData.placement(0)->x = 8;
  });

  failWritesAfter(0);  // a full disk
  EXPECT_FALSE(saveMapFile(path.c_str(), *editor));
  failWritesAfter(-1);
  ASSERT_EQ(dialogs.texts.size(), 2u);
  EXPECT_EQ(dialogs.texts[0], "The map could not be written to " + path +
                                  ": No space left on device. The file on disk is as it was.");
  EXPECT_EQ(dialogs.texts[1], "The placements could not be written to " +
                                  dir.editorPath("ZANAB.DAT") +
                                  ": No space left on device. The file on disk is as it was.");
  EXPECT_EQ(read("ZANAB.MAP"), kPlain);
  EXPECT_EQ(read("ZANAB.DAT"), placementTable(7));
  EXPECT_EQ(editor->document.mapModified(), 1);

  // A ".DAT" gone since the map was opened is reported; a map without one is silent.
  remove(dir.file("ZANAB.DAT").c_str());
  saveMapFile(path.c_str(), *editor);
  ASSERT_EQ(dialogs.texts.size(), 3u);
  EXPECT_EQ(dialogs.texts[2].rfind(
                "The placements could not be written to " + dir.editorPath("ZANAB.DAT"), 0),
            0u);
  EXPECT_EQ(editor->document.mapModified(), 0);  // the tiles were written; the placements were not
  EXPECT_TRUE(editor->document.modified());
  openMapFile(path.c_str(), *editor);
  edit([&] { editor->openMap.setTile(0, 0, 'x'); });
  saveMapFile(path.c_str(), *editor);
  EXPECT_EQ(dialogs.texts.size(), 3u);
  EXPECT_EQ(editor->document.mapModified(), 0);

  const std::string tooLong = dir.editorPath(std::string(300, 'L') + ".MAP");
  saveMapFile(tooLong.c_str(), *editor);
  ASSERT_EQ(dialogs.texts.size(), 4u);
  EXPECT_EQ(dialogs.texts[3],
            "The map was not saved to " + tooLong + ": the path is longer than 255 characters.");
}

TEST_F(AppTest, ObjectsPlacedOnAMapWithoutDataFileAreNotLostInSilence) {
  const std::string path = writeMap("NEW.MAP", kPlain);
  openMapFile(path.c_str(), *editor);
  Placement* p = editor->mapData.placement(editor->mapData.firstFreePlacement());
  ASSERT_NE(p, nullptr);
  edit([&] {
    *p = Placement{5, 6, 1, 2, {0, 0, 0}, 7};
    editor->openMap.setTile(0, 0, 'x');
  });

  EXPECT_FALSE(saveMapFile(path.c_str(), *editor));
  ASSERT_EQ(dialogs.texts.size(), 1u);
  EXPECT_EQ(dialogs.texts[0], "The objects and creatures placed on this map were not saved: " +
                                  dir.editorPath("NEW.DAT") +
                                  " does not exist, and placements are written only into an "
                                  "existing data file.");
  EXPECT_EQ(editor->openMap.getTile(0, 0), 'x');
  EXPECT_NE(read("NEW.MAP"), kPlain);  // the tiles were written all the same
  EXPECT_FALSE(fileExistsOnHost(dir.file("NEW.DAT")));
  EXPECT_TRUE(editor->document.modified());  // so Quit still asks

  // Once the placement is deleted again there is nothing left to lose.
  *p = Placement{};
  saveMapFile(path.c_str(), *editor);
  EXPECT_EQ(dialogs.texts.size(), 1u);
  EXPECT_FALSE(editor->document.modified());
}

// A read-only ".DAT" is written only when its placements changed, and Quit
// names what is unsaved; a file that was not there is not said to be kept.
TEST_F(AppTest, ReadOnlyFilesAreWrittenOnlyWhenChangedAndSaidToBeReadOnly) {
  const std::string path = writeMap("ZANAB.MAP", kPlain), data = dir.editorPath("ZANAB.DAT");
  writeFileBytes(dir.file("ZANAB.DAT"), "\x07");
  ASSERT_EQ(0, chmod(dir.file("ZANAB.DAT").c_str(), 0444));
  openMapFile(path.c_str(), *editor);
  edit([&] { editor->openMap.setTile(0, 0, 'x'); });
  EXPECT_TRUE(saveMapFile(path.c_str(), *editor));
  EXPECT_FALSE(editor->document.modified());
  EXPECT_EQ(read("ZANAB.DAT"), "\x07");  // keeps its bytes

  editor->mapData.placement(0)->x = 9;
  ASSERT_EQ(0, chmod(dir.file("ZANAB.MAP").c_str(), 0444));
  saveMapFile(path.c_str(), *editor);
  ASSERT_EQ(0, chmod(dir.file("ZANAB.MAP").c_str(), 0644));
  saveMapFile(dir.editorPath("NODIR\\A.MAP").c_str(), *editor);
  dialogs.answers = {2};  // Cancel
  EXPECT_FALSE(commandStopsLoop(quitCommand));
  const std::string placements =
      "The placements could not be written to " + data + ": it is read-only. The file on disk is as it was.";
  const std::vector<std::string> said = {
      "The map could not be written to " + path + ": it is read-only. The file on disk is as it was.",
      placements,
      "The map could not be written to " + dir.editorPath("NODIR\\A.MAP") + ": No such file or directory.",
      placements, "The objects and creatures placed on the map " + path + " are not saved."};
  EXPECT_EQ(said, dialogs.texts);
}
