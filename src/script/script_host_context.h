// What the host keeps beside its engine: the functions bound to the world
// and the user, the watch over running code and the compiler's first error.
// It hangs on the engine as user data and is freed with the engine.
#pragma once

#include "script/script_diagnostic.h"
#include "script/reach_functions.h"
#include "script/script_functions.h"
#include "script/script_terrain.h"
#include "script/script_watch.h"

namespace AngelScript {
class asIScriptEngine;
}

struct ScriptHostContext {
  ScriptHostContext(WorldBuffer* w, ScriptUser* u)
      : world(w), user(u), functions(w, u), terrain(w), reach(w, u), watch(u) {}

  WorldBuffer* world;
  ScriptUser* user;
  ScriptFunctions functions;
  ScriptTerrain terrain;  // terrain(), after the five functions
  ScriptReach reach;      // the functions beyond tiles, after terrain()
  ScriptWatch watch;
  ScriptDiagnostic diagnostic{};  // written by the message callback during a build
};

// The context of an engine made by startScriptHost, or null.
ScriptHostContext* scriptHostContext(AngelScript::asIScriptEngine* engine);
