// Engine set-up and release. The message callback is installed before any
// registration, so every compiler error can be kept; the stack and the call
// depth are bounded so that endless recursion becomes a script exception;
// literals are read byte for byte, and globals are initialised by runScript
// under the watch rather than inside the build.
#include "script/script_host.h"

#include <angelscript.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <new>

#include "script/script_host_context.h"
#include "script/script_string.h"

using namespace AngelScript;

namespace {

constexpr asPWORD kHostUserData = 0x444f4c41;  // the host context's user-data slot
// Unwinding a deep stack costs the engine time in the square of its depth, so
// nested calls are bounded well before the stack's bytes run out.
constexpr asPWORD kMaxStackBytes = 1024 * 1024;
constexpr asPWORD kMaxNestedCalls = 10000;

void recordDiagnostic(const asSMessageInfo* message, void* context) {
  ScriptDiagnostic& first = static_cast<ScriptHostContext*>(context)->diagnostic;
  if (first.present || message->type != asMSGTYPE_ERROR) return;
  first.present = true;
  first.row = message->row;
  first.column = message->col;
  snprintf(first.text, sizeof first.text, "%s", message->message != nullptr ? message->message : "");
}

void freeHostContext(asIScriptEngine* engine) {
  delete static_cast<ScriptHostContext*>(engine->GetUserData(kHostUserData));
}

void configure(asIScriptEngine* engine, ScriptHostContext* context) {
  engine->SetUserData(context, kHostUserData);
  engine->SetEngineUserDataCleanupCallback(freeHostContext, kHostUserData);
  engine->SetMessageCallback(asFUNCTION(recordDiagnostic), context, asCALL_CDECL);
  engine->SetEngineProperty(asEP_MAX_STACK_SIZE, kMaxStackBytes);
  engine->SetEngineProperty(asEP_MAX_CALL_STACK_SIZE, kMaxNestedCalls);
  engine->SetEngineProperty(asEP_SCRIPT_SCANNER, 0);  // bytes, not UTF-8: a string holds the file's bytes
  engine->SetEngineProperty(asEP_INIT_GLOBAL_VARS_AFTER_BUILD, false);
  context->watch.watchEngine(engine);
}

}  // namespace

ScriptHostContext* scriptHostContext(asIScriptEngine* engine) {
  return engine != nullptr ? static_cast<ScriptHostContext*>(engine->GetUserData(kHostUserData)) : nullptr;
}

WorldBuffer* scriptWorld(asIScriptEngine* engine) {
  ScriptHostContext* context = scriptHostContext(engine);
  return context != nullptr ? context->world : nullptr;
}

ScriptReach* scriptReach(asIScriptEngine* engine) {
  ScriptHostContext* context = scriptHostContext(engine);
  return context != nullptr ? &context->reach : nullptr;
}

ScriptUser* scriptUser(asIScriptEngine* engine) {
  ScriptHostContext* context = scriptHostContext(engine);
  return context != nullptr ? context->user : nullptr;
}

bool startScriptHost(asIScriptEngine** engineOut, WorldBuffer* world, ScriptUser* user) {
  asIScriptEngine* engine = asCreateScriptEngine(ANGELSCRIPT_VERSION);
  *engineOut = engine;
  srand(static_cast<unsigned>(time(nullptr)));
  if (engine == nullptr) return false;
  ScriptHostContext* context = new (std::nothrow) ScriptHostContext(world, user);
  if (context == nullptr) {
    stopScriptHost(engineOut);
    return false;
  }
  configure(engine, context);
  bool stringRegistered = registerScriptString(engine);
  bool functionsRegistered = context->functions.registerWith(engine);
  bool terrainRegistered = context->terrain.registerWith(engine);
  bool reachRegistered = context->reach.registerWith(engine);
  return stringRegistered && functionsRegistered && terrainRegistered && reachRegistered;
}

void stopScriptHost(asIScriptEngine** engine) {
  if (*engine == nullptr) return;
  (*engine)->ShutDownAndRelease();
  *engine = nullptr;
}
