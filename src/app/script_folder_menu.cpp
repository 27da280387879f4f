// The folder scripts of the Script menu: listed when the menu opens, kept
// until the next time so that the chosen item's script is still there when
// its command runs, and run through the Script menu's own commands with the
// script (and for "cell" the clicked cell) given in advance.
#include "app/script_folder_menu.h"

#include <cstdio>
#include <string>
#include <vector>

#include "app/editor_script_user.h"
#include "app/editor_state.h"
#include "app/game_directory_setting.h"
#include "app/script_commands.h"
#include "app/user_dialogs.h"
#include "gui/gui.h"
#include "platform/host_path.h"
#include "script/script_header.h"

namespace {

constexpr char kScriptsFolder[] = "scripts";    // beside dola.ini, and in the game directory
constexpr char kExamplesFolder[] = "examples";  // beside dola.ini

void runItem(void* data) {
  const FolderScript& script = *static_cast<const FolderScript*>(data);
  if (EditorState* editor = editorState())
    runFolderScript(*editor, script.path.c_str(), static_cast<int>(script.header.runsOn));
}

}  // namespace

void addFolderScriptItems(void* data) {
  EditorState& editor = *static_cast<EditorState*>(data);
  std::vector<FolderScript>& items = editor.folderScripts;
  items = listFolderScripts(kScriptsFolder);
  const char* game = zanDirectory(editor);
  if (game[0] != '\0') {
    const std::string folder = std::string(game) + "\\" + kScriptsFolder;
    for (FolderScript& s : listFolderScripts(folder.c_str())) items.push_back(s);
  }
  if (items.empty()) return;
  AddMenuItem(kMenuItemSeparator, "", "", nullptr, nullptr);
  for (FolderScript& s : items) AddMenuItem(kMenuItemPlain, s.header.label.c_str(), "", runItem, &s);
}

void runFolderScript(EditorState& editor, const char* path, int runsOn) {
  EditorScriptUser& user = editor.scriptUser;
  user.presetScript(path);
  switch (static_cast<ScriptRunsOn>(runsOn)) {
    case ScriptRunsOn::Map:
      generateIntoOpenMap(editor);
      break;
    case ScriptRunsOn::Cell: {
      askUser("Click the cell of the map where the script should act.", "~OK");
      int x = 0, y = 0;
      if (user.pickCell(&x, &y) != CellPick::Picked) break;
      user.presetCell(x, y);
      generateIntoOpenMap(editor);
      break;
    }
    case ScriptRunsOn::World:
      generateWorldBesideOpenMap(editor);
      break;
    case ScriptRunsOn::Each:
      runOnEachWorldMapBesideOpenMap(editor);
      break;
  }
  user.clearPresets();  // a command that ended before it chose keeps nothing for the next
}

void setFirstScriptFolder(EditorState& editor) {
  editor.scriptUser.setStartFolder(isDirectoryPath(kExamplesFolder) ? kExamplesFolder : kScriptsFolder);
}
