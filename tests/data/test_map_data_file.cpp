// MapDataFile: one record decoded, files shorter and longer than the table
// across a save (exact bytes), reuse of the first free record, and saves that
// must neither create nor damage a file.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "data/map_data_file.h"
#include "platform/file_stream.h"
#include "support/temp_dir.h"

namespace {

std::string pattern(size_t count, int seed) {
  std::string bytes;
  for (size_t i = 0; i < count; i++) bytes.push_back(static_cast<char>((i * 13 + seed) % 256));
  return bytes;
}

const std::string kExample("\x05\x03\x01\x02\xAA\xBB\xCC\x2A\x00\x00\x00", 11);

}  // namespace

TEST(MapDataFile, ShortAndLongFilesAcrossASave) {
  TempDir dir;
  const std::string shortFile = kExample + pattern(89, 1);  // 100 bytes: 9 records and one byte
  writeFileBytes(dir.file("ZANAB.DAT"), shortFile);
  MapDataFile data;
  ASSERT_TRUE(data.load(dir.editorPath("ZANAB.DAT").c_str()));
  const Placement& p = *data.placement(0);
  EXPECT_EQ(5, p.x);
  EXPECT_EQ(3, p.y);
  EXPECT_EQ(1, p.inUse);
  EXPECT_EQ(2, p.quantity);
  EXPECT_EQ(42, p.id);
  EXPECT_EQ(static_cast<unsigned char>(shortFile[99]), data.placement(9)->x);
  EXPECT_EQ(nullptr, data.placement(200));
  EXPECT_EQ(nullptr, data.placement(-1));
  ASSERT_TRUE(data.save());
  EXPECT_EQ(shortFile + std::string(2100, '\0'), readFileBytes(dir.file("ZANAB.DAT")));
  // Reloading from the stored path itself reads the file again and keeps it writable.
  ASSERT_TRUE(data.load(data.path));
  EXPECT_EQ(dir.editorPath("ZANAB.DAT"), data.path);
  EXPECT_EQ(42, data.placement(0)->id);
  data.placement(0)->quantity = 7;
  ASSERT_TRUE(data.save());
  EXPECT_EQ('\x07', readFileBytes(dir.file("ZANAB.DAT"))[3]);

  // Saved under another letter case into the same file; bytes after 2200 untouched.
  const std::string longFile = pattern(2300, 7);
  writeFileBytes(dir.file("zanac.dat"), longFile);
  ASSERT_TRUE(data.load(dir.editorPath("ZANAC.DAT").c_str()));
  data.placement(199)->id = -2;
  data.placement(199)->x = 0;
  ASSERT_TRUE(data.save());
  std::string expected = longFile;
  expected.replace(2189, 1, 1, '\0');
  expected.replace(2196, 4, std::string("\xFE\xFF\xFF\xFF", 4));
  EXPECT_EQ(expected, readFileBytes(dir.file("zanac.dat")));
  EXPECT_FALSE(fileExistsOnHost(dir.file("ZANAC.DAT")));
}

TEST(MapDataFile, DeletedRecordIsReusedFirstAndCreaturesAreNeverFree) {
  TempDir dir;
  std::string table;
  for (int i = 0; i < 4; i++) table += kExample;
  table += std::string("\x02\x02\x00\x00\x00\x00\x00\xE8\x03\x00\x00", 11);  // creature 0, inUse 0
  table += std::string("\x02\x02\x00\x00\x00\x00\x00\x4F\xC3\x00\x00", 11);  // creature 48999
  table += std::string("\x02\x02\x00\x00\x00\x00\x00\x50\xC3\x00\x00", 11);  // player object 0, unused
  writeFileBytes(dir.file("ZANAD.DAT"), table);
  MapDataFile data;
  ASSERT_TRUE(data.load(dir.editorPath("ZANAD.DAT").c_str()));
  EXPECT_EQ(6, data.firstFreePlacement());  // a creature is shown whatever its inUse
  *data.placement(3) = Placement{};
  EXPECT_EQ(3, data.firstFreePlacement());
  for (int i = 0; i < kPlacementCount; i++) data.placement(i)->inUse = 1;
  EXPECT_EQ(-1, data.firstFreePlacement());
  data.clear();
  EXPECT_EQ(-1, data.firstFreePlacement());
  EXPECT_EQ(nullptr, data.placement(0));
}

