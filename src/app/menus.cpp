// The File, View and Tools menus: plain items with no shortcut text.
#include "app/menus.h"

#include "app/commands.h"
#include "gui/gui.h"

namespace {
constexpr int kPlainItem = 0;
}  // namespace

void fillFileMenu(void* editor) {
  AddMenuItem(kPlainItem, "~Open", "", openCommand, editor);
  AddMenuItem(kPlainItem, "~Save", "", saveCommand, editor);
  AddMenuItem(kPlainItem, "Save ~As", "", saveAsCommand, editor);
  AddMenuItem(kPlainItem, "~Quit", "", quitCommand, editor);
}

void fillViewMenu(void* editor) {
  AddMenuItem(kPlainItem, "~World Map", "", worldMapCommand, editor);
  AddMenuItem(kPlainItem, "~Local Map", "", localMapCommand, editor);
}

void fillToolsMenu(void* editor) {
  AddMenuItem(kPlainItem, "~Set ZAN Directory", "", setZanDirectoryCommand, editor);
  AddMenuItem(kPlainItem, "~Restore Backup...", "", restoreBackupCommand, editor);
}
