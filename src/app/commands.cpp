// The menu and window callbacks: each hands its EditorState to the typed operation.
#include "app/commands.h"

#include "app/editor_state.h"
#include "app/file_commands.h"
#include "app/map_edits.h"
#include "app/map_file.h"
#include "app/restore_backup.h"
#include "app/script_commands.h"
#include "app/script_output.h"
#include "app/terrain_editing.h"
#include "app/view_commands.h"

namespace {
EditorState& stateOf(void* editor) { return *static_cast<EditorState*>(editor); }
}  // namespace

void openCommand(void* editor) { openMapByChoice(stateOf(editor)); }
void saveCommand(void* editor) { saveOpenMap(stateOf(editor)); }
void saveAsCommand(void* editor) { saveMapAs(stateOf(editor)); }
void quitCommand(void* editor) { quitEditor(stateOf(editor)); }
void closeButtonCommand(void* editor) { closeEditorWindow(stateOf(editor)); }

void undoCommand(void* editor) { undoMapEdit(stateOf(editor)); }
void redoCommand(void* editor) { redoMapEdit(stateOf(editor)); }

void worldMapCommand(void* editor) { showWorldMap(stateOf(editor)); }
void localMapCommand(void* editor) { showLocalMap(stateOf(editor)); }
void showObjectsCommand(void* editor) { showObjectsChanged(stateOf(editor)); }
void escapeCommand(void* editor) {
  cancelClickMode(stateOf(editor));
  leaveToolActionCommand(editor);
}
void setZanDirectoryCommand(void* editor) { chooseZanDirectory(stateOf(editor)); }
void restoreBackupCommand(void* editor) { restoreBackupByChoice(stateOf(editor)); }

// A script's terrain() applies the rules file as it is on disk now.
void generateWorldMap(void* editor) {
  refreshTerrainRules(stateOf(editor));
  generateWorldBesideOpenMap(stateOf(editor));
}
void generateLocalMap(void* editor) {
  refreshTerrainRules(stateOf(editor));
  generateIntoOpenMap(stateOf(editor));
}
void runOnEachWorldMapCommand(void* editor) {
  refreshTerrainRules(stateOf(editor));
  runOnEachWorldMapBesideOpenMap(stateOf(editor));
}
void scriptOutputCommand(void* editor) { showScriptOutput(stateOf(editor)); }
