// The generation commands end to end on real files: what a world generation
// writes and asks, what cancels and failed runs leave untouched, how the open
// map stays true to the disk, and the local-map round trip.
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "data/local_map.h"
#include "platform/backup_store.h"
#include "platform/safe_file.h"
#include "platform/write_faults.h"
#include "script/map_generation.h"
#include "script/world_generation.h"
#include "script_fixture.h"

namespace {

// A map file as the game stores it: the header line, then rows of tiles.
std::string mapFileBytes(const std::string& header, int rows, const std::string& firstRow = "") {
  std::string bytes = header + "\r\n";
  for (int r = 0; r < rows; r++) {
    std::string row = r == 0 && !firstRow.empty() ? firstRow : std::string();
    row.resize(48, '\0');
    bytes += " " + row + "\r\n";
  }
  return bytes;
}

std::string worldMapName(int col, int row) {
  return std::string("ZAN") + char('A' + col) + char('A' + row) + ".MAP";
}

int worldMapsIn(const TempDir& dir) {
  int found = 0;
  for (int row = 0; row < 20; row++)
    for (int col = 0; col < 20; col++) found += fileExistsOnHost(dir.file(worldMapName(col, row)));
  return found;
}

class GenerationTest : public ScriptTest {
 protected:
  // Opens an Interior map ZANCD.MAP with one teleport from the temporary directory.
  void openInteriorMap() {
    original = mapFileBytes("INTERIOR!>21,13:TAB2515!", 23, "\x05\x06");
    writeFileBytes(dir.file("ZANCD.MAP"), original);
    ASSERT_TRUE(openMap.load(dir.editorPath("ZANCD.MAP").c_str()));
  }
  void chooseScript(const std::string& source) { user.script = writeScript(source); }

  LocalMap openMap;
  std::string original;
};

}  // namespace

TEST_F(GenerationTest, ACancelledChoiceChangesNothing) {
  openInteriorMap();
  bool reloaded = true;
  WorldGenerationResult result = generateWorldBeside(engine, openMap, &reloaded);
  EXPECT_FALSE(result.chosen);
  EXPECT_FALSE(reloaded);
  EXPECT_EQ(Interior, openMap.kind);
  EXPECT_EQ(5, openMap.getTile(0, 0));
  EXPECT_EQ(1, worldMapsIn(dir));
  EXPECT_EQ(original, readFileBytes(dir.file("ZANCD.MAP")));
  EXPECT_TRUE(user.shown.empty());
  EXPECT_TRUE(user.progressLog.empty());
}

// Each block lands in its file, every file has the Wilderness header and the
// open map's teleports, and the open map, whose file was replaced, is read
// again from it.
TEST_F(GenerationTest, AWorldIsWrittenBlockByBlockAndTheOpenMapFollowsItsFile) {
  openInteriorMap();
  chooseScript("void main() {\n  settile(1, 1, 7);\n  settile(49, 1, 8);\n  settile(1, 25, 9);\n"
               "  settile(48 * 2 + 2, 24 * 3 + 1, 4);\n  settile(960, 480, 3);\n}\n");
  bool reloaded = false;
  WorldGenerationResult result = generateWorldBeside(engine, openMap, &reloaded);
  EXPECT_EQ(ScriptRunEnd::Finished, result.run);
  EXPECT_EQ(400, result.written);
  EXPECT_FALSE(result.failed);
  EXPECT_EQ(400, worldMapsIn(dir));
  EXPECT_EQ((std::vector<std::string>{"Replace the 1 existing world maps in " + dir.editorPath() +
                                          "?|~Replace|~Cancel",
                                      "Generate World Map wrote 400 files. 400 maps changed; teleports: 0 added, 0 "
                                      "changed, 0 removed; placements: 0 records in 0 maps.|~OK"}),
            user.shown);
  const std::string header = "WILDERNESS!>21,13:TAB2515!";
  EXPECT_EQ(mapFileBytes(header, 24, "\x07"), readFileBytes(dir.file("ZANAA.MAP")));
  EXPECT_EQ(mapFileBytes(header, 24, "\x08"), readFileBytes(dir.file("ZANBA.MAP")));
  EXPECT_EQ(mapFileBytes(header, 24, "\x09"), readFileBytes(dir.file("ZANAB.MAP")));
  EXPECT_EQ(mapFileBytes(header, 24, std::string("\0\x04", 2)), readFileBytes(dir.file("ZANCD.MAP")));
  EXPECT_EQ(mapFileBytes(header, 24), readFileBytes(dir.file("ZANTS.MAP")));
  std::string last = readFileBytes(dir.file("ZANTT.MAP"));
  EXPECT_EQ('\x03', last[last.size() - 3]);

  EXPECT_TRUE(reloaded);
  EXPECT_EQ(Wilderness, openMap.kind);
  EXPECT_EQ(0, openMap.getTile(0, 0));
  EXPECT_EQ(4, openMap.getTile(1, 0));
  EXPECT_EQ(1, openMap.teleportCount());

  ASSERT_EQ(402u, user.progressLog.size());
  EXPECT_EQ(-1, user.progressLog.front());
  EXPECT_EQ(99, user.progressLog[400]);
  EXPECT_EQ(-2, user.progressLog.back());
}

