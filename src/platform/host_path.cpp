// Editor path <-> host path mapping, with case-insensitive lookup of
// components that do not exist in the case given.
#include "platform/host_path.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <mutex>
#include <string>
#include <strings.h>
#include <unordered_map>
#include <vector>
#include <sys/stat.h>
#include <unistd.h>
#ifndef _WIN32
#include <dirent.h>
#endif

namespace {

bool exists(const std::string& hostPath) {
  struct stat st;
  return stat(hostPath.c_str(), &st) == 0;
}

#ifndef _WIN32
// ---- Listings for the lookup without regard to case ----
// A directory's entries are looked up in one listing of it, kept while the
// directory is unchanged: every change of its entries sets its modification
// and change times. A listing is kept only when both times were older than
// the listing by more than the coarsest clock a file system keeps (2 s), so
// that no later change can leave the same times behind; a directory changed
// just before is listed anew at each lookup.

constexpr long kCoarsestStampSeconds = 2;
constexpr size_t kMostListings = 64;

struct Listing {
  dev_t device;
  ino_t inode;
  timespec modified, changed;
  std::unordered_map<std::string, std::string> byUpperName;  // the first entry of each name
};

std::mutex listingsMutex;
std::unordered_map<std::string, Listing> listings;  // by host directory path
long clockShiftSeconds = 0;                          // test hook

std::string upperName(const char* name) {
  std::string out = name;
  for (char& c : out) c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
  return out;
}

bool sameStamps(const Listing& l, const struct stat& st) {
  return l.device == st.st_dev && l.inode == st.st_ino && l.modified.tv_sec == st.st_mtim.tv_sec &&
         l.modified.tv_nsec == st.st_mtim.tv_nsec && l.changed.tv_sec == st.st_ctim.tv_sec &&
         l.changed.tv_nsec == st.st_ctim.tv_nsec;
}

bool listDirectoryNames(const std::string& dir, const struct stat& before, Listing& out) {
  DIR* d = opendir(dir.empty() ? "." : dir.c_str());
  if (!d) return false;
  out = Listing{before.st_dev, before.st_ino, before.st_mtim, before.st_ctim, {}};
  while (dirent* e = readdir(d)) out.byUpperName.emplace(upperName(e->d_name), e->d_name);
  closedir(d);
  return true;
}

// Finds an entry of directory dir whose name equals name without regard to case.
bool findCaseless(const std::string& dir, const std::string& name, std::string& found) {
  const std::string key = dir.empty() ? "." : dir;
  struct stat st;
  if (stat(key.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return false;
  std::lock_guard<std::mutex> lock(listingsMutex);
  auto kept = listings.find(key);
  if (kept == listings.end() || !sameStamps(kept->second, st)) {
    if (kept != listings.end()) listings.erase(kept);
    timespec now;
    clock_gettime(CLOCK_REALTIME, &now);
    Listing fresh;
    if (!listDirectoryNames(key, st, fresh)) return false;
    struct stat after;
    const long newest = std::max(st.st_mtim.tv_sec, st.st_ctim.tv_sec);
    const bool settled = stat(key.c_str(), &after) == 0 && sameStamps(fresh, after) &&
                         newest + kCoarsestStampSeconds < now.tv_sec + clockShiftSeconds;
    if (!settled) {
      const auto entry = fresh.byUpperName.find(upperName(name.c_str()));
      if (entry == fresh.byUpperName.end()) return false;
      found = entry->second;
      return true;
    }
    if (listings.size() >= kMostListings) listings.clear();
    kept = listings.emplace(key, std::move(fresh)).first;
  }
  const auto entry = kept->second.byUpperName.find(upperName(name.c_str()));
  if (entry == kept->second.byUpperName.end()) return false;
  found = entry->second;
  return true;
}

// Rebuilds a host path one component at a time, taking for each missing
// component an existing entry whose name differs only in case.
std::string resolveCaseless(const std::string& path) {
  std::string result;
  size_t pos = 0;
  if (!path.empty() && path[0] == '/') {
    result = "/";
    pos = 1;
  }
  bool lost = false;  // once a component exists in no case, the rest is kept as given
  while (pos <= path.size()) {
    size_t slash = path.find('/', pos);
    if (slash == std::string::npos) slash = path.size();
    std::string part = path.substr(pos, slash - pos);
    if (!part.empty()) {
      std::string dir = result;
      std::string candidate = result + part;
      if (!lost && !exists(candidate) && part != "." && part != "..") {
        std::string found;
        if (findCaseless(dir, part, found)) candidate = result + found;
        else lost = true;
      }
      result = candidate;
      if (slash < path.size()) result += '/';
    } else if (slash < path.size() && !result.empty() && result.back() != '/') {
      result += '/';
    }
    pos = slash + 1;
  }
  return result;
}
#endif

bool copyOut(const std::string& s, char* out, size_t outSize) {
  if (!out || outSize == 0) return false;
  int n = snprintf(out, outSize, "%s", s.c_str());
  return n >= 0 && static_cast<size_t>(n) < outSize;
}

}  // namespace

#ifndef _WIN32
namespace {

// Resolves "." and ".." by the text alone, as the desktop does: a ".." takes
// away the component before it, and at the root it stays at the root. Only a
// relative path keeps the ".." it cannot resolve (the working directory
// resolves it, as there). Repeated separators count as one.
std::string resolveDots(const std::string& p) {
  // Most paths hold no "." component and no repeated separator: kept as they are.
  bool plain = p.empty() || p[0] != '.';
  for (size_t i = 1; plain && i < p.size(); i++) plain = !(p[i - 1] == '/' && (p[i] == '.' || p[i] == '/'));
  if (plain) return p;
  const bool absolute = !p.empty() && p[0] == '/';
  std::vector<std::string> parts;
  size_t pos = 0;
  while (pos <= p.size()) {
    size_t slash = p.find('/', pos);
    if (slash == std::string::npos) slash = p.size();
    const std::string part = p.substr(pos, slash - pos);
    pos = slash + 1;
    if (part.empty() || part == ".") continue;
    if (part != "..") parts.push_back(part);
    else if (!parts.empty() && parts.back() != "..") parts.pop_back();
    else if (!absolute) parts.push_back(part);
  }
  std::string out = absolute ? "/" : "";
  for (size_t i = 0; i < parts.size(); i++) out += (i ? "/" : "") + parts[i];
  if (out.empty()) return p.empty() ? "" : ".";
  if (out.back() != '/' && p.back() == '/') out += '/';
  return out;
}

// "\" to "/", a drive letter to the host's root ("C:" and "C:/x" start at
// "/"), then "." and ".." resolved.
std::string hostForm(const char* editorPath) {
  std::string p = editorPath ? editorPath : "";
  for (char& c : p)
    if (c == '\\') c = '/';
  if (p.size() >= 2 && p[1] == ':' && ((p[0] >= 'A' && p[0] <= 'Z') || (p[0] >= 'a' && p[0] <= 'z'))) {
    p = p.substr(2);
    if (p.empty() || p[0] != '/') p = "/" + p;
  }
  return resolveDots(p);
}

}  // namespace
#endif

bool mapHostPathAsGiven(const char* editorPath, char* out, size_t outSize) {
#ifdef _WIN32
  return copyOut(editorPath ? editorPath : "", out, outSize);
#else
  return copyOut(hostForm(editorPath), out, outSize);
#endif
}

bool pathToHost(const char* editorPath, char* out, size_t outSize) {
#ifdef _WIN32
  return copyOut(editorPath ? editorPath : "", out, outSize);
#else
  std::string p = hostForm(editorPath);
  if (!p.empty() && !exists(p)) p = resolveCaseless(p);
  return copyOut(p, out, outSize);
#endif
}

bool pathToEditor(const char* hostPath, char* out, size_t outSize) {
  if (!hostPath) hostPath = "";
#ifdef _WIN32
  return copyOut(hostPath, out, outSize);
#else
  std::string p = hostPath;
  for (char& c : p)
    if (c == '/') c = '\\';
  if (!p.empty() && p[0] == '\\') p = "C:" + p;
  return copyOut(p, out, outSize);
#endif
}

bool isDirectoryPath(const char* editorPath) {
  char host[4096];
  if (!pathToHost(editorPath, host, sizeof host)) return false;
  struct stat st;
  return stat(host, &st) == 0 && S_ISDIR(st.st_mode);
}

bool absoluteHostPath(const char* hostPath, char* out, size_t outSize) {
  char* resolved = realpath(hostPath, nullptr);
  if (resolved == nullptr) return false;
  const bool fits = strlen(resolved) < outSize;
  if (fits) snprintf(out, outSize, "%s", resolved);
  free(resolved);
  return fits;
}

bool isWritableDirectory(const char* editorPath) {
  char host[4096];
  return isDirectoryPath(editorPath) && pathToHost(editorPath, host, sizeof host) && access(host, W_OK | X_OK) == 0;
}

bool isFilePath(const char* editorPath) {
  char host[4096];
  if (!pathToHost(editorPath, host, sizeof host)) return false;
  struct stat st;
  return stat(host, &st) == 0 && S_ISREG(st.st_mode);
}

void shiftCaselessListingClockForTests(long seconds) {
#ifndef _WIN32
  std::lock_guard<std::mutex> lock(listingsMutex);
  clockShiftSeconds = seconds;
#else
  (void)seconds;
#endif
}
