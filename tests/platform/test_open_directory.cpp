// A directory held open while its files are read: its listing agrees with
// listDirectory's on every kind of entry, and each file is read or measured
// relative to it with the outcome a reader of the whole file would see.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <map>
#include <string>
#include <vector>

#include "platform/directory_list.h"
#include "platform/open_directory.h"
#include "support/temp_dir.h"

TEST(OpenDirectory, ListsAsListDirectoryAndReadsEachFileWhole) {
  unsigned seed = 1;
  auto next = [&seed](unsigned n) { return (seed = seed * 1103515245 + 12345) / 65536 % n; };
  for (int round = 0; round < 6; round++) {
    // Files of random sizes named in mixed case, a directory, a pipe, and
    // links to a file, to a directory and to nothing.
    TempDir dir;
    std::map<std::string, std::string> files;
    for (int i = 0; i < 12; i++) {
      const char* stems[] = {"ZANAA", "zanaa", "Inn", "a", "B"};
      const std::string name = stems[next(5)] + std::to_string(next(3)) + (next(2) ? ".MAP" : ".dat");
      std::string bytes(next(3000), '\0');
      for (char& c : bytes) c = static_cast<char>(next(256));
      writeFileBytes(dir.file(name), files[name] = bytes);
    }
    ASSERT_EQ(0, mkdir(dir.file("Sub").c_str(), 0700));
    ASSERT_EQ(0, mkfifo(dir.file("PIPE.MAP").c_str(), 0600));
    ASSERT_EQ(0, symlink(dir.file(files.begin()->first).c_str(), dir.file("LINK.MAP").c_str()));
    ASSERT_EQ(0, symlink(dir.file("Sub").c_str(), dir.file("linkdir").c_str()));
    ASSERT_EQ(0, symlink(dir.file("NONE").c_str(), dir.file("dangling").c_str()));
    files["LINK.MAP"] = files.begin()->second;

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
    for (const auto& f : files) {
      const long n = static_cast<long>(f.second.size());
      ASSERT_EQ(FileRead::Read, d.read(f.first.c_str(), bytes, n, &size)) << f.first;
      EXPECT_EQ(f.second, bytes);
      EXPECT_EQ(n > 0 ? FileRead::TooLarge : FileRead::Read, d.read(f.first.c_str(), bytes, n - 1, &size));
      EXPECT_EQ(n, size);
      EXPECT_EQ(FileRead::Read, d.measure(f.first.c_str(), &size));
      EXPECT_EQ(n, size);
    }
    // Nothing but regular files is read, and a name is never a path.
    for (const char* name : {"PIPE.MAP", "Sub", "linkdir", "dangling", "NONE", "Sub/x", ""}) {
      EXPECT_EQ(FileRead::Missing, d.read(name, bytes, 1 << 20, &size)) << name;
      EXPECT_EQ("", bytes);
      EXPECT_EQ(-1, size);
      EXPECT_EQ(FileRead::Missing, d.measure(name, &size)) << name;
    }
  }
  OpenDirectory none;
  std::vector<DirectoryEntry> entries;
  EXPECT_FALSE(none.open("C:\\no\\such\\directory", entries));
}
