// LocalMap: the MAP format byte for byte, the kind rules, teleport parsing
// and its limits, short rows, unwritable tiles and failed saves.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <sys/stat.h>
#include <vector>

#include "data/line_reader.h"
#include "data/local_map.h"
#include "data/teleport_list.h"
#include "platform/file_stream.h"
#include "support/temp_dir.h"

namespace {

// One row line: the lead character, 48 tiles from fill, CR LF.
std::string rowLine(int row, char lead = ' ') {
  std::string line(1, lead);
  for (int x = 0; x < kMapColumns; x++) line += static_cast<char>(0x20 + (x * 7 + row * 3) % 200);
  return line + "\r\n";
}

std::string rowLines(int count) {
  std::string text;
  for (int r = 0; r < count; r++) text += rowLine(r);
  return text;
}

unsigned char expectedTile(int x, int y) { return static_cast<unsigned char>(0x20 + (x * 7 + y * 3) % 200); }

void expectRowsLoaded(const LocalMap& map, int rows) {
  for (int y = 0; y < kMapRows; y++)
    for (int x = 0; x < kMapColumns; x++)
      ASSERT_EQ(map.getTile(x, y), y < rows ? expectedTile(x, y) : 0) << x << "," << y;
}

std::string teleportText(const LocalMap& map, int index) {
  int x = 0, y = 0;
  char name[kTeleportNameSize];
  if (!map.getTeleport(index, &x, &y, name)) return "<none>";
  return std::to_string(x) + "," + std::to_string(y) + ":" + name;
}

}  // namespace

TEST(LocalMap, CellsAndTeleportList) {
  LocalMap map;
  EXPECT_EQ(map.kind, Wilderness);
  EXPECT_STREQ(map.path, "");
  map.setTile(47, 23, 9);
  for (auto [x, y] : {std::pair{48, 0}, {-1, 0}, {0, 24}, {0, -1}}) {
    map.setTile(x, y, 1);
    EXPECT_EQ(map.getTile(x, y), 0);
  }
  map.kind = Interior;
  map.setTile(0, 23, 5);  // row 23 belongs to wilderness maps only, but reads in every kind
  EXPECT_EQ(map.getTile(0, 23), 0);
  EXPECT_EQ(map.getTile(47, 23), 9);

  EXPECT_TRUE(map.addTeleport(1, 2, "A"));
  EXPECT_TRUE(map.addTeleport(3, 4, "B"));
  EXPECT_TRUE(map.addTeleport(1, 2, "C"));  // duplicates are allowed
  EXPECT_TRUE(map.addTeleport(0, 0, std::string(255, 'n').c_str()));
  const std::string tooLong(256, 'n');
  for (const char* refused : {tooLong.c_str(), "A>B", "A\nB", (const char*)nullptr})
    EXPECT_FALSE(map.addTeleport(0, 0, refused));
  EXPECT_FALSE(map.removeTeleport(4));
  EXPECT_FALSE(map.removeTeleport(-1));
  EXPECT_TRUE(map.removeTeleport(3));  // the last one: appending must still work after it
  EXPECT_TRUE(map.removeTeleport(0));
  EXPECT_TRUE(map.addTeleport(5, 6, "D"));
  EXPECT_EQ(map.teleportCount(), 3);
  EXPECT_EQ(teleportText(map, 0), "3,4:B");
  EXPECT_EQ(teleportText(map, 2), "5,6:D");
  EXPECT_EQ(teleportText(map, 3), "<none>");
  map.clearTeleports();
  EXPECT_EQ(map.teleportCount(), 0);
  EXPECT_TRUE(map.addTeleport(7, 8, "E"));
  EXPECT_EQ(teleportText(map, 0), "7,8:E");
}

