// The canvas protocol: first draw (0, -1), redraws (-1, 0), a call at every
// 10 ms poll with the pointer's canvas position, no call for a canvas whose
// callback is running, and the main window's client area at screen (3, 25).
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "gui/gui_internal.h"
#include "gui_test_support.h"

namespace {

struct CanvasLog {
  std::vector<std::pair<int, int>> calls;
  int id = 0;
  int color = 0;
  bool askOnPoll = false;
  bool asking = false;
  int callsWhileAsking = 0;
  int buttonsSeen = 0;
};

void logCanvas(BITMAP* bitmap, int x, int y, void* data) {
  CanvasLog* log = static_cast<CanvasLog*>(data);
  log->calls.push_back({x, y});
  if (log->asking) ++log->callsWhileAsking;
  if (x == -1) clear_to_color(bitmap, log->color);
  if (x >= 0 && (GuiMouseState().b & 1)) ++log->buttonsSeen;
  if (x >= 0 && log->askOnPoll) {
    log->askOnPoll = false;
    log->asking = true;
    ShowMessage("", "Click on the map to set the location of the teleport|~OK");
    log->asking = false;
  }
}

int buildMainWindow(CanvasLog& log) {
  CreateWindow(1, AUTO, "DOLA", 4);
  log.id = AddCanvas(2, 25, 100, 50, logCanvas, &log);
  ShowWindow();
  return log.id;
}

void stop(void*) { StopEventLoop(); }

// Stops the loop once the canvas of *polled has had 7 polls.
CanvasLog* polled = nullptr;
void watchPolls(void*) {
  if (polled->calls.size() >= 8) StopEventLoop();
  else GuiQueueCall(watchPolls, nullptr, 1);
}

void runFor(int ms) {
  GuiQueueCall(stop, nullptr, ms);
  RunEventLoop();
}

}  // namespace

TEST(Canvas, FirstDrawRedrawAndPlacementOnTheScreen) {
  startHeadlessGui();
  CanvasLog log;
  log.color = colorOf(255, 0, 0);
  int id = buildMainWindow(log);
  ASSERT_NE(0, id);
  ASSERT_EQ(1u, log.calls.size());
  EXPECT_EQ(std::make_pair(0, -1), log.calls[0]);

  Refresh(id);
  ASSERT_EQ(2u, log.calls.size());
  EXPECT_EQ(std::make_pair(-1, 0), log.calls[1]);
  // The canvas at client (2, 25) has its first pixel at screen (5, 50).
  EXPECT_EQ(log.color, screenPixel(5, 50));
  EXPECT_EQ(log.color, screenPixel(104, 99));
  EXPECT_NE(log.color, screenPixel(4, 50));
  EXPECT_NE(log.color, screenPixel(5, 49));
  EXPECT_NE(log.color, screenPixel(105, 99));
  EXPECT_NE(log.color, screenPixel(104, 100));

  Refresh(id + 1000);  // an invalid id is ignored
  EXPECT_EQ(2u, log.calls.size());
  CreateWindow(0, AUTO, "", 4);  // while a window is under construction
  Refresh(id);
  EXPECT_EQ(2u, log.calls.size());
  CloseTopWindow();
  CloseTopWindow();
  Refresh(id);  // a destroyed canvas is ignored
  EXPECT_EQ(2u, log.calls.size());
}

TEST(Canvas, PolledEveryTenMillisecondsWithThePointerPosition) {
  startHeadlessGui();
  CanvasLog log;
  buildMainWindow(log);
  setMouse(5 + 17, 50 + 9, 0);
  // Unchanged polls are delivered too, never more often than every 10 ms
  // (a loaded machine may make them rarer).
  polled = &log;
  const long start = gui::nowMs();
  GuiQueueCall(watchPolls, nullptr, 0);
  RunEventLoop();
  int polls = 0;
  for (auto& call : log.calls)
    if (call == std::make_pair(17, 9)) ++polls;
  EXPECT_EQ(7, polls);
  EXPECT_GE(gui::nowMs() - start, 60);
  EXPECT_EQ(static_cast<int>(log.calls.size()), polls + 1);

  // Outside the canvas nothing is called.
  log.calls.clear();
  setMouse(5 + 100, 50, 0);
  runFor(50);
  EXPECT_TRUE(log.calls.empty());
}

