// The game directory the user chose once: the setting "ZANDirectory" of
// dola.ini. Every reader and writer of it asks here; the key is spelt nowhere else.
#pragma once

struct EditorState;

// The game directory, "" when unset.
const char* zanDirectory(const EditorState& editor);
// True when the settings hold the key, even with an empty value.
bool hasZanDirectorySetting(const EditorState& editor);
// Sets the game directory, adding the key when it is missing.
void setZanDirectory(EditorState& editor, const char* path);
