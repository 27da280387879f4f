// terrain() over the script's world grid, through the data layer's pass.
#include "script/script_terrain.h"

#include <angelscript.h>

#include <algorithm>

#include "data/terrain_world.h"
#include "script/script_host_context.h"

using namespace AngelScript;

int ScriptTerrain::terrain(int x1, int y1, int x2, int y2) {
  if (rules_ == nullptr || rules_->empty()) return -1;
  // Held inside the grid before any arithmetic: corners may be any int.
  const int left = std::clamp(std::min(x1, x2), 1, kWorldColumns + 1) - 1;
  const int top = std::clamp(std::min(y1, y2), 1, kWorldRows + 1) - 1;
  const int right = std::clamp(std::max(x1, x2), 0, kWorldColumns);
  const int bottom = std::clamp(std::max(y1, y2), 0, kWorldRows);
  return applyTerrainToWorldBuffer(*rules_, *world_, left, top, right - left, bottom - top);
}

namespace {

void terrainGeneric(asIScriptGeneric* gen) {
  ScriptTerrain& self = *static_cast<ScriptTerrain*>(gen->GetAuxiliary());
  const int result = self.terrain(static_cast<int>(gen->GetArgDWord(0)), static_cast<int>(gen->GetArgDWord(1)),
                                  static_cast<int>(gen->GetArgDWord(2)), static_cast<int>(gen->GetArgDWord(3)));
  gen->SetReturnDWord(static_cast<asDWORD>(result));
}

}  // namespace

bool ScriptTerrain::registerWith(asIScriptEngine* engine) {
  return engine->RegisterGlobalFunction("int terrain(int x1, int y1, int x2, int y2)", asFUNCTION(terrainGeneric),
                                        asCALL_GENERIC, this) >= 0;
}

void setScriptTerrainRules(asIScriptEngine* engine, const TerrainRules* rules) {
  ScriptHostContext* context = scriptHostContext(engine);
  if (context != nullptr) context->terrain.setRules(rules);
}
