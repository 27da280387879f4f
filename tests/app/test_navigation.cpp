// Moving between maps by key: the neighbouring world maps, back and forward
// through every map opened (like a browser, asking about unsaved changes),
// and the teleport under the pointer named in the world view's position field.
#include <allegro.h>
#include <gtest/gtest.h>

#include "app/commands.h"
#include "app/map_file.h"
#include "app/navigation.h"
#include "app/shortcuts.h"
#include "app/status_texts.h"
#include "app_fixture.h"

namespace {
bool press(EditorState* editor, int scancode, int modifiers) {
  return runShortcut(GuiKey{scancode, 0, modifiers, true, 0}, editor);
}
}  // namespace

TEST_F(AppTest, NeighbourKeysAndBackAndForwardOpenMapsLikeABrowser) {
  const std::string aa = writeMap("ZANAA.MAP", mapText("WILDERNESS!", 24, 'a'));
  const std::string ba = writeMap("ZANBA.MAP", mapText("WILDERNESS!", 24, 'b'));
  const std::string ab = writeMap("ZANAB.MAP", mapText("WILDERNESS!", 24, 'c'));
  const std::string cell = writeMap("TAB2113.MAP", mapText("LOCAL!", 23, 'd'));
  openMapFile(aa.c_str(), *editor);
  EXPECT_TRUE(press(editor, KEY_RIGHT, kGuiCtrl));
  EXPECT_TRUE(press(editor, KEY_UP, kGuiCtrl));  // the edge of the world: nothing opens
  EXPECT_STREQ(ba.c_str(), editor->openMap.path);
  EXPECT_FALSE(press(editor, KEY_UP, kGuiCtrl | kGuiShift));
  press(editor, KEY_LEFT, kGuiCtrl);
  openMapFile(aa.c_str(), *editor);  // the open map again is no new step
  press(editor, KEY_DOWN, kGuiCtrl);
  EXPECT_STREQ(ab.c_str(), editor->openMap.path);  // history: AA BA AA AB

  press(editor, KEY_LEFT, kGuiAlt);
  press(editor, KEY_LEFT, kGuiAlt);
  EXPECT_STREQ(ba.c_str(), editor->openMap.path);
  press(editor, KEY_RIGHT, kGuiAlt);
  EXPECT_STREQ(aa.c_str(), editor->openMap.path);
  openMapFile(cell.c_str(), *editor);  // a new open drops AB ahead
  EXPECT_FALSE(goForward(*editor));
  EXPECT_FALSE(openNeighbour(*editor, WorldDirection::East));  // no world map
  edit([&] { editor->openMap.setTile(0, 0, 'x'); });
  dialogs.answers = {2, 1};  // Cancel, then Discard
  EXPECT_FALSE(goBack(*editor));
  EXPECT_STREQ(cell.c_str(), editor->openMap.path);
  EXPECT_TRUE(goBack(*editor));
  EXPECT_STREQ(aa.c_str(), editor->openMap.path);
  EXPECT_EQ(2u, dialogs.texts.size());
  EXPECT_TRUE(goForward(*editor));
  EXPECT_STREQ(cell.c_str(), editor->openMap.path);
}

TEST_F(AppTest, ThePositionFieldNamesTheDestinationOfAMarkedTeleport) {
  const std::string bb = writeMap("ZANBB.MAP", mapText("WILDERNESS!", 24, 'b'));
  LocalMap map;
  map.load(bb.c_str());
  map.addTeleport(3, 2, "ZANTT");
  map.addTeleport(40, 20, "OAKVALE");
  ASSERT_TRUE(map.save(bb.c_str()));
  openMapFile(bb.c_str(), *editor);
  worldMapCommand(editor);
  char text[kStatusTextSize];
  editor->cursorX = 48 + 2;  // the first teleport's world cell
  editor->cursorY = 24 + 1;
  positionText(editor, text);
  EXPECT_STREQ("ZANBB", text);  // the overlay is off
  showTeleportsCommand(editor);
  positionText(editor, text);
  EXPECT_STREQ("ZANBB -> ZANTT", text);
  editor->cursorX = 48 + 39 + 2;
  editor->cursorY = 24 + 19;
  positionText(editor, text);
  EXPECT_STREQ("ZANBB -> OAKVALE", text);
}
