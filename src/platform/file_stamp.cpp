// fileStampOf: stat of the host file the editor path names.
#include "platform/file_stamp.h"

#include <sys/stat.h>
#include <unistd.h>

#include "platform/host_path.h"

FileStamp fileStampOf(const char* editorPath, bool* writable) {
  char host[4096];
  if (editorPath == nullptr || editorPath[0] == '\0' || !pathToHost(editorPath, host, sizeof host)) {
    if (writable != nullptr) *writable = false;
    return FileStamp{false, 0, 0};
  }
  return fileStampOfHostPath(host, writable, nullptr);
}

FileStamp fileStampOfHostPath(const char* host, bool* writable, long long* statusChangedNs) {
  FileStamp stamp = {false, 0, 0};
  struct stat st;
  if (writable != nullptr) *writable = false;
  if (statusChangedNs != nullptr) *statusChangedNs = 0;
  if (stat(host, &st) != 0 || !S_ISREG(st.st_mode)) return stamp;
  stamp.exists = true;
  if (statusChangedNs != nullptr)
    *statusChangedNs = static_cast<long long>(st.st_ctim.tv_sec) * 1000000000LL + st.st_ctim.tv_nsec;
  if (writable != nullptr) *writable = (st.st_mode & 0222) != 0 && access(host, W_OK) == 0;
  stamp.size = st.st_size;
  stamp.modifiedNs = static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec;
  return stamp;
}
