// File > Open, Save, Save As and Quit: the selectors they open, where they
// write, and the question before unsaved changes are dropped.
#include <gtest/gtest.h>

#include "app/commands.h"
#include "app/map_file.h"
#include "app_fixture.h"

namespace {

const std::string kPlain = mapText("WILDERNESS!", 24, 'a');

}  // namespace

TEST_F(AppTest, SelectorsOfTheFileCommands) {
  dialogs.paths = {"", ""};
  openCommand(editor);
  saveAsCommand(editor);  // no map open: starts in the game directory
  ASSERT_EQ(dialogs.choices.size(), 2u);
  const FileChoice& open = dialogs.choices[0];
  EXPECT_EQ(open.masks + "|" + open.startPath + "|" + open.title + "|" + open.button,
            "*.map|" + dir.editorPath() + "|Select File|Open");
  EXPECT_EQ(open.flags, 1554);
  const FileChoice& saveAs = dialogs.choices[1];
  EXPECT_EQ(saveAs.masks + "|" + saveAs.startPath + "|" + saveAs.title + "|" + saveAs.button,
            "*.map|" + dir.editorPath() + "|Save As|Save");
  EXPECT_EQ(saveAs.flags, 17922);

  const std::string path = writeMap("ZANAB.MAP", kPlain);
  dialogs.paths = {path, ""};
  openCommand(editor);
  saveAsCommand(editor);
  EXPECT_EQ(dialogs.choices[3].startPath, path);  // the open map's own path
  EXPECT_TRUE(dialogs.texts.empty());
}

TEST_F(AppTest, SaveAsWritesACopyAndSaveWritesTheOpenedFile) {
  const std::string path = writeMap("ZANAB.MAP", kPlain);
  dialogs.paths = {path, dir.editorPath("COPY.MAP")};
  openCommand(editor);
  edit([&] { editor->openMap.setTile(0, 0, 'b'); });
  saveAsCommand(editor);
  EXPECT_EQ(read("COPY.MAP").substr(0, 16), "WILDERNESS!\r\n ba");
  EXPECT_EQ(read("ZANAB.MAP"), kPlain);
  EXPECT_EQ(editor->document.mapModified(), 1);  // the opened file still lacks the change

  editor->openMap.setTile(1, 0, 'c');
  saveCommand(editor);
  EXPECT_EQ(read("ZANAB.MAP").substr(0, 16), "WILDERNESS!\r\n bc");
  EXPECT_EQ(read("COPY.MAP").substr(0, 16), "WILDERNESS!\r\n ba");
  EXPECT_EQ(editor->document.mapModified(), 0);
  EXPECT_STREQ(editor->openMap.path, path.c_str());

  dialogs.paths = {dir.editorPath("PLAIN")};  // a name without an extension
  saveAsCommand(editor);
  EXPECT_EQ(read("PLAIN.MAP").substr(0, 16), "WILDERNESS!\r\n bc");
  EXPECT_FALSE(fileExistsOnHost(dir.file("PLAIN")));
  EXPECT_TRUE(dialogs.texts.empty());
}

TEST_F(AppTest, QuitAsksAboutUnsavedChangesWithEachAnswer) {
  const std::string path = writeMap("ZANAB.MAP", kPlain);
  openMapFile(path.c_str(), *editor);
  EXPECT_TRUE(commandStopsLoop(quitCommand));  // nothing changed: no question
  EXPECT_TRUE(dialogs.texts.empty());

  edit([&] { editor->openMap.setTile(0, 0, 'z'); });
  dialogs.answers = {2};  // Cancel
  EXPECT_FALSE(commandStopsLoop(quitCommand));
  ASSERT_EQ(dialogs.texts.size(), 1u);
  EXPECT_EQ(dialogs.texts[0], "The map " + path + " has unsaved changes.");
  EXPECT_EQ(dialogs.buttons[0], "~Save|~Discard|~Cancel");

  dialogs.answers = {1};  // Discard
  EXPECT_TRUE(commandStopsLoop(quitCommand));
  EXPECT_EQ(read("ZANAB.MAP"), kPlain);
  EXPECT_EQ('a', editor->openMap.getTile(0, 0));  // dropped: a later Save cannot write it
  EXPECT_FALSE(editor->document.modified());

  edit([&] { editor->openMap.setTile(0, 0, 'z'); });
  dialogs.answers = {0};  // Save
  EXPECT_TRUE(commandStopsLoop(quitCommand));
  EXPECT_EQ(read("ZANAB.MAP").substr(0, 15), "WILDERNESS!\r\n z");
  EXPECT_EQ(editor->document.mapModified(), 0);
}

