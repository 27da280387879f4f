// The checker's own quick paths against plain models over random cases: its
// tables against the editor's own loaders, and texts put together piece by
// piece against printf.
#include <gtest/gtest.h>

#include <strings.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "check_findings.h"
#include "data/creature_list.h"
#include "data/object_list.h"
#include "data/placement.h"
#include "game_tables.h"
#include "support/temp_dir.h"

namespace {

struct Random {
  unsigned seed;
  unsigned operator()(unsigned n) { return (seed = seed * 1103515245 + 12345) / 65536 % n; }
};

// A table file of random records (names empty, the empty-slot mark or real;
// small sprite numbers): missing, empty, or whole records, sometimes cut.
void writeTable(const std::string& path, int recordSize, int nameAt, int spriteAt, Random& next) {
  const unsigned shape = next(5);
  std::string bytes;
  for (int r = shape < 2 ? 0 : static_cast<int>(next(8)); r > 0; r--) {
    std::string record(static_cast<size_t>(recordSize), '\0');
    const char* name = next(3) == 0 ? "" : next(2) ? "*unmatchablestring*" : "Rock";
    record.replace(static_cast<size_t>(nameAt), strlen(name), name);
    record[static_cast<size_t>(spriteAt)] = static_cast<char>(next(4) == 0 ? 0 : 250 + next(3));
    bytes += record;
  }
  if (shape == 4 && !bytes.empty()) bytes.resize(bytes.size() - 1 - next(static_cast<unsigned>(recordSize) - 1));
  if (shape != 0) writeFileBytes(path, bytes);
}

long hostSize(const std::string& path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0 ? static_cast<long>(st.st_size) : -1;
}

long held(long bytes, int recordSize, int most) {
  return bytes < 0 ? -1 : std::min<long>((bytes + recordSize - 1) / recordSize, most);
}

}  // namespace

// Each placement id's lookup as the editor's loaded tables and the files'
// sizes say it: a record held, loaded and holding something is found; a table
// the editor did not load is missing (reported once), unless only the player
// objects' file is gone.
TEST(DolaCheckModels, TableLookupsAgreeWithTheEditorsLoaders) {
  Random next{17};
  for (int round = 0; round < 40; round++) {
    TempDir dir;
    const std::string crs = dir.file(std::string(strrchr(dir.path().c_str(), '/') + 1) + ".CRS");
    writeTable(dir.file("CONSTANT.OBJ"), kMapObjectSize, 2, 53, next);
    writeTable(dir.file("playername.OBJ"), kMapObjectSize, 2, 53, next);
    writeTable(dir.file("CONSTANT.CRE"), kCreatureSize, 4, 3, next);
    writeTable(crs, kCreatureSize, 4, 3, next);
    GameDirectory game;
    GameTables tables;
    ObjectList objects;
    CreatureList creatures;
    ASSERT_TRUE(game.open(dir.path().c_str()));
    loadGameTables(game, tables);
    objects.load(dir.editorPath().c_str()), creatures.load(dir.editorPath().c_str());
    const long constantHeld = held(hostSize(dir.file("CONSTANT.OBJ")), kMapObjectSize, kConstantObjectCount);
    const long playerHeld = held(hostSize(dir.file("playername.OBJ")), kMapObjectSize, kPlayerObjectCount);
    const long creatureHeld = held(hostSize(crs), kCreatureSize, kDirectoryCreatureCount);
    for (int id : {0, 1, 2, 3, 5, 8, 399, 400, 999, 1000, 1001, 1004, 1007, 50000, 50002, 50006, 50008, -1}) {
      const PlacementKind kind = placementKind(id);
      const int i = placementIndex(id);
      const bool constant = kind == PlacementKind::ConstantObject, creature = kind == PlacementKind::Creature;
      const MapObject* o = constant ? objects.constantObject(i) : objects.playerObject(i);
      const Creature* c = creatures.creature(i);
      const bool loaded = creature ? creatures.creature(0) != nullptr
                                   : (constant ? objects.constantObject(0) : objects.playerObject(0)) != nullptr;
      const long heldThere = creature ? creatureHeld : constant ? constantHeld : playerHeld;
      const bool found = kind != PlacementKind::None && i < heldThere &&
                         (creature ? c && !(c->nameText().text[0] == 0 && c->sprite == 0) : o && o->holdsObject());
      RecordLookup expected = found ? RecordLookup::Found : RecordLookup::NotFound;
      if (!found && kind != PlacementKind::None && !loaded && (heldThere >= 0 || kind != PlacementKind::PlayerObject))
        expected = RecordLookup::TableMissing;
      std::string why;
      EXPECT_EQ(expected, lookupPlacementRecord(tables, id, &why)) << "round " << round << ", id " << id << ": " << why;
    }
    EXPECT_EQ((std::vector<long>{constantHeld, playerHeld, creatureHeld, hostSize(dir.file("CONSTANT.CRE"))}),
              (std::vector<long>{tables.constantRecords, tables.playerRecords, tables.creatureRecords,
                                 tables.constantCreaturesBytes}));
    // Only a file that is not there is reported missing: an empty one is there.
    Findings f;
    checkTableFiles(tables, f);
    const int missing = (constantHeld < 0) + (hostSize(dir.file("CONSTANT.CRE")) < 0) + (creatureHeld < 0) + 2;
    EXPECT_EQ(missing, f.count(FindingKind::TableFile) + f.count(FindingKind::SpriteFile)) << "round " << round;
  }
}

