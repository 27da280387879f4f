// The editor's command table (command_table.h), and the words and key names
// the menus and the key list make of it.
#include "app/command_table.h"

#include <allegro.h>

#include <cstdio>

#include "app/findings_window.h"
#include "app/commands.h"
#include "app/editor_state.h"
#include "app/map_versions.h"
#include "app/navigation.h"
#include "app/script_folder_menu.h"
#include "app/recent_maps_menu.h"
#include "app/terrain_commands.h"
#include "data/world_neighbours.h"

namespace {

// ---- When commands are enabled ----
bool canGoBack(const EditorState& e) { return e.visitedMaps.backTarget() != nullptr; }
bool canGoForward(const EditorState& e) { return e.visitedMaps.forwardTarget() != nullptr; }
bool hasNeighbour(const EditorState& e, WorldDirection direction) {
  char path[kMapPathSize];
  return neighbourMapPath(e.openMap.path, direction, path, sizeof path);
}
bool hasNorth(const EditorState& e) { return hasNeighbour(e, WorldDirection::North); }
bool hasSouth(const EditorState& e) { return hasNeighbour(e, WorldDirection::South); }
bool hasWest(const EditorState& e) { return hasNeighbour(e, WorldDirection::West); }
bool hasEast(const EditorState& e) { return hasNeighbour(e, WorldDirection::East); }
bool teleportsShown(const EditorState& e) { return e.showTeleports != 0; }
bool objectsShown(const EditorState& e) { return e.showObjects == 1; }
bool mapOpen(const EditorState& e) { return e.openMap.path[0] != '\0'; }
// A stroke still held is a step that Undo closes first.
bool canUndo(const EditorState& e) { return e.document.history().canUndo() || e.document.editOpen(); }
bool canRedo(const EditorState& e) { return e.document.history().canRedo(); }
template <AreaTool T>
bool toolChosen(const EditorState& e) { return e.mapView.tools.tool == T; }

constexpr KeyChord kNoKey{0, 0};
constexpr KeyChord ctrl(int scancode) { return KeyChord{scancode, kGuiCtrl}; }
constexpr KeyChord alt(int scancode) { return KeyChord{scancode, kGuiAlt}; }
constexpr KeyChord plain(int scancode) { return KeyChord{scancode, 0}; }

// Menus in the bar's order, items in each menu's order; a key's first entry wins.
const Command kCommands[] = {
    {Menu::File, "~Open", ctrl(KEY_O), openCommand, nullptr, nullptr, nullptr},
    {Menu::File, "~Save", ctrl(KEY_S), saveCommand, nullptr, nullptr, nullptr},
    {Menu::File, "Save ~As", {KEY_S, kGuiCtrl | kGuiShift}, saveAsCommand, nullptr, nullptr, nullptr},
    {Menu::File, "~Versions of This Map...", kNoKey, versionsOfThisMapCommand, mapOpen, nullptr, nullptr},
    {Menu::File, "~Quit", ctrl(KEY_Q), quitCommand, nullptr, nullptr, nullptr},
    {Menu::File, "Recent Maps", kNoKey, nullptr, nullptr, nullptr, addRecentMapItems},

    {Menu::Edit, "~Undo", ctrl(KEY_Z), undoCommand, canUndo, nullptr, nullptr},
    {Menu::Edit, "~Redo", ctrl(KEY_Y), redoCommand, canRedo, nullptr, nullptr},
    {Menu::None, "Edit > Redo", {KEY_Z, kGuiCtrl | kGuiShift}, redoCommand, canRedo, nullptr, nullptr},
    {Menu::Edit, "Brush", plain(KEY_B), brushCommand, nullptr, toolChosen<AreaTool::Brush>, nullptr},
    {Menu::Edit, "Rectangle", plain(KEY_R), rectangleCommand, nullptr, toolChosen<AreaTool::Rectangle>, nullptr},
    {Menu::Edit, "Fill", plain(KEY_F), fillCommand, nullptr, toolChosen<AreaTool::Fill>, nullptr},
    {Menu::Edit, "Line", plain(KEY_L), lineCommand, nullptr, toolChosen<AreaTool::Line>, nullptr},
    {Menu::Edit, "Select", plain(KEY_S), selectCommand, nullptr, toolChosen<AreaTool::Select>, nullptr},
    {Menu::Edit, "Copy", ctrl(KEY_C), copyCommand, nullptr, nullptr, nullptr},
    {Menu::Edit, "Paste", ctrl(KEY_V), pasteCommand, nullptr, nullptr, nullptr},
    {Menu::Edit, "Cut", ctrl(KEY_X), cutCommand, nullptr, nullptr, nullptr},
    {Menu::Edit, "Delete", plain(KEY_DEL), deleteCommand, nullptr, nullptr, nullptr},
    {Menu::Edit, "Select All", ctrl(KEY_A), selectAllCommand, nullptr, nullptr, nullptr},
    {Menu::Edit, "Flip Left-Right", plain(KEY_X), flipLeftRightCommand, nullptr, nullptr, nullptr},
    {Menu::Edit, "Flip Top-Bottom", plain(KEY_Y), flipTopBottomCommand, nullptr, nullptr, nullptr},
    {Menu::Edit, "Turn Clockwise", plain(KEY_Z), turnClockwiseCommand, nullptr, nullptr, nullptr},
    {Menu::Edit, "Turn Counter-Clockwise", {KEY_Z, kGuiShift}, turnCounterClockwiseCommand, nullptr, nullptr, nullptr},
    {Menu::Edit, "Replace Tile...", ctrl(KEY_H), replaceTileCommand, nullptr, nullptr, nullptr},
    {Menu::Edit, "~Auto Terrain", plain(KEY_T), autoTerrainCommand, nullptr, autoTerrainChecked, nullptr},
    {Menu::Edit, "Apply ~Terrain Rules...", kNoKey, applyTerrainRulesCommand, nullptr, nullptr, nullptr},
    {Menu::Edit, "Reload Terrain Rules", kNoKey, reloadTerrainRulesCommand, nullptr, nullptr, nullptr},
    {Menu::Edit, "Load Terrain Rules...", kNoKey, loadTerrainRulesCommand, nullptr, nullptr, nullptr},
    {Menu::None, "Ends a drag, a move, a paste, the selection or a click-on-the-map mode", plain(KEY_ESC), escapeCommand, nullptr,
     nullptr, nullptr},

    {Menu::View, "~World Map", kNoKey, worldMapCommand, nullptr, nullptr, nullptr},
    {Menu::View, "~Local Map", kNoKey, localMapCommand, nullptr, nullptr, nullptr},
    {Menu::View, "~Back", alt(KEY_LEFT), backCommand, canGoBack, nullptr, nullptr},
    {Menu::View, "~Forward", alt(KEY_RIGHT), forwardCommand, canGoForward, nullptr, nullptr},
    {Menu::View, "~North", ctrl(KEY_UP), northCommand, hasNorth, nullptr, nullptr},
    {Menu::View, "~South", ctrl(KEY_DOWN), southCommand, hasSouth, nullptr, nullptr},
    {Menu::View, "~West", ctrl(KEY_LEFT), westCommand, hasWest, nullptr, nullptr},
    {Menu::View, "~East", ctrl(KEY_RIGHT), eastCommand, hasEast, nullptr, nullptr},
    {Menu::View, "Show ~Teleports", kNoKey, showTeleportsCommand, nullptr, teleportsShown, nullptr},
    {Menu::View, "Show ~Objects + Creatures", kNoKey, toggleShowObjectsCommand, nullptr, objectsShown, nullptr},

    {Menu::Script, "Generate ~World Map", kNoKey, generateWorldMap, nullptr, nullptr, nullptr},
    {Menu::Script, "Generate ~Local Map", kNoKey, generateLocalMap, nullptr, nullptr, nullptr},
    {Menu::Script, "Place ~Feature", kNoKey, generateLocalMap, nullptr, nullptr, nullptr},
    {Menu::Script, "Run on ~Each World Map...", kNoKey, runOnEachWorldMapCommand, nullptr, nullptr, nullptr},
    {Menu::Script, "Script ~Output", kNoKey, scriptOutputCommand, nullptr, nullptr, nullptr},
    {Menu::Script, "The scripts of the scripts folders", kNoKey, nullptr, nullptr, nullptr, addFolderScriptItems},

    {Menu::Tools, "~Set ZAN Directory", kNoKey, setZanDirectoryCommand, nullptr, nullptr, nullptr},
    {Menu::Tools, "~Restore Backup...", kNoKey, restoreBackupCommand, nullptr, nullptr, nullptr},
    {Menu::Tools, "~Check World", kNoKey, checkWorldCommand, nullptr, nullptr, nullptr},

    {Menu::Help, "~Keys", kNoKey, keysCommand, nullptr, nullptr, nullptr},
    {Menu::Help, "~About", kNoKey, aboutCommand, nullptr, nullptr, nullptr},
};

struct KeyName {
  int scancode;
  const char* name;
};
const KeyName kKeyNames[] = {
    {KEY_LEFT, "Left"}, {KEY_RIGHT, "Right"}, {KEY_UP, "Up"},         {KEY_DOWN, "Down"},
    {KEY_ESC, "Escape"}, {KEY_ENTER, "Enter"}, {KEY_DEL, "Delete"},   {KEY_TAB, "Tab"},
    {KEY_HOME, "Home"},  {KEY_END, "End"},     {KEY_PGUP, "Page Up"}, {KEY_PGDN, "Page Down"},
};

// The key's own name without modifiers, into out.
void keyName(int scancode, char* out, int outSize) {
  if (scancode >= KEY_A && scancode <= KEY_Z) {
    snprintf(out, outSize, "%c", 'A' + (scancode - KEY_A));
  } else if (scancode >= KEY_0 && scancode <= KEY_9) {
    snprintf(out, outSize, "%c", '0' + (scancode - KEY_0));
  } else if (scancode >= KEY_F1 && scancode <= KEY_F12) {
    snprintf(out, outSize, "F%d", 1 + (scancode - KEY_F1));
  } else {
    snprintf(out, outSize, "%s", "?");
    for (const KeyName& k : kKeyNames)
      if (k.scancode == scancode) snprintf(out, outSize, "%s", k.name);
  }
}

// A label as the menu shows it: without the "~" of its letter.
void shownLabel(const char* label, char* out, int outSize) {
  int n = 0;
  for (const char* p = label; *p != '\0' && n < outSize - 1; ++p)
    if (*p != '~') out[n++] = *p;
  out[n] = '\0';
}

}  // namespace

