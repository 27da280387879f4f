// The script host: the editor's one script engine, created at start-up with
// the string type and the five script functions, released at shutdown, and
// runScript, which compiles a script file and runs its "void main()".
#pragma once

struct EditorState;

// Creates the engine in editor->scriptEngine, registers the string type and
// the script functions in their order, and seeds the random generator with
// the time. False when the engine could not be made or refused a registration.
bool startScriptHost(EditorState* editor);

// Releases the engine with its module and registrations; no run may be active.
void stopScriptHost(EditorState* editor);

// Compiles the script file at path (an editor path) into the module "script",
// replacing the previous script, and runs its "void main()" to the end. False
// after a requester reported that the script could not be read or built; true
// once the run has been started, also when it ended with a script exception
// or by Escape (both reported in a requester) or there was no main.
bool runScript(const char* path, EditorState* editor);
