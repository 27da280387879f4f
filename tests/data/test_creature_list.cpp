// CreatureList: the ".CRS" file named after the directory, every field at its
// file offset (integer arrays little-endian), short files, the 40-character
// name, and failed loads.
#include <gtest/gtest.h>

#include <string>

#include "data/creature_list.h"
#include "support/temp_dir.h"

namespace {

std::string record(int seed) {
  std::string bytes;
  for (int k = 0; k < kCreatureSize; k++) bytes.push_back(static_cast<char>((k * 3 + seed) % 256));
  return bytes;
}

std::string crsName(const TempDir& dir) {
  return dir.path().substr(dir.path().rfind('/') + 1) + ".CRS";
}

std::string field(const void* memory, int width) {
  return std::string(static_cast<const char*>(memory), width);
}

}  // namespace

TEST(CreatureList, TheCrsFileIsNamedAfterTheDirectory) {
  EXPECT_STREQ("world1", directoryLastName("C:\\games\\world1"));
  EXPECT_STREQ("", directoryLastName("\\world1"));  // the first character is never that backslash
  EXPECT_STREQ("", directoryLastName("C:"));
  TempDir dir;
  writeFileBytes(dir.file("constant.cre"), "");
  writeFileBytes(dir.file(".CRS"), record(9));
  CreatureList list;
  EXPECT_FALSE(list.load(dir.editorPath().c_str()));
  writeFileBytes(dir.file(crsName(dir)), record(1));
  EXPECT_TRUE(list.load(dir.editorPath().c_str()));
  EXPECT_EQ(record(1).substr(4, 40), field(list.creature(0)->name, 40));
}

TEST(CreatureList, FieldsAtTheirOffsetsAndShortFiles) {
  TempDir dir;
  std::string r = record(11);
  auto putLe32 = [&r](int at, uint32_t value) {
    for (int b = 0; b < 4; b++) r[at + b] = static_cast<char>(value >> (8 * b));
  };
  for (int i = 0; i < 8; i++) putLe32(295 + 4 * i, i + 1);
  const uint32_t tail[7] = {0x80000000u, 0xFFFFFFFFu, 0x01020304u, 0, 256, 9, 10};
  for (int i = 0; i < 7; i++) putLe32(395 + 4 * i, tail[i]);
  r.replace(4, 40, std::string(40, 'W'));  // byte 44 is no part of the name
  writeFileBytes(dir.file("CONSTANT.CRE"), record(2));
  writeFileBytes(dir.file(crsName(dir)), record(5) + r);  // 862 bytes: two creatures
  CreatureList list;
  ASSERT_TRUE(list.load(dir.editorPath().c_str()));
  const Creature& c = *list.creature(1);
  EXPECT_EQ(std::string(40, 'W'), c.nameText().text);
  for (int i = 0; i < 8; i++) EXPECT_EQ(i + 1, c.integers295[i]);
  const int32_t expected[7] = {INT32_MIN, -1, 0x01020304, 0, 256, 9, 10};
  for (int i = 0; i < 7; i++) EXPECT_EQ(expected[i], c.integers395[i]);
  const std::pair<int, std::string> bytes[] = {
      {0, field(c.bytes0, 3)},      {3, field(&c.sprite, 1)},     {44, field(c.bytes44, 16)},
      {60, field(c.bytes60, 9)},    {69, field(c.bytes69, 59)},   {128, field(c.bytes128, 10)},
      {138, field(c.bytes138, 10)}, {148, field(c.bytes148, 39)}, {187, field(c.bytes187, 12)},
      {199, field(c.bytes199, 12)}, {211, field(c.bytes211, 12)}, {223, field(c.bytes223, 16)},
      {239, field(c.bytes239, 12)}, {251, field(c.bytes251, 12)}, {263, field(c.bytes263, 12)},
      {275, field(c.bytes275, 12)}, {287, field(c.bytes287, 8)},  {327, field(c.bytes327, 68)},
      {423, field(c.bytes423, 8)}};
  for (const auto& [offset, value] : bytes)
    EXPECT_EQ(r.substr(offset, value.size()), value) << offset;
  unsigned char encoded[kCreatureSize];
  encodeCreature(c, encoded);  // and back to the very same bytes
  EXPECT_EQ(r, field(encoded, kCreatureSize));

  EXPECT_STREQ("", list.creature(2)->nameText().text);
  EXPECT_EQ(0, list.creature(2999)->integers395[6]);
  EXPECT_EQ(nullptr, list.creature(3000));
  EXPECT_EQ(nullptr, list.creature(-1));
}

TEST(CreatureList, AMissingConstantFileDropsThePreviousCreatures) {
  TempDir full, empty;
  writeFileBytes(full.file("CONSTANT.CRE"), record(1));
  writeFileBytes(full.file(crsName(full)), record(2));
  writeFileBytes(empty.file(crsName(empty)), record(4));
  CreatureList list;
  ASSERT_TRUE(list.load(full.editorPath().c_str()));
  EXPECT_FALSE(list.load(empty.editorPath().c_str()));
  for (int i : {0, 1, 2999}) EXPECT_EQ(nullptr, list.creature(i));
}
