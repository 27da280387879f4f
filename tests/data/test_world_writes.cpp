// World-wide writes are all or nothing: a write that fails at any file (a
// backup copy, the backup's list, a new map, the journal) leaves every byte
// of the world as it was and offers no backup; a write stopped between its
// renames leaves a journal from which it is finished or put back, with no
// temporary left either way; read-only maps are counted apart and named.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <map>
#include <tuple>

#include "data/local_map.h"
#include "data/map_area.h"
#include "data/world_replace.h"
#include "platform/backup_restore.h"
#include "platform/backup_store.h"
#include "platform/write_faults.h"
#include "platform/write_journal.h"
#include "support/temp_dir.h"

namespace {

using Snapshot = std::map<std::string, std::string>;

// Every file under root but the backups, by relative path, with its bytes.
Snapshot snapshot(const std::string& root) {
  Snapshot files;
  for (auto it = std::filesystem::recursive_directory_iterator(root); it != std::filesystem::recursive_directory_iterator(); ++it) {
    if (it->path().filename() == "backups") {
      it.disable_recursion_pending();
      continue;
    }
    if (it->is_regular_file()) files[std::filesystem::relative(it->path(), root).string()] = readFileBytes(it->path().string());
  }
  return files;
}

// Six world maps: five hold tile 42 (1 to 5 cells), one does not.
void makeWorld(const TempDir& dir) {
  const char* names[] = {"ZANAA.MAP", "ZANBA.MAP", "ZANCA.MAP", "ZANAB.MAP", "ZANTT.MAP", "ZANDD.MAP"};
  LocalMap map;
  for (int i = 0; i < 6; i++) {
    map.kind = i % 2 ? Local : Wilderness;
    fillRectangle(map, cellRectBetween(0, 0, 47, 23), static_cast<unsigned char>('a' + i));
    for (int c = 0; c < i + 1 && i < 5; c++) map.setTile(c, c, 42);
    ASSERT_TRUE(map.save(dir.editorPath(names[i]).c_str()));
  }
}

BackupPlace backupsIn(const TempDir& dir, int keep) { return BackupPlace{dir.editorPath("backups"), keep}; }

}  // namespace

TEST(WorldWrites, AFailureAtAnyFileLeavesEveryByteAsItWas) {
  for (int keep : {0, 50}) {
    TempDir dir;
    makeWorld(dir);
    const Snapshot before = snapshot(dir.path());
    WorldReplaceResult result;
    int n = 1;
    for (;; n++) {
      failNthFileWrite(n);
      BackupOperation backup(backupsIn(dir, keep), "Replace Tile");
      result = replaceTileInWorld(dir.editorPath().c_str(), 42, 7, &backup);
      failNthFileWrite(0);
      if (!result.failed) break;  // the nth write came after the last one
      ASSERT_EQ(before, snapshot(dir.path())) << "failed write " << n << ", backups " << keep;
      EXPECT_NE(std::string::npos, result.failure.find("No space left on device")) << result.failure;
      EXPECT_EQ(0, result.maps);
      EXPECT_TRUE(listBackups(dir.editorPath("backups").c_str()).empty()) << n;
    }
    // With backups five copies and the list's two writes, then five maps and the journal.
    EXPECT_EQ(keep ? 5 + 2 + 5 + 1 + 1 : 5 + 1 + 1, n);
    EXPECT_EQ(5, result.maps);
    EXPECT_EQ(15, result.cells);
    EXPECT_EQ(0, countTileInWorld(dir.editorPath().c_str(), 42).cells);
    EXPECT_TRUE(leftTemporaries(dir.editorPath().c_str()).empty());
    if (keep == 0) continue;

    // Putting that backup back is all or nothing too.
    const Snapshot replaced = snapshot(dir.path());
    std::vector<BackupSummary> backups = listBackups(dir.editorPath("backups").c_str());
    ASSERT_EQ(1u, backups.size());
    RestoreResult restored;
    for (n = 1;; n++) {
      failNthFileWrite(n);
      restored = restoreBackup(backups[0], backupsIn(dir, 50));
      failNthFileWrite(0);
      if (restored.failure.empty()) break;
      ASSERT_EQ(replaced, snapshot(dir.path())) << "failed write " << n;
      EXPECT_EQ(0, restored.restored);
      EXPECT_EQ(1u, listBackups(dir.editorPath("backups").c_str()).size()) << n;
    }
    EXPECT_EQ(5, restored.restored);
    EXPECT_EQ(before, snapshot(dir.path()));
  }
}

TEST(WorldWrites, AWriteStoppedBetweenRenamesIsFinishedOrPutBackFromItsJournal) {
  TempDir done;
  makeWorld(done);
  replaceTileInWorld(done.editorPath().c_str(), 42, 7);
  const Snapshot after = snapshot(done.path());
  for (int renamed = 0; renamed < 5; renamed++) {
    for (bool finish : {true, false}) {
      TempDir dir;
      makeWorld(dir);
      const Snapshot before = snapshot(dir.path());
      stopBatchAfterRenames(renamed);
      BackupOperation backup(backupsIn(dir, 50), "Replace Tile");
      const WorldReplaceResult result = replaceTileInWorld(dir.editorPath().c_str(), 42, 7, &backup);
      stopBatchAfterRenames(-1);
      EXPECT_TRUE(result.interrupted);
      EXPECT_EQ(static_cast<size_t>(5 - renamed), leftTemporaries(dir.editorPath().c_str()).size());

      WriteJournal journal;
      std::string why;
      ASSERT_TRUE(readWriteJournal(dir.editorPath().c_str(), journal, &why)) << why;
      EXPECT_EQ("Replace Tile", journal.operation);
      EXPECT_EQ(backup.folder(), journal.backupFolder);
      EXPECT_EQ(5u, journal.files.size());
      EXPECT_EQ(5 - renamed, waitingFiles(journal));
      if (finish) {
        ASSERT_TRUE(finishJournaledWrite(journal, &why)) << why;
        EXPECT_EQ(after, snapshot(dir.path())) << renamed;
      } else {
        dropJournaledWrite(journal);
        BackupSummary kept;
        ASSERT_TRUE(readBackup(journal.backupFolder.c_str(), kept));
        EXPECT_EQ("", restoreBackup(kept, backupsIn(dir, 50)).failure);
        EXPECT_EQ(before, snapshot(dir.path())) << renamed;
      }
      EXPECT_TRUE(leftTemporaries(dir.editorPath().c_str()).empty());
      EXPECT_FALSE(readWriteJournal(dir.editorPath().c_str(), journal, &why));
      EXPECT_EQ("", why);
    }
  }
}