// The replace question's Cancel, a build error, an exception and a stop each
// leave every file as it was; the run failures say that nothing was written.
TEST_F(GenerationTest, DeclinedOrFailedGenerationsWriteNothing) {
  openInteriorMap();
  chooseScript("void main() { settile(1, 1, 7); }\n");
  user.answer = 1;
  bool reloaded = true;
  WorldGenerationResult result = generateWorldBeside(engine, openMap, &reloaded);
  EXPECT_TRUE(result.replaceDeclined);
  EXPECT_EQ(0, result.written);

  user.answer = 0;
  const char* failing[] = {"void main() { settile(1, 1, 7) }\n", "void main() {\n  int z = 0;\n  z = 1 / z;\n}\n",
                           "void main() {\n  while (true) {}\n}\n"};
  user.stopAfterLooks = 0;
  for (const char* source : failing) {
    user.looks = 0;
    chooseScript(source);
    result = generateWorldBeside(engine, openMap, &reloaded);
    EXPECT_NE(ScriptRunEnd::Finished, result.run);
  }
  EXPECT_FALSE(reloaded);
  ASSERT_EQ(4u, user.shown.size());
  for (size_t i = 1; i < 4; i++) {
    const std::string& text = user.shown[i];
    EXPECT_EQ("\nNothing was written.|~OK", text.substr(text.size() - 25)) << text;
  }
  EXPECT_EQ(0u, user.shown[3].find("Script stopped by Escape at line 2."));
  EXPECT_EQ(1, worldMapsIn(dir));
  EXPECT_EQ(original, readFileBytes(dir.file("ZANCD.MAP")));
  EXPECT_EQ(Interior, openMap.kind);
}

// A file that cannot be replaced and a tile code no row line can carry are
// counted and named; the others are written.
// A world with a map no file can carry is not written at all, and every such
// map is named; a map whose file cannot be written is reported by name.
TEST_F(GenerationTest, MapsThatCannotBeWrittenAreReported) {
  ASSERT_EQ(0, mkdir(dir.file("ZANAB.MAP").c_str(), 0755));
  chooseScript("void main() {\n  settile(48 * 3 + 5, 24 * 2 + 7, 13);\n  settile(48 * 4 + 1, 1, 10);\n}\n");
  WorldGenerationResult result = generateWorld(engine, dir.editorPath().c_str(), nullptr);
  EXPECT_EQ(0, result.written);
  EXPECT_EQ(2, result.unwritableMaps);
  ASSERT_EQ(1u, user.shown.size());
  EXPECT_EQ("The script put tile codes that no map file can hold (10 or 13) into 2 world maps:\n" +
                dir.editorPath("ZANEA.MAP") + ": tile code 10 in cell (1, 1)\n" + dir.editorPath("ZANDC.MAP") +
                ": tile code 13 in cell (5, 7)\nNothing was written.|~OK",
            user.shown[0]);
  EXPECT_FALSE(fileExistsOnHost(dir.file("ZANAA.MAP")));

  chooseScript("void main() { settile(1, 1, 7); }\n");
  result = generateWorld(engine, dir.editorPath().c_str(), nullptr);
  EXPECT_EQ(0, result.written);  // all or nothing
  EXPECT_TRUE(result.failed);
  EXPECT_FALSE(result.squareWritten[0][0]);
  ASSERT_EQ(2u, user.shown.size()) << "a directory is no world map to replace";
  EXPECT_EQ("No world map was written: " + dir.editorPath("ZANAB.MAP") +
                ": Is a directory. Every file is as it was.|~OK",
            user.shown[1]);
  EXPECT_FALSE(fileExistsOnHost(dir.file("ZANAA.MAP")));
}

