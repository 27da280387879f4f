// BackupOperation: the folder, the copies with their sizes and checksums,
// the list that says what they are, and the pruning of the oldest folders.
#include "platform/backup_store.h"

#include <algorithm>
#include <cerrno>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/backup_format.h"
#include "platform/checksum.h"
#include "platform/directory_list.h"
#include "platform/editor_path.h"
#include "platform/file_stream.h"
#include "platform/write_faults.h"

namespace {

time_t (*g_clock)() = nullptr;

std::string utcStamp() {
  const time_t now = g_clock ? g_clock() : time(nullptr);
  struct tm utc;
  gmtime_r(&now, &utc);
  char stamp[32];
  strftime(stamp, sizeof stamp, "%Y-%m-%d_%H-%M-%SZ", &utc);
  return stamp;
}

// Removes a backup folder of ours: its plain files, then the folder. A folder
// that holds anything else stays.
void removeFolder(const std::string& editorFolder) {
  std::vector<DirectoryEntry> entries;
  if (!listDirectory(editorFolder.c_str(), entries)) return;
  for (const DirectoryEntry& entry : entries)
    if (!entry.isDirectory) unlink(hostPathOf(joinEditorPath(editorFolder, entry.name)).c_str());
  rmdir(hostPathOf(editorFolder).c_str());
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

// Copies src into dst, counting its bytes and their checksum.
bool copyCounting(int src, int dst, long long* size, uint32_t* checksum) {
  char buf[65536];
  *size = 0;
  *checksum = 0;
  for (;;) {
    const ssize_t n = read(src, buf, sizeof buf);
    if (n == 0) return true;
    if (n < 0) return false;
    *checksum = updateChecksum(*checksum, buf, static_cast<size_t>(n));
    *size += n;
    for (ssize_t done = 0; done < n;) {
      const ssize_t w = write(dst, buf + done, static_cast<size_t>(n - done));
      if (w <= 0) return false;
      done += w;
    }
  }
}

}  // namespace

void setBackupClock(time_t (*clock)()) { g_clock = clock; }

BackupOperation::BackupOperation(const BackupPlace& place, const char* what) : place_(place), what_(what ? what : "") {}

BackupOperation::~BackupOperation() { finish(); }

bool BackupOperation::fail(const std::string& what, int error) {
  failure_ = what + ": " + strerror(error ? error : EIO);
  // Copies never marked complete serve no restore: the folder goes, unless
  // an earlier part of the operation was replaced relying on it.
  if (!folder_.empty() && reliedOn_ == 0) {
    removeFolder(editorFolder_);
    folder_.clear();
    editorFolder_.clear();
  }
  errno = error ? error : EIO;
  return false;
}

// The backups directory (made when missing) and a new folder of this second
// in it, numbered after every folder already there.
bool BackupOperation::makeFolder() {
  const std::string root = hostPathOf(place_.directory.empty() ? std::string(".") : place_.directory);
  if (root.empty()) return fail("the backup directory " + place_.directory + " has too long a name", ENAMETOOLONG);
  if (mkdir(root.c_str(), 0777) != 0 && errno != EEXIST)
    return fail("the backup directory " + place_.directory + " could not be made", errno);
  std::vector<BackupFolderName> names;
  if (!listBackupFolderNames(place_.directory.c_str(), names))
    return fail("the backup directory " + place_.directory + " cannot be read", errno);
  const std::string stamp = utcStamp();
  int first = 1;  // after the newest folder of this second, even when older ones were dropped
  long long newest = 0;
  for (const BackupFolderName& name : names) {
    const long long sequence = readBackupSequence(joinEditorPath(place_.directory, name.name));
    existing_.push_back({name.name, sequence});
    newest = std::max(newest, sequence);
    if (name.name.compare(0, stamp.size(), stamp) == 0 && name.counter >= first) first = name.counter + 1;
  }
  sequence_ = newest + 1;
  for (int counter = first; counter < first + 100000; counter++) {
    std::string name = stamp;
    if (counter > 1) name += "_" + std::to_string(counter);
    const std::string host = root + "/" + name;
    if (mkdir(host.c_str(), 0777) == 0) {
      folder_ = host;
      editorFolder_ = joinEditorPath(place_.directory, name);
      return appendManifest(std::string(kManifestTitle) + "\n" + kOperationKey + what_ + "\n" + kSequenceKey +
                            std::to_string(sequence_) + "\n");
    }
    if (errno != EEXIST) return fail("the backup folder " + joinEditorPath(place_.directory, name) + " could not be made", errno);
  }
  return fail("no free backup folder name in " + place_.directory, EEXIST);
}

// A name in the folder for a file called name: its own, or "name (2)" and on.
std::string BackupOperation::freeStoredName(const std::string& name) const {
  const std::string base = storedBaseName(name);
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

bool BackupOperation::copyIntoFolder(const std::string& hostSource, const std::string& storedName, long long* size,
                                     uint32_t* checksum) {
  const std::string target = folder_ + "/" + storedName;
  const std::string shown = joinEditorPath(editorFolder_, storedName);
  int src = ::open(hostSource.c_str(), O_RDONLY);
  if (src < 0) return fail("the file " + hostSource + " could not be read for its backup", errno);
  int dst = ::open(target.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0666);
  if (dst < 0) {
    const int error = errno;
    close(src);
    return fail("the backup copy " + shown + " could not be made", error);
  }
  bool ok = copyCounting(src, dst, size, checksum) && !injectedWriteFailure();
  int error = errno;
  close(src);
  if (close(dst) != 0 && ok) {
    ok = false;
    error = errno;
  }
  if (!ok) {
    unlink(target.c_str());
    return fail("the backup copy " + shown + " could not be written", error);
  }
  return true;
}

bool BackupOperation::appendManifest(const std::string& text) {
  const std::string manifest = joinEditorPath(editorFolder_, kManifestName);
  FILE* f = openStream(manifest.c_str(), "a");
  if (!f) return fail("the backup list " + manifest + " could not be written", errno);
  const bool ok = fwrite(text.data(), 1, text.size(), f) == text.size() && fflush(f) == 0 && !ferror(f) &&
                  !injectedWriteFailure();
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
  const std::string source = hostPathOf(editorPath);
  struct stat st;
  if (source.empty() || stat(source.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return true;  // nothing to keep
  const KeptFile key{source, static_cast<unsigned long long>(st.st_dev), static_cast<unsigned long long>(st.st_ino)};
  for (const KeptFile& kept : kept_)
    if (kept.hostPath == key.hostPath || (kept.device == key.device && kept.inode == key.inode)) return true;
  if (folder_.empty() && !makeFolder()) return false;
  const char* name = lastBackslash(editorPath);
  const std::string storedName = freeStoredName(name ? name + 1 : editorPath);
  long long size = 0;
  uint32_t checksum = 0;
  if (!copyIntoFolder(source, storedName, &size, &checksum)) return false;
  char line[96];
  snprintf(line, sizeof line, "\t%lld\t%08" PRIx32 "\t", size, checksum);
  if (!appendManifest(kFileKey + storedName + line + editorPath + "\n")) return false;
  kept_.push_back(key);
  storedNames_.push_back(storedName);
  return true;
}

// A few copies are synced one by one; a run of them with one sync of their
// file system, which costs less than a journal commit per file.
bool BackupOperation::sync(const std::vector<unsigned long long>* syncedLater) {
  if (!failure_.empty()) return false;
  if (folder_.empty()) return true;
  if (completeCount_ < storedNames_.size()) {
    if (!appendManifest(std::string(kCompleteLine) + "\n")) return false;
    completeCount_ = storedNames_.size();
  }
  struct stat st;
  if (syncedLater && stat(folder_.c_str(), &st) == 0 &&
      std::find(syncedLater->begin(), syncedLater->end(), static_cast<unsigned long long>(st.st_dev)) !=
          syncedLater->end())
    return true;
  constexpr size_t kFilesSyncedAlone = 4;
  bool ok = true;
  if (storedNames_.size() <= kFilesSyncedAlone) {
    for (const std::string& name : storedNames_) ok = ok && syncHostPath((folder_ + "/" + name).c_str(), false);
    ok = ok && syncHostPath((folder_ + "/" + kManifestName).c_str(), false);
    ok = ok && syncHostPath(folder_.c_str(), true);
  } else {
    int fd = ::open(folder_.c_str(), O_RDONLY | O_DIRECTORY);
    ok = fd >= 0 && syncfs(fd) == 0;
    if (fd >= 0) close(fd);
  }
  return ok || fail("the backup in " + editorFolder_ + " could not be synced to the disk", errno);
}

void BackupOperation::abandon() {
  if (!folder_.empty() && reliedOn_ == 0) {
    removeFolder(editorFolder_);
    folder_.clear();
    editorFolder_.clear();
  }
}

// The folders there when ours was made, oldest first by the order they were
// made; ours is the newest of all.
void BackupOperation::finish() {
  if (finished_) return;
  finished_ = true;
  if (!enabled() || folder_.empty()) return;
  std::vector<std::pair<long long, BackupFolderName>> older;
  for (const Existing& e : existing_) {
    BackupFolderName name;
    if (parseBackupFolderName(e.name, &name)) older.push_back({e.sequence, name});
  }
  std::sort(older.begin(), older.end(), [](const auto& a, const auto& b) {
    return madeAfter(b.first, b.second, a.first, a.second);
  });
  const size_t room = static_cast<size_t>(place_.keep - 1);
  for (size_t i = 0; i + room < older.size(); i++) removeFolder(joinEditorPath(place_.directory, older[i].second.name));
}
