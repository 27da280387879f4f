// Editor paths on the host: drive letters, separators, lookups without regard
// to letter case, new files keeping their case, and the way back.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdio>
#include <ctime>
#include <filesystem>
#include <string>
#include <thread>

#include "platform/directory_list.h"
#include "platform/file_stream.h"
#include "platform/host_path.h"
#include "support/temp_dir.h"

namespace {

std::string toHost(const std::string& editorPath) {
  char out[4096];
  EXPECT_TRUE(pathToHost(editorPath.c_str(), out, sizeof out)) << editorPath;
  return out;
}

std::string toEditor(const std::string& hostPath) {
  char out[4096];
  EXPECT_TRUE(pathToEditor(hostPath.c_str(), out, sizeof out)) << hostPath;
  return out;
}

}  // namespace

TEST(HostPath, DriveLettersSeparatorsAndTheWayBack) {
  EXPECT_EQ(toHost("C:\\tmp\\x"), "/tmp/x");
  EXPECT_EQ(toHost("c:\\tmp"), "/tmp");
  EXPECT_EQ(toHost("D:"), "/");
  EXPECT_EQ(toHost("C:\\"), "/");
  EXPECT_EQ(toHost("maps\\ZANAB.MAP"), "maps/ZANAB.MAP");
  char small[4];
  EXPECT_FALSE(pathToHost("C:\\tmp\\x", small, sizeof small));
  EXPECT_FALSE(pathToEditor("/tmp/x", small, sizeof small));

  EXPECT_EQ(toEditor("/tmp/x"), "C:\\tmp\\x");
  EXPECT_EQ(toEditor("/"), "C:\\");
  EXPECT_EQ(toEditor("maps/ZANAB.MAP"), "maps\\ZANAB.MAP");
  TempDir dir;
  EXPECT_EQ(toHost(toEditor(dir.path())), dir.path());
}

TEST(HostPath, DotsAreResolvedByTheTextWithoutLeavingTheRoot) {
  EXPECT_EQ(toHost("C:\\GAME\\ZAN\\..\\OTHER"), "/GAME/OTHER");
  EXPECT_EQ(toHost("C:\\..\\..\\x\\.\\y\\"), "/x/y/");
  EXPECT_EQ(toHost("C:\\a\\..\\.."), "/");
  EXPECT_EQ(toHost("a\\.\\b\\..\\\\c"), "a/c");
  EXPECT_EQ(toHost("a\\..\\..\\x"), "../x");
  EXPECT_EQ(toHost("a\\.."), ".");
  EXPECT_EQ(toHost(""), "");
  TempDir dir;
  std::filesystem::create_directories(dir.file("Other"));
  writeFileBytes(dir.file("Other/F.MAP"), "found");
  const std::string through = dir.editorPath() + "\\NOSUCHDIR\\..\\OTHER\\.\\f.map";
  FILE* f = openStream(through.c_str(), "rb");
  ASSERT_NE(f, nullptr);
  fclose(f);
  EXPECT_TRUE(isFilePath(through.c_str()));
}

TEST(HostPath, FindsFilesInAnyCaseAtEveryLevel) {
  TempDir dir;
  std::filesystem::create_directories(dir.file("Games/World1"));
  writeFileBytes(dir.file("ZAN.SPR"), "top");
  writeFileBytes(dir.file("Games/World1/Constant.obj"), "nested");

  EXPECT_EQ(toHost(dir.editorPath() + "\\zan.spr"), dir.file("ZAN.SPR"));
  EXPECT_EQ(toHost(dir.editorPath() + "\\GAMES\\world1\\CONSTANT.OBJ"),
            dir.file("Games/World1/Constant.obj"));
  EXPECT_TRUE(isFilePath((dir.editorPath() + "\\games\\WORLD1\\constant.OBJ").c_str()));
  EXPECT_TRUE(isDirectoryPath((dir.editorPath() + "\\GAMES").c_str()));
  EXPECT_FALSE(isFilePath((dir.editorPath() + "\\GAMES").c_str()));
  EXPECT_FALSE(isDirectoryPath((dir.editorPath() + "\\nothing").c_str()));

  FILE* f = openStream((dir.editorPath() + "\\games\\world1\\CONSTANT.OBJ").c_str(), "rb");
  ASSERT_NE(f, nullptr);
  char buf[16] = {0};
  EXPECT_EQ(fread(buf, 1, sizeof buf, f), 6u);
  fclose(f);
  EXPECT_STREQ(buf, "nested");
}