// The maps are placed together: a sync that fails replaces none of them and
// leaves no temporary; a missing directory fails every map by name.
TEST_F(GenerationTest, AFailedSyncOrAMissingDirectoryReplacesNoWorldMap) {
  openInteriorMap();
  chooseScript("void main() { settile(1, 1, 7); }\n");
  bool reloaded = true;
  failBatchSync(true);
  WorldGenerationResult result = generateWorldBeside(engine, openMap, &reloaded);
  failBatchSync(false);
  EXPECT_EQ(0, result.written);
  EXPECT_TRUE(result.failed);
  EXPECT_FALSE(reloaded);
  EXPECT_EQ(original, readFileBytes(dir.file("ZANCD.MAP")));
  EXPECT_EQ(1, worldMapsIn(dir));
  for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
    EXPECT_NE('.', entry.path().filename().string()[0]) << entry.path();

  result = generateWorld(engine, dir.editorPath("none").c_str(), nullptr);
  EXPECT_TRUE(result.failed);
  EXPECT_EQ("No world map was written: " + dir.editorPath("none\\ZANAA.MAP") +
                ": No such file or directory. Every file is as it was.|~OK",
            user.shown.back());
}

// The replaced maps are backed up as one operation; a backup that cannot be
// made writes no map at all and says why.
TEST_F(GenerationTest, ReplacedWorldMapsAreBackedUpFirst) {
  openInteriorMap();
  chooseScript("void main() { settile(1, 1, 7); }\n");
  BackupPlace backups{dir.editorPath("backups"), 50};
  writeFileBytes(dir.file("backups"), "");
  bool reloaded = true;
  WorldGenerationResult result = generateWorldBeside(engine, openMap, &reloaded, &backups);
  EXPECT_TRUE(result.backupFailed);
  EXPECT_EQ(0, result.written);
  EXPECT_EQ(1, worldMapsIn(dir));
  EXPECT_EQ(original, readFileBytes(dir.file("ZANCD.MAP")));
  const std::string& told = user.shown.back();
  EXPECT_EQ(0u, told.find("No world map was written: the backup of the maps it would replace failed (the "
                          "backup folder " + dir.editorPath("backups") + "\\")) << told;
  EXPECT_NE(std::string::npos, told.find("could not be made: Not a directory). Every file is as it was.|~OK"));

  unlink(dir.file("backups").c_str());
  result = generateWorldBeside(engine, openMap, &reloaded, &backups);
  EXPECT_EQ(400, result.written);
  std::vector<BackupSummary> kept = listBackups(backups.directory.c_str());
  ASSERT_EQ(1u, kept.size());
  EXPECT_EQ("Generate World Map", kept[0].operation);
  ASSERT_EQ(1u, kept[0].files.size());
  EXPECT_EQ(dir.editorPath("ZANCD.MAP"), kept[0].files[0].original);
}

TEST(WorldMapNames, ComeFromTheOpenMapsDirectory) {
  char path[kPathBufferSize];
  ASSERT_TRUE(worldMapPathBeside("C:\\games\\w\\ZANCD.MAP", 19, 0, path, sizeof path));
  EXPECT_STREQ("C:\\games\\w\\ZANTA.MAP", path);
  ASSERT_TRUE(worldMapPathBeside("world", 0, 19, path, sizeof path));
  EXPECT_STREQ("world\\ZANAT.MAP", path);
  ASSERT_TRUE(worldMapPathBeside("", 0, 0, path, sizeof path));
  EXPECT_STREQ("\\ZANAA.MAP", path);
  EXPECT_TRUE(isWorldMapOfItsDirectory("C:\\w\\zantt.map"));
  EXPECT_FALSE(isWorldMapOfItsDirectory("C:\\w\\ZANTU.MAP"));
  EXPECT_FALSE(isWorldMapOfItsDirectory("C:\\w\\TAB2515.MAP"));
}

