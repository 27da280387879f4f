// Engine set-up and release. The message callback is installed before any
// registration, so every compiler error can be kept; the stack and the call
// depth are bounded so that endless recursion becomes a script exception.
#include "script/script_host.h"

#include <angelscript.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "app/editor_state.h"
#include "script/script_diagnostic.h"
#include "script/script_functions.h"
#include "script/script_string.h"

using namespace AngelScript;

namespace {
// Unwinding a deep stack costs the engine time in the square of its depth, so
// nested calls are bounded well before the stack's bytes run out.
constexpr asPWORD kMaxStackBytes = 1024 * 1024;
constexpr asPWORD kMaxNestedCalls = 10000;
}  // namespace

ScriptDiagnostic& compilerDiagnostic() {
  static ScriptDiagnostic diagnostic;
  return diagnostic;
}

void recordScriptDiagnostic(const asSMessageInfo* message, void* diagnostic) {
  ScriptDiagnostic* first = static_cast<ScriptDiagnostic*>(diagnostic);
  if (first->present || message->type != asMSGTYPE_ERROR) return;
  first->present = true;
  first->row = message->row;
  first->column = message->col;
  snprintf(first->text, sizeof first->text, "%s", message->message != nullptr ? message->message : "");
}

bool startScriptHost(EditorState* editor) {
  asIScriptEngine* engine = asCreateScriptEngine(ANGELSCRIPT_VERSION);
  editor->scriptEngine = engine;
  srand(static_cast<unsigned>(time(nullptr)));
  if (engine == nullptr) return false;
  engine->SetMessageCallback(asFUNCTION(recordScriptDiagnostic), &compilerDiagnostic(), asCALL_CDECL);
  engine->SetEngineProperty(asEP_MAX_STACK_SIZE, kMaxStackBytes);
  engine->SetEngineProperty(asEP_MAX_CALL_STACK_SIZE, kMaxNestedCalls);
  bool stringRegistered = registerScriptString(engine);
  bool functionsRegistered = registerScriptFunctions(engine);
  return stringRegistered && functionsRegistered;
}

void stopScriptHost(EditorState* editor) {
  if (editor->scriptEngine == nullptr) return;
  editor->scriptEngine->ShutDownAndRelease();
  editor->scriptEngine = nullptr;
}