TEST(HostPath, CreatedFilesKeepTheCaseGiven) {
  TempDir dir;
  std::filesystem::create_directories(dir.file("Games"));
  FILE* f = openStream((dir.editorPath() + "\\GAMES\\NewMap.Map").c_str(), "w");
  ASSERT_NE(f, nullptr);
  fclose(f);
  EXPECT_TRUE(fileExistsOnHost(dir.file("Games/NewMap.Map")));
  EXPECT_FALSE(fileExistsOnHost(dir.file("Games/NEWMAP.MAP")));
  // A missing directory keeps its case as well; nothing is created on the way.
  EXPECT_EQ(toHost(dir.editorPath() + "\\Other\\A.MAP"), dir.file("Other/A.MAP"));
}

TEST(DirectoryList, ParentFirstThenDirectoriesThenNamesWithoutCase) {
  TempDir dir;
  std::filesystem::create_directories(dir.file("zdir"));
  std::filesystem::create_directories(dir.file("Adir"));
  writeFileBytes(dir.file("b.map"), "");
  writeFileBytes(dir.file("A.MAP"), "");
  std::vector<DirectoryEntry> entries;
  ASSERT_TRUE(listDirectory(dir.editorPath().c_str(), entries));
  std::vector<std::string> names;
  for (const DirectoryEntry& e : entries) names.push_back(e.name + (e.isDirectory ? "/" : ""));
  EXPECT_EQ(names, (std::vector<std::string>{"../", "Adir/", "zdir/", "A.MAP", "b.map"}));
  EXPECT_FALSE(listDirectory((dir.editorPath() + "\\missing").c_str(), entries));
}

namespace {

// Waits until the file-system clock has passed the directory's times, so that
// a change made now carries times the directory never had.
void waitPastTimesOf(const std::string& dir) {
  struct stat st;
  ASSERT_EQ(0, stat(dir.c_str(), &st));
  const timespec newest = st.st_mtim.tv_sec > st.st_ctim.tv_sec ||
                                  (st.st_mtim.tv_sec == st.st_ctim.tv_sec && st.st_mtim.tv_nsec > st.st_ctim.tv_nsec)
                              ? st.st_mtim
                              : st.st_ctim;
  for (timespec now{};;) {
    clock_gettime(CLOCK_REALTIME_COARSE, &now);
    if (now.tv_sec > newest.tv_sec || (now.tv_sec == newest.tv_sec && now.tv_nsec > newest.tv_nsec)) return;
    std::this_thread::yield();
  }
}

}  // namespace

// Names are found in a listing kept per directory: a file renamed, made or
// removed afterwards is seen at the next lookup, whether the listing was kept
// (the directory unchanged for long: the clock is moved on) or just made.
TEST(HostPath, KeptListingsFollowEveryChangeOfTheirDirectory) {
  for (long shift : {0L, 3600L}) {
    TempDir dir;
    shiftCaselessListingClockForTests(shift);
    writeFileBytes(dir.file("Alpha.TXT"), "a");
    EXPECT_EQ(dir.file("Alpha.TXT"), toHost(dir.editorPath("ALPHA.txt")));
    EXPECT_EQ(dir.file("Alpha.TXT"), toHost(dir.editorPath("alpha.TXT")));  // from the kept listing
    waitPastTimesOf(dir.path());
    std::filesystem::rename(dir.file("Alpha.TXT"), dir.file("aLPHA.txt"));
    EXPECT_EQ(dir.file("aLPHA.txt"), toHost(dir.editorPath("ALPHA.TXT"))) << shift;
    waitPastTimesOf(dir.path());
    writeFileBytes(dir.file("Beta.txt"), "b");
    EXPECT_EQ(dir.file("Beta.txt"), toHost(dir.editorPath("BETA.TXT"))) << shift;
    waitPastTimesOf(dir.path());
    std::remove(dir.file("aLPHA.txt").c_str());
    EXPECT_EQ(dir.file("ALPHA.TXT"), toHost(dir.editorPath("ALPHA.TXT"))) << shift;  // none: kept as given
    EXPECT_EQ(dir.file("Beta.txt"), toHost(dir.editorPath("beta.TXT"))) << shift;
  }
  shiftCaselessListingClockForTests(0);
}