TEST(Canvas, NoNestedCallsWhileItsRequesterIsOpen) {
  startHeadlessGui();
  CanvasLog log;
  buildMainWindow(log);
  log.askOnPoll = true;
  setMouse(5 + 10, 50 + 10, 0);
  // The requester stays open 100 ms with the pointer over the canvas.
  GuiQueueCall([](void*) { pressKey(KEY_ENTER, 13); }, nullptr, 100);
  runFor(200);
  EXPECT_FALSE(log.asking);
  EXPECT_EQ(0, log.callsWhileAsking);
  EXPECT_GT(log.calls.size(), 3u);  // polls went on after the requester closed
}

TEST(Canvas, RefreshFromInsideItsOwnCallbackOnlyCopies) {
  startHeadlessGui();
  static CanvasLog log;
  log = CanvasLog();
  static int blue;
  blue = colorOf(0, 0, 255);
  CreateWindow(1, AUTO, "DOLA", 4);
  log.id = AddCanvas(2, 25, 40, 40, [](BITMAP* b, int x, int y, void*) {
    log.calls.push_back({x, y});
    if (x < 0 || y < 0) return;
    clear_to_color(b, blue);
    EXPECT_NE(blue, screenPixel(5, 50));
    Refresh(log.id);
    EXPECT_EQ(blue, screenPixel(5, 50));
    StopEventLoop();
  }, nullptr);
  ShowWindow();
  setMouse(10, 55, 0);
  RunEventLoop();
  EXPECT_EQ(2u, log.calls.size());  // the first draw and one poll, no nested redraw
}

TEST(Canvas, ShortClickBetweenPollsIsSeenOnce) {
  startHeadlessGui();
  CanvasLog log;
  buildMainWindow(log);
  setMouse(20, 60, 0);
  // The poll is due again within 10 ms of the click, so before the stop
  // however late the loop gets to run.
  GuiQueueCall([](void*) {
    gui::latchMouseFlags(MOUSE_FLAG_LEFT_DOWN);
    gui::latchMouseFlags(MOUSE_FLAG_LEFT_UP);
    GuiQueueCall(stop, nullptr, 40);
  }, nullptr, 30);
  RunEventLoop();
  EXPECT_EQ(1, log.buttonsSeen);
}

TEST(MouseLatch, PressesAndReleasesBetweenPolls) {
  startHeadlessGui();
  setMouse(1, 2, 0);
  EXPECT_EQ(0, GuiPollMouse().b);
  // A tap: down and up before the poll.
  gui::latchMouseFlags(MOUSE_FLAG_RIGHT_DOWN);
  gui::latchMouseFlags(MOUSE_FLAG_RIGHT_UP);
  EXPECT_EQ(2, GuiPollMouse().b);
  EXPECT_EQ(2, GuiMouseState().b);
  EXPECT_EQ(0, GuiPollMouse().b);
  // Held across polls it is simply down.
  setMouse(3, 4, 1);
  gui::latchMouseFlags(MOUSE_FLAG_LEFT_DOWN);
  const GuiMouse& held = GuiPollMouse();
  EXPECT_EQ(1, held.b);
  EXPECT_EQ(3, held.x);
  EXPECT_EQ(4, held.y);
  // Released and pressed again between polls: up once, then down again.
  gui::latchMouseFlags(MOUSE_FLAG_LEFT_UP);
  gui::latchMouseFlags(MOUSE_FLAG_LEFT_DOWN);
  EXPECT_EQ(0, GuiPollMouse().b);
  EXPECT_EQ(1, GuiPollMouse().b);
  setMouse(3, 4, 0);
  EXPECT_EQ(0, GuiPollMouse().b);
  // Two whole clicks before one poll (a loop held up): two presses, parted by
  // an up, each with the time it was made.
  for (int i = 0; i < 2; ++i) {
    gui::latchMouseFlags(MOUSE_FLAG_LEFT_DOWN);
    gui::latchMouseFlags(MOUSE_FLAG_LEFT_UP);
  }
  const long madeBy = gui::nowMs();
  const GuiMouse first = GuiPollMouse();
  const int between = GuiPollMouse().b;
  const GuiMouse second = GuiPollMouse();
  EXPECT_EQ(1, first.b);
  EXPECT_EQ(0, between);
  EXPECT_EQ(1, second.b);
  EXPECT_EQ(0, GuiPollMouse().b);
  EXPECT_LE(first.leftPressMs, madeBy);
  EXPECT_LE(second.leftPressMs, madeBy);
}

