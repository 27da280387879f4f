// editorBackupPlace and reportBackupFailure.
#include "app/editor_backups.h"

#include "app/editor_state.h"
#include "app/user_dialogs.h"

namespace {
constexpr const char kBackupsDirectory[] = "backups";  // the working directory's, beside dola.ini
}  // namespace

void addBackupsKeyIfMissing(SettingsFile& settings) {
  if (!settings.getString("", kBackupsKey)) settings.addInt("", kBackupsKey, kDefaultBackupsKept);
}

BackupPlace editorBackupPlace(const EditorState& editor) {
  BackupPlace place;
  place.directory = kBackupsDirectory;
  // A missing key (a test's editor, a settings file added to by hand) keeps the default.
  place.keep = editor.settings.getString("", kBackupsKey) ? editor.settings.getInt("", kBackupsKey) : kDefaultBackupsKept;
  return place;
}

void reportBackupFailure(const char* what, const BackupOperation& backup) {
  tellUser(
      "%s: %s. Nothing was replaced. Free some space or fix the backups folder, or turn backups off "
      "with backups=0 in dola.ini, and try again.",
      what, backup.failure());
}
