// dola-check's checks one family at a time, on small directories made here:
// what a MAP load tells, teleports, placement ids against the tables, missing
// files and blank sprites, the world grid and reachability, and the reports.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <set>
#include <sys/stat.h>
#include <string>
#include <vector>
#include <unistd.h>

#include "check_directory.h"
#include "check_map.h"
#include "check_placements.h"
#include "check_report.h"
#include "check_world.h"
#include "game_tables.h"
#include "teleport_faults.h"
#include "teleport_warning.h"
#include "support/temp_dir.h"

namespace {

std::string row(const std::string& tiles) { return " " + tiles + "\r\n"; }
std::string tiles(int n) { return std::string(static_cast<size_t>(n), 'g'); }

// n whole row lines with the given line end.
std::string rows(int n, const char* end = "\r\n") {
  std::string text;
  for (int r = 0; r < n; r++) text += " " + tiles(48) + end;
  return text;
}
std::string mapText(const std::string& header, int n) { return header + "\r\n" + rows(n); }

Findings checkOneMap(const TempDir& dir, const std::string& file) {
  GameDirectory game;
  EXPECT_TRUE(game.open(dir.path().c_str()));
  LocalMap map;
  Findings findings;
  TeleportList teleports;
  checkMapFile(game, file, map, teleports, findings);
  return findings;
}

std::string objectRecord(const char* name, int sprite) {
  std::string record(79, '\0');
  record.replace(2, strlen(name), name);
  record[53] = static_cast<char>(sprite);
  return record;
}

std::string placement(int x, int y, int inUse, int id) {
  std::string p(11, '\0');
  p[0] = static_cast<char>(x);
  p[1] = static_cast<char>(y);
  p[2] = static_cast<char>(inUse);
  p[3] = 1;
  for (int i = 0; i < 4; i++) p[7 + i] = static_cast<char>((static_cast<unsigned>(id) >> (8 * i)) & 0xFF);
  return p;
}

}  // namespace

TEST(DolaCheckMap, LoadOutcomesNameTheRowOrCell) {
  TempDir dir;
  writeFileBytes(dir.file("GOOD.MAP"), mapText("WILDERNESS!", 24));
  writeFileBytes(dir.file("NOKIND.MAP"), mapText("HELLO!", 24));
  writeFileBytes(dir.file("SHORT.MAP"), mapText("WILDERNESS!", 2) + row(tiles(10)) + row(tiles(48)));
  writeFileBytes(dir.file("SEVEN.MAP"), mapText("INTERIOR!", 1) + row(tiles(47)) + rows(21));
  writeFileBytes(dir.file("EARLY.MAP"), mapText("LOCAL!~EXIT~", 5));
  writeFileBytes(dir.file("CR.MAP"), "WILDERNESS!\r\n" + row(tiles(9) + "\r" + tiles(38)) + rows(23));
  writeFileBytes(dir.file("LF.MAP"), "INTERIOR!\n" + rows(23, "\n"));

  EXPECT_TRUE(checkOneMap(dir, "GOOD.MAP").all().empty());

  Findings f = checkOneMap(dir, "NOKIND.MAP");
  ASSERT_EQ(1u, f.all().size());
  EXPECT_EQ(FindingKind::NoKind, f.all()[0].kind);

  f = checkOneMap(dir, "SHORT.MAP");
  ASSERT_EQ(1u, f.all().size());
  EXPECT_EQ(FindingKind::ShortRow, f.all()[0].kind);
  EXPECT_EQ(3, f.all()[0].row);
  EXPECT_EQ("row 3 is short: 10 tiles where 48 belong; the editor stops reading the map there", f.text(f.all()[0]));

  f = checkOneMap(dir, "SEVEN.MAP");  // loads, with its line end as a tile of code 10
  ASSERT_EQ(1u, f.all().size());
  EXPECT_EQ(FindingKind::ShortRow, f.all()[0].kind);
  EXPECT_EQ(2, f.all()[0].row);

  f = checkOneMap(dir, "EARLY.MAP");
  ASSERT_EQ(1u, f.all().size());
  EXPECT_EQ("the file stops after row 5 of 23: the editor reads rows 6 to 23 as 0", f.text(f.all()[0]));

  f = checkOneMap(dir, "CR.MAP");  // a CR that ends no line is a line end to some readers
  ASSERT_EQ(2u, f.all().size());
  EXPECT_EQ(FindingKind::LineEnds, f.all()[0].kind);
  EXPECT_EQ(FindingKind::UnwritableTile, f.all()[1].kind);
  EXPECT_EQ(10, f.all()[1].column);
  EXPECT_EQ(1, f.all()[1].row);

  f = checkOneMap(dir, "LF.MAP");
  ASSERT_EQ(1u, f.all().size());
  EXPECT_EQ(Severity::Warning, f.all()[0].severity);
  EXPECT_EQ("24 of 24 lines end in LF without CR (the game's files use CR LF)", f.text(f.all()[0]));
}

