// Stopping a runaway script with Escape: a watchdog thread pauses the running
// context every few milliseconds and the GUI thread, seeing the typed keys,
// ends the run or resumes it; the script's own code pays nothing for it.
#pragma once

namespace AngelScript {
class asIScriptContext;
}

// True when Escape was typed since the last look. Reads Allegro's key buffer
// on the calling (GUI) thread and puts every other key back in its order.
bool scriptEscapePressed();

// Executes a prepared context to its end. Escape aborts the run; otherwise
// the result is that of the context's Execute (finished, exception, ...).
int executeWithEscape(AngelScript::asIScriptContext* context);
