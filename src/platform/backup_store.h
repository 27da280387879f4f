// Backups of replaced files. Before a command replaces existing files, the
// old bytes of each go into one folder per command (an "operation") under a
// backups directory, with a small text file "backup.txt" saying what the
// operation was, its place in the order operations were made, and where each
// file came from with its size and checksum. Only the newest operations (by
// that order, never by the clock) are kept. Nothing here replaces a file: the
// one writer that does is FileReplacer (file_replacer.h), which keeps the
// backup of each file before it writes it.
#pragma once
#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

constexpr int kDefaultBackupsKept = 50;

// Where the backups of a program go, and how many operations are kept there.
struct BackupPlace {
  std::string directory;  // editor path of the backups directory ("backups": the working directory's)
  int keep = 0;           // newest operations kept; 0 (or less): no backups at all
};

// Test hook: the clock that names new backup folders (nullptr: the real one).
void setBackupClock(time_t (*clock)());

// The backup of one operation. The folder is made when the first file is
// kept, so an operation that replaced no existing file leaves nothing behind.
// A folder is complete once sync has marked it so; a keep that fails before
// then removes the folder, and a folder never marked complete (the program
// was killed while copying) is never offered for a restore.
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

  // Marks the copies kept so far complete and makes them durable; call
  // before the first file is replaced. A copy on one of the file systems in
  // syncedLater (st_dev numbers) is left to the one sync that a batch makes
  // there before it renames anything.
  bool sync(const std::vector<unsigned long long>* syncedLater = nullptr);

  // The operation replaced nothing after all (its batch failed): the folder
  // goes, unless copies an earlier writer of the operation relied on were
  // already made durable.
  void abandon();
  // Files were replaced relying on the copies kept so far.
  void reliedOn() { reliedOn_ = completeCount_; }

  // Drops the oldest operations beyond the number kept. Runs once; the
  // destructor calls it.
  void finish();

  // Why the last keep failed ("the backup folder ... could not be made: No
  // space left on device"); "" when nothing failed.
  const char* failure() const { return failure_.c_str(); }
  // Editor path of the folder; "" until the first file was kept (and again
  // after a failed backup removed it).
  const std::string& folder() const { return editorFolder_; }
  int keptCount() const { return static_cast<int>(kept_.size()); }
  const std::string& what() const { return what_; }

 private:
  struct KeptFile {
    std::string hostPath;  // as named when kept: a file replaced since has a new inode
    unsigned long long device, inode;
  };
  struct Existing {
    std::string name;
    long long sequence;
  };
  BackupPlace place_;
  std::string what_;
  std::string folder_;        // host path
  std::string editorFolder_;  // the same as the editor names it
  std::string failure_;
  std::vector<KeptFile> kept_;            // the originals kept
  std::vector<std::string> storedNames_;  // their names in the folder
  std::vector<Existing> existing_;        // the folders there when ours was made
  long long sequence_ = 0;
  size_t completeCount_ = 0;  // copies marked complete by sync
  size_t reliedOn_ = 0;       // copies whose files were replaced relying on them
  bool finished_ = false;

  bool makeFolder();
  bool copyIntoFolder(const std::string& hostSource, const std::string& storedName, long long* size,
                      uint32_t* checksum);
  bool appendManifest(const std::string& text);
  std::string freeStoredName(const std::string& name) const;
  bool fail(const std::string& what, int error);
};

// One file of a backup: its copy and where it came from.
struct BackupFile {
  std::string copy;      // editor path of the copy in the backup folder
  std::string original;  // editor path of the file that was replaced
  bool recorded = false;  // size and checksum were recorded (backups of this version)
  long long size = 0;
  uint32_t checksum = 0;
};

enum class BackupState {
  Usable,      // complete: can be restored once its copies check out
  Unreadable,  // its folder or list cannot be read (problem says why)
  Incomplete,  // never marked complete: cut short, never offered
};

// A backup folder as the user chooses among them.
struct BackupSummary {
  std::string folder;     // editor path of the folder
  std::string when;       // local date and time, "2026-12-07 14:37:05"
  std::string operation;  // "Save", "Generate World Map", ...
  long long sequence = 0;  // its place in the order backups were made; 0 for older backups
  BackupState state = BackupState::Usable;
  std::string problem;    // why it is Unreadable
  std::vector<BackupFile> files;
};

// Every backup folder under the directory (an editor path), newest first by
// the order they were made. Incomplete folders are left out; a folder that
// cannot be read is listed as Unreadable. *readable (when given) is false
// when the directory exists and cannot be read.
std::vector<BackupSummary> listBackups(const char* directory, bool* readable = nullptr);

// Reads one backup folder; true when it is Usable.
bool readBackup(const char* folder, BackupSummary& out);
