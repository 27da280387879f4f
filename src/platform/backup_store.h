// Backups of replaced files. Before a command replaces existing files, the
// old bytes of each go into one folder per command (an "operation") under a
// backups directory, named by the local date and time, with a small text file
// "backup.txt" saying what the operation was and where each file came from.
// Only the newest operations are kept. Nothing here replaces a file: the one
// writer that does is FileReplacer (file_replacer.h), which keeps the backup
// of each file before it writes it.
#pragma once
#include <string>
#include <vector>

constexpr int kDefaultBackupsKept = 50;

// Where the backups of a program go, and how many operations are kept there.
struct BackupPlace {
  std::string directory;  // editor path of the backups directory ("backups": the working directory's)
  int keep = 0;           // newest operations kept; 0 (or less): no backups at all
};

// The backup of one operation. The folder is made when the first file is
// kept, so an operation that replaced no existing file leaves nothing behind.
class BackupOperation {
 public:
  // what: the operation as the user knows it ("Save", "Generate World Map").
  BackupOperation(const BackupPlace& place, const char* what);
  ~BackupOperation();  // finish()
  BackupOperation(const BackupOperation&) = delete;
  BackupOperation& operator=(const BackupOperation&) = delete;

  bool enabled() const { return place_.keep > 0; }

  // Copies the bytes the file at editorPath holds now into the folder, once
  // per file and operation. True when the copy is complete, or when there is
  // nothing to keep (backups off, no such file). False when the copy could
  // not be made: the reason is in failure(), and the caller must not replace
  // the file. Later keeps of a failed operation fail too.
  bool keep(const char* editorPath);

  // Makes every kept copy durable; call before the first file is replaced.
  // A copy on one of the file systems in syncedLater (st_dev numbers) is
  // left to the one sync that a batch makes there before it renames anything.
  bool sync(const std::vector<unsigned long long>* syncedLater = nullptr);

  // Drops the oldest operations beyond the number kept. Runs once; the
  // destructor calls it.
  void finish();

  // Why the last keep failed ("the backup folder ... could not be made: No
  // space left on device"); "" when nothing failed.
  const char* failure() const { return failure_.c_str(); }
  // Editor path of the folder; "" until the first file was kept.
  const std::string& folder() const { return editorFolder_; }
  int keptCount() const { return static_cast<int>(kept_.size()); }

 private:
  BackupPlace place_;
  std::string what_;
  std::string folder_;        // host path
  std::string editorFolder_;  // the same as the editor names it
  std::string failure_;
  std::vector<std::string> kept_;         // host paths of the originals kept
  std::vector<std::string> storedNames_;  // their names in the folder
  bool finished_ = false;

  bool makeFolder();
  bool copyIntoFolder(const std::string& hostSource, const std::string& storedName);
  bool appendManifestLine(const std::string& storedName, const char* editorPath);
  std::string freeStoredName(const std::string& name) const;
  bool fail(const std::string& what, int error);
};

// One file of a backup: its copy and where it came from.
struct BackupFile {
  std::string copy;      // editor path of the copy in the backup folder
  std::string original;  // editor path of the file that was replaced
};

// A backup folder as the user chooses among them.
struct BackupSummary {
  std::string folder;     // editor path of the folder
  std::string when;       // local date and time, "2026-12-07 14:37:05"
  std::string operation;  // "Save", "Generate World Map", ...
  std::vector<BackupFile> files;
};

// Every backup folder under the directory (an editor path), newest first.
// Folders without a readable "backup.txt" are left out.
std::vector<BackupSummary> listBackups(const char* directory);

// Reads one backup folder; false when its "backup.txt" cannot be read.
bool readBackup(const char* folder, BackupSummary& out);