// Names looked up in any letter case over random listings of case twins: the
// name as given wins, else the first of its twins as listed; a name listed in
// no case is opened as given. Each file holds its own name, so a read tells
// which one was found.
TEST(DolaCheckModels, NamesAreFoundAsGivenElseTheFirstTwinListed) {
  Random next{3};
  const char* stems[] = {"zan", "ZAN", "Zan", "inn", "INN", "~x"};
  auto caseless = [](const std::string& a, const std::string& b) {
    const int c = strcasecmp(a.c_str(), b.c_str());
    return c != 0 ? c < 0 : a < b;
  };
  for (int round = 0; round < 12; round++) {
    TempDir dir;
    std::set<std::string, decltype(caseless)> names(caseless);  // in listing order
    for (int i = static_cast<int>(next(7)); i > 0; i--) {
      const std::string name = std::string(stems[next(6)]) + (next(2) ? ".MAP" : ".map");
      writeFileBytes(dir.file(name), name);
      names.insert(name);
    }
    GameDirectory game;
    for (int twice = 0; twice < 2; twice++) ASSERT_TRUE(game.open(dir.path().c_str()));
    ASSERT_EQ(std::vector<std::string>(names.begin(), names.end()), game.files()) << "round " << round;
    for (const char* stem : stems) {
      for (const char* extension : {".MAP", ".map", ".Map"}) {
        const std::string query = std::string(stem) + extension;
        std::string expected = names.count(query) ? query : "", bytes;
        for (const std::string& n : names)
          if (expected.empty() && strcasecmp(n.c_str(), query.c_str()) == 0) expected = n;
        EXPECT_EQ(!expected.empty(), game.read(query, bytes) && game.holds(query)) << query;
        EXPECT_EQ(expected, bytes) << query;
      }
    }
  }
}

// Texts of random pieces, long names among them, are what snprintf makes in
// a buffer of the same size: cut at 511 characters.
TEST(DolaCheckModels, TextsFromPiecesAreWhatPrintfMakes) {
  Random next{5};
  for (int round = 0; round < 300; round++) {
    FindingText text;
    std::string model;
    for (int piece = static_cast<int>(next(12)); piece > 0; piece--) {
      const int number = static_cast<int>(next(2000000)) - 1000000;
      const std::string word(next(3) == 0 ? next(256) : next(8), static_cast<char>('A' + next(26)));
      const bool isNumber = next(2) == 0;
      model += isNumber ? (text.add(number), std::to_string(number)) : (text.add(word.c_str()), word);
    }
    char expected[kFindingTextSize];
    snprintf(expected, sizeof expected, "%s", model.c_str());
    ASSERT_EQ(expected, std::string(text.text(), text.size())) << "round " << round;
  }
}
