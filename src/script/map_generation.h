// Changing one map with a script: the map's 48 x 24 tiles go into the
// top-left block of a cleared WorldBuffer, a script of the user's choice runs
// on it, and when the run counts the block comes back into the map (row 23
// only for a Wilderness map, which alone has it). Nothing is saved.
#pragma once

namespace AngelScript {
class asIScriptEngine;
}
class LocalMap;

// True when the script's result was put into map. A cancelled choice and a
// run that did not count leave map as it was; the user is told why through
// the engine's ScriptUser, and also when the result holds a tile code 10 or
// 13 that keeps the map from being saved.
bool generateIntoMap(AngelScript::asIScriptEngine* engine, LocalMap& map);
