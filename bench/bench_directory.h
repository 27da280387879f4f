// A fresh directory for a benchmark's files. A benchmark that cannot make one
// stops with a message: it never writes into, or removes, a directory it did
// not make. The directory is named after the process ("/tmp/dola-bench-<pid>-
// XXXXXX") and removed when the program ends, also when SIGINT, SIGTERM or
// SIGHUP ends it; one left by a benchmark killed outright (SIGKILL) is
// removed by the next benchmark that makes a directory, once its process is
// gone.
#pragma once
#include <dirent.h>
#include <ftw.h>
#include <signal.h>
#include <sys/types.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace bench_files {

constexpr const char* kParent = "/tmp";
constexpr const char* kPrefix = "dola-bench-";
constexpr int kMostDirectories = 16;

inline char made[kMostDirectories][64];  // directories this process made, "" when removed
inline int madeCount = 0;

inline int removeEntry(const char* path, const struct stat*, int, struct FTW*) { return remove(path); }

inline void removeTree(const char* path) { nftw(path, removeEntry, 16, FTW_DEPTH | FTW_PHYS); }

inline void removeMade() {
  for (int i = 0; i < madeCount; i++) {
    if (made[i][0] != '\0') removeTree(made[i]);
    made[i][0] = '\0';
  }
}

inline void endBySignal(int signal) {
  removeMade();
  ::signal(signal, SIG_DFL);
  raise(signal);
}

// Directories of benchmarks whose process no longer runs.
inline void removeLeftBehind() {
  DIR* d = opendir(kParent);
  if (d == nullptr) return;
  const size_t prefix = strlen(kPrefix);
  while (dirent* e = readdir(d)) {
    if (strncmp(e->d_name, kPrefix, prefix) != 0) continue;
    char* end = nullptr;
    const long pid = strtol(e->d_name + prefix, &end, 10);
    if (pid <= 0 || end == nullptr || *end != '-') continue;
    if (kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH) continue;
    removeTree((std::string(kParent) + "/" + e->d_name).c_str());
  }
  closedir(d);
}

}  // namespace bench_files

inline std::string makeBenchDirectory() {
  using namespace bench_files;
  if (madeCount == 0) {
    removeLeftBehind();
    atexit(removeMade);
    for (int s : {SIGINT, SIGTERM, SIGHUP}) signal(s, endBySignal);
  }
  char pattern[64];
  snprintf(pattern, sizeof pattern, "%s/%s%ld-XXXXXX", kParent, kPrefix, static_cast<long>(getpid()));
  if (madeCount >= kMostDirectories || !mkdtemp(pattern)) {
    fprintf(stderr, "no directory for the benchmark files: %s\n", strerror(errno));
    exit(1);
  }
  snprintf(made[madeCount++], sizeof made[0], "%s", pattern);
  return pattern;
}
