// The edit history: steps through the gate, undo and redo back to the exact
// state, the changed mark, histories kept per map, and its bounds.
#include "data/edit_history.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct MapPair {
  LocalMap map;
  MapDataFile data;
  MapPair() { data.load(""); }  // a table of free records
  std::string content() {
    MapState state;
    captureMapState(map, data, state);
    std::string bytes(reinterpret_cast<const char*>(state.tiles), sizeof state.tiles);
    for (const Placement& p : state.placements) {
      unsigned char record[kPlacementSize];
      encodePlacement(p, record);
      bytes.append(reinterpret_cast<const char*>(record), kPlacementSize);
    }
    return bytes + std::to_string(state.kind) + state.teleports;
  }
};

MapFileStamps stamps(long long size) { return MapFileStamps{{true, size, 1}, {false, 0, 0}}; }

void randomEdit(MapPair& m, EditHistory& history) {
  history.beginStep();
  for (int n = rand() % 4; n >= 0; --n) m.map.setTile(rand() % 48, rand() % 24, rand() & 255);
  if (rand() % 5 == 0) m.data.placement(rand() % 200)->x = static_cast<unsigned char>(rand());
  if (rand() % 7 == 0) m.map.addTeleport(rand() % 48 + 1, rand() % 24 + 1, "TAB2515");
  if (rand() % 7 == 0) m.map.removeTeleport(0);
  history.commitStep();
}

}  // namespace

TEST(EditHistory, OneStepPerEditUndoneAndRedoneExactlyWithTheChangedMark) {
  MapPair m;
  EditHistory history(m.map, m.data);
  history.mapLoaded("C:\\W\\ZANAB.MAP", stamps(1));
  const std::string opened = m.content();
  history.beginStep();
  for (int c = 3; c < 9; ++c) m.map.setTile(c, 4, 77);  // a stroke over six cells
  m.map.addTeleport(2, 20, "ZANAC");
  *m.data.placement(5) = Placement{40, 2, 1, 3, {9, 8, 7}, 12};
  EXPECT_TRUE(history.commitStep());
  history.beginStep();
  EXPECT_FALSE(history.commitStep());  // nothing differs: no step
  EXPECT_EQ(1, history.stepCount());
  EXPECT_TRUE(history.changed());
  const std::string edited = m.content();

  CellBox box;
  ASSERT_TRUE(history.undo(&box));
  EXPECT_EQ(opened, m.content());
  EXPECT_FALSE(history.changed());
  EXPECT_EQ(1, box.left);  // the teleport's cell, the stroke and the placement
  EXPECT_EQ(1, box.top);
  EXPECT_EQ(39, box.right);
  EXPECT_EQ(19, box.bottom);
  EXPECT_FALSE(history.undo(&box));  // nothing left: nothing happens
  ASSERT_TRUE(history.redo(&box));
  EXPECT_EQ(edited, m.content());
  EXPECT_FALSE(history.redo(&box));

  history.markSaved(stamps(2));
  EXPECT_FALSE(history.changed());
  history.undo(&box);
  EXPECT_TRUE(history.changed());  // an undo after a save changes the map again
  EXPECT_TRUE(history.mapPartChanged());
  history.beginStep();
  m.map.setTile(0, 0, 1);  // a new edit drops the redo, and with it the saved state
  history.commitStep();
  EXPECT_FALSE(history.canRedo());
  history.undo(&box);
  EXPECT_TRUE(history.changed());

  history.beginStep();
  m.data.placement(0)->quantity = 9;  // placements alone
  history.commitStep();
  history.markSaved(stamps(3));
  history.undo(&box);
  EXPECT_TRUE(history.changed());
  EXPECT_FALSE(history.mapPartChanged());
}

TEST(EditHistory, EachMapKeepsItsHistoryUntilItsFileChangesOrItsEditsAreDiscarded) {
  MapPair m;
  EditHistory history(m.map, m.data);
  history.mapLoaded("C:\\W\\ZANAA.MAP", stamps(1));
  randomEdit(m, history);
  m.map.setTile(1, 1, 200);
  history.beginStep();
  m.map.setTile(1, 1, 201);
  history.commitStep();
  history.markSaved(stamps(2));
  history.beginStep();
  m.map.setTile(1, 1, 202);  // unsaved when the map is left: discarded
  history.commitStep();
  history.mapLoaded("C:\\W\\ZANAB.MAP", stamps(5));
  EXPECT_FALSE(history.canUndo());
  EXPECT_FALSE(history.changed());

  history.mapLoaded("c:\\w\\zanaa.map", stamps(2));  // back, the file as it was saved
  EXPECT_FALSE(history.changed());
  EXPECT_FALSE(history.canRedo());
  ASSERT_TRUE(history.undo(nullptr));
  EXPECT_EQ(200, m.map.getTile(1, 1));
  EXPECT_TRUE(history.changed());
  history.mapLoaded("C:\\W\\ZANAB.MAP", stamps(5));
  history.mapLoaded("C:\\W\\ZANAA.MAP", stamps(3));  // written by someone else since
  EXPECT_FALSE(history.canUndo());
  EXPECT_EQ(3, history.mapCount());  // and the untitled map of the start
}

TEST(EditHistory, BoundsHoldOverTenThousandRandomEditsAndUndoStaysExact) {
  srand(21);
  MapPair m;
  const size_t limit = 256 * 1024;
  EditHistory history(m.map, m.data, limit, 1000);
  std::vector<std::string> states;  // the state before each step of the open map
  for (int i = 0; i < 10000; ++i) {
    if (i % 2000 == 0) {
      history.markSaved(stamps(i));
      history.mapLoaded(("MAP" + std::to_string(i / 2000 % 3)).c_str(), stamps(i));
      states.clear();
    }
    const std::string before = m.content();
    randomEdit(m, history);
    if (m.content() != before) states.push_back(before);
    ASSERT_LE(history.memoryUsed(), limit);
    ASSERT_LE(history.stepCount(), 1000);
  }
  const int steps = history.stepCount();
  ASSERT_GT(steps, 100);
  const std::string last = m.content();
  for (int k = 1; k <= steps; ++k) {
    ASSERT_TRUE(history.undo(nullptr));
    ASSERT_EQ(states[states.size() - k], m.content()) << k;
  }
  EXPECT_FALSE(history.undo(nullptr));
  for (int k = 0; k < steps; ++k) history.redo(nullptr);
  EXPECT_EQ(last, m.content());
}
