// Backups through the one writer: the replaced bytes land in one folder per
// operation with a list of where they came from, only the newest operations
// stay, a backup that fails replaces nothing, and a restore puts the files
// back byte for byte while backing up what it replaces.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "platform/backup_restore.h"
#include "platform/backup_store.h"
#include "platform/directory_list.h"
#include "platform/file_replacer.h"
#include "platform/host_path.h"
#include "support/temp_dir.h"

namespace {

BackupPlace placeIn(const TempDir& dir, int keep) {
  BackupPlace place;
  place.directory = dir.editorPath("backups");
  place.keep = keep;
  return place;
}

bool replace(FileReplacer& replacer, const std::string& editorPath, const std::string& bytes) {
  return replacer.replaceWhole(editorPath.c_str(), "wb", bytes.data(), bytes.size());
}

int entriesIn(const std::string& editorDir) {
  std::vector<DirectoryEntry> entries;
  listDirectory(editorDir.c_str(), entries);
  int count = 0;
  for (const DirectoryEntry& e : entries) count += e.name != "..";
  return count;
}

}  // namespace

TEST(Backups, KeepTheReplacedBytesOncePerFileWithWhereTheyCameFrom) {
  TempDir dir;
  mkdir(dir.file("a").c_str(), 0777);
  mkdir(dir.file("b").c_str(), 0777);
  writeFileBytes(dir.file("a/ZANAA.MAP"), std::string("old a\r\n\0\x0d", 9));
  writeFileBytes(dir.file("b/ZANAA.MAP"), "old b");
  {
    BackupOperation backup(placeIn(dir, 5), "Save");
    FileReplacer replacer(&backup);
    EXPECT_TRUE(replace(replacer, dir.editorPath("a\\ZANAA.MAP"), "new a"));
    EXPECT_TRUE(replace(replacer, dir.editorPath("a\\ZANAA.MAP"), "newer a"));  // kept once: the first bytes
    EXPECT_TRUE(replace(replacer, dir.editorPath("b\\ZANAA.MAP"), "new b"));
    EXPECT_TRUE(replace(replacer, dir.editorPath("NEW.MAP"), "created"));  // nothing to keep
    EXPECT_EQ(2, backup.keptCount());
  }
  EXPECT_EQ("newer a", readFileBytes(dir.file("a/ZANAA.MAP")));
  std::vector<BackupSummary> backups = listBackups(dir.editorPath("backups").c_str());
  ASSERT_EQ(1u, backups.size());
  const BackupSummary& b = backups[0];
  EXPECT_EQ("Save", b.operation);
  EXPECT_EQ(19u, b.when.size());
  ASSERT_EQ(2u, b.files.size());
  EXPECT_EQ(dir.editorPath("a\\ZANAA.MAP"), b.files[0].original);
  EXPECT_EQ(dir.editorPath("b\\ZANAA.MAP"), b.files[1].original);
  EXPECT_EQ(b.folder + "\\ZANAA.MAP (2)", b.files[1].copy);
  char host[4096];
  ASSERT_TRUE(pathToHost(b.files[0].copy.c_str(), host, sizeof host));
  EXPECT_EQ(std::string("old a\r\n\0\x0d", 9), readFileBytes(host));
  ASSERT_TRUE(pathToHost(b.files[1].copy.c_str(), host, sizeof host));
  EXPECT_EQ("old b", readFileBytes(host));

  // Backups off, or an operation that replaced nothing: no folder at all.
  for (int keep : {0, 5}) {
    BackupOperation backup(placeIn(dir, keep), "Save");
    FileReplacer replacer(&backup);
    EXPECT_TRUE(replace(replacer, dir.editorPath(keep ? "NEW2.MAP" : "a\\ZANAA.MAP"), "x"));
  }
  EXPECT_EQ(1, entriesIn(dir.editorPath("backups")));
}

