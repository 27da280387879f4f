// The journal of a batch that replaces many files (a world generation, a
// Replace in all world maps, a restore). Once every new file is complete
// beside its target, the batch writes the journal into the directory of its
// first target, renames the new files into place, and removes the journal.
// A journal that outlives its program (killed while renaming) says what was
// being replaced and where the backup is, so that the next start can finish
// the write or put the backup back, removing the temporaries either way.
// The journal, ".dola-write-journal", reads:
//   DOLA write journal
//   Operation: Generate World Map
//   Backup: backups\2026-12-07_14-37-05Z
//   Replace: C:\world\.ZANAA.MAP.dola-x8Yz1Q<TAB>C:\world\ZANAA.MAP
// one "Replace:" line per file (editor paths); "Backup: " is empty without one.
#pragma once
#include <string>
#include <vector>

constexpr const char kWriteJournalName[] = ".dola-write-journal";

struct JournalFile {
  std::string temp;    // editor path of the new file, gone once renamed
  std::string target;  // editor path of the file it replaces
};

struct WriteJournal {
  std::string path;          // editor path of the journal itself
  std::string operation;     // "Generate World Map", ...
  std::string backupFolder;  // editor path of the operation's backup, "" for none
  std::vector<JournalFile> files;
};

// The name a safe save gives the temporary of a file called name (the six
// X become random characters): ".NAME.dola-XXXXXX".
std::string temporaryNamePattern(const char* name);

// True for a name of that form: a temporary of a safe save or batch.
bool isWriteTemporaryName(const char* name);

// Writes the journal at hostPath (not synced: the batch's sync covers it).
// False (errno set) when it could not be written; nothing is left then.
bool writeWriteJournal(const char* hostPath, const WriteJournal& journal);

// Reads the journal left in directory (an editor path). False when there is
// none or it cannot be read (then why says so, "" for none).
bool readWriteJournal(const char* directory, WriteJournal& out, std::string* why);

// The files of the journal whose new file is still waiting (not renamed).
int waitingFiles(const WriteJournal& journal);

// Finishes the write: renames every waiting new file over its target, then
// removes the journal. False with why when a rename failed (the journal then
// stays, with what is left).
bool finishJournaledWrite(const WriteJournal& journal, std::string* why);

// Leaves the targets as they are: removes the waiting new files and the journal.
void dropJournaledWrite(const WriteJournal& journal);

// The names of temporaries of safe saves left in directory (an editor path).
std::vector<std::string> leftTemporaries(const char* directory);
