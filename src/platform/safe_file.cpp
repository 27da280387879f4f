// Write-to-temporary-then-rename, with the in-place fallback of a read-only
// directory. The old file is untouched until the new one is complete and synced;
// a batch syncs all of its new files at once before renaming any.
#include "platform/safe_file.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/descriptor_copy.h"
#include "platform/file_stream.h"
#include "platform/host_path.h"
#include "platform/write_faults.h"
#include "platform/write_journal.h"

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#endif

namespace {

#ifdef _WIN32
// The desktop's counterparts of the few POSIX calls used below.
int fsync(int fd) { return _commit(fd); }
int fchmod(int, mode_t) { return 0; }  // a new file takes its directory's permissions
int fchown(int, int, int) { return 0; }  // files there have no POSIX owner
char* realpath(const char* path, char* out) { return _fullpath(out, path, PATH_MAX); }
// rename() there refuses to replace an existing file.
int replaceFile(const char* from, const char* to) {
  return MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) ? 0 : -1;
}
#else
int replaceFile(const char* from, const char* to) { return rename(from, to); }
#endif

bool syncPath(const char* hostPath) {
  int fd = ::open(hostPath, O_RDWR);
  if (fd < 0) return false;
  bool ok = fsync(fd) == 0;
  close(fd);
  return ok;
}

#ifdef _WIN32
// No call there syncs a whole volume without administrator rights, so each
// temporary is committed on its own.
bool syncAll(const std::vector<std::string>& temps, const std::vector<std::string>&) {
  for (const std::string& temp : temps)
    if (!syncPath(temp.c_str())) return false;
  return true;
}
// The write-through of MoveFileEx has already made each rename durable.
bool syncDirectory(const std::string&) { return true; }
#else
// One syncfs for the file system of each directory: an fsync per file waits
// for a journal commit every time, which costs far more for a run of files.
bool syncAll(const std::vector<std::string>&, const std::vector<std::string>& directories) {
  for (const std::string& directory : directories) {
    int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY);
    bool ok = fd >= 0 && syncfs(fd) == 0;
    if (fd >= 0) close(fd);
    if (!ok) return false;
  }
  return true;
}
bool syncDirectory(const std::string& directory) {
  int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY);
  bool ok = fd >= 0 && fsync(fd) == 0;
  if (fd >= 0) close(fd);
  return ok;
}
#endif

// The last path separator of a host path, or nullptr.
const char* lastSeparator(const char* path) {
  const char* slash = strrchr(path, '/');
  const char* backslash = strrchr(path, '\\');
  if (!slash) return backslash;
  if (!backslash) return slash;
  return backslash > slash ? backslash : slash;
}

bool failTemporaryFiles = false;
bool failBatchSyncs = false;

// The directory part of a host path, with its separator ("." for a bare name).
std::string directoryPart(const std::string& path) {
  const char* slash = lastSeparator(path.c_str());
  return slash ? path.substr(0, static_cast<size_t>(slash - path.c_str()) + 1) : std::string(".");
}

mode_t newFileMode() {
  mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

// Gives the new file the old one's owner and group where this process may:
// a superuser may set both, an owner may at least set a group of their own. Where neither is allowed the file is the saver's own.
void keepOwner(int fd, const struct stat& old) {
  using Owner = decltype(old.st_uid);  // -1 for "keep the owner"
  if (fchown(fd, old.st_uid, old.st_gid) != 0) fchown(fd, static_cast<Owner>(-1), old.st_gid);
}

// Readies the new temporary file fd: the old file's owner, group and
// permissions (set after the owner, which may clear set-id bits), for update
// a copy of its bytes, and a stream of the mode over it. Closes fd on failure.
FILE* prepareTemporary(int fd, const char* target, const struct stat* old, bool update,
                       const char* mode) {
  if (old) keepOwner(fd, *old);
  fchmod(fd, old ? (old->st_mode & 07777) : newFileMode());
  if (update) {
    int src = ::open(target, O_RDONLY);
    bool copied = src >= 0 && copyDescriptorBytes(src, fd);
    if (src >= 0) close(src);
    if (!copied || lseek(fd, 0, SEEK_SET) != 0) {
      close(fd);
      return nullptr;
    }
  }
  FILE* raw = fdopen(fd, "w+b");
  if (!raw) {
    close(fd);
    return nullptr;
  }
  return wrapHostStream(raw, mode);
}

}  // namespace

