// Backups through the one writer: the replaced bytes land in one folder per
// operation with a list of where they came from, only the newest operations
// stay, a backup that fails replaces nothing, and a restore puts the files
// back byte for byte while backing up what it replaces.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

#include "platform/backup_restore.h"
#include "platform/backup_store.h"
#include "platform/checksum.h"
#include "platform/write_faults.h"
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

namespace {

std::string hostOf(const std::string& editorPath) {
  char host[4096];
  return pathToHost(editorPath.c_str(), host, sizeof host) ? host : "";
}

// A backup of A.MAP, B.MAP and C.DAT of dir/world, replaced by "new".
BackupSummary backupOfThreeFiles(const TempDir& dir) {
  mkdir(dir.file("world").c_str(), 0777);
  for (const char* name : {"A.MAP", "B.MAP", "C.DAT"}) writeFileBytes(dir.file(std::string("world/") + name), std::string("old ") + name);
  BackupOperation backup(placeIn(dir, 50), "Save");
  FileReplacer replacer(&backup);
  for (const char* name : {"A.MAP", "B.MAP", "C.DAT"}) replace(replacer, dir.editorPath(std::string("world\\") + name), "new");
  std::vector<BackupSummary> backups = listBackups(dir.editorPath("backups").c_str());
  return backups.empty() ? BackupSummary() : backups[0];
}

void appendManifestLine(const BackupSummary& b, const std::string& line) {
  const std::string path = hostOf(b.folder + "\\backup.txt");
  writeFileBytes(path, readFileBytes(path) + line + "\n");
}

std::string recordedLine(const std::string& stored, const std::string& bytes, const std::string& original) {
  char line[64];
  snprintf(line, sizeof line, "\t%zu\t%08x\t", bytes.size(), updateChecksum(0, bytes.data(), bytes.size()));
  return "File: " + stored + line + original;
}

}  // namespace

// Each backup is damaged one way; every one is refused with the file named,
// and nothing of the world is written.
TEST(Backups, ADamagedOrAlteredBackupIsRefusedNamingTheFile) {
  struct Case {
    const char* damage;
    void (*apply)(const TempDir& dir, const BackupSummary& b);
    const char* why;
  };
  const Case cases[] = {
      {"a copy cut to 0 bytes", [](const TempDir&, const BackupSummary& b) { writeFileBytes(hostOf(b.files[1].copy), ""); },
       "the copy of %world\\B.MAP holds 0 bytes, not the 9 it was made with"},
      {"a byte changed", [](const TempDir&, const BackupSummary& b) { writeFileBytes(hostOf(b.files[2].copy), "old C.DAX"); },
       "the copy of %world\\C.DAT is not what was backed up (its checksum differs)"},
      {"a copy missing", [](const TempDir&, const BackupSummary& b) { unlink(hostOf(b.files[0].copy).c_str()); },
       "the copy of %world\\A.MAP cannot be read: No such file or directory"},
      {"a name it did not make", [](const TempDir& dir, const BackupSummary& b) {
         appendManifestLine(b, recordedLine("A.MAP", "old A.MAP", dir.editorPath("world\\ZANJJ.MAP.x")));
         appendManifestLine(b, "Complete");
       },
       "its list names %world\\ZANJJ.MAP.x, which is no file this backup made"},
      {"a copy outside its folder", [](const TempDir& dir, const BackupSummary& b) {
         appendManifestLine(b, recordedLine("..\\x", "", dir.editorPath("world\\x")));
         appendManifestLine(b, "Complete");
       },
       "its list names %world\\x, which is no file this backup made"},
      {"an original outside its directory", [](const TempDir& dir, const BackupSummary& b) {
         writeFileBytes(hostOf(b.folder + "\\A.MAP (2)"), "old A.MAP");
         appendManifestLine(b, recordedLine("A.MAP (2)", "old A.MAP", dir.editorPath("world\\..\\A.MAP")));
         appendManifestLine(b, "Complete");
       },
       "its list names %world\\..\\A.MAP, which is no file this backup made"},
      {"an older backup with an empty copy", [](const TempDir& dir, const BackupSummary& b) {
         writeFileBytes(hostOf(b.folder + "\\backup.txt"), "DOLA backup\nOperation: Save\nFile: A.MAP\t" +
                                                               dir.editorPath("world\\A.MAP") + "\n");
         writeFileBytes(hostOf(b.files[0].copy), "");
       },
       "the copy of %world\\A.MAP is empty"},
  };
  for (const Case& c : cases) {
    TempDir dir;
    const BackupSummary made = backupOfThreeFiles(dir);
    ASSERT_EQ(3u, made.files.size());
    c.apply(dir, made);
    BackupSummary damaged;
    ASSERT_TRUE(readBackup(made.folder.c_str(), damaged)) << c.damage;
    std::string why = c.why;
    why.replace(why.find('%'), 1, dir.editorPath() + "\\");
    std::string found;
    EXPECT_FALSE(checkBackup(damaged, &found)) << c.damage;
    EXPECT_EQ(why, found) << c.damage;
    const RestoreResult result = restoreBackup(damaged, placeIn(dir, 50));
    EXPECT_TRUE(result.damaged) << c.damage;
    EXPECT_EQ(why, result.failure) << c.damage;
    for (const char* name : {"A.MAP", "B.MAP", "C.DAT"}) EXPECT_EQ("new", readFileBytes(dir.file(std::string("world/") + name)));
    EXPECT_FALSE(fileExistsOnHost(dir.file("world/ZANJJ.MAP.x")));
    EXPECT_FALSE(fileExistsOnHost(dir.file("x")));
    EXPECT_EQ(1u, listBackups(dir.editorPath("backups").c_str()).size()) << "no backup of a refused restore";
  }

  // An older backup whose copies are all there and not empty is restored.
  TempDir dir;
  const BackupSummary made = backupOfThreeFiles(dir);
  writeFileBytes(hostOf(made.folder + "\\backup.txt"),
                 "DOLA backup\nOperation: Save\nFile: A.MAP\t" + dir.editorPath("world\\A.MAP") + "\n");
  BackupSummary old;
  ASSERT_TRUE(readBackup(made.folder.c_str(), old));
  EXPECT_FALSE(old.files[0].recorded);
  EXPECT_EQ(1, restoreBackup(old, placeIn(dir, 50)).restored);
  EXPECT_EQ("old A.MAP", readFileBytes(dir.file("world/A.MAP")));
}

