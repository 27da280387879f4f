// Tools > Check World and its findings window: the world checker (the same
// rules as dola-check) run on the open map's directory, or on "ZANDirectory"
// when no map is open, and its findings in a window from which a finding's
// map is opened with its cell outlined.
#pragma once

struct EditorState;

void showWorldFindings(EditorState& editor);
void checkWorldCommand(void* editor);