TEST(LocalMap, WildernessRoundTripIsByteExact) {
  TempDir dir;
  const std::string bytes = "WILDERNESS!>25,15:TAB2515!>-5,0:X!>21,13:ABC!!\r\n" + rowLines(24);
  writeFileBytes(dir.file("ZANAB.MAP"), bytes);
  LocalMap map;
  ASSERT_TRUE(map.load(dir.editorPath("ZANAB.MAP").c_str()));
  EXPECT_EQ(map.kind, Wilderness);
  EXPECT_EQ(map.path, dir.editorPath("ZANAB.MAP"));
  EXPECT_EQ(map.rowsRead(), 24);
  expectRowsLoaded(map, 24);
  ASSERT_EQ(map.teleportCount(), 3);
  EXPECT_EQ(teleportText(map, 0), "5,3:TAB2515");
  EXPECT_EQ(teleportText(map, 1), "-25,-12:X");
  EXPECT_EQ(teleportText(map, 2), "1,1:ABC!");  // one "!" removed
  ASSERT_TRUE(map.save(dir.editorPath("COPY.MAP").c_str()));
  EXPECT_EQ(readFileBytes(dir.file("COPY.MAP")), bytes);
  EXPECT_EQ(map.path, dir.editorPath("ZANAB.MAP"));  // save keeps the stored path
}

TEST(LocalMap, LocalAndInteriorMapsHave23Rows) {
  TempDir dir;
  writeFileBytes(dir.file("L.MAP"), "LOCAL!~EXIT~>21,13:TAB2513!\r\n" + rowLines(23) + rowLine(23));
  LocalMap map;
  ASSERT_TRUE(map.load(dir.editorPath("L.MAP").c_str()));
  EXPECT_EQ(map.kind, Local);
  EXPECT_EQ(teleportText(map, 0), "1,1:TAB2513");
  expectRowsLoaded(map, 23);  // the extra line is not read as row 23
  map.setTile(3, 23, 7);
  EXPECT_EQ(map.getTile(3, 23), 0);
  ASSERT_TRUE(map.save(dir.editorPath("L2.MAP").c_str()));
  EXPECT_EQ(readFileBytes(dir.file("L2.MAP")), "LOCAL!~EXIT~>21,13:TAB2513!\r\n" + rowLines(23));

  writeFileBytes(dir.file("I.MAP"), "INTERIOR!\r\n" + rowLines(23));
  ASSERT_TRUE(map.load(dir.editorPath("I.MAP").c_str()));
  EXPECT_EQ(map.kind, Interior);
  EXPECT_EQ(map.teleportCount(), 0);
  ASSERT_TRUE(map.save(dir.editorPath("I2.MAP").c_str()));
  EXPECT_EQ(readFileBytes(dir.file("I2.MAP")), "INTERIOR!\r\n" + rowLines(23));
}

TEST(LocalMap, KindFromTheLeadingWordElseTheLastKindWordFound) {
  TempDir dir;
  // "LOCAL" inside a teleport name does not change the kind the header starts with.
  writeFileBytes(dir.file("A.MAP"), "WILDERNESS!>25,15:MYLOCALMAP!\r\n" + rowLines(24));
  LocalMap map;
  ASSERT_TRUE(map.load(dir.editorPath("A.MAP").c_str()));
  EXPECT_EQ(map.kind, Wilderness);
  EXPECT_EQ(map.rowsRead(), 24);
  EXPECT_EQ(1, map.loadNotes().kindWordNames.count);
  ASSERT_TRUE(map.save(dir.editorPath("B.MAP").c_str()));
  EXPECT_EQ(readFileBytes(dir.file("B.MAP")), readFileBytes(dir.file("A.MAP")));

  // The first piece is the header word wherever the kind words stand.
  writeFileBytes(dir.file("C.MAP"), ">>21,13:LOCAL YY INTERIOR WILDERNESS>22,14:Q!\n" + rowLines(23));
  ASSERT_TRUE(map.load(dir.editorPath("C.MAP").c_str()));
  EXPECT_EQ(map.kind, Interior);
  ASSERT_EQ(map.teleportCount(), 1);
  EXPECT_EQ(teleportText(map, 0), "2,2:Q");
}

