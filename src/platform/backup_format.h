// The layout of a backup folder, shared by the operation that writes one and
// the listing that reads them. A folder is named by the UTC date and time of
// its first kept file, "YYYY-MM-DD_HH-MM-SSZ", with "_2", "_3", ... when that
// name is taken; folders of older versions have the local time without "Z".
// Its "backup.txt" reads:
//   DOLA backup 2
//   Operation: Save
//   Sequence: 17
//   File: ZANAB.MAP<TAB>1236<TAB>89abcdef<TAB>C:\games\world\ZANAB.MAP
//   Complete
// one "File:" line per kept file (its stored name, size, CRC-32 in hex and
// original), appended once its copy is whole, and "Complete" once the copies
// before it are all made. The sequence orders the operations as they were
// made, whatever the clock said. Older lists ("DOLA backup") have neither
// sequence nor sizes: "File: <stored><TAB><original>".
#pragma once
#include <string>
#include <vector>

constexpr const char kManifestName[] = "backup.txt";
constexpr const char kManifestTitle[] = "DOLA backup 2";
constexpr const char kOldManifestTitle[] = "DOLA backup";
constexpr const char kOperationKey[] = "Operation: ";
constexpr const char kSequenceKey[] = "Sequence: ";
constexpr const char kFileKey[] = "File: ";
constexpr const char kCompleteLine[] = "Complete";

struct BackupFolderName {
  std::string name;
  bool utc;     // named by this version ("Z")
  int counter;  // 1, or the "_N" that followed
};

// A folder name of ours; false for anything else.
bool parseBackupFolderName(const std::string& name, BackupFolderName* out);

// The folders of ours in directory (an editor path). False when the
// directory exists but cannot be read; a missing directory is empty.
bool listBackupFolderNames(const char* directory, std::vector<BackupFolderName>& out);

// The sequence the list of folder (an editor path) records; 0 when it
// records none or cannot be read.
long long readBackupSequence(const std::string& editorFolder);

// True when backup a (sequence, folder name) was made after b.
bool madeAfter(long long sequenceA, const BackupFolderName& a, long long sequenceB, const BackupFolderName& b);

std::string joinEditorPath(const std::string& directory, const std::string& name);
std::string hostPathOf(const std::string& editorPath);  // "" when too long

// The stored name a backup gives a file called name before it is made free
// with " (2)", " (3)", ...: tabs become "_".
std::string storedBaseName(const std::string& name);
