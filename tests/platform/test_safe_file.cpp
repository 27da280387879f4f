// SafeWriter: the target is replaced only by a complete, flushed new file; a
// failed or abandoned write leaves it byte-identical and no temporary behind;
// update mode starts from a copy; permissions, read-only files, symbolic links
// and the in-place fallback of a read-only directory. SafeBatch: many files
// placed together at commit, each failure dropping only what it must.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/file_stream.h"
#include "platform/safe_file.h"
#include "support/temp_dir.h"

namespace {

std::vector<std::string> entriesOf(const TempDir& dir) {
  std::vector<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(dir.path()))
    names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

mode_t permissionsOf(const std::string& hostPath) {
  struct stat st;
  stat(hostPath.c_str(), &st);
  return st.st_mode & 07777;
}

}  // namespace

TEST(SafeWriter, ReplacesTheTargetOnlyOnCommit) {
  TempDir dir;
  writeFileBytes(dir.file("a.map"), "old\r\n");
  SafeWriter w;
  FILE* f = w.open(dir.editorPath("a.map").c_str(), "w");
  ASSERT_NE(f, nullptr);
  EXPECT_FALSE(w.writesInPlace());
  fputs("new\nline\n", f);
  fflush(f);
  EXPECT_EQ(readFileBytes(dir.file("a.map")), "old\r\n");
  EXPECT_TRUE(w.commit());
  EXPECT_EQ(readFileBytes(dir.file("a.map")), "new\r\nline\r\n");
  EXPECT_EQ(entriesOf(dir), std::vector<std::string>{"a.map"});
  EXPECT_FALSE(w.commit());  // nothing left to commit
}

TEST(SafeWriter, FailureMidwayKeepsTheOldFileAndLeavesNoTemporary) {
  TempDir dir;
  const std::string old("old bytes\r\n\0\xff", 13);
  for (long budget : {0L, 5L, 4000L}) {
    writeFileBytes(dir.file("a.dat"), old);
    SafeWriter w;
    FILE* f = w.open(dir.editorPath("a.dat").c_str(), "wb");
    ASSERT_NE(f, nullptr);
    failWritesAfter(budget);
    std::string big(10000, 'x');
    fwrite(big.data(), 1, big.size(), f);
    const bool committed = w.commit();
    failWritesAfter(-1);
    EXPECT_FALSE(committed) << budget;
    EXPECT_EQ(readFileBytes(dir.file("a.dat")), old) << budget;
    EXPECT_EQ(entriesOf(dir), std::vector<std::string>{"a.dat"}) << budget;
  }
  {  // abandoned by its end, and abandoned explicitly
    SafeWriter w;
    fputs("new", w.open(dir.editorPath("a.dat").c_str(), "w"));
    SafeWriter other;
    ASSERT_NE(other.open(dir.editorPath("b.dat").c_str(), "w"), nullptr);
    other.abandon();
  }
  EXPECT_EQ(readFileBytes(dir.file("a.dat")), old);
  EXPECT_EQ(entriesOf(dir), std::vector<std::string>{"a.dat"});
}

TEST(SafeWriter, UpdateStartsAsACopyAndKeepsTheRest) {
  TempDir dir;
  writeFileBytes(dir.file("a.dat"), std::string("abc\r\ndef\0g", 10));
  SafeWriter w;
  FILE* f = w.open(dir.editorPath("a.dat").c_str(), "r+b");
  ASSERT_NE(f, nullptr);
  char head[3];
  ASSERT_EQ(fread(head, 1, 3, f), 3u);
  EXPECT_EQ(std::string(head, 3), "abc");
  fseek(f, 1, SEEK_SET);
  fwrite("XY", 1, 2, f);
  EXPECT_TRUE(w.commit());
  EXPECT_EQ(readFileBytes(dir.file("a.dat")), std::string("aXY\r\ndef\0g", 10));
  EXPECT_EQ(w.open(dir.editorPath("missing.dat").c_str(), "r+b"), nullptr);
  EXPECT_EQ(w.open(dir.editorPath("a.dat").c_str(), "r"), nullptr);  // not a writing mode
}

