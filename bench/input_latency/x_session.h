// A private Xvfb display with real input for the input benchmark: starts the
// server and programs on it, sends XTest key, button and pointer events, and
// reads screen rectangles back to see when a program's pixels changed.
#pragma once
#include <X11/Xlib.h>
#include <sys/types.h>

#include <string>
#include <vector>

struct ScreenRect {
  int x, y, w, h;
};

using Pixels = std::vector<char>;

double monotonicMs();
void sleepMs(double ms);

class XSession {
 public:
  XSession() = default;
  ~XSession();
  XSession(const XSession&) = delete;
  XSession& operator=(const XSession&) = delete;

  // Starts Xvfb on a display it picks itself and connects to it.
  bool start();
  // Starts argv[0] with argv in directory dir on this display; its output
  // goes to /dev/null. Returns the process id, or -1.
  pid_t run(const std::vector<std::string>& argv, const std::string& dir) const;

  Pixels grab(const ScreenRect& r) const;
  // Milliseconds from since until the rectangle no longer shows before
  // (or, with equal, shows it again); -1 after timeoutMs.
  double waitChange(const ScreenRect& r, const Pixels& before, double since, double timeoutMs, bool equal = false) const;
  // Waits until the rectangle has not changed for quietMs (at most timeoutMs).
  void waitQuiet(const ScreenRect& r, double quietMs, double timeoutMs) const;

  void key(const char* keysym, bool press) const;
  void tapKey(const char* keysym) const;  // press and release
  void type(const char* text) const;      // lower-case letters, digits and "."
  void button(int n, bool press) const;
  void move(int x, int y) const;
  pid_t serverPid() const { return xvfb_; }  // the Xvfb process, -1 before start

 private:
  pid_t xvfb_ = -1;
  int number_ = -1;
  Display* display_ = nullptr;
};

// CPU time (all threads) of a process so far, in milliseconds.
double cpuMs(pid_t pid);
// Ends a process this program started: SIGTERM, then SIGKILL after a second.
void stopProcess(pid_t pid);
