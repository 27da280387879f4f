// The script host: the editor's one script engine, created at start-up with
// the string type and the five script functions bound to a WorldBuffer and a
// ScriptUser, released at shutdown; and runScript, which compiles a script
// file and runs its "void main()".
#pragma once

#include <cstddef>

#include "script/script_diagnostic.h"

namespace AngelScript {
class asIScriptEngine;
}
struct WorldBuffer;
class ScriptUser;
class ScriptReach;

// Creates the engine in *engine, registers the string type and the script
// functions in their order, and seeds the random generator with the time.
// Scripts read and write world and reach the user through user; both stay
// the caller's and must outlive the engine. False when the engine could not
// be made (*engine is then null) or refused a registration.
bool startScriptHost(AngelScript::asIScriptEngine** engine, WorldBuffer* world, ScriptUser* user);

// Releases the engine with its registrations and sets *engine to null; no
// run may be active.
void stopScriptHost(AngelScript::asIScriptEngine** engine);

// The WorldBuffer and the ScriptUser the engine was started with.
WorldBuffer* scriptWorld(AngelScript::asIScriptEngine* engine);
ScriptUser* scriptUser(AngelScript::asIScriptEngine* engine);
// The maps, tables and output a run reaches beyond tiles (see reach_functions.h).
ScriptReach* scriptReach(AngelScript::asIScriptEngine* engine);

// How a run ended.
enum class ScriptRunEnd {
  Finished,   // main returned
  NoMain,     // the script built but has no "void main()": nothing ran, nothing is used
  Exception,  // a script exception stopped it (also in a global's initialiser)
  Stopped,    // the user stopped it (Escape), also while it was being built
  NotBuilt,   // the file could not be read, the script did not compile, or
              // building it crashed or took too long (in a child process)
};

// True for the ends after which the world the script made is used.
inline bool scriptRunCounts(ScriptRunEnd end) {
  return end == ScriptRunEnd::Finished;
}

// What a run that did not count tells the user, and where.
struct ScriptRunReport {
  char text[1024];    // "" for a run that counts; shown literally
  ScriptDiagnostic where;  // the compiler's first error for NotBuilt after a build
};

// How long and in how much memory a script may be built. Every script is
// first built in a child process under this budget, so that no source, however
// deeply it nests, can crash the program or keep it busy; only a script that
// built there is built for real.
constexpr int kScriptBuildMilliseconds = 5000;
constexpr size_t kScriptBuildMemoryBytes = size_t{1} << 30;

// Compiles the script file at path (an editor path) into the module
// "script", replacing the previous script, runs its "void main()" to the end
// and discards the module again, so that no script code or global outlives
// the run. Escape (the user's stop request) is looked for wherever script
// code runs: in main, in global initialisers, in destructors. When report is
// null a failure's text is shown to the user with "~OK"; otherwise it is
// written to report and nothing is shown.
//
// With repeat, the script is built once and main runs count times, each
// turn with its globals initialised anew and after repeat.before(turn); the
// first turn that does not finish ends the series (its number in endedAt).
struct ScriptRepeat {
  int count;
  void (*before)(int turn, void* data);
  void* data;
  int endedAt;  // the turn that did not finish; -1 when all did
};
ScriptRunEnd runScript(const char* path, AngelScript::asIScriptEngine* engine,
                       ScriptRunReport* report = nullptr, ScriptRepeat* repeat = nullptr);
