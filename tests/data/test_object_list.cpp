// ObjectList: record boundaries, the 30-character name, the id ranges of both
// tables, file names in any letter case, and what a failed load leaves behind.
#include <gtest/gtest.h>

#include <string>

#include "data/object_list.h"
#include "support/temp_dir.h"

namespace {

std::string objectRecords(int count, int seed) {
  std::string bytes;
  for (int i = 0; i < count * kMapObjectSize; i++)
    bytes.push_back(static_cast<char>(1 + (i * 7 + seed) % 250));
  return bytes;
}

std::string bytesOf(const MapObject* o) {
  return std::string(reinterpret_cast<const char*>(o->bytes), 79);
}

}  // namespace

TEST(ObjectList, RecordsNamesAndIdRanges) {
  TempDir dir;
  std::string constant = objectRecords(2, 1).substr(0, 80);  // record 0 and one byte of record 1
  constant.replace(2, 30, std::string(30, 'N'));             // byte 32 stays non-zero
  constant[53] = static_cast<char>(200);
  const std::string players = objectRecords(kPlayerObjectCount + 1, 3);
  writeFileBytes(dir.file("Constant.obj"), constant);
  writeFileBytes(dir.file("PLAYERNAME.obj"), players);
  ObjectList list;
  ASSERT_TRUE(list.load(dir.editorPath().c_str()));
  EXPECT_EQ(dir.editorPath(), list.directory);
  EXPECT_EQ(std::string(30, 'N'), list.constantObject(0)->name().text);
  EXPECT_EQ(200, list.constantObject(0)->sprite());
  EXPECT_EQ(constant.substr(79, 1) + std::string(78, '\0'), bytesOf(list.constantObject(1)));
  for (int i = 1; i < 400; i++) EXPECT_STREQ("", list.constantObject(i)->name().text);
  EXPECT_EQ(nullptr, list.constantObject(400));
  EXPECT_EQ(nullptr, list.constantObject(-1));
  EXPECT_EQ(players.substr(49899 * 79, 79), bytesOf(list.playerObject(49899)));
  EXPECT_EQ(nullptr, list.playerObject(49900));
  EXPECT_EQ(nullptr, list.playerObject(-1));
  ASSERT_TRUE(list.load(list.directory));  // its own stored directory
  EXPECT_EQ(dir.editorPath(), list.directory);
  EXPECT_EQ(200, list.constantObject(0)->sprite());
}

TEST(ObjectList, FailedLoadsKeepNoRecordsOfThePreviousDirectory) {
  TempDir full, noPlayers, empty;
  writeFileBytes(full.file("CONSTANT.OBJ"), objectRecords(400, 1));
  writeFileBytes(full.file("playername.OBJ"), objectRecords(10, 2));
  writeFileBytes(noPlayers.file("CONSTANT.OBJ"), objectRecords(1, 9));
  ObjectList list;
  ASSERT_TRUE(list.load(full.editorPath().c_str()));
  EXPECT_FALSE(list.load(noPlayers.editorPath().c_str()));
  EXPECT_EQ(objectRecords(1, 9), bytesOf(list.constantObject(0)));
  EXPECT_EQ(std::string(79, '\0'), bytesOf(list.constantObject(1)));
  EXPECT_EQ(nullptr, list.playerObject(0));

  ASSERT_TRUE(list.load(full.editorPath().c_str()));
  EXPECT_FALSE(list.load(empty.editorPath().c_str()));
  EXPECT_EQ(nullptr, list.constantObject(0));
  EXPECT_EQ(nullptr, list.playerObject(0));

  // A directory too long for the path buffer names no file of the game.
  ASSERT_TRUE(list.load(full.editorPath().c_str()));
  EXPECT_FALSE(list.load((full.editorPath() + std::string(1100, 'd')).c_str()));
  EXPECT_EQ(nullptr, list.constantObject(0));
}

// The game's mark makes a slot empty; an all-zero record holds nothing
// either, but a record with a sprite and no name is an object.
TEST(ObjectList, WhatMakesASlotEmpty) {
  MapObject object{};
  EXPECT_FALSE(object.isEmptySlot());
  EXPECT_FALSE(object.holdsObject());
  object.bytes[kObjectSpriteOffset] = 5;
  EXPECT_TRUE(object.holdsObject());
  const std::string mark = "*unmatchablestring*";
  for (size_t i = 0; i < mark.size(); ++i) object.bytes[kObjectNameOffset + i] = static_cast<unsigned char>(mark[i]);
  EXPECT_TRUE(object.isEmptySlot());
  EXPECT_FALSE(object.holdsObject());
}
