// dola-demo: writes the demo game directory and its palette.
// Usage: dola-demo OUTPUT_DIRECTORY
#include <cstdio>

#include "demo_generator.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    fprintf(stderr, "usage: dola-demo OUTPUT_DIRECTORY\n");
    return 2;
  }
  DemoSummary summary;
  if (!generateDemo(argv[1], &summary)) return 1;
  printf("dola-demo: %d world maps, %d other maps, %d data files, %d teleports, %d villages in %s/%s\n",
         summary.worldMaps, summary.namedMaps, summary.dataFiles, summary.teleports, summary.villages, argv[1],
         kDemoWorldDirectory);
  return 0;
}
