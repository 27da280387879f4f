// The demo content as a whole: generateDemo writes "palette.bmp" into an
// output directory and a complete game directory "world" beside it.
#pragma once
#include <string>

struct DemoSummary {
  int worldMaps = 0;     // world map files written (400 when all went well)
  int namedMaps = 0;     // town, house, cave and cell maps
  int dataFiles = 0;     // ".DAT" files
  int teleports = 0;     // on all maps
  int villages = 0;
};

// Host paths. False, with a line on stderr, when any file could not be written.
bool generateDemo(const std::string& outputDirectory, DemoSummary* summary);

// The game directory's name inside the output directory; its ".CRS" is named after it.
constexpr const char* kDemoWorldDirectory = "world";
