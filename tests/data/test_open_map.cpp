// The open map's owner against a simple model: random edits, undo, redo,
// saves, discards, reloads after outside writes and switches between maps,
// with the files on disk, the recovery copy, modified() and undo/redo
// checked after every step; and the kind a world map opens as.
#include "data/open_map.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>
#include <vector>

#include "platform/backup_store.h"
#include "support/temp_dir.h"

namespace {

// Everything an edit can change, as comparable bytes.
std::string contentOf(const LocalMap& map, const MapDataFile& data) {
  MapState state;
  captureMapState(map, data, state);
  std::string bytes(reinterpret_cast<const char*>(state.tiles), sizeof state.tiles);
  for (const Placement& p : state.placements) {
    unsigned char record[kPlacementSize];
    encodePlacement(p, record);
    bytes.append(reinterpret_cast<const char*>(record), kPlacementSize);
  }
  return bytes + "|" + std::to_string(state.kind) + "|" + state.teleports;
}

// What one map's history should be: its states oldest first, the current
// and the saved one (-1: fallen off the front), and what its files hold.
struct ModelMap {
  std::vector<std::string> states;
  int current = 0;
  int saved = 0;
  std::string disk;
};

class OpenMapModel : public ::testing::Test {
 protected:
  static constexpr int kSteps = 6;  // steps kept per map: the saved state often falls off the front

  void SetUp() override {
    for (const char* file : {"A", "B"}) {
      LocalMap map;
      map.setTile(1, 1, 'a');
      ASSERT_TRUE(map.save(dir.editorPath(std::string(file) + ".MAP").c_str()));
      writeFileBytes(dir.file(std::string(file) + ".DAT"), std::string(kPlacementTableSize, '\0') + "tail");
    }
    ASSERT_TRUE(doc.recovery().start(dir.editorPath("recovery").c_str()));
    open("A");
  }

  std::string path(const std::string& name) const { return dir.editorPath(name + ".MAP"); }
  std::string now() const { return contentOf(doc.map, doc.data); }
  std::string onDisk(const std::string& name) const {
    LocalMap map;
    MapDataFile data;
    map.load(path(name).c_str());
    data.load(dir.editorPath(name + ".DAT").c_str());
    return contentOf(map, data);
  }
  ModelMap& model() { return maps[openName]; }

  // Leaving a map drops its unsaved steps: its history ends at the saved
  // state, or starts again when that state is gone.
  void leave() {
    ModelMap& m = model();
    if (m.saved < 0) {
      m.states = {m.disk};
      m.current = m.saved = 0;
    } else {
      m.states.resize(static_cast<size_t>(m.saved) + 1);
      m.current = m.saved;
    }
  }
  void open(const std::string& next) {
    if (!openName.empty()) leave();
    openName = next;
    ModelMap& m = model();
    doc.open(path(openName).c_str());
    if (m.states.empty()) m.states = {m.disk = now()};
  }

  // An edit left open (a stroke still held) is the step the next
  // operation closes first.
  void randomEdit(bool leaveOpen = false) {
    const std::string before = now();
    const int what = static_cast<int>(rng() % 6);
    const unsigned char code = "ab"[rng() % 2];  // two codes: a cell is often painted back
    doc.beginEdit();
    if (what < 3) doc.map.setTile(static_cast<int>(rng() % 3), 1, code);
    if (what == 3) doc.map.addTeleport(3, 4, "ZANAC");
    if (what == 4) doc.map.removeTeleport(0);
    if (what == 5) doc.data.placement(2)->inUse ^= 1;
    if (!leaveOpen) doc.commitEdit();
    const std::string after = now();
    if (after == before) return;
    ModelMap& m = model();
    if (m.saved > m.current) m.saved = -1;  // the saved state was on the redo branch
    m.states.resize(static_cast<size_t>(m.current) + 1);
    m.states.push_back(after);
    m.current++;
    if (m.states.size() > kSteps + 1) {
      m.states.erase(m.states.begin());
      m.current--;
      if (m.saved >= 0) m.saved--;
    }
  }