TEST(SafeWriter, KeepsPermissionsAndRefusesReadOnlyFiles) {
  TempDir dir;
  writeFileBytes(dir.file("a.map"), "old");
  chmod(dir.file("a.map").c_str(), 0640);
  SafeWriter w;
  ASSERT_NE(w.open(dir.editorPath("a.map").c_str(), "w"), nullptr);
  EXPECT_TRUE(w.commit());
  EXPECT_EQ(permissionsOf(dir.file("a.map")), 0640u);

  chmod(dir.file("a.map").c_str(), 0444);
  EXPECT_EQ(w.open(dir.editorPath("a.map").c_str(), "w"), nullptr);
  EXPECT_EQ(readFileBytes(dir.file("a.map")), "");
  std::filesystem::create_directories(dir.file("sub"));
  EXPECT_EQ(w.open(dir.editorPath("sub").c_str(), "w"), nullptr);  // a directory is no file
  EXPECT_EQ(w.open(dir.editorPath("none\\a.map").c_str(), "w"), nullptr);
}

TEST(SafeWriter, KeepsOwnerAndGroupWhereItMay) {
  if (geteuid() != 0) GTEST_SKIP() << "only a superuser may give a file to another owner";
  TempDir dir;
  writeFileBytes(dir.file("a.map"), "old");
  ASSERT_EQ(chown(dir.file("a.map").c_str(), 12345, 23456), 0);
  chmod(dir.file("a.map").c_str(), 02640);
  SafeWriter w;
  FILE* f = w.open(dir.editorPath("a.map").c_str(), "w");
  ASSERT_NE(f, nullptr);
  fputs("new", f);
  ASSERT_TRUE(w.commit());
  struct stat st;
  ASSERT_EQ(stat(dir.file("a.map").c_str(), &st), 0);
  EXPECT_EQ(st.st_uid, 12345u);
  EXPECT_EQ(st.st_gid, 23456u);
  EXPECT_EQ(st.st_mode & 07777, 02640u);
  EXPECT_EQ(readFileBytes(dir.file("a.map")), "new");
}

TEST(SafeWriter, WritesThroughASymbolicLinkToItsFile) {
  TempDir dir;
  writeFileBytes(dir.file("real.map"), "old");
  std::filesystem::create_symlink(dir.file("real.map"), dir.file("link.map"));
  SafeWriter w;
  FILE* f = w.open(dir.editorPath("link.map").c_str(), "w");
  ASSERT_NE(f, nullptr);
  fputs("new", f);
  EXPECT_TRUE(w.commit());
  EXPECT_TRUE(std::filesystem::is_symlink(dir.file("link.map")));
  EXPECT_EQ(readFileBytes(dir.file("real.map")), "new");
}

TEST(SafeWriter, WritesInPlaceWhereNoTemporaryCanBeMade) {
  TempDir dir;
  writeFileBytes(dir.file("a.map"), "old contents");
  failTemporaryFileCreation(true);
  SafeWriter w;
  FILE* f = w.open(dir.editorPath("a.map").c_str(), "w");
  failTemporaryFileCreation(false);
  ASSERT_NE(f, nullptr);
  EXPECT_TRUE(w.writesInPlace());
  fputs("new\n", f);
  EXPECT_TRUE(w.commit());
  EXPECT_EQ(readFileBytes(dir.file("a.map")), "new\r\n");
  EXPECT_EQ(entriesOf(dir), std::vector<std::string>{"a.map"});

  failTemporaryFileCreation(true);
  f = w.open(dir.editorPath("a.map").c_str(), "r+b");
  failTemporaryFileCreation(false);
  ASSERT_NE(f, nullptr);
  fwrite("N", 1, 1, f);
  EXPECT_TRUE(w.commit());
  EXPECT_EQ(readFileBytes(dir.file("a.map")), "New\r\n");
}

TEST(SafeWriter, ReadOnlyDirectoryFallsBackToWritingInPlace) {
  if (geteuid() == 0) GTEST_SKIP() << "directory permissions do not bind the superuser";
  TempDir dir;
  writeFileBytes(dir.file("a.map"), "old");
  chmod(dir.path().c_str(), 0555);
  SafeWriter w;
  FILE* f = w.open(dir.editorPath("a.map").c_str(), "w");
  ASSERT_NE(f, nullptr);
  EXPECT_TRUE(w.writesInPlace());
  fputs("new", f);
  EXPECT_TRUE(w.commit());
  EXPECT_EQ(w.open(dir.editorPath("b.map").c_str(), "w"), nullptr);  // nothing can be created
  chmod(dir.path().c_str(), 0755);
  EXPECT_EQ(readFileBytes(dir.file("a.map")), "new");
}