namespace {
time_t g_now = 0;
time_t testClock() { return g_now; }
}  // namespace

// Backups are kept and listed in the order they were made, whatever the
// clock said; folders of older versions (local time, no order) come first
// to go; a backup cut short is never listed and leaves no folder.
TEST(Backups, TheOrderTheyWereMadeDecidesWhatIsKeptNotTheClock) {
  TempDir dir;
  writeFileBytes(dir.file("M.MAP"), "0");
  mkdir(dir.file("backups").c_str(), 0777);
  mkdir(dir.file("backups/2099-01-01_00-00-00").c_str(), 0777);  // an older version's, named in local time
  writeFileBytes(dir.file("backups/2099-01-01_00-00-00/backup.txt"), "DOLA backup\nOperation: Old\n");
  setBackupClock(testClock);
  auto save = [&](time_t when, const std::string& what) {
    g_now = when;
    BackupOperation backup(placeIn(dir, 3), what.c_str());
    FileReplacer replacer(&backup);
    return replace(replacer, dir.editorPath("M.MAP"), what);
  };
  const time_t now = 2000000000;
  ASSERT_TRUE(save(now + 14 * 3600, "Save 1"));  // a clock ahead, or a zone far east
  ASSERT_TRUE(save(now + 14 * 3600, "Save 2"));
  ASSERT_TRUE(save(now - 11 * 3600, "Save 3"));  // set back
  std::vector<BackupSummary> backups = listBackups(dir.editorPath("backups").c_str());
  ASSERT_EQ(3u, backups.size());
  EXPECT_EQ("Save 3", backups[0].operation);
  EXPECT_EQ("Save 1", backups[2].operation);  // the older version's folder went first
  ASSERT_TRUE(save(now - 11 * 3600, "Save 4"));
  backups = listBackups(dir.editorPath("backups").c_str());
  ASSERT_EQ(3u, backups.size());
  EXPECT_EQ("Save 4", backups[0].operation);
  EXPECT_EQ(4, backups[0].sequence);
  EXPECT_EQ("Save 2", backups[2].operation);
  EXPECT_EQ(0u, backups[0].folder.find(dir.editorPath("backups\\2033-05-17_16-33-20Z")));  // UTC

  // A copy that fails removes its folder; a list never marked complete is not offered.
  for (int n = 1; n <= 4; n++) {
    failNthFileWrite(n);
    EXPECT_FALSE(save(now, "Cut short"));
    failNthFileWrite(0);
    EXPECT_EQ(3, entriesIn(dir.editorPath("backups"))) << n;
  }
  mkdir(dir.file("backups/2033-05-18_00-00-00Z").c_str(), 0777);
  writeFileBytes(dir.file("backups/2033-05-18_00-00-00Z/backup.txt"),
                 "DOLA backup 2\nOperation: Killed\nSequence: 9\nFile: M.MAP\t1\t00000000\tC:\\M.MAP\n");
  backups = listBackups(dir.editorPath("backups").c_str());
  ASSERT_EQ(3u, backups.size());
  EXPECT_EQ("Save 4", backups[0].operation);
  setBackupClock(nullptr);
}
