// The examples that run on each world map, through dola-script on small
// worlds made here, with the exact files they must write; and the same run
// in the editor's host writes the same bytes.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "data/creature.h"
#include "data/world_buffer.h"
#include "script/each_map_run.h"
#include "script/script_host.h"
#include "script/script_user.h"
#include "support/temp_dir.h"

namespace {

std::string example(const char* name) { return std::string(DOLA_SOURCE_DIR) + "/examples/" + name; }

std::string rows(int count, unsigned char fill, int cx = -1, int cy = -1, unsigned char code = 0) {
  std::string bytes;
  for (int r = 0; r < count; r++) {
    std::string row(48, static_cast<char>(fill));
    if (r == cy) row[static_cast<size_t>(cx)] = static_cast<char>(code);
    bytes += " " + row + "\r\n";
  }
  return bytes;
}

std::string record(int x, int y, int id) {
  const unsigned char b[11] = {static_cast<unsigned char>(x), static_cast<unsigned char>(y), 1, 1, 0, 0, 0,
                               static_cast<unsigned char>(id), static_cast<unsigned char>(id >> 8), 0, 0};
  return std::string(reinterpret_cast<const char*>(b), 11);
}

class EachExamples : public ::testing::Test {
 protected:
  // 400 grass world maps in <sub>, and creature tables naming 1014, 1020, 1030.
  void makeWorld(const std::string& sub) {
    std::filesystem::create_directories(dir.file(sub));
    for (int n = 0; n < 400; n++)
      writeFileBytes(dir.file(sub + "/" + mapName(n % 20, n / 20)), "WILDERNESS!\r\n" + rows(24, 250));
    writeFileBytes(dir.file(sub + "/CONSTANT.CRE"), std::string(1000 * kCreatureSize, '\0'));
    std::string table;
    unsigned char bytes[kCreatureSize];
    for (int i = 0; i < 3000; i++) {
      Creature c{};
      const char* name = i == 14 ? "Grey Wolf" : i == 20 ? "Deer" : i == 30 ? "Marsh Snake" : "";
      snprintf(c.name, sizeof c.name, "%s", name);
      encodeCreature(c, bytes);
      table.append(reinterpret_cast<const char*>(bytes), sizeof bytes);
    }
    writeFileBytes(dir.file(sub + "/" + sub.substr(sub.rfind('/') + 1) + ".CRS"), table);
  }
  static std::string mapName(int col, int row) {
    return std::string("ZAN") + char('A' + col) + char('A' + row) + ".MAP";
  }
  int runProgram(const std::string& args, std::string* out) {
    const std::string command = "cd '" + dir.path() + "' && timeout -s KILL 60 '" DOLA_BINARY_DIR
                                "/tools/dola-script' " + args + " >stdout.txt 2>stderr.txt";
    const int status = std::system(command.c_str());
    *out = readFileBytes(dir.file("stdout.txt"));
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  TempDir dir;
};

class PickingUser : public ScriptUser {
 public:
  explicit PickingUser(const std::string& script) : script_(script) {}
  int showText(const char*, const char*) override { return 0; }
  bool chooseScript(char* path, size_t size) override {
    snprintf(path, size, "%s", script_.c_str());
    return true;
  }
  CellPick pickCell(int*, int*) override { return CellPick::Unavailable; }
  bool stopRequested() override { return false; }
  ProgressDisplay* progress() override { return nullptr; }

