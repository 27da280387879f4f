// The recent maps of dola.ini, their File menu items and the start line
// that offers the first of them.
#include "app/recent_maps.h"

#include <cstdio>
#include <cstring>

#include "app/editor_state.h"
#include "app/unsaved_changes.h"
#include "gui/gui.h"
#include "platform/editor_path.h"

namespace {

constexpr const char kSection[] = "recent";

void keyOf(int index, char* out, size_t size) { snprintf(out, size, "map%d", index + 1); }

// The last folder and the file name ("world\ZANAB.MAP"): enough to tell the
// maps of one world from those of another, short enough for a menu.
const char* shortName(const char* path) {
  const char* last = lastBackslash(path);
  if (last == nullptr) return path;
  for (size_t i = static_cast<size_t>(last - path); i > 0; --i)
    if (path[i - 1] == '\\') return path + i;
  return path;
}

template <int N>
void openRecentCommand(void* editor) {
  EditorState& e = *static_cast<EditorState*>(editor);
  char path[kMapPathSize];
  const char* recent = recentMap(e.settings, N);
  if (recent == nullptr) return;
  snprintf(path, sizeof path, "%s", recent);  // the open rewrites the list
  replaceOpenMap(path, e);
}

const GuiCommand kOpenRecent[kRecentMapCount] = {
    openRecentCommand<0>, openRecentCommand<1>, openRecentCommand<2>, openRecentCommand<3>,
    openRecentCommand<4>, openRecentCommand<5>, openRecentCommand<6>, openRecentCommand<7>,
};

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

void addRecentMapItems(void* data) {
  EditorState& editor = *static_cast<EditorState*>(data);
  const int count = recentMapCount(editor.settings);
  // A dimmed heading: the maps follow it.
  AddMenuItem(kMenuItemDisabled, count > 0 ? "Recent Maps" : "Recent Maps: none yet", "", nullptr, nullptr);
  for (int i = 0; i < count; ++i) {
    char label[kMapPathSize + 8];
    snprintf(label, sizeof label, "~%d %s", i + 1, shortName(recentMap(editor.settings, i)));
    AddMenuItem(kMenuItemPlain, label, "", kOpenRecent[i], &editor);
  }
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
