// The recent maps of dola.ini and the start line that offers the first of
// them (their File menu items are in recent_maps_menu.cpp).
#include "app/recent_maps.h"

#include <cstdio>
#include <cstring>

#include "app/editor_state.h"
#include "platform/editor_path.h"

namespace {

constexpr const char kSection[] = "recent";

void keyOf(int index, char* out, size_t size) { snprintf(out, size, "map%d", index + 1); }

}  // namespace

const char* recentMap(const SettingsFile& settings, int index) {
  if (index < 0 || index >= kRecentMapCount) return nullptr;
  char keyName[16];
  keyOf(index, keyName, sizeof keyName);
  const char* path = settings.getString(kSection, keyName);
  return path != nullptr && path[0] != '\0' ? path : nullptr;
}

int recentMapCount(const SettingsFile& settings) {
  int count = 0;
  while (recentMap(settings, count) != nullptr) ++count;
  return count;
}

void rememberRecentMap(SettingsFile& settings, const char* path) {
  if (path == nullptr || path[0] == '\0') return;
  char list[kRecentMapCount][kMapPathSize] = {};
  int count = 0;
  snprintf(list[count++], kMapPathSize, "%s", path);
  for (int i = 0; i < kRecentMapCount && count < kRecentMapCount; ++i) {
    const char* old = recentMap(settings, i);
    if (old == nullptr) break;
    if (strcmp(old, path) != 0) snprintf(list[count++], kMapPathSize, "%s", old);
  }
  // Backwards: a key added to a section goes right after its header, so the
  // file reads map1, map2, ... in order.
  for (int i = kRecentMapCount - 1; i >= 0; --i) {
    char keyName[16];
    keyOf(i, keyName, sizeof keyName);
    const char* value = i < count ? list[i] : "";
    if (!settings.updateString(kSection, keyName, value) && value[0] != '\0') settings.addString(kSection, keyName, value);
  }
}

void noteOpenedMap(EditorState& editor) {
  if (editor.openMap.path[0] == '\0') return;  // nothing was opened
  rememberRecentMap(editor.settings, editor.openMap.path);
  startHintOf(editor.settings, editor.startHint, sizeof editor.startHint);
}

void startHintOf(const SettingsFile& settings, char* text, size_t size) {
  const char* last = recentMap(settings, 0);
  if (last == nullptr) {
    snprintf(text, size, "To begin: File > Open a map, View > World Map, or Tools > Check World.");
    return;
  }
  const char* name = lastBackslash(last) != nullptr ? lastBackslash(last) + 1 : last;
  snprintf(text, size, "To begin: File > Open, View > World Map, Tools > Check World; Alt+F, 1 reopens %s.", name);
}