TEST(SafeBatch, PlacesEveryFileWithItsBytesOnlyAtCommit) {
  TempDir dir;
  writeFileBytes(dir.file("a.map"), "old");
  writeFileBytes(dir.file("c.map"), "old c");
  SafeBatch batch;
  fputs("new\nline\n", batch.open(dir.editorPath("a.map").c_str(), "w"));
  EXPECT_EQ(batch.finish(), 0);
  const std::string binary("b\r\n\0\xff", 5);
  fwrite(binary.data(), 1, binary.size(), batch.open(dir.editorPath("b.map").c_str(), "wb"));
  EXPECT_EQ(batch.finish(), 1);
  failTemporaryFileCreation(true);
  fputs("in place\n", batch.open(dir.editorPath("c.map").c_str(), "w"));
  failTemporaryFileCreation(false);
  EXPECT_EQ(batch.finish(), 2);
  EXPECT_EQ(readFileBytes(dir.file("a.map")), "old");
  EXPECT_FALSE(fileExistsOnHost(dir.file("b.map")));

  EXPECT_EQ(batch.commit(), 3);
  EXPECT_EQ(readFileBytes(dir.file("a.map")), "new\r\nline\r\n");
  EXPECT_EQ(readFileBytes(dir.file("b.map")), binary);
  EXPECT_EQ(readFileBytes(dir.file("c.map")), "in place\r\n");
  EXPECT_EQ(entriesOf(dir), (std::vector<std::string>{"a.map", "b.map", "c.map"}));
  EXPECT_TRUE(batch.placed(0) && batch.placed(1) && batch.placed(2));
  EXPECT_FALSE(batch.placed(3) || batch.placed(-1));
  EXPECT_EQ(batch.finish(), -1);  // nothing open
}

// A write that fails, a target that cannot be replaced at commit and a missing
// directory drop their own file; a failed sync drops them all; an unfinished
// batch drops everything. Old targets stay byte for byte, no temporary stays.
TEST(SafeBatch, FailuresKeepTheOldTargetsAndLeaveNoTemporary) {
  TempDir dir;
  writeFileBytes(dir.file("a.map"), "old a");
  writeFileBytes(dir.file("b.map"), "old b");
  {
    SafeBatch batch;
    fputs("new a", batch.open(dir.editorPath("a.map").c_str(), "w"));
    EXPECT_EQ(batch.finish(), 0);
    FILE* f = batch.open(dir.editorPath("b.map").c_str(), "wb");
    failWritesAfter(5);
    const std::string big(10000, 'x');
    fwrite(big.data(), 1, big.size(), f);
    const int failed = batch.finish();
    failWritesAfter(-1);
    EXPECT_EQ(failed, -1);
    EXPECT_EQ(batch.open(dir.editorPath("none\\d.map").c_str(), "w"), nullptr);
    EXPECT_EQ(batch.finish(), -1);
    fputs("new c", batch.open(dir.editorPath("c.map").c_str(), "w"));
    EXPECT_EQ(batch.finish(), 1);
    std::filesystem::create_directories(dir.file("c.map"));  // no file can replace it now
    EXPECT_EQ(batch.commit(), 1);
    EXPECT_TRUE(batch.placed(0));
    EXPECT_FALSE(batch.placed(1));
  }
  EXPECT_EQ(readFileBytes(dir.file("a.map")), "new a");
  EXPECT_EQ(readFileBytes(dir.file("b.map")), "old b");
  EXPECT_EQ(entriesOf(dir), (std::vector<std::string>{"a.map", "b.map", "c.map"}));

  SafeBatch failedSync;
  fputs("newer a", failedSync.open(dir.editorPath("a.map").c_str(), "w"));
  failedSync.finish();
  failBatchSync(true);
  const int placed = failedSync.commit();
  failBatchSync(false);
  EXPECT_EQ(placed, 0);
  EXPECT_FALSE(failedSync.placed(0));
  {
    SafeBatch unfinished;
    fputs("x", unfinished.open(dir.editorPath("a.map").c_str(), "w"));
    unfinished.finish();
    fputs("y", unfinished.open(dir.editorPath("b.map").c_str(), "w"));
  }
  EXPECT_EQ(readFileBytes(dir.file("a.map")), "new a");
  EXPECT_EQ(readFileBytes(dir.file("b.map")), "old b");
  EXPECT_EQ(entriesOf(dir), (std::vector<std::string>{"a.map", "b.map", "c.map"}));
}