// The open map goes through the top-left block and back: row 23 only for a
// Wilderness map, nothing on cancel or failure, a warning for 10 or 13.
TEST_F(GenerationTest, ALocalMapComesBackFromTheTopLeftBlock) {
  openInteriorMap();
  const char* fill = "void main() {\n  settile(49, 1, 1);\n"
                     "  for (int y = 1; y <= 24; y++) for (int x = 1; x <= 48; x++) settile(x, y, gettile(x, y) + 1);\n}\n";
  EXPECT_FALSE(generateIntoMap(engine, openMap));
  EXPECT_EQ(5, openMap.getTile(0, 0));

  chooseScript("void main() { settile(1, 1, 9); int z = 0; z = 1 / z; }\n");
  EXPECT_FALSE(generateIntoMap(engine, openMap));
  EXPECT_EQ(5, openMap.getTile(0, 0));
  ASSERT_EQ(1u, user.shown.size());
  EXPECT_EQ("Script stopped at line 1: Divide by zero\nThe map was not changed.|~OK", user.shown[0]);

  chooseScript(fill);
  EXPECT_TRUE(generateIntoMap(engine, openMap));
  EXPECT_EQ(6, openMap.getTile(0, 0));
  EXPECT_EQ(7, openMap.getTile(1, 0));
  EXPECT_EQ(1, openMap.getTile(47, 22));
  EXPECT_EQ(0, openMap.getTile(47, 23)) << "an Interior map has no row 23";
  EXPECT_EQ(1, cell(49, 1));

  openMap.kind = Wilderness;
  EXPECT_TRUE(generateIntoMap(engine, openMap));
  EXPECT_EQ(1, openMap.getTile(47, 23));
  EXPECT_EQ(7, openMap.getTile(0, 0));

  chooseScript("void main() { settile(3, 2, 10); }\n");
  EXPECT_TRUE(generateIntoMap(engine, openMap));
  ASSERT_EQ(2u, user.shown.size());
  EXPECT_EQ("The script put the tile code 10, which no map file can hold, into cell (3, 2). "
            "The map cannot be saved until that cell holds another code.|~OK",
            user.shown[1]);
  EXPECT_EQ(original, readFileBytes(dir.file("ZANCD.MAP")));
}

// A world write that fails at any file (the backup's copy or list, a new
// map, the journal) writes no map at all and leaves no backup to offer.
TEST_F(GenerationTest, AWriteFailingAtAnyFileWritesNoWorldMap) {
  openInteriorMap();
  writeFileBytes(dir.file("ZANAA.MAP"), "hand made");
  chooseScript("void main() { settile(1, 1, 7); }\n");
  BackupPlace backups{dir.editorPath("backups"), 50};
  // Two copies and the list's four lines, 400 maps, the journal: each of the
  // first and last of them, and a run in the middle.
  for (int n : {1, 2, 3, 4, 5, 6, 7, 8, 200, 406, 407}) {
    failNthFileWrite(n);
    const WorldGenerationResult result = generateWorld(engine, dir.editorPath().c_str(), nullptr, &backups);
    failNthFileWrite(0);
    EXPECT_EQ(0, result.written) << n;
    EXPECT_TRUE(result.failed) << n;
    EXPECT_EQ(2, worldMapsIn(dir)) << n;
    EXPECT_EQ(original, readFileBytes(dir.file("ZANCD.MAP"))) << n;
    EXPECT_EQ("hand made", readFileBytes(dir.file("ZANAA.MAP"))) << n;
    const std::string& told = user.shown.back();
    EXPECT_EQ(0u, told.find("No world map was written: ")) << told;
    EXPECT_NE(std::string::npos, told.find("No space left on device")) << told;
    EXPECT_EQ(told.size() - 28, told.find("Every file is as it was.|~OK")) << told;
    EXPECT_TRUE(listBackups(backups.directory.c_str()).empty()) << n;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
      EXPECT_NE('.', entry.path().filename().string()[0]) << entry.path();
  }
  failNthFileWrite(408);
  const WorldGenerationResult result = generateWorld(engine, dir.editorPath().c_str(), nullptr, &backups);
  failNthFileWrite(0);
  EXPECT_EQ(400, result.written);
  EXPECT_EQ(1u, listBackups(backups.directory.c_str()).size());
}
