// The script function that lets terrain rules finish what a script drew:
//   int terrain(int x1, int y1, int x2, int y2)
// applies the rules to the rectangle with those corners (script cells, from
// 1, either order, clipped to the grid) in one pass over the grid as it is,
// and returns how many cells changed, or -1 when there are no rules (none
// set, or a faulty or missing file), so that a script can draw its own.
#pragma once

namespace AngelScript {
class asIScriptEngine;
}
class TerrainRules;
struct WorldBuffer;

class ScriptTerrain {
 public:
  explicit ScriptTerrain(WorldBuffer* world) : world_(world) {}
  void setRules(const TerrainRules* rules) { rules_ = rules; }
  int terrain(int x1, int y1, int x2, int y2);
  // Registers terrain() bound to this object; false when the engine refused it.
  bool registerWith(AngelScript::asIScriptEngine* engine);

 private:
  WorldBuffer* world_;
  const TerrainRules* rules_ = nullptr;
};

// The rules terrain() applies in the engine's scripts from now on; the
// caller keeps them alive while scripts run. Null: none.
void setScriptTerrainRules(AngelScript::asIScriptEngine* engine, const TerrainRules* rules);