// A map without write permission is read-only to every user, the superuser
// included, as the safe save treats it.
TEST(WorldWrites, ReadOnlyMapsAreReadCountedApartAndNamed) {
  TempDir dir;
  makeWorld(dir);
  ASSERT_EQ(0, chmod(dir.file("ZANCA.MAP").c_str(), 0444));  // 3 cells of 42
  const std::string readOnly = readFileBytes(dir.file("ZANCA.MAP"));
  WorldMaps maps;
  maps.read(dir.editorPath().c_str());
  const WorldTileCount count = maps.count(42);
  EXPECT_EQ(4, count.maps);
  EXPECT_EQ(12, count.cells);
  EXPECT_EQ(1, count.readOnlyMaps);
  const WorldReplaceResult result = maps.replace(42, 7, nullptr);
  EXPECT_FALSE(result.failed);
  EXPECT_EQ(4, result.maps);
  ASSERT_EQ(1u, result.leftAsTheyAre.size());
  EXPECT_EQ(dir.editorPath("ZANCA.MAP") + " (read-only)", result.leftAsTheyAre[0]);
  EXPECT_EQ(readOnly, readFileBytes(dir.file("ZANCA.MAP")));
  EXPECT_EQ(1, countTileInWorld(dir.editorPath().c_str(), 42).readOnlyMaps);
  // The maps read for the question are the ones replaced, unless a file changed since.
  maps.read(dir.editorPath().c_str());
  ASSERT_EQ(0, chmod(dir.file("ZANCA.MAP").c_str(), 0644));
  makeWorld(dir);  // the same maps written again: new stamps, 42 back in them
  EXPECT_EQ(5, maps.replace(42, 9, nullptr).maps);
  EXPECT_EQ(0, countTileInWorld(dir.editorPath().c_str(), 42).maps);
}

// The maps kept between questions against a fresh read, over random changes
// of the files (rewritten, removed, made, made read-only or writable again),
// each rewrite given a stamp of its own; an unchanged file is not read again.
TEST(WorldWrites, KeptMapsCountAsAFreshReadWhereverAFileChanged) {
  TempDir dir;
  makeWorld(dir);
  const char* names[] = {"ZANAA.MAP", "ZANBA.MAP", "ZANCA.MAP", "ZANAB.MAP", "ZANTT.MAP", "ZANDD.MAP", "ZANEE.MAP"};
  srand(33);
  WorldMaps kept, fresh;
  long stamp = 1000000;
  auto setStamp = [&](const std::string& file) {
    const timespec times[2] = {{stamp, 0}, {stamp, 0}};
    stamp += 10;
    utimensat(AT_FDCWD, file.c_str(), times, 0);
  };
  for (int round = 0; round < 120; round++) {
    const std::string file = dir.file(names[rand() % 7]);
    switch (rand() % 4) {
      case 0: {
        LocalMap map;
        map.kind = rand() % 2 ? Local : Wilderness;
        fillRectangle(map, cellRectBetween(0, 0, 47, 23), static_cast<unsigned char>(1 + rand() % 3));
        for (int c = rand() % 6; c > 0; c--) map.setTile(rand() % 48, rand() % 24, 42);
        chmod(file.c_str(), 0644);
        ASSERT_TRUE(map.save((dir.editorPath() + "\\" + file.substr(dir.path().size() + 1)).c_str()));
        setStamp(file);
        break;
      }
      case 1:
        unlink(file.c_str());
        break;
      default:
        // Only the time of the status changes: later than the file's last
        // change by more than the clock's tick.
        usleep(10000);
        chmod(file.c_str(), rand() % 2 ? 0444 : 0644);
        break;
    }
    if (round % 3 == 0) kept.refresh(dir.editorPath().c_str());
    if (round % 3 != 2) continue;
    kept.refresh(dir.editorPath().c_str());
    fresh.read(dir.editorPath().c_str());
    for (int code : {1, 2, 3, 42, 7}) {
      const WorldTileCount a = kept.count(static_cast<unsigned char>(code)), b = fresh.count(static_cast<unsigned char>(code));
      ASSERT_EQ(std::make_tuple(b.maps, b.cells, b.readOnlyMaps, b.unsavableMaps),
                std::make_tuple(a.maps, a.cells, a.readOnlyMaps, a.unsavableMaps))
          << "round " << round << ", code " << code;
    }
  }
  // An unchanged file is not read again: a mark put into its kept map stays.
  kept.refresh(dir.editorPath().c_str());
  int marked = 0;
  while (marked < kWorldMaps && kept.map(marked) == nullptr) marked++;
  ASSERT_LT(marked, kWorldMaps);
  const_cast<LocalMap*>(kept.map(marked))->setTile(0, 0, 99);
  kept.refresh(dir.editorPath().c_str());
  EXPECT_EQ(1, kept.count(99).maps + kept.count(99).readOnlyMaps);
}