// Clicks made while the loop was held up act where they were made, not where
// the pointer went afterwards: each press and each release keeps its place.
TEST(MouseLatch, LateClicksAreShownWhereTheyWereMade) {
  startHeadlessGui();
  setMouse(10, 20, 1);
  setMouse(10, 20, 0);
  setMouse(12, 20, 1);
  setMouse(14, 22, 0);
  setMouse(300, 400, 0);
  const int expected[][3] = {{1, 10, 20}, {0, 10, 20}, {1, 12, 20}, {0, 14, 22}, {0, 300, 400}};
  for (const auto& e : expected) {
    const GuiMouse m = GuiPollMouse();
    EXPECT_EQ(e[0], m.b);
    EXPECT_EQ(e[1], m.x);
    EXPECT_EQ(e[2], m.y);
  }
}

// A canvas whose callback takes longer than the poll interval keeps polls due
// all the time; a typed key still goes through before the next canvas call,
// however slow the machine.
TEST(EventLoop, KeysArriveWhileASlowCanvasIsPolled) {
  startHeadlessGui();
  static int calls, callsAtPress, callsAtKey;
  calls = 0;
  callsAtKey = -1;
  CreateWindow(1, AUTO, "DOLA", 4);
  AddCanvas(2, 25, 100, 50, [](BITMAP*, int x, int, void*) {
    if (x >= 0) ++calls;
    std::this_thread::sleep_for(std::chrono::milliseconds(12));
  }, nullptr);
  AddButton(300, 300, "~Go", [](void*) {
    callsAtKey = calls;
    StopEventLoop();
  }, nullptr);
  ShowWindow();
  setMouse(5 + 10, 50 + 10, 0);
  GuiQueueCall([](void*) {
    callsAtPress = calls;
    pressKey(KEY_G, 'g');
  }, nullptr, 30);
  GuiQueueCall([](void*) { StopEventLoop(); }, nullptr, 1500);  // a loop that never read it
  RunEventLoop();
  EXPECT_GT(callsAtPress, 0);
  EXPECT_EQ(callsAtPress, callsAtKey);
}

// Initialisation starts afresh: nothing queued, registered, remembered or
// half-done by an earlier run reaches the next; a call queued for the coming
// run is kept.
TEST(EventLoop, InitialisationResetsTheToolkit) {
  startHeadlessGui();
  static int leftOver, kept;
  leftOver = kept = 0;
  CreateWindow(1, AUTO, "DOLA", 4);
  ShowWindow();
  GuiQueueCall([](void*) { ++leftOver; }, nullptr, 150);
  runSteps({{10, [] {}}});  // ends before the call is due
  GuiQueueCall([](void*) { ++kept; }, nullptr, 50);
  SetCloseCallback([](void*) { ++leftOver; }, nullptr);
  RegisterImage(guiScreen(), "7", kImageBitmap, 0);
  gui::latchMouseFlags(MOUSE_FLAG_LEFT_DOWN);  // a press not yet polled
  gui::state().lists.lastPress = gui::ListPress{5, 1, 0, gui::nowMs()};
  snprintf(gui::state().selector.remembered, 1024, "%s", "C:\\old");
  startHeadlessGui();
  gui::closeButtonPressed();
  runSteps({{200, [] {}}});
  EXPECT_EQ(0, leftOver);
  EXPECT_EQ(1, kept);
  EXPECT_EQ(nullptr, gui::topWindow());
  EXPECT_EQ(nullptr, gui::findImage("7", 1));
  EXPECT_EQ(0, GuiMouseState().b);
  EXPECT_EQ(0, gui::state().lists.lastPress.list);
  EXPECT_STREQ("", gui::state().selector.remembered);
}

