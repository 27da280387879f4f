// The script functions beyond tiles on real files: every bad argument stops
// the run by name and lands nothing; a map run's teleports and placements
// follow a simple model over random calls and go back with one undo step;
// a run on each world map writes all or nothing.
#include <cstring>
#include <random>

#include "data/edit_history.h"
#include "data/map_data_file.h"
#include "data/map_step.h"
#include "script/each_map_run.h"
#include "script/map_generation.h"
#include "script/reach_functions.h"
#include "script_fixture.h"

namespace {

std::string mapFile(const std::string& header, int rows, unsigned char fill) {
  std::string bytes = header + "\r\n";
  for (int r = 0; r < rows; r++) bytes += " " + std::string(48, static_cast<char>(fill)) + "\r\n";
  return bytes;
}

std::string placementRecord(int x, int y, int inUse, int id) {
  const unsigned char b[11] = {static_cast<unsigned char>(x), static_cast<unsigned char>(y),
                               static_cast<unsigned char>(inUse), 1, 0, 0, 0,
                               static_cast<unsigned char>(id), static_cast<unsigned char>(id >> 8), 0, 0};
  return std::string(reinterpret_cast<const char*>(b), 11);
}

// A ".DAT" of 200 records (the first given) and a tail the table must keep.
std::string dataFile(const std::string& first) {
  std::string bytes = first;
  bytes.resize(2200, '\0');
  return bytes + "TAIL";
}

class ReachTest : public ScriptTest {
 protected:
  // ZANCD.MAP, a Wilderness map with one teleport, and its ".DAT" with one object.
  void openMapWithData() {
    mapBytes = mapFile("WILDERNESS!>21,13:TAB2515!", 24, 5);
    dataBytes = dataFile(placementRecord(3, 4, 1, 7));
    writeFileBytes(dir.file("ZANCD.MAP"), mapBytes);
    writeFileBytes(dir.file("ZANCD.DAT"), dataBytes);
    ASSERT_TRUE(map.load(dir.editorPath("ZANCD.MAP").c_str()));
    ASSERT_TRUE(data.load(dir.editorPath("ZANCD.DAT").c_str()));
  }
  bool runOnMap(const std::string& source) {
    user.script = writeScript(source);
    return generateIntoMap(engine, map, &data);
  }
  // All 400 world maps, tile code n % 200 + 20 throughout map n, and one ".DAT".
  void writeWorld() {
    for (int n = 0; n < 400; n++) {
      std::string name = std::string("ZAN") + char('A' + n % 20) + char('A' + n / 20);
      writeFileBytes(dir.file(name + ".MAP"), mapFile("WILDERNESS!", 24, static_cast<unsigned char>(n % 200 + 20)));
    }
    writeFileBytes(dir.file("ZANBA.DAT"), dataFile(placementRecord(1, 1, 1, 3)));
  }
  std::vector<std::string> worldBytes() {
    std::vector<std::string> bytes;
    for (int n = 0; n < 400; n++)
      bytes.push_back(readFileBytes(dir.file(std::string("ZAN") + char('A' + n % 20) + char('A' + n / 20) + ".MAP")));
    bytes.push_back(readFileBytes(dir.file("ZANBA.DAT")));
    return bytes;
  }

  LocalMap map;
  MapDataFile data;
  std::string mapBytes, dataBytes;
};

}  // namespace

