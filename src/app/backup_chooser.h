// The window of Tools > Restore Backup...: the backup folders in a list,
// newest first, one row each ("2026-12-07 14:37:05  Save  2 files"), with
// "~Restore" and "~Cancel". Replaceable, so that tests can choose.
#pragma once
#include <vector>

#include "platform/backup_store.h"

typedef int (*BackupChooser)(const std::vector<BackupSummary>& backups);

struct EditorState;

// The index of the backup chosen, or -1 when the user cancelled.
int chooseBackup(EditorState& editor, const std::vector<BackupSummary>& backups);

// Installs a chooser in the editor (tests; null is the window) and returns
// the one in use.
BackupChooser setBackupChooser(EditorState& editor, BackupChooser chooser);