  void save() {
    ModelMap& m = model();
    const bool placementsDiffer = m.disk.substr(kMapRows * kMapColumns, kPlacementTableSize) !=
                                  now().substr(kMapRows * kMapColumns, kPlacementTableSize);
    {
      BackupOperation backup(BackupPlace{dir.editorPath("backups"), 1000}, "Save");
      ASSERT_TRUE(doc.save(path(openName).c_str(), &backup).mapWritten);
    }
    m.disk = m.states[static_cast<size_t>(m.current)];
    m.saved = m.current;
    // Both replaced files are kept first: the ".DAT" whenever it is rewritten.
    const std::vector<BackupSummary> backups = listBackups(dir.editorPath("backups").c_str());
    ASSERT_FALSE(backups.empty());
    bool keptData = false;
    for (const BackupFile& f : backups[0].files) keptData = keptData || f.original == dir.editorPath(openName + ".DAT");
    ASSERT_EQ(placementsDiffer, keptData) << "step " << step;
  }

  // Someone else writes the map's file; the editor reads it anew.
  void outsideWriteAndReload() {
    LocalMap map;
    map.setTile(5, 5, static_cast<unsigned char>('c' + step % 20));
    ASSERT_TRUE(map.save(path(openName).c_str()));
    doc.reload();
    ModelMap& m = model();
    m.disk = now();
    m.states = {m.disk};
    m.current = m.saved = 0;
  }

  void check() {
    ModelMap& m = model();
    const std::string& expected = m.states[static_cast<size_t>(m.current)];
    ASSERT_EQ(expected, now()) << "step " << step;
    ASSERT_EQ(m.disk, onDisk(openName)) << "step " << step;
    ASSERT_EQ(expected != m.disk, doc.modified()) << "step " << step;
    ASSERT_EQ(m.current > 0, doc.history().canUndo()) << "step " << step;
    ASSERT_EQ(static_cast<size_t>(m.current) + 1 < m.states.size(), doc.history().canRedo()) << "step " << step;
    const std::string copy = readFileBytes(dir.file("recovery/map.txt"));
    ASSERT_EQ(doc.modified(), !copy.empty()) << "step " << step;
    if (copy.empty()) return;
    RecoveredMap recovered;
    ASSERT_TRUE(readRecoveryFile(dir.editorPath("recovery\\map.txt").c_str(), recovered, nullptr));
    LocalMap map;
    MapDataFile data;
    data.load("");
    applyRecoveredMap(recovered, map, data);
    ASSERT_EQ(expected, contentOf(map, data)) << "step " << step;
  }

  TempDir dir;
  OpenMap doc{EditHistory::kMemoryLimit, kSteps};
  std::map<std::string, ModelMap> maps;
  std::string openName;
  std::mt19937 rng{28};
  int step = 0;
};

}  // namespace

// Counts what it hears.
struct CountingListener final : OpenMapListener {
  int heard = 0;
  void openMapChanged(const OpenMapEvent&) override { heard++; }
};

TEST_F(OpenMapModel, FilesRecoveryCopyAndModifiedFollowTheModelOverRandomRuns) {
  CountingListener listener;
  doc.addListener(&listener);
  for (step = 0; step < 1500; ++step) {
    const int r = static_cast<int>(rng() % 100);
    ModelMap& m = model();
    if (r < 45) {
      randomEdit();
    } else if (r < 60) {
      if (doc.undo()) m.current--;
    } else if (r < 72) {
      if (doc.redo()) m.current++;
    } else if (r < 82) {
      if (r % 2) randomEdit(true);  // Ctrl+S with the button still held
      save();
    } else if (r < 88) {
      leave();
      doc.discard();
    } else if (r < 96) {
      open(openName == "A" ? "B" : "A");
    } else {
      outsideWriteAndReload();
    }
    check();
    if (HasFatalFailure()) return;
  }
  EXPECT_GT(listener.heard, 1000);
  doc.removeListener(&listener);
  const int heard = listener.heard;
  doc.edit([&] { doc.map.setTile(40, 20, 'q'); });
  EXPECT_EQ(heard, listener.heard);  // a listener removed hears nothing more
}
