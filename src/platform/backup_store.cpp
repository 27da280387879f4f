// BackupOperation and the listing of backup folders. A folder is named
// "YYYY-MM-DD_HH-MM-SS" by the local time of its first kept file, with "_2",
// "_3", ... when that name is taken. Its "backup.txt" reads:
//   DOLA backup
//   Operation: Save
//   File: ZANAB.MAP<TAB>C:\games\world\ZANAB.MAP
// one "File:" line per kept file, appended once its copy is complete, so a
// copy cut short by a crash is never listed.
#include "platform/backup_store.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/descriptor_copy.h"
#include "platform/directory_list.h"
#include "platform/editor_path.h"
#include "platform/file_stream.h"
#include "platform/host_path.h"

namespace {

constexpr const char kManifestName[] = "backup.txt";
constexpr const char kManifestTitle[] = "DOLA backup";
constexpr const char kOperationKey[] = "Operation: ";
constexpr const char kFileKey[] = "File: ";
constexpr size_t kStampLength = 19;  // "YYYY-MM-DD_HH-MM-SS"

std::string hostOf(const std::string& editorPath) {
  char host[4096];
  return pathToHost(editorPath.c_str(), host, sizeof host) ? host : "";
}

std::string joinEditor(const std::string& directory, const std::string& name) {
  if (directory.empty()) return name;
  return directory.back() == '\\' ? directory + name : directory + "\\" + name;
}

std::string localStamp() {
  time_t now = time(nullptr);
  struct tm local;
  localtime_r(&now, &local);
  char stamp[32];
  strftime(stamp, sizeof stamp, "%Y-%m-%d_%H-%M-%S", &local);
  return stamp;
}

// A folder name of ours: the stamp, then nothing or "_" and a counter.
bool parseFolderName(const std::string& name, int* counter) {
  static const char pattern[] = "0000-00-00_00-00-00";
  if (name.size() < kStampLength) return false;
  for (size_t i = 0; i < kStampLength; i++) {
    const bool digit = name[i] >= '0' && name[i] <= '9';
    if (pattern[i] == '0' ? !digit : name[i] != pattern[i]) return false;
  }
  *counter = 1;
  if (name.size() == kStampLength) return true;
  if (name[kStampLength] != '_' || name.size() == kStampLength + 1 || name.size() > kStampLength + 7) return false;
  for (size_t i = kStampLength + 1; i < name.size(); i++)
    if (name[i] < '0' || name[i] > '9') return false;
  *counter = atoi(name.c_str() + kStampLength + 1);
  return true;
}

struct FolderName {
  std::string name;
  int counter;
};

// Our folders under directory, newest first.
std::vector<FolderName> backupFolders(const char* directory) {
  std::vector<DirectoryEntry> entries;
  std::vector<FolderName> folders;
  if (!listDirectory(directory, entries)) return folders;
  for (const DirectoryEntry& entry : entries) {
    int counter = 0;
    if (entry.isDirectory && parseFolderName(entry.name, &counter)) folders.push_back({entry.name, counter});
  }
  std::sort(folders.begin(), folders.end(), [](const FolderName& a, const FolderName& b) {
    const int c = a.name.compare(0, kStampLength, b.name, 0, kStampLength);
    return c != 0 ? c > 0 : a.counter > b.counter;
  });
  return folders;
}

// Removes a backup folder of ours: its plain files, then the folder. A folder
// that holds anything else stays.
void removeFolder(const std::string& editorFolder) {
  std::vector<DirectoryEntry> entries;
  if (!listDirectory(editorFolder.c_str(), entries)) return;
  for (const DirectoryEntry& entry : entries)
    if (!entry.isDirectory) unlink(hostOf(joinEditor(editorFolder, entry.name)).c_str());
  rmdir(hostOf(editorFolder).c_str());
}

// Reads a whole text line (without its line end); false at the end of the file.
bool readLine(FILE* f, std::string& line) {
  line.clear();
  int c;
  while ((c = fgetc(f)) != EOF && c != '\n') line += static_cast<char>(c);
  return c != EOF || !line.empty();
}

bool syncHostPath(const char* path, bool directory) {
  int fd = ::open(path, directory ? O_RDONLY | O_DIRECTORY : O_RDONLY);
  if (fd < 0) return false;
  const bool ok = fsync(fd) == 0;
  const int error = errno;
  close(fd);
  errno = error;
  return ok;
}

bool startsWith(const std::string& text, const char* prefix) { return text.compare(0, strlen(prefix), prefix) == 0; }

std::string readableTime(const std::string& folderName) {
  std::string when = folderName.substr(0, kStampLength);
  when[10] = ' ';
  when[13] = ':';
  when[16] = ':';
  return when;
}

}  // namespace