// What a save could not write back as read is noted, each kind counted, the
// first said in words.
TEST(LocalMap, LoadNotesWhatASaveWouldDropOrRewrite) {
  TempDir dir;
  writeFileBytes(dir.file("A.MAP"), "LOCAL!~EXIT~>garbage!>25:X!>a,b:Y!>21x,13:V!>99999999999,13:Z!>21,13:" +
                                        std::string(300, 'N') + "!>21,13:OK!\r\n" + rowLines(23) + "\r\nmore\r\n");
  LocalMap map;
  ASSERT_TRUE(map.load(dir.editorPath("A.MAP").c_str()));
  const MapLoadNotes& notes = map.loadNotes();
  EXPECT_EQ(4, notes.malformedPieces.count);
  EXPECT_EQ(1, notes.clampedNumbers.count);
  EXPECT_EQ(1, notes.longNames.count);
  EXPECT_EQ(2, notes.linesAfterRows.count);
  EXPECT_EQ(0, notes.kindWordNames.count);
  EXPECT_EQ("the teleport piece \">garbage!\" is no teleport", notes.firstDropped());
  EXPECT_EQ("a teleport name of 300 characters", notes.longNames.first);
  EXPECT_EQ(4, map.teleportCount());  // Y (cell 0 - 20, 0 - 12), V (cell 21 - 20), Z (held), OK

  writeFileBytes(dir.file("B.MAP"), "LOCAL!~EXIT~>21,13:OK!\r\n" + rowLines(23));
  ASSERT_TRUE(map.loadForReading(dir.editorPath("B.MAP").c_str()));
  EXPECT_FALSE(map.loadNotes().any());
}

TEST(LocalMap, LeadCharactersLongRowsAndTrailingLinesAreDropped) {
  TempDir dir;
  std::string rows;
  for (int r = 0; r < 24; r++) {
    std::string line = rowLine(r, r % 2 ? '#' : ' ');
    if (r == 5) line.insert(line.size() - 2, "EXTRA TEXT");
    rows += line;
  }
  writeFileBytes(dir.file("A.MAP"), "WILDERNESS! header text\r\n" + rows + "trailing line\r\n");
  LocalMap map;
  ASSERT_TRUE(map.load(dir.editorPath("A.MAP").c_str()));
  expectRowsLoaded(map, 24);
  ASSERT_TRUE(map.save(dir.editorPath("A.MAP").c_str()));
  EXPECT_EQ(readFileBytes(dir.file("A.MAP")), "WILDERNESS!\r\n" + rowLines(24));

  // Bare line feeds, and a last row line of all 49 characters but no line end.
  std::string bare;
  for (char c : rowLines(24))
    if (c != '\r') bare += c;
  bare.pop_back();
  writeFileBytes(dir.file("B.MAP"), "WILDERNESS!>21,13:X!\n" + bare);
  ASSERT_TRUE(map.load(dir.editorPath("B.MAP").c_str()));
  expectRowsLoaded(map, 24);
  EXPECT_EQ(teleportText(map, 0), "1,1:X");
}

TEST(LocalMap, ShortAndMissingRows) {
  TempDir dir;
  LocalMap map;
  // A row of 47 tiles and its line end is 49 characters: the line end becomes tile 47.
  std::string row47 = rowLine(3).substr(0, 48) + "\r\n";
  writeFileBytes(dir.file("A.MAP"), "INTERIOR!\r\n" + rowLines(3) + row47 + rowLines(23).substr(4 * 51));
  ASSERT_TRUE(map.load(dir.editorPath("A.MAP").c_str()));
  EXPECT_EQ(map.getTile(47, 3), 10);
  EXPECT_EQ(map.getTile(46, 3), expectedTile(46, 3));
  EXPECT_EQ(map.getTile(0, 4), expectedTile(0, 4));
  int x = -1, y = -1;
  ASSERT_TRUE(map.findUnwritableTile(&x, &y));
  EXPECT_EQ(x, 47);
  EXPECT_EQ(y, 3);

  // One character less fails the load at that row, keeping the rows before it.
  std::string row46 = rowLine(3).substr(0, 47) + "\r\n";
  writeFileBytes(dir.file("B.MAP"), "WILDERNESS!>21,13:T!\r\n" + rowLines(3) + row46 + rowLines(24).substr(4 * 51));
  EXPECT_FALSE(map.load(dir.editorPath("B.MAP").c_str()));
  EXPECT_EQ(map.rowsRead(), 3);
  EXPECT_EQ(map.kind, Wilderness);
  EXPECT_EQ(map.path, dir.editorPath("B.MAP"));
  EXPECT_EQ(map.teleportCount(), 1);
  expectRowsLoaded(map, 3);

  // Fewer row lines than the kind has: loaded, the missing rows are 0.
  writeFileBytes(dir.file("C.MAP"), "WILDERNESS!\r\n" + rowLines(10));
  EXPECT_TRUE(map.load(dir.editorPath("C.MAP").c_str()));
  EXPECT_EQ(map.rowsRead(), 10);
  expectRowsLoaded(map, 10);
}

