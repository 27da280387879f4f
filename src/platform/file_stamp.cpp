// fileStampOf: stat of the host file the editor path names.
#include "platform/file_stamp.h"

#include <sys/stat.h>
#include <unistd.h>

#include "platform/host_path.h"

FileStamp fileStampOf(const char* editorPath, bool* writable) {
  FileStamp stamp = {false, 0, 0};
  char host[4096];
  struct stat st;
  if (writable != nullptr) *writable = false;
  if (editorPath == nullptr || editorPath[0] == '\0' || !pathToHost(editorPath, host, sizeof host)) return stamp;
  if (stat(host, &st) != 0 || !S_ISREG(st.st_mode)) return stamp;
  stamp.exists = true;
  if (writable != nullptr) *writable = (st.st_mode & 0222) != 0 && access(host, W_OK) == 0;
  stamp.size = st.st_size;
  stamp.modifiedNs = static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec;
  return stamp;
}
