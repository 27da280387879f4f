// The toolkit's progress window as the ProgressDisplay that the data layer's
// long operations report to: a titled window with a bar and no button, open
// from open() to close(). Here, above both, so that the script commands and
// the program share it.
#pragma once

#include "data/progress.h"

class ToolkitProgress : public ProgressDisplay {
 public:
  // window: where the id of the open window is kept, -1 while none is (the
  // display's own place when null), so that its owner can see it.
  ToolkitProgress(const char* title, int barWidth, int* window = nullptr)
      : title_(title), barWidth_(barWidth), window_(window != nullptr ? window : &ownWindow_) {}
  ToolkitProgress(const ToolkitProgress&) = delete;
  ToolkitProgress& operator=(const ToolkitProgress&) = delete;
  void open() override;
  void setPercent(int percent) override;
  void close() override;

 private:
  const char* title_;
  int barWidth_;
  int ownWindow_ = -1;
  int* window_;
};