// Line 3 of every script holds the bad call, after calls that changed the map.
TEST_F(ReachTest, EveryBadArgumentStopsTheRunNamingFunctionAndArgumentAndLandsNothing) {
  const std::vector<std::pair<std::string, std::string>> calls = {
      {"getkind(0, 1)", "getkind: argument x, y is (0, 1), outside the grid 1..960 x 1..480"},
      {"getkind(49, 1)", "getkind: argument x, y is (49, 1), in a block that holds no map in this run"},
      {"setkind(1, 1, 3)", "setkind: argument kind is 3, outside the kinds 1 (wilderness), 2 (local) and 4 (interior)"},
      {"mapname(1, 481)", "mapname: argument x, y is (1, 481), outside the grid 1..960 x 1..480"},
      {"getteleport(1, 1, 3, a, b)", "getteleport: argument n is 3, outside 1..2 (the map's teleports)"},
      {"teleportname(1, 1, 0)", "teleportname: argument n is 0, outside 1..2 (the map's teleports)"},
      {"addteleport(1, 1, 49, 1, \"A\")", "addteleport: argument cellx is 49, outside 1..48"},
      {"addteleport(1, 1, 1, 25, \"A\")", "addteleport: argument celly is 25, outside 1..24"},
      {"addteleport(1, 1, 1, 1, \"\")", "addteleport: argument name is empty"},
      {"addteleport(1, 1, 1, 1, \"MYLOCALMAP\")", "addteleport: argument name holds the kind word LOCAL"},
      {"setteleport(1, 1, 1, 1, 1, \"A>B\")",
       "setteleport: argument name holds \">\", a line end or a NUL byte, which no map file can carry"},
      {"setteleport(1, 1, 1, 1, 1, \"" + std::string(256, 'N') + "\")",
       "setteleport: argument name is longer than 255 bytes"},
      {"removeteleport(1, 1, -1)", "removeteleport: argument n is -1, outside 1..2 (the map's teleports)"},
      {"getplacement(1, 1, 201, a, b, c)", "getplacement: argument n is 201, outside 1..200"},
      {"placementinuse(1, 1, 0)", "placementinuse: argument n is 0, outside 1..200"},
      {"addplacement(1, 1, 400, 1, 1)",
       "addplacement: argument id is 400, outside 0..399 (objects), 1000..3999 (creatures), 50000..99899 (player "
       "objects)"},
      {"addplacement(1, 1, 4000, 1, 1)",
       "addplacement: argument id is 4000, outside 0..399 (objects), 1000..3999 (creatures), 50000..99899 (player "
       "objects)"},
      {"addplacement(1, 1, 5, 0, 1)", "addplacement: argument cellx is 0, outside 1..48"},
      {"removeplacement(1, 1, 201)", "removeplacement: argument n is 201, outside 1..200"},
      {"idname(-1)", "idname: argument id is -1, outside 0..399 (objects), 1000..3999 (creatures), 50000..99899 "
                     "(player objects)"},
      {"idsprite(999)", "idsprite: argument id is 999, outside 0..399 (objects), 1000..3999 (creatures), "
                        "50000..99899 (player objects)"},
      {"findid(\"Rat\", -2)", "findid: argument after is -2, outside -1 and the ids"},
      {"neartile(97, 1)", "neartile: argument x is 97, outside -47..96"},
      {"neartile(1, -24)", "neartile: argument y is -24, outside -23..48"},
      {"hasmap(961, 1)", "hasmap: argument x, y is outside the grid 1..960 x 1..480"},
      {"usemap(49, 1, \"CAVE\")",
       "usemap: argument x, y names a block, but maps are used by name only in a run on each world map"},
      {"usemap(49, 1, \"A.B\")", "usemap: argument name is no map name (1..200 bytes, no path, dot, blank or wildcard)"},
  };
  openMapWithData();
  for (const auto& call : calls) {
    user.shown.clear();
    EXPECT_FALSE(runOnMap("void main() {\n  settile(1, 1, 9); setkind(1, 1, 4); addteleport(1, 1, 2, 2, \"X\"); "
                          "addplacement(1, 1, 5, 2, 2); int a, b, c;\n  " +
                          call.first + ";\n}\n"))
        << call.first;
    EXPECT_EQ(std::vector<std::string>{"Script stopped at line 3: " + call.second + "\nThe map was not changed.|~OK"},
              user.shown);
    EXPECT_EQ(5, map.getTile(0, 0));
    EXPECT_EQ(Wilderness, map.kind);
    EXPECT_EQ(1, map.teleportCount());
    EXPECT_EQ(0, data.placement(1)->inUse);
  }
  map.save(map.path);
  data.save();
  EXPECT_EQ(mapBytes, readFileBytes(dir.file("ZANCD.MAP")));
  EXPECT_EQ(dataBytes, readFileBytes(dir.file("ZANCD.DAT")));
}

