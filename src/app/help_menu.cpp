// The "~Help" menu: "~Keys" lists every command of the command table with
// its keys, and "~About" says which DOLA this is and where it reads and
// keeps its files.
#include <cstdio>
#include <cstring>

#include "app/editor_backups.h"
#include "app/editor_state.h"
#include "app/game_directory_setting.h"
#include "app/map_file.h"
#include "app/command_table.h"
#include "app/commands.h"
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

// One line per command: its menu place, its key, and the menu letters that
// reach it ("File > Open:  Ctrl+O   or   Alt+F, O"); a key without a menu
// item with what it does.
void appendCommand(KeyList& list, const Command& c) {
  char key[64], menu[64], item[kGuiLabelMax + 1], route[32] = "", line[512];
  char menuLetter, itemLetter;
  keyText(c.key, key, sizeof key);
  plainLabel(c.label, item, sizeof item, &itemLetter);
  if (c.menu == Menu::None) {
    snprintf(line, sizeof line, "%s:  %s", key, item);
  } else {
    plainLabel(menuTitle(c.menu), menu, sizeof menu, &menuLetter);
    if (menuLetter != 0 && itemLetter != 0) snprintf(route, sizeof route, "Alt+%c, %c", menuLetter, itemLetter);
    snprintf(line, sizeof line, "%s > %s:  %s%s%s", menu, item, key, key[0] != '\0' && route[0] != '\0' ? "   or   " : "",
             route);
  }
  appendLine(list, line);
}

void showKeys() {
  KeyList list{};
  const CommandTable table = editorCommands();
  for (int i = 0; i < table.count; ++i)
    if (table.entries[i].run != nullptr) appendCommand(list, table.entries[i]);  // not the recent maps
  appendLine(list, "Over the map: the left button paints with the tool, the right button picks a tile, the middle "
                   "button follows a teleport.");
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

}  // namespace

void keysCommand(void*) { showKeys(); }
void aboutCommand(void* editor) { showAbout(*static_cast<EditorState*>(editor)); }
