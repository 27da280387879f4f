// generateIntoMap: the open map through the WorldBuffer's top-left block and
// back, with the same script choice and run reports as world generation.
#include "script/map_generation.h"

#include <cstdio>
#include <cstring>

#include "data/local_map.h"
#include "data/world_buffer.h"
#include "data/map_names.h"
#include "script/chosen_script.h"
#include "script/reach_functions.h"
#include "script/run_landing.h"
#include "script/script_user.h"

bool generateIntoMap(AngelScript::asIScriptEngine* engine, LocalMap& map, MapDataFile* data,
                     const ObjectList* objects, const CreatureList* creatures) {
  WorldBuffer* world = scriptWorld(engine);
  ScriptUser* user = scriptUser(engine);
  ScriptReach* reach = scriptReach(engine);
  if (world == nullptr || user == nullptr || reach == nullptr) return false;
  memset(world->cells, 0, sizeof world->cells);
  putMapIntoWorld(map, 0, 0, *world);
  char directory[kPathBufferSize];
  directoryOf(map.path, directory, sizeof directory);
  ScriptMaps& maps = reach->maps();
  maps.beginMapRun(map, data, directory);
  if (objects != nullptr && creatures != nullptr) maps.useTables(objects, creatures);

  bool chosen = false;
  ScriptRunEnd end = ScriptRunEnd::NotBuilt;
  const bool counts = runChosenScript(engine, "The map was not changed.", &chosen, &end);
  if (counts) {
    maps.takeTiles(*world);
    landMapRun(*maps.recordAt(0, 0), map, data);
  }
  maps.end();
  if (!counts) return false;

  int x = 0, y = 0;
  if (map.findUnwritableTile(&x, &y)) {
    char text[160];
    snprintf(text, sizeof text,
             "The script put the tile code %d, which no map file can hold, into cell (%d, %d). "
             "The map cannot be saved until that cell holds another code.",
             map.getTile(x, y), x + 1, y + 1);
    user->showText(text, "~OK");
  }
  return true;
}