TEST(LocalMap, MissingAndInvalidFiles) {
  TempDir dir;
  LocalMap map;
  writeFileBytes(dir.file("A.MAP"), "INTERIOR!>22,14:Z!\r\n" + rowLines(23));
  ASSERT_TRUE(map.load(dir.editorPath("A.MAP").c_str()));

  // A missing file: an empty map under the new path, the kind kept.
  EXPECT_FALSE(map.load(dir.editorPath("NEW.MAP").c_str()));
  EXPECT_EQ(map.path, dir.editorPath("NEW.MAP"));
  EXPECT_EQ(map.kind, Interior);
  EXPECT_EQ(map.teleportCount(), 0);
  expectRowsLoaded(map, 0);
  ASSERT_TRUE(map.save(map.path));
  std::string zeroRows;
  for (int r = 0; r < 23; r++) zeroRows += " " + std::string(48, '\0') + "\r\n";
  EXPECT_EQ(readFileBytes(dir.file("NEW.MAP")), "INTERIOR!\r\n" + zeroRows);
  // Zero tiles are bytes like any other: the file saved above loads again.
  EXPECT_TRUE(map.load(map.path));
  EXPECT_EQ(map.rowsRead(), 23);

  // A header that names no kind: NoKind, path emptied, and such a map is never saved.
  writeFileBytes(dir.file("BAD.MAP"), "HELLO>21,13:X!\r\n" + rowLines(24));
  EXPECT_FALSE(map.load(dir.editorPath("BAD.MAP").c_str()));
  EXPECT_EQ(map.kind, NoKind);
  EXPECT_STREQ(map.path, "");
  EXPECT_EQ(map.teleportCount(), 0);
  expectRowsLoaded(map, 0);
  EXPECT_FALSE(map.save(dir.editorPath("OUT.MAP").c_str()));
  EXPECT_FALSE(fileExistsOnHost(dir.file("OUT.MAP")));

  writeFileBytes(dir.file("EMPTY.MAP"), "");
  EXPECT_FALSE(map.load(dir.editorPath("EMPTY.MAP").c_str()));
  EXPECT_EQ(map.kind, NoKind);

  // Opened for update: a read-only file cannot be loaded (unless we are the superuser).
  if (geteuid() != 0) {
    chmod(dir.file("A.MAP").c_str(), 0444);
    EXPECT_FALSE(map.load(dir.editorPath("A.MAP").c_str()));
  }
}

TEST(LocalMap, TeleportPiecesAndTheirLimits) {
  TempDir dir;
  const std::string longName(300, 'N');
  const std::string header = "WILDERNESS!>>22,14:A!>23-15:B!>24,16C!> 7 , -3 :C:D>25,17:" + longName +
                             "!>x,y:E!>99999999999,-99999999999:F!";
  writeFileBytes(dir.file("T.MAP"), header + "\r\n" + rowLines(24));
  LocalMap map;
  ASSERT_TRUE(map.load(dir.editorPath("T.MAP").c_str()));
  expectRowsLoaded(map, 24);
  ASSERT_EQ(map.teleportCount(), 4);
  EXPECT_EQ(teleportText(map, 0), "2,2:A");      // runs of ">" give no empty pieces
  EXPECT_EQ(teleportText(map, 1), "-13,-15:C:D");  // blanks before numbers, name after the first ":"
  EXPECT_EQ(teleportText(map, 2), "-20,-12:E");  // no digits read as 0
  EXPECT_EQ(teleportText(map, 3), "2147483627,-2147483648:F");  // held within range
  ASSERT_TRUE(map.save(dir.editorPath("T2.MAP").c_str()));
  EXPECT_EQ(readFileBytes(dir.file("T2.MAP")),
            "WILDERNESS!>22,14:A!>7,-3:C:D!>0,0:E!>2147483647,-2147483636:F!\r\n" + rowLines(24));
}

