// Where the editor keeps its backups ("backups" beside dola.ini, the newest
// operations as many as the key "backups" says, 0 for none), and the one
// report of a backup that failed.
#pragma once
#include "platform/backup_store.h"

struct EditorState;
class SettingsFile;

constexpr const char kBackupsKey[] = "backups";

// Adds "backups" with the default number when dola.ini lacks it.
void addBackupsKeyIfMissing(SettingsFile& settings);

BackupPlace editorBackupPlace(const EditorState& editor);

// Tells the user that nothing was replaced because the backup failed, and
// how to go on without backups. what: "The map was not saved", ...
void reportBackupFailure(const char* what, const BackupOperation& backup);