BackupOperation::BackupOperation(const BackupPlace& place, const char* what) : place_(place), what_(what ? what : "") {}

BackupOperation::~BackupOperation() { finish(); }

bool BackupOperation::fail(const std::string& what, int error) {
  failure_ = what + ": " + strerror(error ? error : EIO);
  errno = error ? error : EIO;
  return false;
}

// The backups directory (made when missing) and a new folder of this second in it.
bool BackupOperation::makeFolder() {
  const std::string root = hostOf(place_.directory.empty() ? std::string(".") : place_.directory);
  if (root.empty()) return fail("the backup directory " + place_.directory + " has too long a name", ENAMETOOLONG);
  if (mkdir(root.c_str(), 0777) != 0 && errno != EEXIST)
    return fail("the backup directory " + place_.directory + " could not be made", errno);
  const std::string stamp = localStamp();
  // After the newest folder of this second, even when older ones were dropped.
  int first = 1;
  for (const FolderName& folder : backupFolders(place_.directory.c_str()))
    if (folder.name.compare(0, kStampLength, stamp) == 0 && folder.counter >= first) first = folder.counter + 1;
  for (int counter = first; counter < first + 100000; counter++) {
    std::string name = stamp;
    if (counter > 1) name += "_" + std::to_string(counter);
    const std::string host = root + "/" + name;
    if (mkdir(host.c_str(), 0777) == 0) {
      folder_ = host;
      editorFolder_ = joinEditor(place_.directory, name);
      return true;
    }
    if (errno != EEXIST) return fail("the backup folder " + joinEditor(place_.directory, name) + " could not be made", errno);
  }
  return fail("no free backup folder name in " + place_.directory, EEXIST);
}

// A name in the folder for a file called name: its own, or "name (2)" and on.
std::string BackupOperation::freeStoredName(const std::string& name) const {
  std::string base = name;
  std::replace(base.begin(), base.end(), '\t', '_');
  auto taken = [this](const std::string& candidate) {
    if (strcasecmp(candidate.c_str(), kManifestName) == 0) return true;
    for (const std::string& stored : storedNames_)
      if (strcasecmp(stored.c_str(), candidate.c_str()) == 0) return true;
    return false;
  };
  std::string candidate = base;
  for (int n = 2; taken(candidate); n++) candidate = base + " (" + std::to_string(n) + ")";
  return candidate;
}

bool BackupOperation::copyIntoFolder(const std::string& hostSource, const std::string& storedName) {
  const std::string target = folder_ + "/" + storedName;
  int src = ::open(hostSource.c_str(), O_RDONLY);
  if (src < 0) return fail("the file " + hostSource + " could not be read for its backup", errno);
  int dst = ::open(target.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0666);
  if (dst < 0) {
    const int error = errno;
    close(src);
    return fail("the backup copy " + joinEditor(editorFolder_, storedName) + " could not be made", error);
  }
  bool ok = copyDescriptorBytes(src, dst);
  int error = errno;
  close(src);
  if (close(dst) != 0 && ok) {
    ok = false;
    error = errno;
  }
  if (!ok) {
    unlink(target.c_str());
    return fail("the backup copy " + joinEditor(editorFolder_, storedName) + " could not be written", error);
  }
  return true;
}

bool BackupOperation::appendManifestLine(const std::string& storedName, const char* editorPath) {
  const std::string manifest = joinEditor(editorFolder_, kManifestName);
  const bool first = kept_.empty();
  FILE* f = openStream(manifest.c_str(), "a");
  if (!f) return fail("the backup list " + manifest + " could not be written", errno);
  if (first) fprintf(f, "%s\n%s%s\n", kManifestTitle, kOperationKey, what_.c_str());
  fprintf(f, "%s%s\t%s\n", kFileKey, storedName.c_str(), editorPath);
  const bool ok = fflush(f) == 0 && !ferror(f);
  const int error = errno;
  if (fclose(f) != 0 || !ok) return fail("the backup list " + manifest + " could not be written", ok ? errno : error);
  return true;
}