TEST(LocalMap, ACarriageReturnInANameLoadsAndRoundTrips) {
  TempDir dir;
  // A file passed twice through a CR LF conversion: every line ends "\r\r\n".
  std::string rows;
  for (int r = 0; r < 24; r++) rows += rowLine(r).insert(49, "\r");
  writeFileBytes(dir.file("CR.MAP"), "WILDERNESS!>21,13:ZANAB!>22,14:TAB2214!\r\r\n" + rows);
  LocalMap map;
  ASSERT_TRUE(map.load(dir.editorPath("CR.MAP").c_str()));
  expectRowsLoaded(map, 24);
  ASSERT_EQ(map.teleportCount(), 2);
  EXPECT_EQ(teleportText(map, 1), "2,2:TAB2214!\r");  // the name ends at the line end
  ASSERT_TRUE(map.save(map.path));
  EXPECT_EQ(readFileBytes(dir.file("CR.MAP")),
            "WILDERNESS!>21,13:ZANAB!>22,14:TAB2214!\r!\r\n" + rowLines(24));
  ASSERT_TRUE(map.load(map.path));
  EXPECT_EQ(teleportText(map, 1), "2,2:TAB2214!\r");
  EXPECT_TRUE(map.addTeleport(3, 3, "A\rB"));
}

TEST(LocalMap, AHeaderOfAnyLengthIsReadWhole) {
  TempDir dir;
  std::string header = "WILDERNESS!";
  LocalMap source;
  for (int i = 0; i < 600; i++) {  // well past any read buffer
    std::string name = "TELEPORT" + std::to_string(i);
    header += ">" + std::to_string(i + 20) + "," + std::to_string(i + 12) + ":" + name + "!";
    ASSERT_TRUE(source.addTeleport(i, i, name.c_str()));
  }
  writeFileBytes(dir.file("H.MAP"), header + "\r\n" + rowLines(24));
  LocalMap map;
  ASSERT_TRUE(map.load(dir.editorPath("H.MAP").c_str()));
  EXPECT_EQ(map.teleportCount(), 600);
  EXPECT_EQ(teleportText(map, 599), "599,599:TELEPORT599");
  expectRowsLoaded(map, 24);
  ASSERT_TRUE(source.save(dir.editorPath("S.MAP").c_str()));
  EXPECT_EQ(readFileBytes(dir.file("S.MAP")).substr(0, header.size() + 2), header + "\r\n");
}

TEST(LocalMap, ALinePastTheReadLimitIsNoMapFile) {
  TempDir dir;
  const std::string hugeHeader = "WILDERNESS!>21,13:A!" + std::string(kLineLengthLimit, 'x') + "\r\n";
  const std::string hugeRow = "LOCAL!>21,13:A!\r\n" + rowLines(2) + std::string(kLineLengthLimit + 1, 'r');
  for (const std::string& bytes : {hugeHeader + rowLines(24), hugeRow}) {
    writeFileBytes(dir.file("HUGE.MAP"), bytes);
    LocalMap map;
    EXPECT_FALSE(map.load(dir.editorPath("HUGE.MAP").c_str()));
    EXPECT_EQ(map.kind, NoKind);
    EXPECT_STREQ(map.path, "");
    EXPECT_EQ(map.teleportCount(), 0);
    EXPECT_EQ(map.rowsRead(), 0);
    expectRowsLoaded(map, 0);
    EXPECT_FALSE(map.save(dir.editorPath("HUGE.MAP").c_str()));
    EXPECT_EQ(readFileBytes(dir.file("HUGE.MAP")), bytes);
  }
}

