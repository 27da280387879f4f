// Reading the files of one directory relative to its open descriptor.
#include "platform/open_directory.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/file_stream.h"
#include "platform/host_path.h"

namespace {

// The entry's kind from the listing; links and unknown kinds are looked up
// (following a link, as listDirectory does).
DirectoryEntry entryOf(DIR* d, const dirent* e) {
  DirectoryEntry entry{e->d_name, e->d_type == DT_DIR};
  entry.isRegular = e->d_type == DT_REG;
  if (e->d_type == DT_LNK || e->d_type == DT_UNKNOWN) {
    struct stat st;
    const bool known = fstatat(dirfd(d), e->d_name, &st, 0) == 0;
    entry.isDirectory = known && S_ISDIR(st.st_mode);
    entry.isRegular = known && S_ISREG(st.st_mode);
  }
  return entry;
}

}  // namespace

bool OpenDirectory::open(const char* editorPath, std::vector<DirectoryEntry>& entries) {
  close();
  entries.clear();
  char host[4096];
  if (!pathToHost(editorPath && *editorPath ? editorPath : ".", host, sizeof host)) return false;
  dir_ = opendir(host);
  if (!dir_) return false;
  const bool isRoot = strcmp(host, "/") == 0;
  while (dirent* e = readdir(dir_)) {
    if (strcmp(e->d_name, ".") == 0 || (isRoot && strcmp(e->d_name, "..") == 0)) continue;
    entries.push_back(entryOf(dir_, e));
  }
  sortDirectoryEntries(entries);
  return true;
}

void OpenDirectory::close() {
  if (dir_) closedir(dir_);
  dir_ = nullptr;
}

int OpenDirectory::openFile(const char* name, FileRead* why) const {
  *why = FileRead::Missing;
  if (!dir_ || !name || !*name || strchr(name, '/')) return -1;
  // O_NONBLOCK: a named pipe is refused after fstat instead of holding the open.
  const int fd = openat(dirfd(dir_), name, O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0 && errno != ENOENT && errno != ENOTDIR) *why = FileRead::Unreadable;
  return fd;
}

FileRead OpenDirectory::read(const char* name, std::string& bytes, long limit, long* size) const {
  bytes.clear();
  *size = -1;
  FileRead why;
  const int fd = openFile(name, &why);
  if (fd < 0) return why;
  const bool ok = readOpenFile(fd, bytes, limit, size);
  ::close(fd);
  if (ok) return FileRead::Read;
  bytes.clear();
  if (*size < 0) return FileRead::Missing;
  return *size > limit ? FileRead::TooLarge : FileRead::Unreadable;
}

FileRead OpenDirectory::measure(const char* name, long* size) const {
  *size = -1;
  FileRead why;
  const int fd = openFile(name, &why);
  if (fd < 0) return why;
  struct stat st;
  const bool regular = fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
  ::close(fd);
  if (!regular) return FileRead::Missing;
  *size = static_cast<long>(st.st_size);
  return FileRead::Read;
}
