// Directory listing through the host's directory API, sorted the way the
// file selector shows it.
#include "platform/directory_list.h"

#include <algorithm>
#include <dirent.h>
#include <fcntl.h>
#include <string.h>
#include <strings.h>
#include <sys/stat.h>

#include "platform/host_path.h"

namespace {

bool isParent(const std::string& name) { return name.size() == 2 && name[0] == '.' && name[1] == '.'; }

}  // namespace

void sortDirectoryEntries(std::vector<DirectoryEntry>& entries) {
  std::sort(entries.begin(), entries.end(), [](const DirectoryEntry& a, const DirectoryEntry& b) {
    if (isParent(a.name)) return !isParent(b.name);
    if (isParent(b.name)) return false;
    if (a.isDirectory != b.isDirectory) return a.isDirectory;
    int c = strcasecmp(a.name.c_str(), b.name.c_str());
    return c != 0 ? c < 0 : a.name < b.name;
  });
}

bool listDirectory(const char* editorPath, std::vector<DirectoryEntry>& out) {
  out.clear();
  char host[4096];
  if (!pathToHost(editorPath && *editorPath ? editorPath : ".", host, sizeof host)) return false;
  DIR* d = opendir(host);
  if (!d) return false;
  const bool isRoot = strcmp(host, "/") == 0;
  while (dirent* e = readdir(d)) {
    std::string name = e->d_name;
    if (name == "." || (name == ".." && isRoot)) continue;
    struct stat st;
    const bool known = fstatat(dirfd(d), e->d_name, &st, 0) == 0;
    DirectoryEntry entry{name, known && S_ISDIR(st.st_mode)};
    entry.isRegular = known && S_ISREG(st.st_mode);
    entry.size = entry.isRegular ? static_cast<long long>(st.st_size) : 0;
    out.push_back(entry);
  }
  closedir(d);
  sortDirectoryEntries(out);
  return true;
}