TEST(LocalMap, SaveRefusalsLeaveTheOldFileUntouched) {
  TempDir dir;
  const std::string old = "LOCAL!~EXIT~\r\n" + rowLines(23);
  writeFileBytes(dir.file("A.MAP"), old);
  LocalMap map;
  ASSERT_TRUE(map.load(dir.editorPath("A.MAP").c_str()));
  map.setTile(5, 7, 13);
  map.setTile(9, 8, 10);
  int x = -1, y = -1;
  ASSERT_TRUE(map.findUnwritableTile(&x, &y));
  EXPECT_EQ(x, 5);
  EXPECT_EQ(y, 7);
  EXPECT_FALSE(map.save(map.path));
  EXPECT_EQ(readFileBytes(dir.file("A.MAP")), old);
  map.setTile(5, 7, 1);
  map.setTile(9, 8, 2);
  EXPECT_FALSE(map.findUnwritableTile(&x, &y));
  for (int notAKind : {0, 3, 5, -1}) {
    map.kind = static_cast<MapKind>(notAKind);
    EXPECT_FALSE(map.save(map.path)) << notAKind;
  }
  EXPECT_EQ(readFileBytes(dir.file("A.MAP")), old);
  map.kind = Local;

  // A failure while writing keeps the old file as well.
  failWritesAfter(100);
  EXPECT_FALSE(map.save(map.path));
  failWritesAfter(-1);
  EXPECT_EQ(readFileBytes(dir.file("A.MAP")), old);

  const std::string longPath = dir.editorPath(std::string(250, 'p') + ".MAP");
  EXPECT_FALSE(map.save(longPath.c_str()));
  EXPECT_FALSE(map.load(longPath.c_str()));
  EXPECT_STREQ(map.path, "");
  EXPECT_EQ(map.kind, Local);
  EXPECT_FALSE(map.save(dir.editorPath("none\\A.MAP").c_str()));
}

TEST(LocalMap, GarbageInputNeverBreaksTheModel) {
  TempDir dir;
  LocalMap map;
  unsigned seed = 12345;
  const std::string valid = "WILDERNESS!>25,15:TAB!\r>-5,0:X!\r\r\n" + rowLines(24);
  for (int round = 0; round < 300; round++) {
    std::string bytes = valid.substr(0, (seed = seed * 1103515245 + 12345) % (valid.size() + 1));
    for (int flips = 0; flips < round % 8; flips++) {
      seed = seed * 1103515245 + 12345;
      if (!bytes.empty()) bytes[(seed >> 8) % bytes.size()] = static_cast<char>(seed >> 16);
    }
    writeFileBytes(dir.file("G.MAP"), bytes);
    const bool loaded = map.load(dir.editorPath("G.MAP").c_str());
    // The checker's read of the same bytes gives the same map.
    LocalMap fromBytes;
    ASSERT_EQ(loaded, fromBytes.loadFromBytes(dir.editorPath("G.MAP").c_str(), bytes));
    ASSERT_EQ(map.kind, fromBytes.kind);
    ASSERT_EQ(map.rowsRead(), fromBytes.rowsRead());
    ASSERT_STREQ(map.path, fromBytes.path);
    ASSERT_EQ(map.loadNotes().dropped(), fromBytes.loadNotes().dropped());
    ASSERT_EQ(map.teleportCount(), fromBytes.teleportCount());
    for (int i = 0; i < map.teleportCount(); i++) ASSERT_EQ(teleportText(map, i), teleportText(fromBytes, i));
    // Read with a list for the teleports, the map gets the same and keeps none.
    static TeleportList listed;
    ASSERT_EQ(loaded, fromBytes.loadFromBytes(dir.editorPath("G.MAP").c_str(), bytes, &listed));
    ASSERT_EQ(fromBytes.teleportCount(), 0);
    ASSERT_EQ(listed.count(), map.teleportCount());
    for (int i = 0; i < listed.count(); i++)
      ASSERT_EQ(std::to_string(listed.x(i)) + "," + std::to_string(listed.y(i)) + ":" + listed.name(i),
                teleportText(map, i));
    for (int c = 0; c < kMapRows * kMapColumns; c++)
      ASSERT_EQ(map.getTile(c % kMapColumns, c / kMapColumns), fromBytes.getTile(c % kMapColumns, c / kMapColumns));
    ASSERT_LE(map.rowsRead(), 24);
    ASSERT_LT(strlen(map.path), sizeof map.path);
    for (int i = 0; i < map.teleportCount(); i++) ASSERT_NE(teleportText(map, i), "<none>");
    if (map.kind != NoKind && !map.findUnwritableTile(nullptr, nullptr)) {
      ASSERT_TRUE(map.save(dir.editorPath("OUT.MAP").c_str()));
    }
  }
}

