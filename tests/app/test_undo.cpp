// Undo and redo in the editor: a stroke, a teleport and a placement come back
// byte for byte through save, the unsaved mark follows the history, and each
// map keeps its history across map switches until Discard ends it.
#include <allegro.h>

#include "app/commands.h"
#include "app/map_file.h"
#include "app_fixture.h"
#include "view/map_canvas.h"
#include "view/side_pages.h"

namespace {

void poll(EditorState& e, BITMAP* canvas, int x, int y, int buttons) {
  handleMapEvent(e.mapView, canvas, x, y, GuiMouse{x + 5, y + 50, 0, buttons, buttons ? 1 : 0});
}

}  // namespace

TEST_F(AppTest, StrokesTeleportsAndPlacementsComeBackByteForByte) {
  const std::string path = writeMap("ZANAB.MAP", mapText("WILDERNESS!>3,4:TAB2515!", 24, 'a'));
  writeFileBytes(dir.file("ZANAB.DAT"), std::string(2200, '\0') + "tail");
  openMapFile(path.c_str(), *editor);
  const std::string map0 = read("ZANAB.MAP"), data0 = read("ZANAB.DAT");
  BITMAP* canvas = create_bitmap(864, 480);
  editor->selectedTile = 'k';
  for (int x = 0; x < 200; x += 9) poll(*editor, canvas, x, 45, 1);  // one stroke over 12 cells
  poll(*editor, canvas, 200, 45, 0);
  editor->document.beginEdit();
  editor->openMap.removeTeleport(0);
  editor->openMap.addTeleport(9, 9, "ZANAC");
  *editor->mapData.placement(4) = Placement{7, 8, 1, 3, {1, 2, 3}, 12};
  editor->document.commitEdit();
  EXPECT_TRUE(editor->document.mapModified());
  saveCommand(editor);
  const std::string map2 = read("ZANAB.MAP"), data2 = read("ZANAB.DAT");
  EXPECT_FALSE(editor->document.mapModified());

  undoCommand(editor);
  EXPECT_EQ(editor->teleportRows, 1);
  EXPECT_TRUE(editor->document.mapModified());  // an undo after a save
  undoCommand(editor);
  undoCommand(editor);  // nothing left: nothing happens, nothing is said
  saveCommand(editor);
  EXPECT_EQ(map0, read("ZANAB.MAP"));
  EXPECT_EQ(data0, read("ZANAB.DAT"));
  redoCommand(editor);
  redoCommand(editor);
  EXPECT_TRUE(editor->document.mapModified());
  saveCommand(editor);
  EXPECT_EQ(map2, read("ZANAB.MAP"));
  EXPECT_EQ(data2, read("ZANAB.DAT"));
  undoCommand(editor);
  redoCommand(editor);
  EXPECT_FALSE(editor->document.mapModified());  // back at the saved state: nothing to ask
  EXPECT_TRUE(dialogs.texts.empty());
  destroy_bitmap(canvas);
}

TEST_F(AppTest, EachMapKeepsItsHistoryUntilDiscardOrAChangeOnDisk) {
  const std::string first = writeMap("ZANAB.MAP", mapText("WILDERNESS!", 24, 'a'));
  const std::string second = writeMap("ZANAC.MAP", mapText("WILDERNESS!", 24, 'b'));
  openMapFile(first.c_str(), *editor);
  edit([&] { editor->openMap.setTile(0, 0, 'x'); });
  saveCommand(editor);
  edit([&] { editor->openMap.setTile(1, 0, 'y'); });
  dialogs.answers = {1};  // Discard
  dialogs.paths = {second, first};
  openCommand(editor);
  edit([&] { editor->openMap.setTile(0, 0, 'z'); });
  saveCommand(editor);
  openCommand(editor);  // back to the first map: no question, its history goes on
  EXPECT_EQ(dialogs.texts.size(), 1u);
  EXPECT_EQ(editor->openMap.getTile(1, 0), 'a');  // the discarded edit is gone
  redoCommand(editor);
  EXPECT_EQ(editor->openMap.getTile(1, 0), 'a');  // and cannot be redone
  undoCommand(editor);
  EXPECT_EQ(editor->openMap.getTile(0, 0), 'a');
  EXPECT_TRUE(editor->document.mapModified());

  writeMap("ZANAC.MAP", mapText("WILDERNESS!", 24, 'c'));  // changed by someone else
  dialogs.answers = {1};
  dialogs.paths = {second};
  openCommand(editor);
  undoCommand(editor);
  EXPECT_EQ(editor->openMap.getTile(0, 0), 'c');  // its history started anew
}
