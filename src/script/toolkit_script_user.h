// The editor's ScriptUser: the toolkit's message requester, its file
// selector for "*.as", the latched mouse for getpos over the map canvas, Escape typed on the
// keyboard, a progress window, and a small window while a build takes long.
#pragma once

#include <cstdio>

#include "script/script_user.h"
#include "script/toolkit_progress.h"

class ToolkitScriptUser : public ScriptUser {
 public:
  int showText(const char* text, const char* buttons) override;
  // The script's buttons and one more, last, that Escape chooses: it stops
  // the script.
  int showScriptMessage(const char* text, const char* buttons) override;
  void buildTakesLong(const char* scriptPath) override;
  void buildEnded() override;
  int askQuestion(const char* text, const char* buttons) override;
  // "*.as" in the folder of the script chosen last (startFolder the first
  // time): the title "Select script", the button "Select". A script given
  // with presetScript is taken once without asking.
  bool chooseScript(char* path, size_t size) override;
  // A cell given with presetCell answers the next call without a wait.
  CellPick pickCell(int* x, int* y) override;
  void presetScript(const char* path) { snprintf(preset_, sizeof preset_, "%s", path); }
  void presetCell(int x, int y) {
    presetX_ = x;
    presetY_ = y;
    cellPreset_ = true;
  }
  // Forgets both presets (a command that ended without using them).
  void clearPresets() {
    preset_[0] = '\0';
    cellPreset_ = false;
  }
  // Where the selector opens until a script was chosen through it.
  void setStartFolder(const char* folder) { snprintf(lastFolder_, sizeof lastFolder_, "%s", folder); }
  bool stopRequested() override;
  ProgressDisplay* progress() override { return &progress_; }
  // The canvas whose cells getpos counts (the map canvas); while it is not
  // on the screen, cells count from screen (5, 50), where the editor puts it.
  void setMapCanvas(int canvas) { mapCanvas_ = canvas; }

 protected:
  // The file selector chooseScript asks: the toolkit's own, here. Gives a
  // path or "" (or null) when cancelled.
  virtual const char* selectFile(const char* masks, const char* startPath, int flags, const char* title,
                                 const char* buttonLabel);

 private:
  static constexpr int kProgressBarWidth = 300;
  int mapCanvas_ = 0;
  ToolkitProgress progress_{"Writing the world maps", kProgressBarWidth};
  int buildWindow_ = 0;
  char preset_[1024] = {};
  char lastFolder_[1024] = {};
  bool cellPreset_ = false;
  int presetX_ = 0, presetY_ = 0;
  int escapesBeforeNotice_ = 0;  // while the build notice shows: Escapes left for the run
};

// True when Escape was typed since the last look, not counting the first
// `leave` Escapes waiting, which stay. Reads Allegro's key buffer on the
// calling thread and puts every other key back in its order.
bool escapeTyped(int leave = 0);