TEST_F(AppTest, ChangesBeforeAnyMapWasOpenedAreSavedWhereTheUserSays) {
  edit([&] { editor->openMap.setTile(0, 0, 'n'); });
  dialogs.answers = {0, 0};  // Save twice; the first selector is cancelled
  dialogs.paths = {"", dir.editorPath("NEW.MAP")};
  EXPECT_FALSE(commandStopsLoop(quitCommand));
  EXPECT_TRUE(commandStopsLoop(quitCommand));
  EXPECT_EQ(dialogs.texts[0], "The new map has unsaved changes.");
  EXPECT_EQ(dialogs.choices[1].title, "Save As");
  EXPECT_EQ(read("NEW.MAP").substr(0, 15), "WILDERNESS!\r\n n");
}

TEST_F(AppTest, OpenAsksAboutUnsavedChangesWithEachAnswer) {
  const std::string first = writeMap("ZANAB.MAP", kPlain);
  const std::string second = writeMap("ZANAC.MAP", mapText("WILDERNESS!", 24, 'q'));
  openMapFile(first.c_str(), *editor);
  edit([&] { editor->openMap.setTile(0, 0, 'z'); });

  dialogs.answers = {2};  // Cancel: the changed map stays open
  dialogs.paths = {second};
  openCommand(editor);
  EXPECT_STREQ(editor->openMap.path, first.c_str());
  EXPECT_EQ(editor->openMap.getTile(0, 0), 'z');

  dialogs.answers = {1};  // Discard
  dialogs.paths = {second};
  openCommand(editor);
  EXPECT_STREQ(editor->openMap.path, second.c_str());
  EXPECT_EQ(read("ZANAB.MAP"), kPlain);
  EXPECT_EQ(editor->document.mapModified(), 0);

  edit([&] { editor->openMap.setTile(0, 0, 'y'); });
  dialogs.answers = {0};  // Save, then open
  dialogs.paths = {first};
  openCommand(editor);
  EXPECT_STREQ(editor->openMap.path, first.c_str());
  EXPECT_EQ(read("ZANAC.MAP").substr(0, 15), "WILDERNESS!\r\n y");
  EXPECT_EQ(dialogs.texts.size(), 3u);

  // A path longer than a map path may be is refused before anything is asked.
  const std::string tooLong = dir.editorPath(std::string(300, 'L') + ".MAP");
  dialogs.paths = {tooLong};
  openCommand(editor);
  EXPECT_EQ(dialogs.texts.back(), "The map " + tooLong + " was not opened: its path is longer than 255 characters.");
  EXPECT_STREQ(editor->openMap.path, first.c_str());
}

TEST_F(AppTest, ASaveThatFailsKeepsTheMapOpenAndChanged) {
  const std::string path = writeMap("ZANAB.MAP", kPlain);
  openMapFile(path.c_str(), *editor);
  edit([&] { editor->openMap.setTile(4, 2, 13); });
  dialogs.answers = {0, 0};  // Save, then OK to the report
  EXPECT_FALSE(commandStopsLoop(quitCommand));
  ASSERT_EQ(dialogs.texts.size(), 2u);
  EXPECT_EQ(dialogs.texts[1], "The map was not saved to " + path +
                                  ": the tile code 13 at cell 5, 3 cannot be written in a MAP file "
                                  "(codes 10 and 13 end a row line). Paint that cell with another "
                                  "tile and save again.");
  EXPECT_EQ(read("ZANAB.MAP"), kPlain);
  EXPECT_EQ(editor->document.mapModified(), 1);
}
