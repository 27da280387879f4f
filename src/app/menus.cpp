// The File, View and Tools menus: plain items, with the keys that do the
// same shown at the right.
#include "app/menus.h"

#include "app/check_world.h"
#include "app/commands.h"
#include "app/editor_state.h"
#include "app/navigation.h"
#include "app/recent_maps.h"
#include "gui/gui.h"

namespace {
constexpr int kPlainItem = 0;
}  // namespace

void fillFileMenu(void* editor) {
  AddMenuItem(kPlainItem, "~Open\tCtrl+O", "", openCommand, editor);
  AddMenuItem(kPlainItem, "~Save\tCtrl+S", "", saveCommand, editor);
  AddMenuItem(kPlainItem, "Save ~As\tCtrl+Shift+S", "", saveAsCommand, editor);
  AddMenuItem(kPlainItem, "~Quit\tCtrl+Q", "", quitCommand, editor);
  addRecentMapItems(*static_cast<EditorState*>(editor));
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
  // A plain item carries no check mark: its right column says when it is on.
  const bool shown = static_cast<EditorState*>(editor)->showTeleports != 0;
  AddMenuItem(kPlainItem, "Show ~Teleports", shown ? "On" : "", showTeleportsCommand, editor);
}

void fillToolsMenu(void* editor) {
  AddMenuItem(kPlainItem, "~Set ZAN Directory", "", setZanDirectoryCommand, editor);
  AddMenuItem(kPlainItem, "~Restore Backup...", "", restoreBackupCommand, editor);
  AddMenuItem(kPlainItem, "~Check World", "", checkWorldCommand, editor);
}
