// generateIntoMap: the open map through the WorldBuffer's top-left block and
// back, with the same script choice and run reports as world generation.
#include "script/map_generation.h"

#include <cstdio>
#include <cstring>

#include "data/local_map.h"
#include "data/world_buffer.h"
#include "script/chosen_script.h"
#include "script/script_user.h"

bool generateIntoMap(AngelScript::asIScriptEngine* engine, LocalMap& map) {
  WorldBuffer* world = scriptWorld(engine);
  ScriptUser* user = scriptUser(engine);
  if (world == nullptr || user == nullptr) return false;
  memset(world->cells, 0, sizeof world->cells);
  putMapIntoWorld(map, 0, 0, *world);

  bool chosen = false;
  ScriptRunEnd end = ScriptRunEnd::NotBuilt;
  if (!runChosenScript(engine, "The map was not changed.", &chosen, &end)) return false;
  takeMapFromWorld(*world, 0, 0, map);

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