// Random teleport and placement calls against a plain model of the two
// lists; the run lands as one undo step that takes all four kinds of data
// back, and redo puts them again.
TEST_F(ReachTest, RandomCallsFollowAModelAndOneUndoTakesTheWholeRunBack) {
  std::mt19937 random(30);
  for (int round = 0; round < 12; round++) {
    openMapWithData();
    std::vector<ScriptTeleport> teleports{{1, 1, "TAB2515"}};
    std::vector<std::pair<int, int>> placements(200, {0, 0});  // (id, in use) per record
    placements[0] = {7, 1};
    std::string body = "  settile(4, 5, 77);\n  setkind(1, 1, " + std::to_string(round % 2 ? 2 : 4) + ");\n";
    for (int step = 0; step < 20; step++) {
      const int n = static_cast<int>(teleports.size());
      const int x = 1 + static_cast<int>(random() % 48), y = 1 + static_cast<int>(random() % 24);
      const std::string name = "M" + std::to_string(random() % 1000);
      switch (random() % 5) {
        case 0:
          body += "  addteleport(1, 1, " + std::to_string(x) + ", " + std::to_string(y) + ", \"" + name + "\");\n";
          teleports.push_back({x, y, name});
          break;
        case 1:
          if (n == 0) break;
          body += "  removeteleport(1, 1, " + std::to_string(n) + " - " + std::to_string(step % n) + ");\n";
          teleports.erase(teleports.begin() + (n - 1 - step % n));
          break;
        case 2:
          if (n == 0) break;
          body += "  setteleport(1, 1, 1, " + std::to_string(x) + ", " + std::to_string(y) + ", \"" + name + "\");\n";
          teleports[0] = {x, y, name};
          break;
        case 3: {
          const int id = random() % 2 ? 1000 + static_cast<int>(random() % 3000) : static_cast<int>(random() % 400);
          body += "  addplacement(1, 1, " + std::to_string(id) + ", " + std::to_string(x) + ", " +
                  std::to_string(y) + ");\n";
          for (auto& p : placements)
            if (p.second == 0 && !(p.first >= 1000 && p.first < 50000)) {
              p = {id, 1};
              break;
            }
          break;
        }
        default:
          body += "  removeplacement(1, 1, " + std::to_string(1 + step % 4) + ");\n";
          placements[static_cast<size_t>(step % 4)] = {0, 0};
      }
    }
    MapState before;
    captureMapState(map, data, before);
    EditHistory history(map, data);
    history.mapLoaded(map.path, MapFileStamps{});
    history.beginStep();
    ASSERT_TRUE(runOnMap("void main() {\n" + body + "}\n")) << body;
    ASSERT_TRUE(history.commitStep());
    EXPECT_EQ(77, map.getTile(3, 4));
    EXPECT_EQ(round % 2 ? Local : Interior, map.kind);
    ASSERT_EQ(static_cast<int>(teleports.size()), map.teleportCount()) << body;
    for (int i = 0; i < map.teleportCount(); i++) {
      int tx = 0, ty = 0;
      char name[256];
      map.getTeleport(i, &tx, &ty, name);
      EXPECT_EQ(teleports[static_cast<size_t>(i)], (ScriptTeleport{tx, ty, name})) << i << body;
    }
    for (int i = 0; i < 200; i++) {
      EXPECT_EQ(placements[static_cast<size_t>(i)].first, data.placement(i)->id) << i << body;
      EXPECT_EQ(placements[static_cast<size_t>(i)].second, data.placement(i)->inUse) << i << body;
    }
    MapState after, undone;
    captureMapState(map, data, after);
    CellBox box;
    ASSERT_TRUE(history.undo(&box));
    captureMapState(map, data, undone);
    EXPECT_EQ(0, memcmp(before.tiles, undone.tiles, sizeof before.tiles));
    EXPECT_EQ(before.kind, undone.kind);
    EXPECT_EQ(before.teleports, undone.teleports);
    EXPECT_EQ(0, memcmp(before.placements, undone.placements, sizeof before.placements));
    EXPECT_FALSE(history.canUndo()) << "the whole run is one step";
    ASSERT_TRUE(history.redo(&box));
    captureMapState(map, data, undone);
    EXPECT_EQ(after.kind, undone.kind);
    EXPECT_EQ(after.teleports, undone.teleports);
    EXPECT_EQ(0, memcmp(after.placements, undone.placements, sizeof after.placements));
  }
}

// The 200th map's turn fails after 199 that changed their maps: not one file
// changes, and the user is told on which map; the same run without the
// failure writes every changed map and the one ".DAT", and says what changed.
TEST_F(ReachTest, RunOnEachWorldMapWritesTheWholeWorldOrNothing) {
  writeWorld();
  const std::vector<std::string> original = worldBytes();
  const std::string body =
      "void main() {\n  settile(1, 1, 9);\n  addteleport(1, 1, 2, 2, \"CAVE\" + gettile(5, 5));\n"
      "  if (placementcount(1, 1) > 0) removeplacement(1, 1, 1);\n";
  user.script = writeScript(body + "  if (mapname(1, 1) == \"ZANTJ\") { int z = 0; z = 1 / z; }\n}\n");
  WorldGenerationResult result = runOnEachWorldMap(engine, dir.editorPath().c_str());
  EXPECT_EQ(ScriptRunEnd::Exception, result.run);
  EXPECT_EQ(0, result.written);
  EXPECT_EQ(original, worldBytes());
  EXPECT_EQ(std::vector<std::string>{"On ZANTJ: Script stopped at line 5: Divide by zero\nNothing was written.|~OK"},
            user.shown);

  user.shown.clear();
  user.script = writeScript(body + "}\n");
  result = runOnEachWorldMap(engine, dir.editorPath().c_str());
  EXPECT_EQ(401, result.written);
  EXPECT_EQ(std::vector<std::string>{"Run on Each World Map wrote 401 files. 400 maps changed; teleports: 400 added, "
                                     "0 changed, 0 removed; placements: 1 records in 1 map.|~OK"},
            user.shown);
  std::string header = "WILDERNESS!>22,14:CAVE219!";
  std::string expected = mapFile(header, 24, 219);
  expected[header.size() + 3] = 9;
  EXPECT_EQ(expected, readFileBytes(dir.file("ZANTJ.MAP")));
  EXPECT_EQ(dataFile(std::string(11, '\0')), readFileBytes(dir.file("ZANBA.DAT")));
}