void failTemporaryFileCreation(bool fail) { failTemporaryFiles = fail; }

SafeWriter::~SafeWriter() { abandon(); }

FILE* SafeWriter::open(const char* editorPath, const char* mode) {
  abandon();
  inPlace_ = false;
  temp_[0] = 0;
  if (!mode || (mode[0] != 'w' && strcmp(mode, "r+b") != 0)) return nullptr;
  if (!editorPath || !*editorPath || !pathToHost(editorPath, target_, sizeof target_)) return nullptr;
  const bool update = mode[0] == 'r';
  struct stat st;
  const bool exists = stat(target_, &st) == 0;
  // Every refusal says why in errno, so that the caller can tell the user.
  if (exists && !S_ISREG(st.st_mode)) {
    errno = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
    return nullptr;
  }
  // A file without any write permission is read-only, even to a superuser.
  if (exists && (st.st_mode & 0222) == 0) {
    errno = EACCES;
    return nullptr;
  }
  if (exists && access(target_, W_OK) != 0) return nullptr;  // EACCES, or EROFS for the disk
  if (update && !exists) {
    errno = ENOENT;
    return nullptr;
  }
  // Rewriting through a symbolic link replaces the file it points to, not the link.
  struct stat link;
  char linked[PATH_MAX];
  if (exists && lstat(target_, &link) == 0 && S_ISLNK(link.st_mode) && realpath(target_, linked))
    snprintf(target_, sizeof target_, "%s", linked);

  // The temporary file lives beside the target so that rename replaces it atomically.
  const char* slash = lastSeparator(target_);
  int dirLen = slash ? static_cast<int>(slash - target_) + 1 : 0;
  char name[256];
  snprintf(name, sizeof name, "%.200s", slash ? slash + 1 : target_);
  int made = snprintf(temp_, sizeof temp_, "%.*s%s", dirLen, target_, temporaryNamePattern(name).c_str());
  int fd = -1;
  if (made < 0 || static_cast<size_t>(made) >= sizeof temp_) errno = ENAMETOOLONG;
  else if (failTemporaryFiles) errno = EACCES;
  else fd = mkstemp(temp_);
  if (fd < 0) {
    temp_[0] = 0;
    if (!mayWriteInPlace_ || (errno != EACCES && errno != EROFS && errno != EPERM)) return nullptr;
    inPlace_ = true;  // a read-only directory: write the file itself, as a plain save would
    stream_ = openStream(editorPath, update ? "r+b" : mode);
    return stream_;
  }
  stream_ = prepareTemporary(fd, target_, exists ? &st : nullptr, update, mode);
  if (!stream_) {
    unlink(temp_);
    temp_[0] = 0;
  }
  return stream_;
}

bool SafeWriter::closeStream() {
  bool ok = fflush(stream_) == 0 && !ferror(stream_);
  ok = (fclose(stream_) == 0) && ok;
  ok = ok && !injectedWriteFailure();
  stream_ = nullptr;
  return ok;
}

bool SafeWriter::commit() {
  if (!stream_) return false;
  bool ok = closeStream();
  if (inPlace_) return ok;
  ok = ok && syncPath(temp_) && replaceFile(temp_, target_) == 0;
  if (!ok) unlink(temp_);
  temp_[0] = 0;
  return ok;
}

void SafeWriter::abandon() {
  if (stream_) {
    fclose(stream_);
    stream_ = nullptr;
  }
  if (temp_[0]) {
    unlink(temp_);
    temp_[0] = 0;
  }
}

void failBatchSync(bool fail) { failBatchSyncs = fail; }

SafeBatch::~SafeBatch() { removeTemporaries(); }

FILE* SafeBatch::open(const char* editorPath, const char* mode) {
  FILE* f = writer_.open(editorPath, mode);
  if (!f && all_) fail(std::string(editorPath ? editorPath : "") + ": " + strerror(errno ? errno : EIO));
  return f;
}

void SafeBatch::abandon() {
  if (all_ && writer_.stream_) {
    char shown[4096];
    fail((pathToEditor(writer_.target_, shown, sizeof shown) ? std::string(shown) : std::string(writer_.target_)) +
         ": " + strerror(errno ? errno : EIO));
  }
  writer_.abandon();
}

void SafeBatch::requireAll(const std::string& operation, const std::string& backupFolder) {
  all_ = true;
  writer_.mayWriteInPlace_ = false;
  operation_ = operation;
  backupFolder_ = backupFolder;
}

