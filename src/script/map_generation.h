// Changing one map with a script: the map's 48 x 24 tiles go into the
// top-left block of a cleared WorldBuffer, its kind, teleports and
// placements into the run's model of block (0, 0), a script of the user's
// choice runs on them, and when the run counts all of it comes back into the
// map (row 23 only for a Wilderness map, which alone has it) and its
// placement table. Nothing is saved.
#pragma once

namespace AngelScript {
class asIScriptEngine;
}
class LocalMap;
class MapDataFile;
class ObjectList;
class CreatureList;

// True when the script's result was put into map (and data, when given). A
// cancelled choice and a run that did not count leave both as they were; the
// user is told why through the engine's ScriptUser, and also when the result
// holds a tile code 10 or 13 that keeps the map from being saved. objects and
// creatures: the tables the script looks ids up in (read from the map's
// directory when null).
bool generateIntoMap(AngelScript::asIScriptEngine* engine, LocalMap& map, MapDataFile* data = nullptr,
                     const ObjectList* objects = nullptr, const CreatureList* creatures = nullptr);
