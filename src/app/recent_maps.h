// The maps opened last, newest first, kept in dola.ini under "[recent]" as
// "map1" .. "map8" (editor paths), so that a new start can offer the map
// that was open when the editor last quit; File > Recent Maps opens them.
#pragma once
#include <cstddef>

class SettingsFile;
struct EditorState;

constexpr int kRecentMapCount = 8;

// The recent maps in order, up to the first missing or empty key.
int recentMapCount(const SettingsFile& settings);
const char* recentMap(const SettingsFile& settings, int index);  // null past the count

// Puts path first, dropping an older entry of the same path and the ninth.
void rememberRecentMap(SettingsFile& settings, const char* path);

// After an open: an opened map goes first in the list, and the start line
// names it.
void noteOpenedMap(EditorState& editor);

// The one line the map canvas shows while no map is open: how to begin, and
// which key reopens the map opened last.
void startHintOf(const SettingsFile& settings, char* text, size_t size);