bool BackupOperation::keep(const char* editorPath) {
  if (!enabled()) return true;
  if (!failure_.empty()) {
    errno = EIO;
    return false;
  }
  if (!editorPath || !*editorPath) return true;
  const std::string source = hostOf(editorPath);
  struct stat st;
  if (source.empty() || stat(source.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return true;  // nothing to keep
  char real[4096];
  const std::string key = realpath(source.c_str(), real) ? real : source;
  if (std::find(kept_.begin(), kept_.end(), key) != kept_.end()) return true;
  if (folder_.empty() && !makeFolder()) return false;
  const char* name = lastBackslash(editorPath);
  const std::string storedName = freeStoredName(name ? name + 1 : editorPath);
  if (!copyIntoFolder(source, storedName) || !appendManifestLine(storedName, editorPath)) return false;
  kept_.push_back(key);
  storedNames_.push_back(storedName);
  return true;
}

// A few copies are synced one by one; a run of them with one sync of their
// file system, which costs less than a journal commit per file.
bool BackupOperation::sync(const std::vector<unsigned long long>* syncedLater) {
  if (!failure_.empty()) return false;
  if (folder_.empty()) return true;
  struct stat st;
  if (syncedLater && stat(folder_.c_str(), &st) == 0 &&
      std::find(syncedLater->begin(), syncedLater->end(), static_cast<unsigned long long>(st.st_dev)) !=
          syncedLater->end())
    return true;
  constexpr size_t kFilesSyncedAlone = 4;
  bool ok = true;
  if (storedNames_.size() <= kFilesSyncedAlone) {
    for (const std::string& name : storedNames_) ok = ok && syncHostPath((folder_ + "/" + name).c_str(), false);
    ok = ok && syncHostPath(folder_.c_str(), true);
  } else {
    int fd = ::open(folder_.c_str(), O_RDONLY | O_DIRECTORY);
    ok = fd >= 0 && syncfs(fd) == 0;
    if (fd >= 0) close(fd);
  }
  return ok || fail("the backup in " + editorFolder_ + " could not be synced to the disk", errno);
}

void BackupOperation::finish() {
  if (finished_) return;
  finished_ = true;
  if (!enabled() || folder_.empty()) return;
  const std::vector<FolderName> folders = backupFolders(place_.directory.c_str());
  for (size_t i = static_cast<size_t>(place_.keep); i < folders.size(); i++)
    removeFolder(joinEditor(place_.directory, folders[i].name));
}

bool readBackup(const char* folder, BackupSummary& out) {
  out = BackupSummary();
  out.folder = folder ? folder : "";
  const char* slash = lastBackslash(out.folder.c_str());
  const std::string name = slash ? slash + 1 : out.folder;
  int counter = 0;
  out.when = parseFolderName(name, &counter) ? readableTime(name) : name;
  FILE* f = openStream(joinEditor(out.folder, kManifestName).c_str(), "r");
  if (!f) return false;
  std::string line;
  const bool titled = readLine(f, line) && line == kManifestTitle;
  while (titled && readLine(f, line)) {
    if (startsWith(line, kOperationKey)) {
      out.operation = line.substr(strlen(kOperationKey));
    } else if (startsWith(line, kFileKey)) {
      const size_t tab = line.find('\t');
      if (tab == std::string::npos) continue;
      const std::string stored = line.substr(strlen(kFileKey), tab - strlen(kFileKey));
      out.files.push_back({joinEditor(out.folder, stored), line.substr(tab + 1)});
    }
  }
  fclose(f);
  return titled;
}

std::vector<BackupSummary> listBackups(const char* directory) {
  std::vector<BackupSummary> backups;
  const std::string root = directory ? directory : "";
  for (const FolderName& folder : backupFolders(root.c_str())) {
    BackupSummary summary;
    if (readBackup(joinEditor(root, folder.name).c_str(), summary)) backups.push_back(summary);
  }
  return backups;
}