const char* menuTitle(Menu menu) {
  switch (menu) {
    case Menu::File: return "~File";
    case Menu::Edit: return "~Edit";
    case Menu::View: return "~View";
    case Menu::Script: return "~Script";
    case Menu::Tools: return "~Tools";
    case Menu::Help: return "~Help";
    case Menu::None: break;
  }
  return "";
}

CommandTable editorCommands() { return CommandTable{kCommands, static_cast<int>(sizeof kCommands / sizeof kCommands[0])}; }

bool keyTypesText(const KeyChord& chord) {
  if (chord.modifiers & (kGuiCtrl | kGuiAlt)) return false;
  return (chord.scancode >= KEY_A && chord.scancode <= KEY_Z) || (chord.scancode >= KEY_0 && chord.scancode <= KEY_9);
}

void keyText(const KeyChord& chord, char* out, int outSize) {
  if (outSize <= 0) return;
  out[0] = '\0';
  if (chord.scancode == 0) return;
  char name[32];
  keyName(chord.scancode, name, sizeof name);
  snprintf(out, outSize, "%s%s%s%s", (chord.modifiers & kGuiCtrl) ? "Ctrl+" : "", (chord.modifiers & kGuiAlt) ? "Alt+" : "",
           (chord.modifiers & kGuiShift) ? "Shift+" : "", name);
}

std::string keyList(const CommandTable& table) {
  std::string list;
  for (int i = 0; i < table.count; ++i) {
    const Command& c = table.entries[i];
    if (c.key.scancode == 0) continue;
    char shortcut[64], line[512], label[256], menu[64];
    keyText(c.key, shortcut, sizeof shortcut);
    shownLabel(c.label, label, sizeof label);
    shownLabel(menuTitle(c.menu), menu, sizeof menu);
    if (c.menu == Menu::None)
      snprintf(line, sizeof line, "%-16s%s\n", shortcut, label);
    else
      snprintf(line, sizeof line, "%-16s%s > %s\n", shortcut, menu, label);
    list += line;
  }
  return list;
}
