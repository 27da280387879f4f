// restoreBackupByChoice: the list, the question naming the files, the
// unsaved changes of an open map that is among them, the restore and the
// reports of what it did.
#include "app/restore_backup.h"

#include <cerrno>
#include <cstring>
#include <string>

#include "app/backup_chooser.h"
#include "app/editor_backups.h"
#include "app/editor_state.h"
#include "app/left_world_write.h"
#include "app/unsaved_changes.h"
#include "app/user_dialogs.h"
#include "platform/backup_restore.h"
#include "platform/host_path.h"

namespace {

constexpr size_t kFilesNamed = 12;  // a question naming 400 files would not fit the screen
enum RestoreAnswer { kRestore = 0 };

// True when the backup puts back the open map's file or its ".DAT".
bool touchesOpenMap(const EditorState& editor, const BackupSummary& backup) {
  for (const BackupFile& file : backup.files)
    if (sameFile(file.original, editor.openMap.path) || sameFile(file.original, editor.mapData.path)) return true;
  return false;
}

std::string questionFor(const BackupSummary& backup) {
  std::string text = "Restore the backup of " + backup.when + " (" + backup.operation + ")? These files go back to " +
                     "what they were before it:";
  const bool recorded = backup.files.empty() || backup.files[0].recorded;
  if (!recorded)
    text = "This backup was made by an older DOLA that recorded no checksums: only that each copy is there and not "
           "empty was checked. " + text;
  for (size_t i = 0; i < backup.files.size() && i < kFilesNamed; i++) text += "\n" + backup.files[i].original;
  if (backup.files.size() > kFilesNamed)
    text += "\n... and " + std::to_string(backup.files.size() - kFilesNamed) + " more.";
  return text;
}

}  // namespace

bool sameFile(const std::string& a, const char* b) {
  char hostA[4096], hostB[4096];
  return b[0] != '\0' && pathToHost(a.c_str(), hostA, sizeof hostA) && pathToHost(b, hostB, sizeof hostB) &&
         std::string(hostA) == hostB;
}

bool restoreBackupAfterQuestion(EditorState& editor, const BackupSummary& backup) {
  if (backup.state != BackupState::Usable) {
    tellUser("The backup %s cannot be read: %s.", backup.folder.c_str(), backup.problem.c_str());
    return false;
  }
  std::string why;
  if (!checkBackup(backup, &why)) {
    tellUser("The backup of %s is damaged and cannot be restored: %s. Nothing was changed.", backup.when.c_str(),
             why.c_str());
    return false;
  }
  if (askQuestion(questionFor(backup).c_str(), "~Restore|~Cancel") != kRestore) return false;
  const bool reload = touchesOpenMap(editor, backup);
  if (reload && !settleUnsavedChanges(editor)) return false;
  const RestoreResult result = restoreBackup(backup, editorBackupPlace(editor));
  if (result.backupFailed) {
    tellUser("Nothing was restored: the backup of the files it would replace failed (%s). Free some space or "
             "turn backups off with backups=0 in dola.ini, and try again.",
             result.failure.c_str());
    return false;
  }
  if (result.interrupted) {
    tellUser("Restoring stopped after %d of the %zu files: %s.", result.restored, backup.files.size(),
             result.failure.c_str());
    char directory[kPathBufferSize];
    if (directoryOf(backup.files[0].original.c_str(), directory, sizeof directory))
      settleLeftWorldWrite(editor, directory);
  }
  if (reload && result.restored > 0) editor.document.reload();  // the map and its placements as restored
  if (!result.interrupted && !result.failure.empty()) {
    tellUser("Nothing was restored: %s. Every file is as it was.", result.failure.c_str());
  } else if (!result.interrupted) {
    tellUser("The backup of %s is restored: %d file%s put back.", backup.when.c_str(), result.restored,
             result.restored == 1 ? "" : "s");
  }
  return result.restored > 0;
}

void restoreBackupByChoice(EditorState& editor) {
  const BackupPlace place = editorBackupPlace(editor);
  bool readable = true;
  const std::vector<BackupSummary> backups = listBackups(place.directory.c_str(), &readable);
  if (!readable) {
    tellUser("The backups folder \"%s\" cannot be read: %s.", place.directory.c_str(), strerror(errno));
    return;
  }
  if (backups.empty()) {
    tellUser("There is no backup to restore in the folder \"%s\"%s.", place.directory.c_str(),
             place.keep > 0 ? "" : " (backups are turned off: backups=0 in dola.ini)");
    return;
  }
  const int chosen = chooseBackup(editor, backups);
  if (chosen >= 0) restoreBackupAfterQuestion(editor, backups[static_cast<size_t>(chosen)]);
}
