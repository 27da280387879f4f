// The editor's ScriptUser: the toolkit's message requester, its file
// selector for "*.as", the latched mouse for getpos over the map canvas, Escape typed on the
// keyboard, and a progress window.
#pragma once

#include "data/progress.h"
#include "script/script_user.h"

// The toolkit's progress window as a ProgressDisplay.
class ToolkitProgress : public ProgressDisplay {
 public:
  explicit ToolkitProgress(const char* title) : title_(title) {}
  void open() override;
  void setPercent(int percent) override;
  void close() override;

 private:
  const char* title_;
  int window_ = 0;
};

class ToolkitScriptUser : public ScriptUser {
 public:
  int showText(const char* text, const char* buttons) override;
  int askQuestion(const char* text, const char* buttons) override;
  bool chooseScript(char* path, size_t size) override;
  CellPick pickCell(int* x, int* y) override;
  bool stopRequested() override;
  ProgressDisplay* progress() override { return &progress_; }
  // The canvas whose cells getpos counts (the map canvas); while it is not
  // on the screen, cells count from screen (5, 50), where the editor puts it.
  void setMapCanvas(int canvas) { mapCanvas_ = canvas; }

 private:
  int mapCanvas_ = 0;
  ToolkitProgress progress_{"Writing the world maps"};
};

// True when Escape was typed since the last look. Reads Allegro's key buffer
// on the calling thread and puts every other key back in its order.
bool escapeTyped();
