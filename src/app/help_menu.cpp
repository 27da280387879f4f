// The "~Help" menu: "~Keys" lists every command of the menus with its keys
// (read from the menus themselves and the shortcut table, so the list cannot
// fall out of step with them), and "~About" says which DOLA this is and where
// it reads and keeps its files.
#include <cstdio>
#include <cstring>

#include "app/editor_backups.h"
#include "app/editor_state.h"
#include "app/map_file.h"
#include "app/menus.h"
#include "app/recent_maps.h"
#include "app/shortcuts.h"
#include "app/user_dialogs.h"
#include "gui/gui.h"
#include "platform/host_path.h"
#include "platform/standard_options.h"

namespace {

constexpr int kListSize = 6000;

struct KeyList {
  char text[kListSize];
  size_t used;
};

void appendLine(KeyList& list, const char* line) {
  if (list.used >= sizeof list.text) return;
  const int n = snprintf(list.text + list.used, sizeof list.text - list.used, "%s%s", list.used > 0 ? "\n" : "", line);
  if (n > 0) list.used += static_cast<size_t>(n);
}

// "~File" -> "File"; the letter after "~" into *letter (0 when none).
void plainLabel(const char* label, char* out, size_t size, char* letter) {
  size_t n = 0;
  *letter = 0;
  for (const char* p = label; *p != '\0' && n + 1 < size; ++p) {
    if (*p == '~' && p[1] != '\0') {
      *letter = p[1];
      continue;
    }
    out[n++] = *p;
  }
  out[n] = '\0';
}

void listMenuItem(const char* title, const char* label, const char* shortcut, GuiCommand command, void* context) {
  if (command == nullptr || isRecentMapCommand(command)) return;  // a heading, a map
  KeyList& list = *static_cast<KeyList*>(context);
  char menu[64], item[kGuiLabelMax + 1], keys[128];
  char menuLetter, itemLetter;
  plainLabel(title, menu, sizeof menu, &menuLetter);
  plainLabel(label, item, sizeof item, &itemLetter);
  shortcutKeysOf(command, keys, sizeof keys);
  if (keys[0] == '\0') snprintf(keys, sizeof keys, "%s", shortcut);
  char route[32] = "";
  if (menuLetter != 0 && itemLetter != 0)
    snprintf(route, sizeof route, "Alt+%c, %c", menuLetter, itemLetter);
  char line[512];
  snprintf(line, sizeof line, "%s > %s:  %s%s%s", menu, item, keys, keys[0] != '\0' && route[0] != '\0' ? "   or   " : "",
           route);
  appendLine(list, line);
}

void listKeyWithoutMenuItem(const char* keys, const char* meaning, void* context) {
  char line[256];
  snprintf(line, sizeof line, "%s: %s", keys, meaning);
  appendLine(*static_cast<KeyList*>(context), line);
}

void showKeys(EditorState& editor) {
  KeyList list{};
  VisitMenuItems(editor.mainWindow, listMenuItem, &list);
  visitKeysWithoutMenuItem(listKeyWithoutMenuItem, &list);
  appendLine(list, "Over the map: left button paints with the tool, right button picks a tile, middle button follows a teleport.");
  askUser(list.text, "~OK");
}

void showAbout(EditorState& editor) {
  char folder[1024];
  if (!absoluteHostPath(".", folder, sizeof folder)) snprintf(folder, sizeof folder, "the working directory");
  const char* game = zanDirectory(editor);
  char gameHost[1024] = "";
  if (game[0] != '\0' && !pathToHost(game, gameHost, sizeof gameHost)) gameHost[0] = '\0';
  const BackupPlace backups = editorBackupPlace(editor);
  char kept[96];
  if (backups.keep > 0) snprintf(kept, sizeof kept, "the newest %d operations are kept", backups.keep);
  else snprintf(kept, sizeof kept, "turned off: backups=0 in dola.ini");
  tellUser(
      "DOLA %s, a map editor for the world data of ZAN.\n\n"
      "Game directory: %s%s%s%s\n"
      "Settings: %s/dola.ini (and palette.bmp beside it)\n"
      "Backups: %s/%s (%s)\n"
      "Recovery copies of unsaved changes: %s/recovery\n\n"
      "The editor writes paths as the game's desktop does: C:\\ is the root folder /.",
      dolaVersion(), game[0] != '\0' ? game : "none chosen (Tools > Set ZAN Directory)", gameHost[0] != '\0' ? " (" : "",
      gameHost, gameHost[0] != '\0' ? ")" : "", folder, folder, backups.directory.c_str(), kept, folder);
}

void keysCommand(void* editor) { showKeys(*static_cast<EditorState*>(editor)); }
void aboutCommand(void* editor) { showAbout(*static_cast<EditorState*>(editor)); }

}  // namespace

void fillHelpMenu(void* editor) {
  AddMenuItem(0, "~Keys", "", keysCommand, editor);
  AddMenuItem(0, "~About", "", aboutCommand, editor);
}