TEST(DolaCheckMap, TeleportsNeedACellInsideAndADestinationInAnyCase) {
  TempDir dir;
  writeFileBytes(dir.file("zanab.map"), mapText("WILDERNESS!", 24));
  writeFileBytes(dir.file("FROM.MAP"),
                 mapText("WILDERNESS!>21,13:ZANAB!>21,13:GONE!>69,13:ZANAB!>21,37:ZANAB!>68,36:ZANAB!", 24));
  const Findings f = checkOneMap(dir, "FROM.MAP");
  std::vector<std::pair<FindingKind, int>> got;
  for (const Finding& finding : f.all()) got.push_back({finding.kind, finding.record});
  const std::vector<std::pair<FindingKind, int>> expected = {{FindingKind::SharedTeleportCell, 1},
                                                              {FindingKind::TeleportTarget, 1},
                                                              {FindingKind::TeleportCell, 2},
                                                              {FindingKind::TeleportCell, 3}};
  EXPECT_EQ(expected, got);
  // The same faults said at once when the user adds such a teleport.
  LocalMap map;
  ASSERT_TRUE(map.loadForReading(dir.editorPath("FROM.MAP").c_str()));
  EXPECT_EQ("", teleportWarning(map, dir.editorPath().c_str(), 0));
  EXPECT_EQ("GONE.MAP is not in this map's directory; cell (1, 1) already holds a teleport to ZANAB, which is the one used",
            teleportWarning(map, dir.editorPath().c_str(), 1));
  EXPECT_EQ("its cell (49, 1) is outside 1..48 x 1..24", teleportWarning(map, dir.editorPath().c_str(), 2));
}