// Allegro wakes the loop before the key is in its buffer. With the pointer
// resting away from every canvas, a key that lands just after its wake-up is
// still read at the next poll, not after the loop's rest interval (500 ms).
TEST(EventLoop, AKeyLandingAfterItsWakeUpIsReadWithoutARest) {
  startHeadlessGui();
  static long readAt;
  readAt = -1;
  CreateWindow(1, AUTO, "DOLA", 4);
  AddButton(300, 300, "~Go", [](void*) {
    readAt = gui::nowMs();
    StopEventLoop();
  }, nullptr);
  ShowWindow();
  setMouse(900, 700, 0);
  mouse_driver = &mousedrv_none;  // with a mouse driver the resting pointer lets the loop rest
  long wokenAt = 0;
  std::thread keyboard([&wokenAt] {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    wokenAt = gui::nowMs();
    gui::noteKeyEvent(KEY_G);
    gui::wakeEventLoop();
    std::this_thread::sleep_for(std::chrono::milliseconds(3));
    pressKey(KEY_G, 'g');
  });
  GuiQueueCall([](void*) { StopEventLoop(); }, nullptr, 3000);  // a loop that never read it
  RunEventLoop();
  keyboard.join();
  mouse_driver = nullptr;
  ASSERT_GE(readAt, 0);
  EXPECT_LT(readAt - wokenAt, 250);
}

// What a call presented reaches the X server before the loop takes the next
// call or waits for input; a call that presented nothing sends nothing.
TEST(EventLoop, WhatACallPresentedIsSentBeforeTheNextCall) {
  startHeadlessGui();
  static std::vector<std::string> order;
  gui::state().flushScreen = [] { order.push_back("flush"); };
  gui::flushPresented();
  order.clear();
  const auto draw = [](void*) {
    order.push_back("draw");
    gui::present(0, 0, 10, 10);
  };
  GuiQueueCall(draw, nullptr, 0);
  GuiQueueCall([](void*) { order.push_back("quiet"); }, nullptr, 0);
  GuiQueueCall(draw, nullptr, 20);
  GuiQueueCall([](void*) { order.push_back("stop"); StopEventLoop(); }, nullptr, 40);
  RunEventLoop();
  EXPECT_EQ((std::vector<std::string>{"draw", "flush", "quiet", "draw", "flush", "stop"}), order);
}

TEST(EventLoop, CloseButtonCallsTheRegisteredCommand) {
  startHeadlessGui();
  static int closes;
  closes = 0;
  CreateWindow(1, AUTO, "DOLA", 4);
  ShowWindow();
  runSteps({{10, [] { gui::closeButtonPressed(); }}});  // no command yet: nothing
  SetCloseCallback([](void* data) { ++*static_cast<int*>(data); }, &closes);
  runSteps({{10, [] { gui::closeButtonPressed(); }}, {10, [] {}}});
  EXPECT_EQ(1, closes);
  // Pressed while a requester is open: acted on once it has closed.
  runSteps({{10, [] {
    queueSteps({{10, [] { gui::closeButtonPressed(); }}, {30, [] { pressKey(KEY_ENTER, 13); }}});
    ShowMessage("", "Open|~OK");
    EXPECT_EQ(1, closes);
  }}, {20, [] {}}});
  EXPECT_EQ(2, closes);
  SetCloseCallback(nullptr, nullptr);
}
