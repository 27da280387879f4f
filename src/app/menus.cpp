// The File, View and Tools menus: plain items, and checked ones for the
// toggles that are on, with the keys that do the same shown at the right.
#include "app/menus.h"

#include "app/check_world.h"
#include "app/commands.h"
#include "app/editor_state.h"
#include "app/map_versions.h"
#include "app/navigation.h"
#include "gui/gui.h"

namespace {
constexpr int kPlainItem = 0;
}  // namespace

void fillFileMenu(void* editor) {
  AddMenuItem(kPlainItem, "~Open\tCtrl+O", "", openCommand, editor);
  AddMenuItem(kPlainItem, "~Save\tCtrl+S", "", saveCommand, editor);
  AddMenuItem(kPlainItem, "Save ~As\tCtrl+Shift+S", "", saveAsCommand, editor);
  AddMenuItem(kPlainItem, "~Versions of This Map...", "", versionsOfThisMapCommand, editor);
  AddMenuItem(kPlainItem, "~Quit\tCtrl+Q", "", quitCommand, editor);
}

void fillViewMenu(void* editor) {
  AddMenuItem(kPlainItem, "~World Map", "", worldMapCommand, editor);
  AddMenuItem(kPlainItem, "~Local Map", "", localMapCommand, editor);
  AddMenuItem(kPlainItem, "~Back\tAlt+Left", "", backCommand, editor);
  AddMenuItem(kPlainItem, "~Forward\tAlt+Right", "", forwardCommand, editor);
  AddMenuItem(kPlainItem, "~North\tCtrl+Up", "", northCommand, editor);
  AddMenuItem(kPlainItem, "~South\tCtrl+Down", "", southCommand, editor);
  AddMenuItem(kPlainItem, "~West\tCtrl+Left", "", westCommand, editor);
  AddMenuItem(kPlainItem, "~East\tCtrl+Right", "", eastCommand, editor);
  const EditorState& e = *static_cast<EditorState*>(editor);
  AddMenuItem(e.showTeleports ? kGuiCheckedItem : kGuiPlainItem, "Show ~Teleports", "", showTeleportsCommand, editor);
  AddMenuItem(e.showObjects == 1 ? kGuiCheckedItem : kGuiPlainItem, "Show ~Objects + Creatures", "",
              toggleShowObjectsCommand, editor);
}

void fillToolsMenu(void* editor) {
  AddMenuItem(kPlainItem, "~Set ZAN Directory", "", setZanDirectoryCommand, editor);
  AddMenuItem(kPlainItem, "~Restore Backup...", "", restoreBackupCommand, editor);
  AddMenuItem(kPlainItem, "~Check World", "", checkWorldCommand, editor);
}
