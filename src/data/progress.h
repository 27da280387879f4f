// A progress display that long data operations report to. The data layer
// knows only this interface; the GUI's progress window implements it.
#pragma once

class ProgressDisplay {
 public:
  virtual ~ProgressDisplay() = default;
  virtual void open() = 0;                  // show the display (if it is not shown yet)
  virtual void setPercent(int percent) = 0;  // 0..100
  virtual void close() = 0;                  // take the display away
};