void SafeBatch::fail(const std::string& why) {
  if (failure_.empty()) failure_ = why.empty() ? std::string("a file could not be written") : why;
}

int SafeBatch::finish() {
  if (!writer_.stream_) return -1;
  const bool ok = writer_.closeStream();
  const int error = errno;
  QueuedFile file{writer_.temp_, writer_.target_, ok && writer_.inPlace_};
  writer_.temp_[0] = 0;  // the batch owns the temporary now
  if (!ok) {
    if (!file.temp.empty()) unlink(file.temp.c_str());
    char shown[4096];
    if (all_) fail((pathToEditor(file.target.c_str(), shown, sizeof shown) ? shown : file.target) + ": " +
                   strerror(error ? error : EIO));
    return -1;
  }
  files_.push_back(file);
  return static_cast<int>(files_.size()) - 1;
}

// The journal beside the first target, before the sync that makes it and
// the new files durable together.
bool SafeBatch::writeJournal(const std::string& directory, std::string* journalPath) {
  WriteJournal journal;
  journal.operation = operation_;
  journal.backupFolder = backupFolder_;
  char temp[4096], target[4096];
  for (const QueuedFile& file : files_)
    if (!file.temp.empty() && pathToEditor(file.temp.c_str(), temp, sizeof temp) &&
        pathToEditor(file.target.c_str(), target, sizeof target))
      journal.files.push_back({temp, target});
  *journalPath = (directory == "." ? std::string("./") : directory) + kWriteJournalName;
  if (writeWriteJournal(journalPath->c_str(), journal)) return true;
  fail("the write journal " + *journalPath + " could not be written: " + strerror(errno));
  journalPath->clear();
  return false;
}

int SafeBatch::commit() {
  abandon();
  interrupted_ = false;
  std::vector<std::string> temps, directories;
  for (const QueuedFile& file : files_) {
    if (file.temp.empty()) continue;
    temps.push_back(file.temp);
    std::string directory = directoryPart(file.temp);
    if (std::find(directories.begin(), directories.end(), directory) == directories.end())
      directories.push_back(directory);
  }
  std::string journal;
  if (all_ && (!failure_.empty() || (temps.size() > 1 && !writeJournal(directories[0], &journal)))) {
    removeTemporaries();
    return 0;
  }
  if (failBatchSyncs || !syncAll(temps, directories)) {
    fail(std::string("the new files could not be synced to the disk: ") + strerror(errno ? errno : EIO));
    removeTemporaries();  // none of them is known to be on the disk
    if (!journal.empty()) unlink(journal.c_str());
    return 0;
  }
  const int placed = renameAll(directories);
  if (!journal.empty() && !interrupted_) unlink(journal.c_str());
  return placed;
}

// Puts each new file in place. A batch that requires all stops at its first
// failed rename and leaves the rest, with the journal, to be finished or
// undone; so does a batch the test hook stops.
int SafeBatch::renameAll(const std::vector<std::string>& directories) {
  int index = 0;
  for (QueuedFile& file : files_) {
    if (file.temp.empty()) continue;
    if (injectedStopBefore(index++)) {
      interrupted_ = true;
      for (QueuedFile& left : files_) left.temp.clear();  // a killed program removes nothing
      return static_cast<int>(std::count_if(files_.begin(), files_.end(), [](const QueuedFile& f) { return f.placed; }));
    }
    file.placed = replaceFile(file.temp.c_str(), file.target.c_str()) == 0;
    if (!file.placed && all_) {
      char shown[4096];
      fail((pathToEditor(file.target.c_str(), shown, sizeof shown) ? shown : file.target) +
           " could not be replaced: " + strerror(errno));
      interrupted_ = true;
      for (QueuedFile& left : files_) left.temp.clear();  // the journal's to settle
      break;
    }
    if (!file.placed) unlink(file.temp.c_str());
    file.temp.clear();
  }
  for (const std::string& directory : directories) syncDirectory(directory);
  return static_cast<int>(std::count_if(files_.begin(), files_.end(), [](const QueuedFile& f) { return f.placed; }));
}

void SafeBatch::removeTemporaries() {
  for (QueuedFile& file : files_) {
    if (file.temp.empty()) continue;
    unlink(file.temp.c_str());
    file.temp.clear();
  }
}