 private:
  std::string script_;
};

}  // namespace

// A mouth that leads nowhere gets a new cave behind it, with stairs back; a
// mouth with a teleport is left alone. The editor's host writes the same.
TEST_F(EachExamples, LinkCavesMakesACaveBehindEveryUnlinkedMouth) {
  for (const std::string sub : {"world", "editor/world"}) {
    makeWorld(sub);
    writeFileBytes(dir.file(sub + "/ZANAB.MAP"), "WILDERNESS!\r\n" + rows(24, 250, 4, 2, 127));
    writeFileBytes(dir.file(sub + "/ZANCD.MAP"), "WILDERNESS!>30,32:OLDCAVE!\r\n" + rows(24, 250, 9, 19, 127));
  }
  const std::string linked = readFileBytes(dir.file("world/ZANCD.MAP"));
  std::string out;
  ASSERT_EQ(0, runProgram("each '" + example("link_caves.as") + "' world", &out));
  EXPECT_EQ("ZANAB (5, 3) leads into CAB0503\ndola-script: Run on Each World Map wrote 2 files. 2 maps changed; "
            "teleports: 2 added, 0 changed, 0 removed; placements: 0 records in 0 maps.\n",
            out);
  EXPECT_EQ("WILDERNESS!>25,15:CAB0503!\r\n" + rows(24, 250, 4, 2, 127), readFileBytes(dir.file("world/ZANAB.MAP")));
  std::string cave = "INTERIOR!>44,32:ZANAB!\r\n";
  for (int y = 0; y < 23; y++) {
    std::string row;
    for (int x = 0; x < 48; x++) row += static_cast<char>(x >= 6 && x <= 41 && y >= 4 && y <= 20 ? 244 : 245);
    if (y == 19) row[23] = static_cast<char>(248);
    cave += " " + row + "\r\n";
  }
  EXPECT_EQ(cave, readFileBytes(dir.file("world/CAB0503.MAP")));
  EXPECT_EQ(linked, readFileBytes(dir.file("world/ZANCD.MAP")));

  auto grid = std::make_unique<WorldBuffer>();
  PickingUser user(dir.editorPath("link.as"));
  writeFileBytes(dir.file("link.as"), readFileBytes(example("link_caves.as")));
  AngelScript::asIScriptEngine* engine = nullptr;
  ASSERT_TRUE(startScriptHost(&engine, grid.get(), &user));
  EXPECT_EQ(2, runOnEachWorldMap(engine, dir.editorPath("editor\\world").c_str()).written);
  stopScriptHost(&engine);
  int differing = 0, files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(dir.file("world"))) {
    const std::string name = entry.path().filename().string();
    files++;
    differing += readFileBytes(entry.path().string()) != readFileBytes(dir.file("editor/world/" + name));
  }
  EXPECT_EQ(403, files);
  EXPECT_EQ(0, differing);
}

// Wolves in the forest, deer on grass, snakes in the swamp, four at most, in
// the first free records, none where something stands; maps without a
// ".DAT" are left alone.
TEST_F(EachExamples, CreaturesByTerrainFillTheFirstFreeRecords) {
  makeWorld("world");
  std::string tiles = rows(24, 250);
  tiles[3 * 51 + 1 + 3] = 4;                            // (4, 4) a tree
  tiles[3 * 51 + 1 + 19] = static_cast<char>(192);      // (20, 4) swamp
  writeFileBytes(dir.file("world/ZANAA.MAP"), "WILDERNESS!\r\n" + tiles);
  std::string data = record(28, 4, 5);  // an object stands on (28, 4)
  data.resize(2200, '\0');
  writeFileBytes(dir.file("world/ZANAA.DAT"), data + "TAIL");
  std::string out;
  ASSERT_EQ(0, runProgram("each '" + example("creatures_by_terrain.as") + "' world", &out));
  EXPECT_EQ("ZANAA (4, 4): Grey Wolf\nZANAA (12, 4): Deer\nZANAA (20, 4): Marsh Snake\nZANAA (36, 4): Deer\n"
            "dola-script: Run on Each World Map wrote 1 file. 0 maps changed; teleports: 0 added, 0 changed, 0 "
            "removed; placements: 4 records in 1 map.\n",
            out);
  std::string expected = record(28, 4, 5) + record(4, 4, 1014) + record(12, 4, 1020) + record(20, 4, 1030) +
                         record(36, 4, 1020);
  expected.resize(2200, '\0');
  EXPECT_EQ(expected + "TAIL", readFileBytes(dir.file("world/ZANAA.DAT")));
}

// Every teleport into OAKVALE leads into OAKTOWN: in the world maps and in
// OAKHOUSE, read by name; other teleports stay.
TEST_F(EachExamples, RenameTeleportRenamesInWorldMapsAndTheNamedMap) {
  makeWorld("world");
  writeFileBytes(dir.file("world/ZANQR.MAP"), "WILDERNESS!>22,14:OAKVALE!>23,15:ZANAB!\r\n" + rows(24, 250));
  writeFileBytes(dir.file("world/OAKHOUSE.MAP"), "INTERIOR!>30,20:OAKVALE!\r\n" + rows(23, 95));
  std::string out;
  ASSERT_EQ(0, runProgram("each '" + example("rename_teleport.as") + "' world", &out));
  EXPECT_EQ("OAKHOUSE: 1 renamed\nZANQR: 1 renamed\ndola-script: Run on Each World Map wrote 2 files. 2 maps "
            "changed; teleports: 0 added, 2 changed, 0 removed; placements: 0 records in 0 maps.\n",
            out);
  EXPECT_EQ("WILDERNESS!>22,14:OAKTOWN!>23,15:ZANAB!\r\n" + rows(24, 250), readFileBytes(dir.file("world/ZANQR.MAP")));
  EXPECT_EQ("INTERIOR!>30,20:OAKTOWN!\r\n" + rows(23, 95), readFileBytes(dir.file("world/OAKHOUSE.MAP")));
}
