// A directory held open while its files are read: its listing agrees with
// listDirectory's on every kind of entry, and only regular files are read,
// whole or refused as too large.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "platform/directory_list.h"
#include "platform/open_directory.h"
#include "support/temp_dir.h"

TEST(OpenDirectory, ListsAsListDirectoryAndReadsOnlyRegularFiles) {
  TempDir dir;
  const std::string bytes3000(3000, '\xE7');
  for (const char* name : {"ZANAA.MAP", "zanaa.map", "Inn.dat", "B"}) writeFileBytes(dir.file(name), name);
  writeFileBytes(dir.file("EMPTY"), "");
  writeFileBytes(dir.file("BIG.MAP"), bytes3000);
  ASSERT_EQ(0, mkdir(dir.file("Sub").c_str(), 0700));
  ASSERT_EQ(0, mkfifo(dir.file("PIPE.MAP").c_str(), 0600));
  ASSERT_EQ(0, symlink(dir.file("BIG.MAP").c_str(), dir.file("LINK.MAP").c_str()));
  ASSERT_EQ(0, symlink(dir.file("Sub").c_str(), dir.file("linkdir").c_str()));
  ASSERT_EQ(0, symlink(dir.file("NONE").c_str(), dir.file("dangling").c_str()));

  std::vector<DirectoryEntry> listed, open;
  ASSERT_TRUE(listDirectory(dir.editorPath().c_str(), listed));
  OpenDirectory d;
  ASSERT_TRUE(d.open(dir.editorPath().c_str(), open));
  ASSERT_EQ(listed.size(), open.size());
  for (size_t i = 0; i < listed.size(); i++) {
    EXPECT_EQ(listed[i].name, open[i].name) << i;
    EXPECT_EQ(listed[i].isDirectory, open[i].isDirectory) << listed[i].name;
    EXPECT_EQ(listed[i].isRegular, open[i].isRegular) << listed[i].name;
  }
  std::string bytes = "left over";
  long size = 0;
  EXPECT_EQ(FileRead::Read, d.read("zanaa.map", bytes, 9, &size));
  EXPECT_EQ("zanaa.map", bytes);
  EXPECT_EQ(FileRead::Read, d.read("LINK.MAP", bytes, 3000, &size));
  EXPECT_EQ(bytes3000, bytes);
  EXPECT_EQ(FileRead::TooLarge, d.read("LINK.MAP", bytes, 2999, &size));
  EXPECT_EQ("", bytes);
  EXPECT_EQ(3000, size);
  EXPECT_EQ(FileRead::Read, d.read("EMPTY", bytes, 0, &size));
  EXPECT_EQ(FileRead::Read, d.measure("BIG.MAP", &size));
  EXPECT_EQ(3000, size);
  for (const char* name : {"PIPE.MAP", "Sub", "linkdir", "dangling", "NONE", "zanaa.MAP", "Sub/x", ""}) {
    EXPECT_EQ(FileRead::Missing, d.read(name, bytes, 1 << 20, &size)) << name;
    EXPECT_EQ(-1, size);
    EXPECT_EQ(FileRead::Missing, d.measure(name, &size)) << name;
  }
  OpenDirectory none;
  EXPECT_FALSE(none.open("C:\\no\\such\\directory", open));
}
