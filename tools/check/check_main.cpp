// dola-check: checks a game directory for what would break the editor or the
// game, and reports every finding. It never writes.
// Usage: dola-check [--json] DIR; exit 0 no errors, 1 errors, 2 DIR unreadable.
#include <cstdio>
#include <cstring>

#include "check_directory.h"
#include "check_report.h"
#include "platform/standard_options.h"

namespace {

const char kUsage[] =
    "usage: dola-check [--json] DIR\n"
    "Checks the game directory DIR as the editor reads it and prints one line per\n"
    "finding (\"FILE: error: ...\" or \"FILE: warning: ...\") and a summary line.\n"
    "\n"
    "Errors: a MAP file whose first line names no kind; row lines that are short\n"
    "or missing; tile codes 10 or 13; a teleport to a map not in DIR or at a cell\n"
    "outside 1..48 x 1..24; a .DAT placement in use outside the map or whose id\n"
    "names no record; ZAN.SPR or ZAN2.SPR missing or short; CONSTANT.OBJ,\n"
    "CONSTANT.CRE or <directory name>.CRS missing; a world write that stopped\n"
    "between its renames (its journal .dola-write-journal is left).\n"
    "Warnings: line ends other than CR LF (a bare LF or a bare CR); a .DAT shorter\n"
    "than 2200 bytes; world maps missing from the 20 x 20 grid; maps that nothing\n"
    "leads to; maps that teleports lead into but none out of; two teleports on one\n"
    "cell; map files whose names differ only in letter case; records whose sprite\n"
    "number selects a blank slot; what a save would not write back as it was read\n"
    "(kind words in teleport names, names over 255 characters, teleport pieces that\n"
    "are no teleports, numbers beyond the int range, lines after the last row);\n"
    "entries that are no regular file (never read); files whose name holds a\n"
    "backslash (never read); new files of saves never put in place (.NAME.dola-*).\n"
    "Files over 16 MiB are not read.\n"
    "\n"
    "  --json     write the findings as one JSON document instead\n"
    "  --help     show this text\n"
    "  --version  show the program's version\n"
    "\n"
    "Exit status: 0 no errors, 1 errors found, 2 DIR cannot be read.\n";

}  // namespace

int main(int argc, char** argv) {
  if (answerStandardOption(argc, argv, "dola-check", kUsage)) return 0;
  bool json = false;
  const char* directory = nullptr;
  for (int i = 1; i < argc; i++) {
    if (strcmp(argv[i], "--json") == 0) {
      json = true;
    } else if (argv[i][0] == '-' || directory) {
      fputs(kUsage, stderr);
      return 2;
    } else {
      directory = argv[i];
    }
  }
  if (!directory) {
    fputs(kUsage, stderr);
    return 2;
  }
  Findings findings;
  CheckSummary summary;
  if (!checkGameDirectory(directory, findings, summary)) {
    fprintf(stderr, "dola-check: %s: cannot read the directory\n", directory);
    return 2;
  }
  if (json) {
    writeJsonReport(stdout, directory, findings, summary);
  } else {
    writeTextReport(stdout, directory, findings, summary);
  }
  return findings.errors() > 0 ? 1 : 0;
}
