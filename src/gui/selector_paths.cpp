// Path and mask helpers of the file selector: wildcard masks matched without
// regard to case, and typed names resolved to normalised editor paths.
#include "gui/selector_paths.h"

#include <cctype>
#include <cstdio>
#include <cstring>
#include <strings.h>

#include <string>
#include <vector>

#include "platform/directory_list.h"
#include "platform/host_path.h"

namespace gui {

static bool wildcard(const char* mask, const char* name) {
  if (*mask == '\0') return *name == '\0';
  if (*mask == '*') {
    for (const char* p = name;; ++p) {
      if (wildcard(mask + 1, p)) return true;
      if (*p == '\0') return false;
    }
  }
  if (*name == '\0') return false;
  if (*mask != '?' && tolower(static_cast<unsigned char>(*mask)) != tolower(static_cast<unsigned char>(*name)))
    return false;
  return wildcard(mask + 1, name + 1);
}

bool matchesMask(const char* masks, const char* name) {
  if (!masks || !masks[0]) return true;
  char one[256];
  const char* p = masks;
  while (*p) {
    size_t n = strcspn(p, ";, ");
    if (n > 0 && n < sizeof one) {
      memcpy(one, p, n);
      one[n] = '\0';
      if (strcmp(one, "*.*") == 0 || wildcard(one, name)) return true;
    }
    p += n;
    if (*p) ++p;
  }
  return false;
}

// Rewrites "C:\a\.\b\..\c\" as "C:\a\c"; the root stays "C:\".
static void normalise(char* path) {
  char* parts[256];
  int count = 0;
  char* rest = path;
  char drive[3] = "";
  if (isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':') {
    snprintf(drive, sizeof drive, "%c:", toupper(static_cast<unsigned char>(path[0])));
    rest = path + 2;
  }
  for (char* token = strtok(rest, "\\"); token; token = strtok(nullptr, "\\")) {
    if (strcmp(token, ".") == 0) continue;
    if (strcmp(token, "..") == 0) {
      if (count > 0) --count;
      continue;
    }
    if (count < 256) parts[count++] = token;
  }
  char out[1024];
  int n = snprintf(out, sizeof out, "%s", drive);
  for (int i = 0; i < count && n < static_cast<int>(sizeof out); ++i)
    n += snprintf(out + n, sizeof out - n, "\\%s", parts[i]);
  if (count == 0) snprintf(out + n, sizeof out - n, "\\");
  snprintf(path, 1024, "%s", out);
}

bool resolveTyped(const char* dir, const char* typed, char* out, size_t outSize) {
  char joined[1024];
  int n;
  if (typed[0] == '/') {
    if (!pathToEditor(typed, joined, sizeof joined)) return false;
    n = static_cast<int>(strlen(joined));
  } else if (isalpha(static_cast<unsigned char>(typed[0])) && typed[1] == ':') {
    n = snprintf(joined, sizeof joined, "%s", typed);
  } else if (typed[0] == '\\') {
    n = snprintf(joined, sizeof joined, "%.2s%s", dir, typed);
  } else {
    n = snprintf(joined, sizeof joined, "%s\\%s", dir, typed);
    for (char* p = joined; *p; ++p)
      if (*p == '/') *p = '\\';  // "sub/x.map" typed the host's way
  }
  if (n < 0 || n >= static_cast<int>(sizeof joined)) return false;
  normalise(joined);
  return snprintf(out, outSize, "%s", joined) < static_cast<int>(outSize);
}

void splitLast(const char* path, char* dir, size_t dirSize, char* name, size_t nameSize) {
  const char* slash = strrchr(path, '\\');
  if (!slash) {
    snprintf(dir, dirSize, "%s", "");
    snprintf(name, nameSize, "%s", path);
    return;
  }
  int length = static_cast<int>(slash - path);
  if (length == 2 && path[1] == ':') ++length;  // keep the root's backslash: "C:\"
  snprintf(dir, dirSize, "%.*s", length, path);
  snprintf(name, nameSize, "%s", slash + 1);
}

void spellAsOnDisk(char* path, size_t size) {
  if (strlen(path) < 3 || path[2] != '\\') return;
  char out[1024];
  snprintf(out, sizeof out, "%.3s", path);
  for (const char* p = path + 3; *p;) {
    size_t n = strcspn(p, "\\");
    std::string part(p, n);
    std::vector<DirectoryEntry> entries;
    if (listDirectory(out, entries)) {
      const DirectoryEntry* same = nullptr;
      for (const DirectoryEntry& e : entries) {
        if (e.name == part) {
          same = &e;
          break;
        }
        if (!same && strcasecmp(e.name.c_str(), part.c_str()) == 0) same = &e;
      }
      if (same) part = same->name;
    }
    size_t used = strlen(out);
    snprintf(out + used, sizeof out - used, "%s%s", out[used - 1] == '\\' ? "" : "\\", part.c_str());
    p += n;
    if (*p) ++p;
  }
  snprintf(path, size, "%s", out);
}

}  // namespace gui
