// runEditor: construction, settings and editing defaults, the script host,
// the graphics mode and toolkit, the game directory, the sprites, the main
// window, the event loop, then the shutdown in reverse.
#include "app/editor_program.h"

#include <allegro.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>

#include "app/commands.h"
#include "app/editor_script_user.h"
#include "app/script_folder_menu.h"
#include "app/crash_recovery.h"
#include "app/editor_backups.h"
#include "app/editor_state.h"
#include "app/game_directory_setting.h"
#include "app/graphics_mode.h"
#include "app/left_world_write.h"
#include "app/main_window.h"
#include "app/map_file.h"
#include "app/recent_maps.h"
#include "app/terrain_editing.h"
#include "app/view_commands.h"
#include "app/user_dialogs.h"
#include "gui/gui.h"
#include "script/script_host.h"
#include "platform/host_path.h"
#include "platform/write_failure.h"
#include "script/script_terrain.h"

namespace {

constexpr const char* kSettingsPath = "dola.ini";
constexpr const char* kRecoveryDirectory = "recovery";  // beside dola.ini

void registerSprite(BITMAP* bitmap, const char* name, void*) {
  RegisterImage(bitmap, name, kImageBitmap, 0);
}

// Allegro, the colour depth and mode, and the toolkit on it (the toolkit's
// memory screen when headless).
bool startDisplay(const SettingsFile& settings, EditorDisplay display) {
  const GraphicsRequest request = graphicsRequestOf(settings);
  if (display == EditorDisplay::Headless)
    return GuiInitHeadless(kScreenWidth, kScreenHeight, request.depth);
  if (allegro_init() != 0) {
    // Without a system driver (no display to talk to) no mode can be set.
    reportNoGraphicsMode(allegro_error);
    return false;
  }
  if (!enterGraphicsMode(request, set_gfx_mode)) return false;
  InitGui(SCREEN_W, SCREEN_H, bitmap_color_depth(screen), &errno, atexit);
  return true;
}

// Writes dola.ini while the window is still up; a failure is said on
// standard error and in a message, and makes the exit status 1.
bool saveSettingsAtShutdown(EditorState& editor) {
  const bool existed = isFilePath(kSettingsPath);
  errno = 0;
  if (editor.settings.save(kSettingsPath)) return true;
  const char* reason = writeFailureReason(errno, existed);
  char text[512];
  snprintf(text, sizeof text,
           "The settings could not be written to %s in the working directory (%s): the changes "
           "made to them since DOLA started are lost.",
           kSettingsPath, reason);
  fprintf(stderr, "DOLA: %s\n", text);
  tellUser("%s", text);
  return false;
}

void shutdownEditor(EditorState* editor) {
  stopScriptHost(&editor->scriptEngine);
  setActiveMapView(nullptr);
  editor->sprites.release();
  setEditorState(nullptr);
  delete editor;
}

// The first start in the user's DOLA folder says where the editor keeps its files.
void tellAboutNewUserFolder(const EditorStart& start) {
  if (start.userFolder == nullptr || !start.userFolderIsNew) return;
  tellUser(
      "Welcome to DOLA. Started from the desktop, it keeps its settings (dola.ini), its palette, the backups "
      "of every file it replaces and the recovery copies of unsaved changes in %s. Started from a terminal, "
      "it keeps them in the directory it was started in.",
      start.userFolder);
}

}  // namespace

void loadSettingsWithDefaults(SettingsFile& settings, const char* path) {
  settings.load(path);
  if (!settings.getString("", "mode")) settings.addString("", "mode", "fullscreen");
  if (!settings.getString("", "colordepth")) settings.addInt("", "colordepth", 16);
  addBackupsKeyIfMissing(settings);
}

void setEditingDefaults(EditorState& editor) {
  for (int i = 0; i < kRowIndexSize; ++i) editor.rowIndex[i] = i;
  editor.showObjects = 0;
  editor.selectedTile = 250;
  editor.mapTile = 0;
  editor.cursorX = 0;
  editor.cursorY = 0;
  editor.canvasMode = LocalEdit;
  editor.progressWindow = -1;
  editor.constantObjectRows = 400;
}

void askForGameDirectoryIfMissing(EditorState& editor) {
  if (hasZanDirectorySetting(editor)) return;
  setZanDirectory(editor, "");
  chooseZanDirectory(editor);
}

void loadSpriteSet(EditorState& editor) {
  // Sprites are made in the screen's depth; the screen takes their palette.
  editor.sprites.load(zanDirectory(editor), get_color_depth(), registerSprite, nullptr);
  memcpy(editor.palette, editor.sprites.palette, sizeof editor.palette);
  set_palette(editor.palette);
}

int runEditor(EditorDisplay display, const EditorStart& start) {
  EditorState* editor = new (std::nothrow) EditorState();  // zero-filled, members in field order
  if (!editor) {
    fprintf(stderr, "DOLA: there is not enough memory to start the editor.\n");
    return 1;
  }
  setEditorState(editor);
  editor->dialogs.table = start.dialogs;
  loadSettingsWithDefaults(editor->settings, kSettingsPath);
  setEditingDefaults(*editor);
  startHintOf(editor->settings, editor->startHint, sizeof editor->startHint);
  startScriptHost(&editor->scriptEngine, &editor->worldBuffer, &editor->scriptUser);
  setFirstScriptFolder(*editor);
  setScriptTerrainRules(editor->scriptEngine, &editorTerrainRules(*editor));
  installAutoTerrain(*editor);
  if (!startDisplay(editor->settings, display)) {
    shutdownEditor(editor);
    return 1;
  }
  // The question about a map lost in a crash comes before any other dialog.
  editor->document.recovery().start(kRecoveryDirectory);
  auto recovered = std::make_unique<RecoveredMap>();
  const bool recover = askToRecover(*editor, *recovered);
  tellAboutNewUserFolder(start);
  askForGameDirectoryIfMissing(*editor);
  loadSpriteSet(*editor);
  const bool headless = display == EditorDisplay::Headless;
  buildMainWindow(*editor, headless ? kScreenWidth : SCREEN_W, headless ? kScreenHeight : SCREEN_H);
  editor->scriptUser.setMapCanvas(editor->mapCanvas);
  SetCloseCallback(closeButtonCommand, editor);
  if (recover) recoverOpenMap(*editor, *recovered);
  else if (start.mapPath != nullptr) openMapFile(start.mapPath, *editor);
  reportSpriteProblems(*editor);
  settleLeftWorldWriteAtStart(*editor);
  RunEventLoop();
  SetCloseCallback(nullptr, nullptr);
  editor->document.recovery().remove();  // a clean quit: the changes were saved or discarded
  editor->document.recovery().stop();
  const bool settingsSaved = saveSettingsAtShutdown(*editor);
  shutdownEditor(editor);
  return settingsSaved ? 0 : 1;
}
