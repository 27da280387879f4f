// A fresh directory for a benchmark's files. A benchmark that cannot make one
// stops with a message: it never writes into, or removes, a directory it did
// not make.
#pragma once
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

inline std::string makeBenchDirectory() {
  char pattern[] = "/tmp/dola-bench-XXXXXX";
  if (!mkdtemp(pattern)) {
    fprintf(stderr, "no directory for the benchmark files: %s\n", strerror(errno));
    exit(1);
  }
  return pattern;
}
