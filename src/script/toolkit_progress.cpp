// ToolkitProgress: one progress window at a time, opened once however often
// open() is called, and closed only when it was opened.
#include "script/toolkit_progress.h"

#include "gui/gui.h"

void ToolkitProgress::open() {
  if (*window_ <= 0) *window_ = OpenProgressWindow(title_, nullptr, barWidth_);
}

void ToolkitProgress::setPercent(int percent) {
  if (*window_ > 0) SetProgress(*window_, percent);
}

void ToolkitProgress::close() {
  if (*window_ > 0) CloseTopWindow();
  *window_ = -1;
}