// Random maps with many teleports on few cells, checked against a plain model:
// each teleport on a cell taken before names the first one there, and each
// destination is looked up in any letter case (a name with a separator as the
// editor would follow it).
TEST(DolaCheckMap, ManyTeleportsAgainstAModel) {
  TempDir dir;
  const std::vector<std::string> present = {"ZANAA", "zanab", "Inn"};
  for (const std::string& name : present) writeFileBytes(dir.file(name + ".MAP"), mapText("LOCAL!", 23));
  ASSERT_EQ(0, mkdir(dir.file("sub").c_str(), 0700));
  writeFileBytes(dir.file("sub/DEEP.MAP"), mapText("LOCAL!", 23));
  const std::string longName(250, 'L');  // two of these make a text past the 511-character cut
  const char* names[] = {"ZANAA", "ZANAB",  "zanaa", "INN", "GONE", "Gone2", "sub\\DEEP", "sub\\NONE", "SUB",
                         longName.c_str()};
  unsigned seed = 99;
  auto next = [&seed](unsigned n) { return (seed = seed * 1103515245 + 12345) / 65536 % n; };
  for (int round = 0; round < 20; round++) {
    const int count = static_cast<int>(next(400));
    std::string header = "WILDERNESS!";
    std::vector<std::pair<FindingKind, int>> expected;
    std::vector<std::pair<int, int>> cells;
    std::vector<std::string> chosen;
    for (int i = 0; i < count; i++) {
      const int x = static_cast<int>(next(6)) + 1, y = static_cast<int>(next(4)) + (round % 2 ? 22 : 1);
      const char* name = names[next(sizeof names / sizeof names[0])];
      chosen.push_back(name);
      header += ">" + std::to_string(x + 20) + "," + std::to_string(y + 12) + ":" + name + "!";
      const auto first = std::find(cells.begin(), cells.end(), std::make_pair(x, y));
      if (first != cells.end()) expected.push_back({FindingKind::SharedTeleportCell, i});
      cells.push_back({x, y});
      if (y > kMapRows) expected.push_back({FindingKind::TeleportCell, i});
      const std::string target = name;
      const bool found = target == "sub\\DEEP" || upperCase(target) == "ZANAA" || upperCase(target) == "ZANAB" ||
                         upperCase(target) == "INN";
      if (!found) expected.push_back({FindingKind::TeleportTarget, i});
    }
    writeFileBytes(dir.file("FROM.MAP"), mapText(header, 24));
    const Findings f = checkOneMap(dir, "FROM.MAP");
    std::vector<std::pair<FindingKind, int>> got;
    for (const Finding& finding : f.all()) got.push_back({finding.kind, finding.record});
    ASSERT_EQ(expected, got) << "round " << round;
    for (const Finding& finding : f.all()) {
      if (finding.kind != FindingKind::SharedTeleportCell) continue;
      const auto cell = cells[static_cast<size_t>(finding.record)];
      const int first = static_cast<int>(std::find(cells.begin(), cells.end(), cell) - cells.begin());
      // The text, made when asked for, is what printf into a finding's buffer makes.
      char text[kFindingTextSize];
      snprintf(text, sizeof text, "teleports %d (to %s) and %d (to %s) share cell (%d, %d): only the first "
               "can ever be used", first + 1, chosen[static_cast<size_t>(first)].c_str(), finding.record + 1,
               chosen[static_cast<size_t>(finding.record)].c_str(), cell.first, cell.second);
      ASSERT_EQ(text, f.text(finding));
      ASSERT_EQ(std::make_pair(finding.column, finding.row), cell);
    }
  }
  // A directory opened again is listed anew: what went is no longer found.
  GameDirectory game;
  ASSERT_TRUE(game.open(dir.path().c_str()));
  EXPECT_TRUE(game.holds("INN.MAP"));
  std::remove(dir.file("Inn.MAP").c_str());
  writeFileBytes(dir.file("NEW.MAP"), "");
  ASSERT_TRUE(game.open(dir.path().c_str()));
  EXPECT_FALSE(game.holds("INN.MAP"));
  EXPECT_FALSE(game.holds("Inn.MAP"));
  EXPECT_TRUE(game.holds("new.map"));
}

// Thousands of destinations, some differing only in letter case: each name is
// asked about once, and every teleport points at the first copy of its name.
TEST(DolaCheckMap, TeleportFaultsOfManyNamesAgainstAModel) {
  unsigned seed = 5;
  auto next = [&seed](unsigned n) { return static_cast<int>((seed = seed * 1103515245 + 12345) / 65536 % n); };
  TeleportList list;
  for (int round = 0; round < 30; round++) {
    list.clear();
    const int count = next(3000), names = 1 + next(2000);
    std::vector<std::string> chosen;
    for (int i = 0; i < count; i++) {
      chosen.push_back(next(50) == 0 ? "" : (next(2) ? "t" : "T") + std::to_string(next(static_cast<unsigned>(names))));
      list.add(next(60) - 5, next(30) - 3, chosen.back().data(), chosen.back().size());
    }
    std::map<std::string, int> asked;
    const std::vector<TeleportFaults> all = teleportFaults(list, [&asked](const std::string& file) {
      return asked[file]++, file.size() % 2 == 0;
    });
    ASSERT_EQ(static_cast<int>(all.size()), count);
    std::map<std::pair<int, int>, int> firstOnCell;
    std::map<std::string, int> firstNamed;
    for (int i = 0; i < count; i++) {
      const TeleportFaults& f = all[static_cast<size_t>(i)];
      const auto cell = firstOnCell.emplace(std::make_pair(list.x(i), list.y(i)), i);
      const auto named = firstNamed.emplace(chosen[static_cast<size_t>(i)], i);
      ASSERT_EQ(f.sharesCellWith, cell.second ? -1 : cell.first->second);
      ASSERT_EQ(f.cellOutside, !teleportCellOnMap(list.x(i), list.y(i)));
      ASSERT_EQ(f.firstWithName, named.second);
      ASSERT_EQ(f.targetMissing, chosen[static_cast<size_t>(i)].size() % 2 != 0);
      ASSERT_EQ(f.name, list.name(named.first->second));
      ASSERT_EQ(std::string(f.name, f.nameLength), chosen[static_cast<size_t>(i)]);
    }
    ASSERT_EQ(asked.size(), firstNamed.size());
    for (const auto& a : asked) ASSERT_EQ(a.second, 1) << a.first;
  }
}