// Pieces as the editor writes them are read on a short road: any piece that
// takes it loads as the full rules load it led by a blank, which only they
// read. Random pieces, well formed and not.
TEST(LocalMap, PlainPiecesLoadAsTheFullRulesLoadThem) {
  unsigned seed = 4242;
  auto next = [&seed](unsigned n) { return (seed = seed * 1103515245 + 12345) / 65536 % n; };
  const char* parts[] = {"0", "7", "021", "999999999", "2147483647", "9999999999", "-3", "+4", ",", ":", "!", "ZANAA",
                         "LOCAL", "INTERIOR", "x", "\xe9", " "};
  auto notes = [](const MapLoadNotes& n) {
    return std::vector<int>{n.kindWordNames.count, n.longNames.count, n.malformedPieces.count, n.clampedNumbers.count};
  };
  LocalMap plain, led;
  for (int round = 0; round < 150; round++) {
    std::string plainHeader = "LOCAL!", ledHeader = "LOCAL!";
    for (int n = static_cast<int>(next(40)); n > 0; n--) {
      std::string piece = std::string(parts[next(6)]) + "," + parts[next(6)] + ":" + parts[11 + next(6)];
      if (next(3) == 0) piece = parts[next(17)] + std::string(parts[next(17)]) + parts[next(17)];
      piece += std::string(next(4) == 0 ? 245 + next(20) : 0, 'N') + (next(4) ? "!" : "");
      plainHeader += ">" + piece;
      ledHeader += "> " + piece;
    }
    ASSERT_TRUE(plain.loadFromBytes("P.MAP", plainHeader + "\r\n" + rowLines(23)));
    ASSERT_TRUE(led.loadFromBytes("L.MAP", ledHeader + "\r\n" + rowLines(23)));
    ASSERT_EQ(led.teleportCount(), plain.teleportCount()) << plainHeader;
    for (int i = 0; i < plain.teleportCount(); i++) ASSERT_EQ(teleportText(led, i), teleportText(plain, i)) << plainHeader;
    ASSERT_EQ(notes(led.loadNotes()), notes(plain.loadNotes())) << plainHeader;
  }
}

// Random adds, removals and clears against a plain list: every index reads
// the teleport the list holds there, and a save writes them in that order.
TEST(LocalMap, TeleportListFollowsAModelOfAddsAndRemoves) {
  TempDir dir;
  LocalMap map;
  std::vector<std::string> model;
  unsigned seed = 777;
  auto next = [&seed](unsigned n) { return (seed = seed * 1103515245 + 12345) / 65536 % n; };
  for (int step = 0; step < 3000; step++) {
    const unsigned action = next(10);
    if (action < 6) {
      const int x = static_cast<int>(next(48)) + 1, y = static_cast<int>(next(24)) + 1;
      const std::string name = "T" + std::to_string(step);
      ASSERT_TRUE(map.addTeleport(x, y, name.c_str()));
      model.push_back(std::to_string(x) + "," + std::to_string(y) + ":" + name);
    } else if (action < 9) {
      const int index = static_cast<int>(next(static_cast<unsigned>(model.size()) + 2)) - 1;
      const bool valid = index >= 0 && index < static_cast<int>(model.size());
      ASSERT_EQ(valid, map.removeTeleport(index));
      if (valid) model.erase(model.begin() + index);
    } else if (next(20) == 0) {
      map.clearTeleports();
      model.clear();
    }
    ASSERT_EQ(static_cast<int>(model.size()), map.teleportCount());
    const int probe = static_cast<int>(next(static_cast<unsigned>(model.size()) + 1));
    ASSERT_EQ(probe < static_cast<int>(model.size()) ? model[probe] : "<none>", teleportText(map, probe));
  }
  ASSERT_TRUE(map.save(dir.editorPath("M.MAP").c_str()));
  LocalMap back;
  ASSERT_TRUE(back.load(dir.editorPath("M.MAP").c_str()));
  ASSERT_EQ(static_cast<int>(model.size()), back.teleportCount());
  for (size_t i = 0; i < model.size(); i++) EXPECT_EQ(model[i], teleportText(back, static_cast<int>(i)));
}