// The game's tables by id and by name (objects, then creatures, then player
// objects), and a map run's surroundings read from the world maps beside it.
TEST_F(ReachTest, TablesAndTheSurroundingWorldMapsAreLookedUp) {
  openMapWithData();
  std::string objects(400 * 79, '\0'), players(49900 * 79, '\0');
  memcpy(&objects[3 * 79 + 2], "Sword", 5);
  objects[3 * 79 + 53] = 9;
  memcpy(&players[2 * 79 + 2], "Sword", 5);
  players[2 * 79 + 53] = 8;
  writeFileBytes(dir.file("CONSTANT.OBJ"), objects);
  writeFileBytes(dir.file("playername.OBJ"), players);
  writeFileBytes(dir.file("ZANBD.MAP"), mapFile("WILDERNESS!", 24, 31));   // west
  writeFileBytes(dir.file("ZANDE.MAP"), mapFile("WILDERNESS!", 24, 32));   // south-east
  writeFileBytes(dir.file("ZANCC.MAP"), mapFile("INTERIOR!", 23, 33));     // north
  writeFileBytes(dir.file("ZANDD.MAP"), mapFile("WILDERNESS!", 24, 34));   // east
  ASSERT_TRUE(runOnMap(
      "void main() {\n  print(\"\" + findid(\"Sword\", -1) + \" \" + findid(\"Sword\", 3) + \" \" + "
      "findid(\"Sword\", 50002) + \" \" + findid(\"Axe\", -1) + \" \" + findid(\"\", -1));\n"
      "  print(idname(3) + \" \" + idsprite(3) + \" \" + idname(50002) + \" \" + idsprite(50002) + \" [\" + "
      "idname(1000) + \"]\");\n"
      "  print(\"\" + neartile(0, 1) + \" \" + neartile(-47, 24) + \" \" + neartile(96, 48) + \" \" + "
      "neartile(48, 24) + \" \" + neartile(1, 0) + \" \" + neartile(5, -1) + \" \" + neartile(49, 1));\n"
      // Texts returned while the script holds earlier ones stay apart from them.
      "  string@ a = mapname(1, 1); string@ b = teleportname(1, 1, 1); a[0] = 88; string@ c = mapname(1, 1);\n"
      "  print(a + \" \" + b + \" \" + c + \" \" + idname(3) + mapname(1, 1));\n"
      "  print(\"\" + (hasmap(1, 1) ? 1 : 0) + (hasmap(48, 24) ? 1 : 0) + (hasmap(49, 1) ? 1 : 0) + "
      "(hasmap(1, 25) ? 1 : 0) + \" \" + (placementinuse(1, 1, 1) ? 1 : 0) + (placementinuse(1, 1, 2) ? 1 : 0) + "
      "\" \" + neartile(1, 1));\n}\n"));
  EXPECT_EQ((std::vector<std::string>{"3 50002 -1 -1 -1", "Sword 9 Sword 8 []", "31 31 32 5 0 33 34",
                                      "XANCD TAB2515 ZANCD SwordZANCD", "1100 10 5"}),
            scriptReach(engine)->output());
}

// A run on each world map whose script does not build names no map and
// writes nothing.
TEST_F(ReachTest, AnEachRunThatDoesNotBuildWritesNothing) {
  writeWorld();
  const std::vector<std::string> original = worldBytes();
  user.script = writeScript("void main() { settile(1, 1, 9) }\n");
  WorldGenerationResult result = runOnEachWorldMap(engine, dir.editorPath().c_str());
  EXPECT_EQ(ScriptRunEnd::NotBuilt, result.run);
  ASSERT_EQ(1u, user.shown.size());
  EXPECT_EQ(0u, user.shown[0].find("Unable to build script.")) << user.shown[0];
  EXPECT_EQ(original, worldBytes());
}
