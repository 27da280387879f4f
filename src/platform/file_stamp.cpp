// fileStampOf: stat of the host file the editor path names.
#include "platform/file_stamp.h"

#include <sys/stat.h>

#include "platform/host_path.h"

FileStamp fileStampOf(const char* editorPath) {
  FileStamp stamp = {false, 0, 0};
  char host[4096];
  struct stat st;
  if (editorPath == nullptr || editorPath[0] == '\0' || !pathToHost(editorPath, host, sizeof host)) return stamp;
  if (stat(host, &st) != 0 || !S_ISREG(st.st_mode)) return stamp;
  stamp.exists = true;
  stamp.size = st.st_size;
  stamp.modifiedNs = static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec;
  return stamp;
}
