// settleLeftWorldWrite: the question, then finishing the renames or
// restoring the backup the journal names.
#include "app/left_world_write.h"

#include <string>

#include "app/editor_backups.h"
#include "app/editor_state.h"
#include "app/game_directory_setting.h"
#include "app/map_file.h"
#include "app/user_dialogs.h"
#include "platform/backup_restore.h"
#include "platform/backup_store.h"
#include "platform/write_journal.h"

namespace {

enum LeftWriteAnswer { kFinish = 0, kPutBack = 1 };

void putBackupBack(EditorState& editor, const WriteJournal& journal) {
  dropJournaledWrite(journal);
  BackupSummary backup;
  std::string why;
  if (!readBackup(journal.backupFolder.c_str(), backup)) {
    tellUser("The backup %s cannot be read (%s): the maps stay as they are now.", journal.backupFolder.c_str(),
             backup.problem.c_str());
    return;
  }
  const RestoreResult result = restoreBackup(backup, editorBackupPlace(editor));
  if (result.failure.empty())
    tellUser("The backup of %s is back: %d file%s as they were before %s.", backup.when.c_str(), result.restored,
             result.restored == 1 ? "" : "s", journal.operation.c_str());
  else
    tellUser("The backup could not be put back: %s. The maps stay as they are now.", result.failure.c_str());
}

}  // namespace

bool settleLeftWorldWrite(EditorState& editor, const char* directory) {
  WriteJournal journal;
  std::string why;
  if (!readWriteJournal(directory, journal, &why)) {
    if (!why.empty())
      tellUser("A journal of an unfinished write is in %s but cannot be read (%s).", directory, why.c_str());
    return !why.empty();
  }
  const int total = static_cast<int>(journal.files.size());
  const int waiting = waitingFiles(journal);
  std::string question = "DOLA stopped while it wrote " + journal.operation + " into " + directory + ": " +
                         std::to_string(total - waiting) + " of the " + std::to_string(total) +
                         " files were replaced. Finish the write";
  const bool hasBackup = !journal.backupFolder.empty();
  question += hasBackup ? ", or put the backup " + journal.backupFolder + " back?" : "? There is no backup of it.";
  const int answer = askQuestion(question.c_str(), hasBackup ? "~Finish|~Put Backup Back" : "~Finish|~Leave As Is");
  if (answer == kFinish) {
    if (finishJournaledWrite(journal, &why))
      tellUser("The write is finished: all %d files are replaced.", total);
    else
      tellUser("The write could not be finished: %s.", why.c_str());
  } else if (hasBackup) {
    putBackupBack(editor, journal);
  } else {
    dropJournaledWrite(journal);
  }
  return true;
}

void settleLeftWorldWriteAtStart(EditorState& editor) {
  const char* directory = zanDirectory(editor);
  if (directory[0] != '\0') settleLeftWorldWrite(editor, directory);
}
