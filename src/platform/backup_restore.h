// Putting a backup back. Every copy is first checked against what the
// backup's list recorded when it was made (its size and checksum), and every
// line of the list must name a file the backup itself made, going back to
// where it came from: a damaged or altered backup is refused, naming the
// file, and nothing is written. Backups of older versions recorded neither:
// their copies must exist and hold at least one byte (no file a backup keeps
// is empty), which is all that can be checked, and the question says so.
// The restore itself is all or nothing, through the one writer, so that the
// files it replaces are kept as a new backup (a restore can be undone the
// same way).
#pragma once
#include <string>

#include "platform/backup_store.h"

// Checks every copy of backup; false with why (naming the file) when one
// does not match what was recorded, is missing, or names a file the backup
// cannot have made.
bool checkBackup(const BackupSummary& backup, std::string* why);

struct RestoreResult {
  int restored = 0;          // files put back: all of the backup's, or none
  bool damaged = false;      // a copy did not check out: nothing was restored
  bool backupFailed = false; // the backup of the files it would replace failed: nothing was restored
  bool interrupted = false;  // stopped between renames: the journal holds the rest
  std::string failure;       // why nothing was restored, naming the file; "" when all were
};

// Restores every file of backup in one all-or-nothing batch; the files it
// replaces go into a backup of place named "Restore backup of <when>".
RestoreResult restoreBackup(const BackupSummary& backup, const BackupPlace& place);
