// dola-demo: writes the demo game directory and its palette.
// Usage: see kUsage.
#include <cstdio>

#include "demo_generator.h"
#include "platform/standard_options.h"

namespace {

const char kUsage[] =
    "usage: dola-demo OUTPUT_DIRECTORY\n"
    "Writes an original demo game directory for DOLA into OUTPUT_DIRECTORY:\n"
    "OUTPUT_DIRECTORY/world with 400 world maps, towns, houses and caves behind\n"
    "teleports, object and creature tables, placements and sprite files, and\n"
    "OUTPUT_DIRECTORY/palette.bmp, the palette the editor reads from its working\n"
    "directory. Files of the same names there are replaced.\n"
    "\n"
    "  --help     show this text\n"
    "  --version  show the program's version\n"
    "\n"
    "Exit status: 0 written, 1 a file could not be written, 2 a wrong command line.\n";

}  // namespace

int main(int argc, char** argv) {
  if (answerStandardOption(argc, argv, "dola-demo", kUsage)) return 0;
  if (argc != 2 || argv[1][0] == '-') {
    fputs(kUsage, stderr);
    return 2;
  }
  DemoSummary summary;
  if (!generateDemo(argv[1], &summary)) return 1;
  printf("dola-demo: %d world maps, %d other maps, %d data files, %d teleports, %d villages in %s/%s\n",
         summary.worldMaps, summary.namedMaps, summary.dataFiles, summary.teleports, summary.villages, argv[1],
         kDemoWorldDirectory);
  return 0;
}