TEST(DolaCheckPlacements, EveryIdInUseNamesARecordOfItsTable) {
  TempDir dir;
  writeFileBytes(dir.file("CONSTANT.OBJ"),
                 objectRecord("Chest", 5) + objectRecord("*unmatchablestring*", 0) + std::string(79, '\0'));
  writeFileBytes(dir.file("playername.OBJ"), objectRecord("Sword", 7));
  writeFileBytes(dir.file("CONSTANT.CRE"), "");
  std::string creature(431, '\0');
  creature[3] = 9;
  creature.replace(4, 3, "Rat");
  GameDirectory game;
  ASSERT_TRUE(game.open(dir.path().c_str()));
  GameTables tables;
  loadGameTables(game, tables);
  writeFileBytes(dir.file(tables.creatureFile), creature);
  loadGameTables(game, tables);

  const std::string records[] = {
      placement(0, 0, 0, 0),       // 0 free
      placement(48, 24, 1, 0),     // 1 the chest in the last cell
      placement(49, 1, 1, 0),      // 2 outside the map
      placement(1, 1, 1, 1),       // 3 an empty slot
      placement(1, 1, 1, 3),       // 4 past the file's three records
      placement(1, 1, 1, 500),     // 5 no table has ids 400..999
      placement(1, 1, 0, 500),     // 6 not in use
      placement(2, 2, 0, 1000),    // 7 a creature, whatever its use byte
      placement(2, 2, 0, 1001),    // 8 past the one creature
      placement(3, 3, 1, 50000),   // 9 the player object
      placement(3, 3, 1, 50001),   // 10 past it
      placement(3, 3, 1, -1),      // 11 a negative id
  };
  std::string bytes;
  for (const std::string& r : records) bytes += r;
  writeFileBytes(dir.file("A.DAT"), bytes);
  MapDataFile data;
  Findings f;
  checkDataFile(game, "A.DAT", tables, data, f);
  std::vector<std::pair<FindingKind, int>> got;
  for (const Finding& finding : f.all()) got.push_back({finding.kind, finding.record});
  const std::vector<std::pair<FindingKind, int>> expected = {
      {FindingKind::ShortDataFile, -1},   {FindingKind::PlacementCell, 2},    {FindingKind::PlacementRecord, 3},
      {FindingKind::PlacementRecord, 4},  {FindingKind::PlacementRecord, 5},  {FindingKind::PlacementRecord, 8},
      {FindingKind::PlacementRecord, 10}, {FindingKind::PlacementRecord, 11}};
  EXPECT_EQ(expected, got);
  EXPECT_NE(std::string::npos, f.text(f.all()[3]).find("CONSTANT.OBJ holds 3 records")) << f.text(f.all()[3]);

  // A missing table is reported once, not for each placement; "playername.OBJ"
  // has no report of its own, so its placements say it.
  std::remove(dir.file("CONSTANT.CRE").c_str());
  std::remove(dir.file("playername.OBJ").c_str());
  loadGameTables(game, tables);
  std::string why;
  EXPECT_EQ(RecordLookup::TableMissing, lookupPlacementRecord(tables, 1000, &why));
  EXPECT_EQ(RecordLookup::NotFound, lookupPlacementRecord(tables, 50000, &why));
  EXPECT_EQ("playername.OBJ is missing", why);
  EXPECT_EQ(RecordLookup::Found, lookupPlacementRecord(tables, 0, &why));
}

