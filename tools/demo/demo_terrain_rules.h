// The terrain rules shipped with the demo world.
#pragma once
#include <string>

// The rules text.
const char* demoTerrainRules();

// Writes it as "terrain.rules" into the game directory (a host path).
bool writeDemoTerrainRules(const std::string& gameDirectory);