TEST(MapDataFile, SavesNeverCreateOrDamageAFile) {
  TempDir dir;
  MapDataFile data;
  EXPECT_FALSE(data.save());
  EXPECT_FALSE(data.load(dir.editorPath("ZANAE.DAT").c_str()));
  EXPECT_EQ(0, data.firstFreePlacement());
  data.placement(0)->inUse = 1;
  EXPECT_FALSE(data.save());
  EXPECT_FALSE(fileExistsOnHost(dir.file("ZANAE.DAT")));
  writeFileBytes(dir.file("ZANAE.DAT"), pattern(50, 2));  // made by another program after the open
  EXPECT_FALSE(data.save());
  EXPECT_EQ(pattern(50, 2), readFileBytes(dir.file("ZANAE.DAT")));

  const std::string original = pattern(2300, 5);
  writeFileBytes(dir.file("ZANAG.DAT"), original);
  ASSERT_TRUE(data.load(dir.editorPath("ZANAG.DAT").c_str()));
  *data.placement(0) = Placement{};
  failWritesAfter(1000);
  const bool saved = data.save();
  failWritesAfter(-1);
  EXPECT_FALSE(saved);
  EXPECT_EQ(original, readFileBytes(dir.file("ZANAG.DAT")));
  ASSERT_TRUE(data.save());  // the records are kept: the next save writes them
  EXPECT_EQ(std::string(kPlacementSize, '\0') + original.substr(kPlacementSize), readFileBytes(dir.file("ZANAG.DAT")));
}

TEST(PlacementId, EachIdNamesOneTableRecordByRecord) {
  struct Boundary {
    int32_t id;
    PlacementKind kind;
    int index;
  };
  for (const Boundary& b : {Boundary{INT32_MIN, PlacementKind::None, -1}, Boundary{-1, PlacementKind::None, -1},
                            Boundary{0, PlacementKind::ConstantObject, 0}, Boundary{400, PlacementKind::None, -1},
                            Boundary{1000, PlacementKind::Creature, 0}, Boundary{50000, PlacementKind::PlayerObject, 0},
                            Boundary{INT32_MAX, PlacementKind::PlayerObject, INT32_MAX - 50000}}) {
    EXPECT_EQ(b.kind, placementKind(b.id)) << b.id;
    EXPECT_EQ(b.index, placementIndex(b.id)) << b.id;
  }
  // Between boundaries the kind holds and the record number counts up by one.
  int ranges = 0;
  for (int32_t id = -1; id < 60000; id++) {
    const PlacementKind kind = placementKind(id + 1);
    const int index = placementIndex(id + 1);
    if (kind == PlacementKind::None) ASSERT_EQ(-1, index) << id + 1;
    else if (kind == placementKind(id)) ASSERT_EQ(placementIndex(id) + 1, index) << id + 1;
    else ASSERT_EQ(0, index) << id + 1;
    if (kind != placementKind(id)) ranges++;
  }
  EXPECT_EQ(4, ranges);  // constant objects, none, creatures, player objects
  // The in-use byte counts for objects and unknown ids; a creature is in use whatever it says.
  EXPECT_TRUE(placementInUse(Placement{1, 1, 0, 1, {}, 1000}));
  EXPECT_FALSE(placementInUse(Placement{1, 1, 0, 1, {}, 399}));
  EXPECT_FALSE(placementInUse(Placement{1, 1, 2, 1, {}, 50000}));
  EXPECT_TRUE(placementInUse(Placement{1, 1, 1, 1, {}, 700}));
}

// The checker's read from bytes in memory gives the table that a load of the
// same file gives, for files of every length around the table's.
TEST(MapDataFile, LoadFromBytesMatchesALoadOfTheFile) {
  TempDir dir;
  for (size_t size : {size_t{0}, size_t{5}, size_t{11}, size_t{12}, size_t{1100}, size_t{2199}, size_t{2200},
                      size_t{2201}, size_t{4000}}) {
    const std::string bytes = pattern(size, static_cast<int>(size));
    writeFileBytes(dir.file("A.DAT"), bytes);
    MapDataFile loaded, fromBytes;
    ASSERT_TRUE(loaded.load(dir.editorPath("A.DAT").c_str()));
    ASSERT_TRUE(fromBytes.loadFromBytes(dir.editorPath("A.DAT").c_str(), bytes));
    EXPECT_STREQ(loaded.path, fromBytes.path);
    for (int i = 0; i < kPlacementCount; i++) {
      unsigned char a[kPlacementSize], b[kPlacementSize];
      encodePlacement(*loaded.placement(i), a);
      encodePlacement(*fromBytes.placement(i), b);
      ASSERT_EQ(0, memcmp(a, b, sizeof a)) << size << " bytes, record " << i;
    }
  }
}
