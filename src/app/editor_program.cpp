// runEditor: construction, settings and editing defaults, the script host,
// the graphics mode and toolkit, the game directory, the sprites, the main
// window, the event loop, then the shutdown in reverse.
#include "app/editor_program.h"

#include <allegro.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "app/commands.h"
#include "app/editor_state.h"
#include "app/graphics_mode.h"
#include "app/main_window.h"
#include "app/map_view_binding.h"
#include "app/user_dialogs.h"
#include "gui/gui.h"
#include "script/script_host.h"

namespace {

constexpr const char* kSettingsPath = "dola.ini";

void registerSprite(BITMAP* bitmap, const char* name, void*) {
  constexpr int kImageBitmapType = 1;
  RegisterImage(bitmap, name, kImageBitmapType, 0);
}

// Steps 9 to 12: Allegro, the colour depth and mode, and the toolkit on it.
bool startDisplay(const SettingsFile& settings, EditorDisplay display) {
  const GraphicsRequest request = graphicsRequestOf(settings);
  if (display == EditorDisplay::Headless) return GuiInitHeadless(kScreenWidth, kScreenHeight, request.depth);
  if (allegro_init() != 0) {
    // Without a system driver (no display to talk to) no mode can be set.
    reportNoGraphicsMode(allegro_error);
    return false;
  }
  if (!enterGraphicsMode(request, set_gfx_mode)) return false;
  InitGui(SCREEN_W, SCREEN_H, request.depth, &errno, atexit);
  return true;
}

void shutdownEditor(EditorState* editor, bool saveSettings) {
  stopScriptHost(editor);
  releaseMapView();
  if (saveSettings) editor->settings.save(kSettingsPath);
  editor->sprites.release();
  setEditorState(nullptr);
  delete editor;
}

}  // namespace

void loadSettingsWithDefaults(SettingsFile& settings, const char* path) {
  settings.load(path);
  if (!settings.getString("", "mode")) settings.addString("", "mode", "fullscreen");
  if (!settings.getString("", "colordepth")) settings.addInt("", "colordepth", 16);
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
  if (editor.settings.getString("", "ZANDirectory")) return;
  editor.settings.addString("", "ZANDirectory", "");
  setZanDirectoryCommand(&editor);
}

void loadSpriteSet(EditorState& editor) {
  const char* directory = editor.settings.getString("", "ZANDirectory");
  editor.sprites.load(directory ? directory : "", registerSprite, nullptr);
  memcpy(editor.palette, editor.sprites.palette, sizeof editor.palette);
}

int runEditor(EditorDisplay display) {
  EditorState* editor = new EditorState();  // zero-filled, members built in field order
  setEditorState(editor);
  loadSettingsWithDefaults(editor->settings, kSettingsPath);
  setEditingDefaults(*editor);
  startScriptHost(editor);
  if (!startDisplay(editor->settings, display)) {
    shutdownEditor(editor, false);
    return 1;
  }
  askForGameDirectoryIfMissing(*editor);
  loadSpriteSet(*editor);
  const bool headless = display == EditorDisplay::Headless;
  buildMainWindow(*editor, headless ? kScreenWidth : SCREEN_W, headless ? kScreenHeight : SCREEN_H);
  reportSpriteProblems(*editor);
  RunEventLoop();
  shutdownEditor(editor, true);
  return 0;
}
