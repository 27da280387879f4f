// The window of Tools > Restore Backup...: the backup folders in a list,
// newest first, one row each ("2026-12-07 14:37:05  Save  2 files"), with
// "~Restore" and "~Cancel". Replaceable, so that tests can choose.
#pragma once
#include <vector>

#include "platform/backup_store.h"

typedef int (*BackupChooser)(const std::vector<BackupSummary>& backups);

// The index of the backup chosen, or -1 when the user cancelled.
int chooseBackup(const std::vector<BackupSummary>& backups);

// Installs a chooser (tests) and returns the one in use; the window by default.
BackupChooser setBackupChooser(BackupChooser chooser);