TEST(Backups, RetentionDropsTheOldestOperationsAndNothingElse) {
  TempDir dir;
  writeFileBytes(dir.file("M.MAP"), "0");
  mkdir(dir.file("backups").c_str(), 0777);
  mkdir(dir.file("backups/my notes").c_str(), 0777);  // not ours: never touched
  for (int i = 1; i <= 5; i++) {
    BackupOperation backup(placeIn(dir, 3), ("Save " + std::to_string(i)).c_str());
    FileReplacer replacer(&backup);
    ASSERT_TRUE(replace(replacer, dir.editorPath("M.MAP"), std::to_string(i)));
  }
  std::vector<BackupSummary> backups = listBackups(dir.editorPath("backups").c_str());
  ASSERT_EQ(3u, backups.size());
  EXPECT_EQ("Save 5", backups[0].operation);  // newest first, also within one second
  EXPECT_EQ("Save 3", backups[2].operation);
  EXPECT_EQ(4, entriesIn(dir.editorPath("backups")));
}

TEST(Backups, ABackupThatCannotBeWrittenReplacesNothing) {
  TempDir dir;
  writeFileBytes(dir.file("backups"), "a file where the directory should be");
  for (int i = 0; i < 3; i++) writeFileBytes(dir.file("M" + std::to_string(i) + ".MAP"), "old");
  BackupOperation backup(placeIn(dir, 50), "Generate World Map");
  FileReplacer replacer(&backup);
  int opened = 0;
  for (int i = 0; i < 3; i++) {
    FILE* f = replacer.open(dir.editorPath("M" + std::to_string(i) + ".MAP").c_str(), "wb");
    if (f) {
      fputs("new", f);
      opened += replacer.finish() >= 0;
    }
  }
  EXPECT_EQ(0, opened);
  EXPECT_TRUE(replacer.backupFailed());
  EXPECT_EQ(0, replacer.commit());
  EXPECT_NE(std::string::npos, std::string(backup.failure()).find("could not be made: Not a directory"))
      << backup.failure();
  for (int i = 0; i < 3; i++) EXPECT_EQ("old", readFileBytes(dir.file("M" + std::to_string(i) + ".MAP")));
  EXPECT_EQ(4, entriesIn(dir.editorPath()));  // no temporary left beside them

  FileReplacer single(&backup);  // a later single save of the failed operation is refused too
  EXPECT_FALSE(replace(single, dir.editorPath("M0.MAP"), "new"));
  EXPECT_EQ("old", readFileBytes(dir.file("M0.MAP")));
}

TEST(Backups, RestoringAGenerationPutsBackEveryFileAndCanItselfBeUndone) {
  TempDir dir;
  auto name = [](int i) { return "ZAN" + std::string(1, 'A' + i % 20) + std::string(1, 'A' + i / 20) + ".MAP"; };
  auto oldBytes = [](int i) { return "hand made " + std::to_string(i) + std::string(static_cast<size_t>(i % 7), '\n'); };
  for (int i = 0; i < 400; i++) writeFileBytes(dir.file(name(i)), oldBytes(i));
  {
    BackupOperation backup(placeIn(dir, 50), "Generate World Map");
    FileReplacer replacer(&backup);
    for (int i = 0; i < 400; i++) {
      FILE* f = replacer.open(dir.editorPath(name(i)).c_str(), "wb");
      ASSERT_NE(nullptr, f);
      fputs("generated", f);
      ASSERT_GE(replacer.finish(), 0);
    }
    EXPECT_EQ(400, replacer.commit());
  }
  std::vector<BackupSummary> backups = listBackups(dir.editorPath("backups").c_str());
  ASSERT_EQ(1u, backups.size());
  RestoreResult restored = restoreBackup(backups[0], placeIn(dir, 50));
  EXPECT_EQ(400, restored.restored);
  EXPECT_EQ("", restored.failure);
  for (int i = 0; i < 400; i++) ASSERT_EQ(oldBytes(i), readFileBytes(dir.file(name(i)))) << name(i);

  backups = listBackups(dir.editorPath("backups").c_str());
  ASSERT_EQ(2u, backups.size());
  EXPECT_EQ("Restore backup of " + backups[1].when, backups[0].operation);
  EXPECT_EQ(400, restoreBackup(backups[0], placeIn(dir, 50)).restored);  // undoing the restore
  EXPECT_EQ("generated", readFileBytes(dir.file(name(399))));
}
