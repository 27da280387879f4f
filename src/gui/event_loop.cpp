// The event loop: timed queued calls (the mouse poll queues itself every
// 10 ms, and a pointer move brings it forward), the keyboard read on every
// pass, what a pass drew sent to X before the next, nested loops for modal
// dialogs, and a wait between due calls so that an idle editor uses next to
// no CPU.
#include <algorithm>
#include <chrono>

#include "gui/gui_internal.h"

namespace gui {

namespace {

constexpr int kPollMs = 10;

// A move wakes the loop at most once in this time: a pointer swept fast then
// costs a poll per 8 ms at most, not one per move.
constexpr int kMovePollGapMs = 8;

void mousePoll(void*) {
  GuiQueueCall(mousePoll, nullptr, kPollMs);
  dispatchMouse(GuiPollMouse());
}

// Takes the earliest call that is due, if any.
bool takeDue(long now, QueuedCall& out) {
  std::vector<QueuedCall>& queue = state().loop.queue;
  int best = -1;
  for (int i = 0; i < static_cast<int>(queue.size()); ++i) {
    const QueuedCall& c = queue[i];
    if (c.due > now) continue;
    if (best < 0 || c.due < queue[best].due || (c.due == queue[best].due && c.order < queue[best].order))
      best = i;
  }
  if (best < 0) return false;
  out = queue[best];
  queue.erase(queue.begin() + best);
  return true;
}

// While the pointer rests away from every canvas with no button down, a poll
// would find nothing to do: the loop then waits for the next other call or
// for input (the mouse and keyboard callbacks wake it), up to kRestMs.
constexpr int kRestMs = 500;

long nextDue(long now, bool mayRest) {
  long next = now + (mayRest ? kRestMs : kPollMs);
  for (const QueuedCall& c : state().loop.queue)
    if (c.due < next && !(mayRest && c.call == mousePoll)) next = c.due;
  return next;
}

// Allegro calls the keyboard callback before the key is in its buffer, so a
// loop woken by a key may find no key yet: after a key's wake it looks again
// every millisecond, kKeyLooks times, and after any input wake it polls again
// every kPollMs, never resting, for kWakeFollowUps polls.
constexpr int kKeyLooks = 4;
constexpr int kWakeFollowUps = 5;

// Brings the mouse poll forward to now: a move is waiting to be seen.
void pollMouseNow(long now) {
  for (QueuedCall& c : state().loop.queue)
    if (c.call == mousePoll && c.due > now) c.due = now;
}

// Waits for the next due call or for input. With mayRest the mouse poll
// pauses. A move, whether it came while the loop was busy or wakes it,
// brings the poll forward.
void waitForInput(long now, bool mayRest) {
  AllegroInput& input = state().input;
  std::unique_lock<std::mutex> lock(input.wakeMutex);
  if (input.movedWhileBusy) {
    mayRest = false;
    pollMouseNow(now);
  }
  input.movedWhileBusy = false;
  long due = nextDue(now, mayRest);
  int& keyLooks = state().loop.keyLooks;
  if (keyLooks > 0) {
    --keyLooks;
    due = std::min(due, now + 1);
  }
  if (due <= now) return;
  input.waiting = true;
  input.resting = mayRest;
  input.wake.wait_for(lock, std::chrono::milliseconds(due - now),
                      [&input] { return input.inputPending || input.moved; });
  input.waiting = false;
  input.resting = false;
  int& followUps = state().loop.followUps;
  if (input.inputPending || input.moved) followUps = kWakeFollowUps;
  else if (followUps > 0) --followUps;
  if (input.moved) pollMouseNow(nowMs());
  if (input.keyPending) keyLooks = kKeyLooks;
  input.keyPending = false;
  input.inputPending = false;
  input.moved = false;
}

// The window manager's close button: noted on Allegro's thread, answered
// from the outermost loop, so a press while a dialog runs its nested loop
// waits until the dialog has ended.
void answerCloseButton() {
  GuiContext& g = state();
  if (g.loop.loopDepth > 1 && g.loop.closeCommand) return;
  if (!g.input.closePressed.exchange(false) || !g.loop.closeCommand) return;
  g.loop.closeCommand(g.loop.closeData);
}

}  // namespace

void closeButtonPressed() {
  state().input.closePressed = true;
  wakeEventLoop();
}

void mouseMoved() {
  AllegroInput& input = state().input;
  {
    std::lock_guard<std::mutex> lock(input.wakeMutex);
    if (!input.waiting) {
      input.movedWhileBusy = true;
      return;
    }
    // In a fast sweep a move that follows a woken one closely is left to the
    // poll that one queued: waking the loop for each would only cost.
    const long now = nowMs();
    if (!input.resting && now - input.lastMoveWakeMs < kMovePollGapMs) return;
    input.lastMoveWakeMs = now;
    input.moved = true;
  }
  input.wake.notify_one();
}

namespace {

void wake(bool forKey) {
  AllegroInput& input = state().input;
  {
    std::lock_guard<std::mutex> lock(input.wakeMutex);
    input.inputPending = true;
    input.keyPending = input.keyPending || forKey;
  }
  input.wake.notify_one();
}

}  // namespace

void wakeForKey() { wake(true); }

void wakeEventLoop() { wake(false); }

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
  EventLoopState& loop = state().loop;
  loop.queue.push_back(QueuedCall{nowMs() + delayMs, ++loop.order, call, data});
}

// The context is looked up anew after every callback: nothing here keeps a
// reference into it across one.
void RunEventLoop() {
  if (!ensureGui() || state().loop.loopDepth >= kMaxLoopDepth - 1) return;
  const int depth = ++state().loop.loopDepth;
  state().loop.stop[depth] = false;
  if (!state().loop.pollQueued) {
    state().loop.pollQueued = true;
    GuiQueueCall(mousePoll, nullptr, 0);
  }
  while (!state().loop.stop[depth]) {
    pollKeyboard();
    answerCloseButton();
    followPalette();
    flushPresented();  // what the last call and the keys drew is seen before anything else
    // One due call per pass: keys are read between any two calls, even when
    // slow canvas polls keep the queue due all the time.
    QueuedCall call;
    if (state().loop.stop[depth]) break;
    if (takeDue(nowMs(), call)) {
      call.call(call.data);
      continue;
    }
    waitForInput(nowMs(), state().mouse.pointerResting && state().loop.followUps == 0);
  }
  EventLoopState& loop = state().loop;
  loop.stop[depth] = false;
  if (--loop.loopDepth == 0) loop.orderAtLastEnd = loop.order;
}

void SetCloseCallback(GuiCommand command, void* data) {
  state().loop.closeCommand = command;
  state().loop.closeData = data;
}

void StopEventLoop() {
  EventLoopState& loop = state().loop;
  if (loop.loopDepth > 0) loop.stop[loop.loopDepth] = true;
}
