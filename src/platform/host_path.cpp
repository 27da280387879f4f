// Editor path <-> host path mapping, with case-insensitive lookup of
// components that do not exist in the case given.
#include "platform/host_path.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <strings.h>
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
// Finds an entry of directory dir whose name equals name without regard to case.
bool findCaseless(const std::string& dir, const std::string& name, std::string& found) {
  DIR* d = opendir(dir.empty() ? "." : dir.c_str());
  if (!d) return false;
  bool ok = false;
  while (dirent* e = readdir(d)) {
    if (strcasecmp(e->d_name, name.c_str()) == 0) {
      found = e->d_name;
      ok = true;
      break;
    }
  }
  closedir(d);
  return ok;
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