TEST(DolaCheckTables, MissingFilesAndBlankSprites) {
  GameTables tables;
  tables.creatureFile = "world.CRS";
  Findings f;
  checkTableFiles(tables, f);
  std::vector<std::string> files;
  for (const Finding& finding : f.all()) files.push_back(finding.file);
  EXPECT_EQ((std::vector<std::string>{"CONSTANT.OBJ", "CONSTANT.CRE", "world.CRS", "ZAN.SPR", "ZAN2.SPR"}), files);
  EXPECT_EQ(5, f.errors());

  SpriteFiles sprites;
  sprites.mainBytes = 3 * 360 + 1;  // three sprites and the first byte of a fourth
  EXPECT_TRUE(sprites.isBlank(0));
  EXPECT_FALSE(sprites.isBlank(1));
  EXPECT_FALSE(sprites.isBlank(4));
  EXPECT_TRUE(sprites.isBlank(5));
  EXPECT_TRUE(sprites.isBlank(249));
  EXPECT_TRUE(sprites.isBlank(250));  // "ZAN2.SPR" missing
  sprites.secondBytes = 360;
  EXPECT_FALSE(sprites.isBlank(250));
  EXPECT_TRUE(sprites.isBlank(251));
  tables.sprites = sprites;
  Findings spriteFindings;
  checkTableFiles(tables, spriteFindings);
  EXPECT_EQ("short: 1081 bytes hold 3 whole sprites of 248 (89280 bytes)", spriteFindings.text(spriteFindings.all()[3]));
}

TEST(DolaCheckTables, NamedRecordsWithABlankSpriteAreWarned) {
  TempDir dir;
  writeFileBytes(dir.file("CONSTANT.OBJ"), objectRecord("Chest", 5) + objectRecord("*unmatchablestring*", 0) +
                                               objectRecord("Ghost", 0) + objectRecord("Rock", 2));
  writeFileBytes(dir.file("ZAN.SPR"), std::string(4 * 360, '\1'));
  GameDirectory game;
  ASSERT_TRUE(game.open(dir.path().c_str()));
  GameTables tables;
  loadGameTables(game, tables);
  Findings f;
  checkBlankSprites(tables, f);
  ASSERT_EQ(2u, f.all().size());
  EXPECT_EQ("object 0 \"Chest\" has sprite number 5, which selects a blank slot", f.text(f.all()[0]));
  EXPECT_EQ(2, f.all()[1].record);
}

TEST(DolaCheckWorld, GridListsMissingRunsAndReachabilityKnowsCellMaps) {
  std::vector<std::string> maps;
  for (int row = 0; row < 20; row++) {
    for (int col = 0; col < 20; col++) {
      const bool missing = (row == 0 && (col <= 2 || col == 19)) || (row == 1 && col == 0);
      if (!missing) maps.push_back(std::string("ZAN") + char('A' + col) + char('A' + row) + (col == 5 ? ".map" : ".MAP"));
    }
  }
  Findings grid;
  checkWorldGrid("w", maps, grid);
  ASSERT_EQ(1u, grid.all().size());
  EXPECT_EQ("5 of 400 world maps missing from the 20 x 20 grid: ZANAA-ZANCA, ZANTA-ZANAB", grid.text(grid.all()[0]));
  Findings none;
  checkWorldGrid("w", {}, none);
  EXPECT_EQ("400 of 400 world maps missing from the 20 x 20 grid: ZANAA-ZANTT", none.text(none.all()[0]));

  EXPECT_EQ("AB", cellMapLetters("C:\\w\\zanab.map"));
  const std::vector<std::string> files = {"ZANAB.MAP", "TAB2515.MAP", "tab6836.map", "TAB6915.MAP",
                                          "TXY2515.MAP", "House.MAP", "SHED.MAP"};
  Findings reach;
  checkReachability(files, {"HOUSE"}, {"AB"}, reach);
  std::vector<std::string> unreached;
  for (const Finding& finding : reach.all()) unreached.push_back(finding.file);
  EXPECT_EQ((std::vector<std::string>{"TAB6915.MAP", "TXY2515.MAP", "SHED.MAP"}), unreached);
}

