// The open map by every route the program has: a world map opens in one kind
// whether it is opened, travelled to, clicked in the world view or read
// again, and the status line says when its header disagrees.
#include <allegro.h>
#include <gtest/gtest.h>

#include "app/commands.h"
#include "app/map_file.h"
#include "app/navigation.h"
#include "app/status_texts.h"
#include "app_fixture.h"
#include "view/map_canvas.h"

namespace {

std::string statusOf(EditorState* editor) {
  char text[kStatusTextSize];
  statusText(editor, text);
  return text;
}

}  // namespace

TEST_F(AppTest, AWorldMapOpensAsWildernessByEveryRouteAndTheStatusLineSaysWhy) {
  const std::string aa = writeMap("ZANAA.MAP", mapText("WILDERNESS!", 24, 'a'));
  const std::string local = mapText("LOCAL!~EXIT~", 23, 'b');
  const std::string ab = writeMap("ZANAB.MAP", local);
  const std::string note =
      ab + "   The file's header says LOCAL: as a world map it opens as WILDERNESS, and a save writes it so.";
  BITMAP* canvas = create_bitmap(864, 480);
  for (int route = 0; route < 4; ++route) {
    openMapFile(aa.c_str(), *editor);
    EXPECT_EQ(aa, statusOf(editor));
    if (route == 0) openMapFile(ab.c_str(), *editor);
    if (route == 1) openNeighbour(*editor, WorldDirection::South);
    if (route == 2) {
      worldMapCommand(editor);
      handleMapEvent(editor->mapView, canvas, 10, 30, GuiMouse{15, 80, 0, 1, 1});  // square A, B
    }
    if (route == 3) {
      openMapFile(ab.c_str(), *editor);
      editor->document.reload();
    }
    EXPECT_STREQ(ab.c_str(), editor->openMap.path) << route;
    EXPECT_EQ(Wilderness, editor->openMap.kind) << route;
    EXPECT_TRUE(editor->document.modified()) << route;  // the kind differs from the file's
    EXPECT_EQ(note, statusOf(editor)) << route;
    dialogs.answers = {1};  // Discard when leaving
  }
  EXPECT_EQ(local, read("ZANAB.MAP"));
  saveCommand(editor);
  EXPECT_EQ(mapText("WILDERNESS!", 24, 'b').substr(0, 13 + 49 * 23), read("ZANAB.MAP").substr(0, 13 + 49 * 23));
  EXPECT_FALSE(editor->document.modified());
  openMapFile(ab.c_str(), *editor);
  EXPECT_EQ(ab, statusOf(editor));  // the header agrees now
  destroy_bitmap(canvas);
}
