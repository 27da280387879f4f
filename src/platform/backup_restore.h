// Putting a backup back: every file of a backup folder is written over the
// file it came from, through the one writer, so that the files the restore
// replaces are themselves kept as a new backup (a restore can be undone the
// same way).
#pragma once
#include <string>

#include "platform/backup_store.h"

struct RestoreResult {
  int restored = 0;            // files put back
  int failed = 0;              // files that could not be read or written
  std::string firstFailed;     // the first of them (its original path), "" when none
  bool backupFailed = false;   // the backup of the files it would replace failed: nothing was restored
  std::string backupFailure;   // why
};

// Restores every file of backup in one batch; the files it replaces go into a
// backup of place named "Restore backup of <when>".
RestoreResult restoreBackup(const BackupSummary& backup, const BackupPlace& place);