TEST(DolaCheckReport, TextLinesAndJsonWithLocationsAndEscapes) {
  EXPECT_EQ("\"a\\\"b\\\\c\\u0001\xc3\xa9\"", jsonString("a\"b\\c\x01\xe9"));
  Findings findings;
  findings.error("ZANAB.MAP", FindingKind::UnwritableTile, "tile code %d", 13).column = 4;
  findings.warning("B.DAT", FindingKind::ShortDataFile, "short").record = 0;
  CheckSummary summary{3, 1, 1};
  char* text = nullptr;
  size_t size = 0;
  FILE* out = open_memstream(&text, &size);
  writeTextReport(out, "dir", findings, summary);
  writeJsonReport(out, "dir", findings, summary);
  fclose(out);
  EXPECT_EQ(std::string("ZANAB.MAP: error: tile code 13\n"
                        "B.DAT: warning: short\n"
                        "dola-check: dir: 3 files (1 map, 1 data file): 1 error, 1 warning\n"
                        "{\"directory\": \"dir\", \"files\": 3, \"maps\": 1, \"dataFiles\": 1, \"errors\": 1, "
                        "\"warnings\": 1,\n"
                        " \"findings\": [\n"
                        "  {\"file\": \"ZANAB.MAP\", \"severity\": \"error\", \"kind\": \"unwritable-tile\", "
                        "\"column\": 4, \"message\": \"tile code 13\"},\n"
                        "  {\"file\": \"B.DAT\", \"severity\": \"warning\", \"kind\": \"short-data-file\", "
                        "\"record\": 0, \"message\": \"short\"}\n"
                        " ]}\n"),
            std::string(text, size));
  free(text);
}

// What a stopped write leaves beside the maps (its journal, new files never
// put in place) is reported, and a file whose name holds a backslash is
// named for what it is rather than called no regular file.
TEST(DolaCheckDirectory, LeftWritesAndBackslashNames) {
  TempDir dir;
  writeFileBytes(dir.file("ZANAA.MAP"), mapText("WILDERNESS!", 24));
  writeFileBytes(dir.file(".ZANAA.MAP.dola-x8Yz1Q"), mapText("WILDERNESS!", 24));
  writeFileBytes(dir.file("a\\b.MAP"), mapText("LOCAL!", 23));
  writeFileBytes(dir.file(".dola-write-journal"),
                 "DOLA write journal\nOperation: Generate World Map\nBackup: \nReplace: " +
                     dir.editorPath(".ZANAA.MAP.dola-x8Yz1Q") + "\t" + dir.editorPath("ZANAA.MAP") +
                     "\nReplace: " + dir.editorPath(".ZANAB.MAP.dola-gone00") + "\t" + dir.editorPath("ZANAB.MAP") + "\n");
  Findings findings;
  CheckSummary summary;
  ASSERT_TRUE(checkGameDirectory(dir.path().c_str(), findings, summary, nullptr));
  std::vector<std::string> seen;
  for (const Finding& f : findings.all())
    if (f.kind == FindingKind::UnfinishedWrite || f.kind == FindingKind::LeftTemporary ||
        f.kind == FindingKind::BackslashName || f.kind == FindingKind::NotRegular)
      seen.push_back(f.file + ": " + findingKindName(f.kind) + ": " + findings.text(f));
  EXPECT_EQ((std::vector<std::string>{
                "a\\b.MAP: backslash-name: the name holds a \"\\\", which no path of the game can name: not read",
                ".dola-write-journal: unfinished-write: Generate World Map stopped after replacing 1 of 2 files: DOLA "
                "offers to finish or undo it when it starts with this game directory",
                ".ZANAA.MAP.dola-x8Yz1Q: left-temporary: a new file of a save that was never put in place (its program "
                "was stopped): it can be removed"}),
            seen);
  EXPECT_EQ(1, summary.maps);
}

// A map that cannot be read leads nowhere: the teleports of the map read
// before it are not taken for its own way out.
TEST(DolaCheckDirectory, AnUnreadableMapHasNoTeleports) {
  TempDir dir;
  writeFileBytes(dir.file("A.MAP"), mapText("LOCAL!>21,13:BIG!", 23));
  writeFileBytes(dir.file("BIG.MAP"), "");
  ASSERT_EQ(0, truncate(dir.file("BIG.MAP").c_str(), kMostFileBytes + 1));
  Findings findings;
  CheckSummary summary;
  ASSERT_TRUE(checkGameDirectory(dir.path().c_str(), findings, summary, nullptr));
  EXPECT_EQ(std::make_pair(1, 1), std::make_pair(findings.count(FindingKind::Unreadable),
                                                 findings.count(FindingKind::NoWayOut)));
}
