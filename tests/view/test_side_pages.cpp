// The side lists: every row form, selections and deletes, and the "Add"
// buttons with their messages, over a view with no list widgets on screen.
#include "view/side_pages.h"
#include "view_fixture.h"

namespace {

std::string row(void (*text)(void*, char*), MapView& view, int i) {
  static char buffer[100000];
  text(rowData(view.state.rowIndex, i), buffer);
  return buffer;
}

void setPlacement(Placement* p, int x, int y, int inUse, int quantity, int id) {
  *p = Placement{static_cast<unsigned char>(x), static_cast<unsigned char>(y), static_cast<unsigned char>(inUse),
                 static_cast<unsigned char>(quantity), {0, 0, 0}, id};
}

}  // namespace

TEST_F(ViewTest, RowsShowTeleportsObjectsAndPlacementsInTheirForms) {
  ViewValues& s = *values;
  EXPECT_EQ("", row(constantObjectRowText, view, 0));  // no "CONSTANT.OBJ"
  EXPECT_EQ("temp", row(placementRowText, view, 0));   // no ".DAT" read yet

  s.openMap.addTeleport(5, 3, "TAB2515");
  s.openMap.addTeleport(1, 1, "ZANAC");
  EXPECT_EQ("5,3 TAB2515", row(teleportRowText, view, 0));
  EXPECT_EQ("1,1 ZANAC", row(teleportRowText, view, 1));
  EXPECT_EQ("", row(teleportRowText, view, 2));

  std::vector<int> sprites(13, 0);
  std::vector<std::string> names(13, "");
  names[1] = "*unmatchablestring*";
  sprites[7] = 42;
  names[7] = "Chest";
  sprites[12] = 43;
  names[12] = "Crown of thirty characters ok!";  // fills the whole field
  writeTables(sprites, names, {0, 0, 17});
  EXPECT_EQ("#0;", row(constantObjectRowText, view, 0));
  EXPECT_EQ("empty", row(constantObjectRowText, view, 1));
  EXPECT_EQ("#42;Chest", row(constantObjectRowText, view, 7));
  EXPECT_EQ("#43;Crown of thirty characters ok!", row(constantObjectRowText, view, 12));
  EXPECT_EQ("#0;", row(constantObjectRowText, view, 13));  // past a short file's end: a zero slot
  EXPECT_EQ("", row(constantObjectRowText, view, 400));

  s.mapData.load(dir.editorPath("NONE.DAT").c_str());
  setPlacement(s.mapData.placement(0), 10, 5, 1, 3, 7);
  setPlacement(s.mapData.placement(1), 2, 2, 1, 4, 50012);
  setPlacement(s.mapData.placement(2), 3, 4, 0, 9, 1002);
  setPlacement(s.mapData.placement(3), 6, 7, 1, 8, 500);
  setPlacement(s.mapData.placement(4), 6, 7, 0, 8, 7);  // an object not in use
  EXPECT_EQ("#42;(10,5) 3 Chest", row(placementRowText, view, 0));
  EXPECT_EQ("#43;(2,2) 4 Crown of thirty characters ok!", row(placementRowText, view, 1));
  EXPECT_EQ("#17;(3,4) Creature 2", row(placementRowText, view, 2));
  EXPECT_EQ("(6,7) 8", row(placementRowText, view, 3));
  EXPECT_EQ("(6,7) 8", row(placementRowText, view, 4));
  EXPECT_EQ("(0,0) 0", row(placementRowText, view, 5));
}

TEST_F(ViewTest, DeleteButtonKeepsTheSelectionAndTheDeleteKeyClearsIt) {
  ViewValues& s = *values;
  s.openMap.addTeleport(5, 3, "TAB2515");
  s.openMap.addTeleport(1, 1, "ZANAC");
  s.openMap.addTeleport(2, 2, "THIRD");
  teleportSelected(0, rowData(view.state.rowIndex, 0));
  EXPECT_EQ(0, s.selectedTeleport);
  deleteTeleportClicked(&view);
  deleteTeleportClicked(&view);
  EXPECT_EQ(1, s.openMap.teleportCount());
  EXPECT_EQ(1, s.teleportRows);
  EXPECT_EQ(0, s.selectedTeleport);
  EXPECT_EQ(1, s.document.modified());
  deleteTeleportClicked(&view);  // the last one: nothing stays selected
  EXPECT_EQ(-1, s.selectedTeleport);

  s.openMap.addTeleport(5, 3, "A");
  s.openMap.addTeleport(1, 1, "B");
  teleportSelected(0, rowData(view.state.rowIndex, 0));
  teleportDeleteKey(0, rowData(view.state.rowIndex, 0));
  EXPECT_EQ(-1, s.selectedTeleport);
  deleteTeleportClicked(&view);  // nothing selected: nothing removed
  EXPECT_EQ(1, s.openMap.teleportCount());
  EXPECT_EQ("1,1 B", row(teleportRowText, view, 0));
}

TEST_F(ViewTest, AddButtonsCheckModeQuantityAndFreePlacements) {
  ViewValues& s = *values;
  s.canvasMode = WorldView;
  addTeleportClicked(&view);  // only from LocalEdit
  EXPECT_TRUE(shown.empty());
  s.canvasMode = LocalEdit;
  addTeleportClicked(&view);
  EXPECT_EQ("Click on the map to set the location of the teleport|~OK", shown.back());
  EXPECT_EQ(PickTeleportCell, s.canvasMode);

  addObjectClicked(&view);  // no object selected: nothing at all
  EXPECT_EQ(1u, shown.size());
  constantObjectSelected(0, rowData(view.state.rowIndex, 3));
  EXPECT_EQ(3, s.selectedConstantObject);
  snprintf(s.quantityText, sizeof s.quantityText, "5");
  addObjectClicked(&view);  // no map data: no free placement
  EXPECT_EQ("Unable to add a constant object at this time|~OK", shown.back());

  s.mapData.load(dir.editorPath("NONE.DAT").c_str());
  for (const char* refused : {"", "0", "256", "abc", "-1"}) {
    snprintf(s.quantityText, sizeof s.quantityText, "%s", refused);
    addObjectClicked(&view);
    EXPECT_EQ("Unable to add a constant object at this time|~OK", shown.back()) << refused;
    EXPECT_EQ(PickTeleportCell, s.canvasMode) << refused;
  }
  for (const char* accepted : {"1", "255", "12x"}) {
    s.canvasMode = WorldView;
    snprintf(s.quantityText, sizeof s.quantityText, "%s", accepted);
    addObjectClicked(&view);
    EXPECT_EQ("Select a position to place the object|~OK", shown.back()) << accepted;
    EXPECT_EQ(PlaceObject, s.canvasMode) << accepted;
  }

  for (int i = 0; i < kPlacementCount; ++i) setPlacement(s.mapData.placement(i), 1, 1, 1, 1, 1);
  s.canvasMode = LocalEdit;
  addObjectClicked(&view);
  EXPECT_EQ("Unable to add a constant object at this time|~OK", shown.back());
  placementSelected(0, rowData(view.state.rowIndex, 150));
  deletePlacementClicked(&view);
  EXPECT_EQ("(0,0) 0", row(placementRowText, view, 150));
  EXPECT_EQ(150, s.mapData.firstFreePlacement());
  EXPECT_EQ(150, s.selectedPlacement);
  addObjectClicked(&view);
  EXPECT_EQ("Select a position to place the object|~OK", shown.back());
  EXPECT_EQ(PlaceObject, s.canvasMode);
}
