// --help and --version, answered alike by the editor and every tool.
#include "platform/standard_options.h"

#include <cstdio>
#include <cstring>

#include "dola_version.h"

const char* dolaVersion() { return DOLA_VERSION; }

bool answerStandardOption(int argc, char** argv, const char* program, const char* usage) {
  for (int i = 1; i < argc; ++i) {
    if (strcmp(argv[i], "--") == 0) return false;
    if (strcmp(argv[i], "--help") == 0 || strcmp(argv[i], "-h") == 0) {
      fputs(usage, stdout);
      return true;
    }
    if (strcmp(argv[i], "--version") == 0) {
      printf("%s (DOLA) %s\n", program, DOLA_VERSION);
      return true;
    }
  }
  return false;
}
