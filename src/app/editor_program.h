// The editor program from start to end: the start-up steps in their order,
// the event loop, and the shutdown that writes dola.ini and frees everything.
#pragma once

#include "app/user_dialogs.h"

class SettingsFile;
struct EditorState;

enum class EditorDisplay {
  Screen,    // Allegro's graphics mode from the settings
  Headless,  // the toolkit's memory screen of 1024 x 768 (tests)
};

// What the command line adds to a start; nothing by default.
struct EditorStart {
  const char* mapPath = nullptr;     // editor path of a map opened once the editor is up
  const char* userFolder = nullptr;  // host path of the user's DOLA folder, the working directory now
  bool userFolderIsNew = false;      // made by this start: the first message says where it is
  UserDialogs dialogs = {nullptr, nullptr};  // what shows the editor's dialogs; null entries: the toolkit (tests answer here)
};

// Runs the editor in the working directory (dola.ini, palette.bmp) until
// File > Quit. 0 after a normal end; 1 when no graphics mode could be set or
// the editor could not be allocated (both said on the terminal). A map of
// the start is opened after everything else of the start-up (a map
// recovered after a crash takes its place).
int runEditor(EditorDisplay display, const EditorStart& start = EditorStart());

// Loads the settings at path and adds "mode" ("fullscreen") and
// "colordepth" (16) to the unnamed section when they are missing.
void loadSettingsWithDefaults(SettingsFile& settings, const char* path);

// The row index table and the editing defaults, set before the script host
// and the display start.
void setEditingDefaults(EditorState& editor);

// Before the sprites are loaded: while the settings have no "ZANDirectory",
// adds it empty and asks for the directory with Tools > Set ZAN Directory.
void askForGameDirectoryIfMissing(EditorState& editor);

// The palette and the sprites of the game directory. Files
// not found are reported after the main window is up (reportSpriteProblems).
void loadSpriteSet(EditorState& editor);
void reportSpriteProblems(const EditorState& editor);
