// The File menu's recent map items: each reopens its map as File > Open
// does, after the open map's unsaved changes are settled.
#include "app/recent_maps_menu.h"

#include <cstdio>

#include "app/editor_state.h"
#include "app/recent_maps.h"
#include "app/unsaved_changes.h"
#include "gui/gui.h"
#include "platform/editor_path.h"

namespace {

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

