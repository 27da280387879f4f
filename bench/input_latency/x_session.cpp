// The private display and its XTest input; see x_session.h.
#include "x_session.h"

#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

double monotonicMs() {
  timespec t;
  clock_gettime(CLOCK_MONOTONIC, &t);
  return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

void sleepMs(double ms) {
  if (ms <= 0) return;
  timespec t{static_cast<time_t>(ms / 1000), static_cast<long>((ms - 1000.0 * static_cast<long>(ms / 1000)) * 1e6)};
  nanosleep(&t, nullptr);
}

XSession::~XSession() {
  if (display_ != nullptr) XCloseDisplay(display_);
  if (xvfb_ > 0) stopProcess(xvfb_);
}

bool XSession::start() {
  if (xvfb_ > 0) stopProcess(xvfb_);
  xvfb_ = -1;
  int fds[2];
  if (pipe(fds) != 0) return false;
  xvfb_ = fork();
  if (xvfb_ == 0) {
    close(fds[0]);
    const int null = open("/dev/null", O_WRONLY);
    dup2(null, 2);
    char fd[16];
    snprintf(fd, sizeof fd, "%d", fds[1]);
    execlp("Xvfb", "Xvfb", "-displayfd", fd, "-noreset", "-nolisten", "tcp", "-screen", "0", "1024x768x24",
           static_cast<char*>(nullptr));
    _exit(127);
  }
  close(fds[1]);
  char text[16] = {0};
  const ssize_t n = xvfb_ > 0 ? read(fds[0], text, sizeof text - 1) : -1;
  close(fds[0]);
  if (n <= 0) return false;
  number_ = atoi(text);
  char name[32];
  snprintf(name, sizeof name, ":%d", number_);
  for (int i = 0; i < 100 && display_ == nullptr; ++i) {
    display_ = XOpenDisplay(name);
    if (display_ == nullptr) sleepMs(50);
  }
  int event, error, major, minor;
  return display_ != nullptr && XTestQueryExtension(display_, &event, &error, &major, &minor);
}

pid_t XSession::run(const std::vector<std::string>& argv, const std::string& dir) const {
  const pid_t pid = fork();
  if (pid != 0) return pid;
  char name[32];
  snprintf(name, sizeof name, ":%d", number_);
  setenv("DISPLAY", name, 1);
  const int null = open("/dev/null", O_WRONLY);
  dup2(null, 1);
  dup2(null, 2);
  if (chdir(dir.c_str()) != 0) _exit(127);
  std::vector<char*> args;
  for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  execv(args[0], args.data());
  _exit(127);
}

Pixels XSession::grab(const ScreenRect& r) const {
  XImage* image = XGetImage(display_, DefaultRootWindow(display_), r.x, r.y, r.w, r.h, AllPlanes, ZPixmap);
  if (image == nullptr) return Pixels();
  Pixels pixels(image->data, image->data + static_cast<size_t>(image->bytes_per_line) * image->height);
  XDestroyImage(image);
  return pixels;
}

double XSession::waitChange(const ScreenRect& r, const Pixels& before, double since, double timeoutMs,
                            bool equal) const {
  for (;;) {
    const bool same = grab(r) == before;
    const double now = monotonicMs();
    if (same == equal) return now - since;
    if (now - since > timeoutMs) return -1;
    sleepMs(0.5);
  }
}

void XSession::waitQuiet(const ScreenRect& r, double quietMs, double timeoutMs) const {
  const double start = monotonicMs();
  Pixels last = grab(r);
  double lastChange = start;
  while (monotonicMs() - lastChange < quietMs && monotonicMs() - start < timeoutMs) {
    sleepMs(5);
    Pixels now = grab(r);
    if (now != last) lastChange = monotonicMs();
    last.swap(now);
  }
}

void XSession::key(const char* keysym, bool press) const {
  const KeyCode code = XKeysymToKeycode(display_, XStringToKeysym(keysym));
  XTestFakeKeyEvent(display_, code, press ? True : False, CurrentTime);
  XFlush(display_);
}

void XSession::tapKey(const char* keysym) const {
  key(keysym, true);
  sleepMs(20);
  key(keysym, false);
  sleepMs(20);
}

void XSession::type(const char* text) const {
  for (const char* p = text; *p; ++p) {
    char name[2] = {*p, 0};
    tapKey(*p == '.' ? "period" : name);
  }
}

void XSession::button(int n, bool press) const {
  XTestFakeButtonEvent(display_, n, press ? True : False, CurrentTime);
  XFlush(display_);
}

void XSession::move(int x, int y) const {
  XTestFakeMotionEvent(display_, -1, x, y, CurrentTime);
  XFlush(display_);
}

double cpuMs(pid_t pid) {
  // schedstat's first field: nanoseconds on the CPU, per thread.
  char path[64];
  snprintf(path, sizeof path, "/proc/%d/task", static_cast<int>(pid));
  DIR* tasks = opendir(path);
  if (tasks == nullptr) return 0;
  double total = 0;
  while (dirent* entry = readdir(tasks)) {
    if (entry->d_name[0] == '.') continue;
    char file[512];
    snprintf(file, sizeof file, "%s/%s/schedstat", path, entry->d_name);
    FILE* f = fopen(file, "r");
    unsigned long long ns = 0;
    if (f != nullptr && fscanf(f, "%llu", &ns) == 1) total += ns / 1e6;
    if (f != nullptr) fclose(f);
  }
  closedir(tasks);
  return total;
}

void stopProcess(pid_t pid) {
  if (pid <= 0) return;
  kill(pid, SIGTERM);
  for (int i = 0; i < 100; ++i) {
    if (waitpid(pid, nullptr, WNOHANG) == pid) return;
    sleepMs(10);
  }
  kill(pid, SIGKILL);
  waitpid(pid, nullptr, 0);
}
