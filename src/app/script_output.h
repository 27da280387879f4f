// The "Script Output" window: the lines the last script run printed, then
// how that run ended (the build or stop message, or that it finished).
#pragma once

struct EditorState;

// Opens the window over the last run's output; Close or Escape ends it.
void showScriptOutput(EditorState& editor);
// Opens it after a run that printed something; nothing otherwise.
void showScriptOutputIfPrinted(EditorState& editor);
