// The event loop: timed queued calls (the mouse poll queues itself every
// 10 ms), the keyboard read on every pass, nested loops for modal dialogs, and a wait between
// due calls so that an idle editor uses next to no CPU.
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <vector>

#include "gui/gui_internal.h"

namespace gui {

namespace {

struct QueuedCall {
  long due;
  long order;  // calls due at the same time run in the order they were queued
  GuiQueuedCall call;
  void* data;
};

std::vector<QueuedCall> g_queue;
long g_order = 0;
bool g_pollQueued = false;
constexpr int kPollMs = 10;

void mousePoll(void*) {
  GuiQueueCall(mousePoll, nullptr, kPollMs);
  dispatchMouse(GuiPollMouse());
}

// Takes the earliest call that is due, if any.
bool takeDue(long now, QueuedCall& out) {
  int best = -1;
  for (int i = 0; i < static_cast<int>(g_queue.size()); ++i) {
    const QueuedCall& c = g_queue[i];
    if (c.due > now) continue;
    if (best < 0 || c.due < g_queue[best].due ||
        (c.due == g_queue[best].due && c.order < g_queue[best].order))
      best = i;
  }
  if (best < 0) return false;
  out = g_queue[best];
  g_queue.erase(g_queue.begin() + best);
  return true;
}

// While the pointer rests away from every canvas with no button down, a poll
// would find nothing to do: the loop then waits for the next other call or
// for input (the mouse and keyboard callbacks wake it), up to kRestMs.
constexpr int kRestMs = 500;
std::mutex g_wakeMutex;
std::condition_variable g_wake;
bool g_inputPending = false;

long nextDue(long now, bool mayRest) {
  long next = now + (mayRest ? kRestMs : kPollMs);
  for (const QueuedCall& c : g_queue)
    if (c.due < next && !(mayRest && c.call == mousePoll)) next = c.due;
  return next;
}

// Allegro calls the keyboard callback before the key is in its buffer, so a
// loop woken by a key may find no key yet: after any input wake it polls
// again every kPollMs, never resting, for kWakeFollowUps polls.
constexpr int kWakeFollowUps = 5;
int g_followUps = 0;

void waitUntil(long now, long due) {
  std::unique_lock<std::mutex> lock(g_wakeMutex);
  g_wake.wait_for(lock, std::chrono::milliseconds(due - now), [] { return g_inputPending; });
  if (g_inputPending) g_followUps = kWakeFollowUps;
  else if (g_followUps > 0) --g_followUps;
  g_inputPending = false;
}

// The window manager's close button: noted on Allegro's thread, answered
// from the loop.
std::atomic<bool> g_closePressed{false};
GuiCommand g_closeCommand = nullptr;
void* g_closeData = nullptr;

void answerCloseButton() {
  if (!g_closePressed.exchange(false) || !g_closeCommand) return;
  g_closeCommand(g_closeData);
}

}  // namespace

void closeButtonPressed() {
  g_closePressed = true;
  wakeEventLoop();
}

void wakeEventLoop() {
  {
    std::lock_guard<std::mutex> lock(g_wakeMutex);
    g_inputPending = true;
  }
  g_wake.notify_one();
}

long nowMs() {
  using namespace std::chrono;
  static const steady_clock::time_point start = steady_clock::now();
  return static_cast<long>(duration_cast<milliseconds>(steady_clock::now() - start).count());
}

}  // namespace gui

using namespace gui;

void GuiQueueCall(GuiQueuedCall call, void* data, int delayMs) {
  if (!call) return;
  if (delayMs < 0) delayMs = 0;
  g_queue.push_back(QueuedCall{nowMs() + delayMs, ++g_order, call, data});
}

void RunEventLoop() {
  Gui& g = state();
  if (!ensureGui() || g.loopDepth >= kMaxLoopDepth - 1) return;
  int depth = ++g.loopDepth;
  g.stop[depth] = false;
  if (!g_pollQueued) {
    g_pollQueued = true;
    GuiQueueCall(mousePoll, nullptr, 0);
  }
  while (!g.stop[depth]) {
    pollKeyboard();
    answerCloseButton();
    followPalette();
    // One due call per pass: keys are read between any two calls, even when
    // slow canvas polls keep the queue due all the time.
    QueuedCall call;
    if (g.stop[depth]) break;
    if (takeDue(nowMs(), call)) {
      call.call(call.data);
      continue;
    }
    long now = nowMs();
    long due = nextDue(now, g.pointerResting && g_followUps == 0);
    if (due > now) waitUntil(now, due);
  }
  g.stop[depth] = false;
  --g.loopDepth;
}

void SetCloseCallback(GuiCommand command, void* data) {
  g_closeCommand = command;
  g_closeData = data;
}

void StopEventLoop() {
  Gui& g = state();
  if (g.loopDepth > 0) g.stop[g.loopDepth] = true;
}
