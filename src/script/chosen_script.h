// The first half of every generation command: the user chooses a script and
// it runs; a run that does not count is reported with what the command then
// leaves undone.
#pragma once

#include "script/script_host.h"

// Asks the engine's ScriptUser for a script and runs it. False when none was
// chosen (*chosen false) or the run does not count: the user is then shown
// the reason and afterFailure ("Nothing was written.") through runFailed.
// *end gets how the run ended (NotBuilt when none was chosen).
// With repeat, main runs in turns (see runScript).
bool runChosenScript(AngelScript::asIScriptEngine* engine, const char* afterFailure, bool* chosen,
                     ScriptRunEnd* end, ScriptRepeat* repeat = nullptr);
