// Random and truncated files of every table kind, loaded (and the ".DAT" saved)
// and checked against a decoding written independently here; the fixed seed
// makes every failure reproducible. Also files that cannot be read at all.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstring>
#include <random>
#include <string>

#include "data/creature_list.h"
#include "data/map_data_file.h"
#include "data/object_list.h"
#include "support/temp_dir.h"

namespace {

// Random bytes: empty, full, too long, cut near a record boundary or anywhere.
std::string randomFile(std::mt19937& rng, size_t fullSize, size_t recordSize) {
  const size_t lengths[] = {0, fullSize, fullSize + 1 + rng() % 500,
                            (rng() % (fullSize / recordSize + 1)) * recordSize + rng() % 3,
                            rng() % (fullSize + 1)};
  std::string bytes(lengths[rng() % 5], '\0');
  for (char& b : bytes) b = static_cast<char>(rng());
  return bytes;
}

std::string padded(const std::string& bytes, size_t size) {
  std::string out = bytes.substr(0, size);
  out.resize(size, '\0');
  return out;
}

int32_t le32(const std::string& bytes, size_t at) {
  int64_t value = 0;
  for (int b = 3; b >= 0; b--) value = value * 256 + static_cast<unsigned char>(bytes[at + b]);
  return static_cast<int32_t>(value >= 2147483648LL ? value - 4294967296LL : value);
}

void checkLoads(const std::string& dir, const std::string& constantObj,
                const std::string& playerObj, const std::string& crs) {
  ObjectList objects;
  ASSERT_TRUE(objects.load(dir.c_str()));
  const std::string c = padded(constantObj, 400 * 79), p = padded(playerObj, 49900 * 79);
  for (int i = 0; i < 400; i++)
    ASSERT_EQ(0, memcmp(objects.constantObject(i)->bytes, &c[79 * i], 79)) << i;
  for (size_t i = 0; i < 49900; i++)
    ASSERT_EQ(0, memcmp(objects.playerObject(i)->bytes, &p[79 * i], 79)) << i;

  CreatureList creatures;
  ASSERT_TRUE(creatures.load(dir.c_str()));
  const std::string r = padded(crs, 3000 * 431);
  for (int i = 0; i < 3000; i++) {
    const Creature& k = *creatures.creature(i);
    const size_t at = 431 * static_cast<size_t>(i);
    ASSERT_EQ(static_cast<unsigned char>(r[at + 3]), k.sprite) << i;
    ASSERT_EQ(0, memcmp(k.name, &r[at + 4], 40)) << i;
    ASSERT_EQ(0, memcmp(k.bytes423, &r[at + 423], 8)) << i;
    for (int n = 0; n < 8; n++) ASSERT_EQ(le32(r, at + 295 + 4 * n), k.integers295[n]) << i;
    for (int n = 0; n < 7; n++) ASSERT_EQ(le32(r, at + 395 + 4 * n), k.integers395[n]) << i;
  }
}

}  // namespace

TEST(TablesFuzz, RandomAndTruncatedFilesOfEveryKind) {
  std::mt19937 rng(20261207u);
  TempDir dir;
  const std::string crsName = dir.path().substr(dir.path().rfind('/') + 1) + ".CRS";
  for (int round = 0; round < 12; round++) {
    SCOPED_TRACE(round);
    const std::string constantObj = randomFile(rng, 400 * 79, 79);
    const std::string playerObj = randomFile(rng, 49900 * 79, 79);
    const std::string crs = randomFile(rng, 3000 * 431, 431);
    const std::string dat = randomFile(rng, 2200, 11) + (rng() % 2 ? randomFile(rng, 300, 1) : "");
    writeFileBytes(dir.file("CONSTANT.OBJ"), constantObj);
    writeFileBytes(dir.file("playername.OBJ"), playerObj);
    writeFileBytes(dir.file("CONSTANT.CRE"), randomFile(rng, 1000 * 431, 431));
    writeFileBytes(dir.file(crsName), crs);
    writeFileBytes(dir.file("ZANQQ.DAT"), dat);
    checkLoads(dir.editorPath(), constantObj, playerObj, crs);

    MapDataFile data;
    ASSERT_TRUE(data.load(dir.editorPath("ZANQQ.DAT").c_str()));
    for (int i = 0; i < 200; i++) {
      const std::string record = padded(dat.substr(std::min<size_t>(dat.size(), 11 * i)), 11);
      ASSERT_EQ(static_cast<unsigned char>(record[2]), data.placement(i)->inUse);
      ASSERT_EQ(le32(record, 7), data.placement(i)->id);
    }
    ASSERT_TRUE(data.save());
    ASSERT_EQ(padded(dat, 2200) + (dat.size() > 2200 ? dat.substr(2200) : ""),
              readFileBytes(dir.file("ZANQQ.DAT")));
  }
}

TEST(TablesFuzz, FilesThatCannotBeReadGiveNoTables) {
  TempDir dir;
  for (const char* name : {"CONSTANT.OBJ", "CONSTANT.CRE", "ZANQQ.DAT"})
    ASSERT_EQ(0, mkdir(dir.file(name).c_str(), 0755));
  ObjectList objects;
  CreatureList creatures;
  MapDataFile data;
  EXPECT_FALSE(objects.load(dir.editorPath().c_str()));
  EXPECT_FALSE(creatures.load(dir.editorPath().c_str()));
  EXPECT_FALSE(data.load(dir.editorPath("ZANQQ.DAT").c_str()));
  EXPECT_EQ(nullptr, objects.constantObject(0));
  EXPECT_EQ(nullptr, creatures.creature(0));
  EXPECT_EQ(0, data.firstFreePlacement());
  EXPECT_FALSE(data.save());
}
