// Write-to-temporary-then-rename, with the in-place fallback of a read-only
// directory. The old file is untouched until the new one is complete and synced.
#include "platform/safe_file.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/file_stream.h"
#include "platform/host_path.h"

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

// The last path separator of a host path, or nullptr.
const char* lastSeparator(const char* path) {
  const char* slash = strrchr(path, '/');
  const char* backslash = strrchr(path, '\\');
  if (!slash) return backslash;
  if (!backslash) return slash;
  return backslash > slash ? backslash : slash;
}

bool failTemporaryFiles = false;

// Copies every byte of the open file src into dst; false on any error.
bool copyBytes(int src, int dst) {
  char buf[65536];
  for (;;) {
    ssize_t n = read(src, buf, sizeof buf);
    if (n == 0) return true;
    if (n < 0) return false;
    for (ssize_t done = 0; done < n;) {
      ssize_t w = write(dst, buf + done, static_cast<size_t>(n - done));
      if (w <= 0) return false;
      done += w;
    }
  }
}

mode_t newFileMode() {
  mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

bool syncPath(const char* hostPath) {
  int fd = ::open(hostPath, O_RDWR);
  if (fd < 0) return false;
  bool ok = fsync(fd) == 0;
  close(fd);
  return ok;
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
    bool copied = src >= 0 && copyBytes(src, fd);
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
  // A file without any write permission is read-only, even to a superuser.
  if (exists && (!S_ISREG(st.st_mode) || (st.st_mode & 0222) == 0 || access(target_, W_OK) != 0))
    return nullptr;
  if (update && !exists) return nullptr;
  // Rewriting through a symbolic link replaces the file it points to, not the link.
  char linked[PATH_MAX];
  if (exists && realpath(target_, linked)) snprintf(target_, sizeof target_, "%s", linked);

  // The temporary file lives beside the target so that rename replaces it atomically.
  const char* slash = lastSeparator(target_);
  int dirLen = slash ? static_cast<int>(slash - target_) + 1 : 0;
  int made = snprintf(temp_, sizeof temp_, "%.*s.%.200s.XXXXXX", dirLen, target_,
                      slash ? slash + 1 : target_);
  int fd = -1;
  if (made < 0 || static_cast<size_t>(made) >= sizeof temp_) errno = ENAMETOOLONG;
  else if (failTemporaryFiles) errno = EACCES;
  else fd = mkstemp(temp_);
  if (fd < 0) {
    temp_[0] = 0;
    if (errno != EACCES && errno != EROFS && errno != EPERM) return nullptr;
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

bool SafeWriter::commit() {
  if (!stream_) return false;
  bool ok = fflush(stream_) == 0 && !ferror(stream_);
  ok = (fclose(stream_) == 0) && ok;
  stream_ = nullptr;
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
