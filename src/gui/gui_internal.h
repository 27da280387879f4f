// The toolkit's internal model, shared by the files of gui/: the window stack,
// the widget table, the construction target and the helpers that draw, copy
// to the screen and hit-test. Nothing outside gui/ includes this header.
#pragma once
#include <allegro.h>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <vector>

#include "gui/gui.h"

namespace gui {

enum class Kind {
  None, Label, Status, Canvas, CheckBox, Button, TabPanel, Tab, EditBox, ListBox,
  MenuBar, MenuTitle, MenuItem, Progress
};
enum class WindowKind { Normal, Popup };

constexpr int kMaxWidgets = 4096;
constexpr int kMaxWindows = 16;
constexpr int kLabelSize = 256;
constexpr int kMaxLoopDepth = 32;

// Window frame: a 3 pixel border and a title bar, so the client area of a
// window at (0, 0) starts at screen pixel (3, 25).
constexpr int kBorder = 3;
constexpr int kTitleHeight = 22;
constexpr int kPopupBorder = 2;
constexpr int kMenuBarHeight = 18;
constexpr int kRowHeight = 20;  // an 18 x 20 sprite icon shows whole
constexpr int kScrollBarWidth = 11;
constexpr int kTabHeight = 17;

struct ListState {
  void* listData;
  int* rowCount;
  int mouseEvents;
  GuiListRowText rowText;
  GuiListAction action;
  GuiListIndexer indexer;
  GuiListRowCallback onSelect;
  GuiListRowCallback onDelete;
  int visibleRows;
  int top;           // first row in view
  int selected;      // -1 none
  bool draggingThumb;
  int dragOffset;
};

struct EditState {
  char* buffer;  // the caller's buffer of maxLength + 1 bytes
  int maxLength;
  int cursor;
  int scroll;  // first character in view
  bool allSelected;  // the text shows selected: typing replaces it
};

// One widget; the fields a kind does not use stay zero.
struct Widget {
  int id;           // 0: free slot
  Kind kind;
  int window;       // id of the window that holds it
  int owner;        // tab panel whose page holds it, 0 for the window itself
  int x, y, w, h;   // relative to the window's client area
  char label[kLabelSize];
  GuiCommand command;
  GuiFill fill;
  GuiCanvasCallback canvas;
  GuiStatusText status;
  void* data;
  int* flag;        // check box flag, tab panel selection
  int value;        // progress percent, tab index, widest status text
  int link;         // tab: its panel; menu title: its menu bar
  BITMAP* bitmap;   // canvas: the part of the drawing buffer it covers
  bool drawnOnce;
  bool running;     // canvas callback running: further calls are dropped
  ListState list;
  EditState edit;
};

// Where AddX puts new widgets: the window under construction, a tab page that
// is being filled, or a menu that is being filled.
struct BuildTarget {
  int window;
  int owner;
  int originX, originY;
};

struct Window {
  int id;           // 0: free slot
  WindowKind kind;
  int x, y, w, h;   // screen rectangle including the frame
  char title[kLabelSize];
  int attributes;
  bool fullScreen;
  bool autoSize;
  bool shown;
  int menuBar;      // id of its menu bar widget
  int focus;        // widget with the keyboard focus
  int hover;        // widget under the pointer
  int pressed;      // widget pressed by the left button
  int escapeButton; // button chosen by Escape, 0 none
  int defaultButton;// button chosen by Enter when the focus does not take it
  int ownerTitle;   // popup menus: the menu bar title that opened it
  GuiKeyHandler keyHandler;  // keys the window itself did not take
  void* keyData;
  BITMAP* under;    // what the window covers, restored when it closes
  bool dragging;
  int dragX, dragY;
  bool placed;          // SetWindowPlace gave the top-left corner
  int placeX, placeY;
  // What was being built when this window was created (a window, a tab
  // page), taken up again once this one is shown or closed.
  int outerBuilding;
  BuildTarget outerTarget;
};


struct Theme {
  int desk, face, faceLight, faceDark, shadow, text, title, titleText, titleInactive, highlight,
      highlightText, hover, field, focus, progress;
};

// ---- The toolkit's state: all of it lives in one GuiContext ----
// Initialisation (InitGui, GuiInitHeadless) makes a fresh context, so nothing
// of an earlier run (a queued call, a remembered directory, a half double
// click) reaches the next. Of the queued calls it keeps only those queued
// since the outermost event loop last returned: they are meant for the run
// about to start. Scratch buffers that hold nothing between calls stay in
// their functions.

// A call queued to run from the event loop once it is due.
struct QueuedCall {
  long due;
  long order;  // calls due at the same time run in the order they were queued
  GuiQueuedCall call;
  void* data;
};

struct EventLoopState {
  std::vector<QueuedCall> queue;
  long order = 0;
  long orderAtLastEnd = 0;  // order when the outermost loop last returned
  bool pollQueued = false;  // the mouse poll queues itself again at every run
  int followUps = 0;        // polls still to take without resting after an input wake
  int keyLooks = 0;         // 1 ms looks still to take for a key whose wake came before it
  int loopDepth = 0;        // running RunEventLoop calls, nested ones included
  bool stop[kMaxLoopDepth] = {};
  GuiCommand closeCommand = nullptr;  // SetCloseCallback
  void* closeData = nullptr;
};

// The mouse as the loop last saw and showed it.
struct MouseState {
  GuiMouse shown = {0, 0, 0, 0, 0};           // GuiMouseState
  unsigned shownPresses[3] = {};              // presses of each button shown so far
  int lastButtons = 0;                        // buttons of the previous dispatched poll
  int lastZ = 0;
  int lastX = -1, lastY = -1;                 // the pointer at the previous dispatched poll
  // No button, and away from canvases or on one that has seen this very
  // state before: polls may pause until input wakes the loop.
  bool pointerResting = false;
};

// What lists remember between presses and keys.
// The last press on a row: a second press is a double click only on the
// same row of the same list, soon, with the list not scrolled in between.
struct ListPress {
  int list, row, top;
  long ms;
};
// A held scroll arrow: which list, which way, when it steps next.
struct HeldArrow {
  int list, step;
  long nextMs;
};
struct ListMemory {
  ListPress lastPress = {0, -1, 0, -100000};
  HeldArrow heldArrow = {0, 0, 0};
  char findText[64] = "";  // type-to-find: the letters typed so far ...
  long findMs = -100000;   // ... and when the last one came
};

struct Selector;  // file_selector.cpp
struct SelectorMemory {
  Selector* open = nullptr;   // the innermost running SelectFile
  char remembered[1024] = ""; // the directory the last selector showed
  char result[1024] = "";     // SelectFile's returned text
};

struct RegisteredImage {
  char name[64];
  BITMAP* bitmap;
};
constexpr int kMaxImages = 2048;

// Written on Allegro's input threads (mouse and keyboard callbacks, the
// close button), read by the loop.
constexpr int kMouseButtons = 3;  // left, right, middle: bits 1, 2, 4
constexpr int kPressTimes = 8;    // press times kept per button
struct AllegroInput {
  long pressTime[kMouseButtons][kPressTimes] = {};  // the time of each press ...
  int pressX[kMouseButtons][kPressTimes] = {};      // ... and where it was made ...
  int pressY[kMouseButtons][kPressTimes] = {};
  std::atomic<unsigned> pressCount[kMouseButtons] = {};  // ... then the count, released to the loop
  // Where the press in the same slot ended, and that press's count (0: not
  // released yet), so a press shown late also ends where it ended.
  int releaseX[kMouseButtons][kPressTimes] = {};
  int releaseY[kMouseButtons][kPressTimes] = {};
  std::atomic<unsigned> releasedPress[kMouseButtons][kPressTimes] = {};
  std::atomic<int> heldModifiers{0};             // KB_*_FLAG held now
  std::atomic<int> modifiersAtPress[KEY_MAX] = {};  // held at each key's last press
  std::atomic<bool> closePressed{false};
  std::atomic<bool> heldAtDrop[KEY_MAX] = {};  // held at GuiDropEarlierInput: ignored until released
  std::mutex wakeMutex;
  std::condition_variable wake;
  bool inputPending = false;  // guarded by wakeMutex
  bool keyPending = false;    // guarded by wakeMutex: the wake was a key's
  // Also guarded by wakeMutex: the loop waits, with its mouse poll paused
  // (resting), a move woke it (and when it last did), and a move came while
  // it was busy. A move brings the mouse poll forward, so a drag is followed
  // at the pace of the pointer, not of the poll's timer.
  bool waiting = false;
  bool resting = false;
  bool moved = false;
  bool movedWhileBusy = false;
  long lastMoveWakeMs = -1000;  // when a move last woke the loop
};

struct GuiContext {
  bool ready = false;
  bool headless = false;
  BITMAP* display = nullptr;  // Allegro's screen, or a memory bitmap without a display
  BITMAP* buffer = nullptr;   // everything is drawn here first
  bool unsent = false;        // presented since the last flush
  void (*flushScreen)() = nullptr;  // sends what was presented to the X server; none headless
  Theme theme = {};
  PALETTE seenPalette = {};  // at 8 bits: the palette the theme was chosen from
  Window windows[kMaxWindows] = {};
  int windowCount = 0;
  int building = 0;  // window under construction, 0 none
  BuildTarget target = {};
  int buildingBar = 0;  // menu bar between BeginMenuBar and EndMenuBar
  int nextId = 0;
  Widget widgetSlots[kMaxWidgets] = {};
  int slotsInUse = 0;  // slots at and past this index have never been used
  EventLoopState loop;
  MouseState mouse;
  ListMemory lists;
  SelectorMemory selector;
  RegisteredImage images[kMaxImages] = {};
  int imageCount = 0;
  AllegroInput input;
};

GuiContext& state();
// Frees what the context holds (windows, bitmaps) and makes a fresh one.
void resetContext();
Widget* widgets();         // kMaxWidgets slots
int widgetSlotsInUse();    // loops over widgets() stop here

// ---- Store (store.cpp) ----
int newId();
Widget* addWidget(Kind kind, int x, int y, int w, int h, const char* label);
Widget* findWidget(int id);
Window* findWindow(int id);
Window* topWindow();
Window* windowOf(const Widget& widget);
void destroyWidget(Widget& widget);
void destroyPage(int panel);
void destroyWindowWidgets(int window);
bool ensureGui();

// ---- Geometry and drawing (paint.cpp, theme.cpp) ----
void clientOrigin(const Window& window, int& x, int& y);
void widgetScreenRect(const Widget& widget, int& x, int& y, int& w, int& h);
bool widgetVisible(const Widget& widget);
void paintWidget(Widget& widget);
void paintWindow(Window& window);
void paintTitleBar(Window& window, bool active);
bool startWindowDrag(Window& window, int mx, int my);
void dragWindow(Window& window, int mx, int my);
void present(int x, int y, int w, int h);
// Sends what was presented to the X server now: Allegro itself sends it only
// from its input thread's next pass, up to 10 ms later.
void flushPresented();
void repaintAbove(const Window& window, int x, int y, int w, int h);
void redrawWidget(int id);
void makeTheme(int depth);
// At 8 bits: after the program set another palette, the toolkit's colours
// are chosen from it anew and the screen is drawn again.
void followPalette();
void drawBevel(BITMAP* bmp, int x, int y, int w, int h, bool sunken);
void drawFocus(BITMAP* bmp, int x, int y, int w, int h);
void drawHotkeyText(BITMAP* bmp, const char* label, int x, int y, int color);
int hotkeyTextWidth(const char* label);
char hotkeyOf(const char* label);
void drawClippedText(BITMAP* bmp, const char* text, int x, int y, int maxWidth, int color);
// The text, or as much of it as fits maxWidth followed by "...".
void drawEllipsisText(BITMAP* bmp, const char* text, int x, int y, int maxWidth, int color);
// The text when it fits maxWidth; else "..." and as much of its end as fits,
// written into out. A long path so keeps its file name in sight.
const char* fitFromFront(const char* text, int maxWidth, char* out, size_t size);
// The toolkit's font, used by every widget, and measures in it.
FONT* guiFont();
int textWidth(const char* text);
int textHeight();

// ---- Widget kinds ----
void paintControl(Widget& widget, int x, int y);
void paintCanvas(Widget& widget);
void callCanvas(int id, int x, int y);
void attachCanvasBitmaps(int window);
void paintTabPanel(Widget& panel, int x, int y);
void paintTabStrip(Widget& panel);
void buildTabPage(int panel);
void buildTabPagesOf(int window);
void tabPress(Widget& tab);
void paintEditBox(Widget& widget, int x, int y);
bool editKey(Widget& widget, int scancode, int ascii);
void editPress(Widget& widget, int mx);
void paintListBox(Widget& widget, int x, int y);
// A press of the left button in the list: selects, starts a scroll, or (the
// second press on the same row, soon, unscrolled) runs the row's action.
void listPress(Widget& widget, int mx, int my, long pressMs);
// Each poll while the left button stays down after a press in the list.
void listHeld(Widget& widget, int mx, int my);
void listReleased();
void listDrag(Widget& widget, int my);
void listWheel(Widget& widget, int steps);
// Keys of a focused list; letters find rows by the start of their text.
bool listKey(Widget& widget, int scancode, int ascii);
void paintMenuBar(Widget& bar, int x, int y);
void paintMenuItem(Widget& item, int x, int y);
void openMenu(int title);
void closeMenu();
void chooseMenuItem(int item);
bool menuKey(int scancode, int ascii);
void menuMouse(const GuiMouse& mouse, int pressed, int released);
bool openMenuByHotkey(Window& window, char letter);
void activateButton(int id);
void toggleCheckBox(int id);
void paintProgress(Widget& widget, int x, int y);
BITMAP* findImage(const char* name, int length);

// ---- Event loop (event_loop.cpp, mouse_dispatch.cpp, keyboard.cpp) ----
long nowMs();
void wakeEventLoop();
// Wakes it for a key that may not be in Allegro's buffer yet: the loop then
// looks again every millisecond for a few milliseconds.
void wakeForKey();  // from Allegro's input thread: input has arrived
// From Allegro's input thread: the pointer moved, no button or wheel changed.
// It wakes only a loop whose mouse poll is paused; a polling loop sees the
// move at its next poll, and waking it between polls would do nothing.
void mouseMoved();
void closeButtonPressed();  // from Allegro's thread: the window's close button
void dispatchMouse(const GuiMouse& mouse);
void dispatchKey(int scancode, int ascii, int shifts);
void pollKeyboard();
// Called by Allegro's keyboard handler for every press and release (bit 7 set),
// at the moment it happens: remembers which modifiers were held at each key's
// press, because key_shifts may have changed by the time the key is read.
void noteKeyEvent(int scancode);
void resetMouseLatch();
void latchMouseFlags(int flags);
bool isTextKey(int ascii);
int focusableNext(Window& window, int from, int step);
void setFocus(Window& window, int id);

// ---- Requester text (requester_text.cpp) ----
// Expands the requester format convention ("%%" -> "%"); other "%"
// sequences are kept as they stand, since no arguments are ever given.
void expandRequesterFormat(const char* text, char* out, int outSize);
// Splits at "|": returns the number of parts (at most maxParts), each copied
// into parts[i] of partSize bytes.
int splitBar(const char* text, char parts[][kLabelSize], int maxParts);
// The requester of ShowMessage and ShowText: message shown as it is, buttons
// joined by "|" ("" gives "~OK"). Returns the index of the button chosen.
int runRequester(const char* title, const char* message, const char* buttons);

}  // namespace gui
