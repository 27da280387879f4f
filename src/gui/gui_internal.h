// The toolkit's internal model, shared by the files of gui/: the window stack,
// the widget table, the construction target and the helpers that draw, copy
// to the screen and hit-test. Nothing outside gui/ includes this header.
#pragma once
#include <allegro.h>

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
  // What was being built when this window was created (a window, a tab
  // page), taken up again once this one is shown or closed.
  int outerBuilding;
  BuildTarget outerTarget;
};


struct Theme {
  int desk, face, faceLight, faceDark, shadow, text, title, titleText, titleInactive, highlight,
      highlightText, hover, field, focus, progress;
};

struct Gui {
  bool ready;
  bool headless;
  BITMAP* display;  // Allegro's screen, or a memory bitmap without a display
  BITMAP* buffer;   // everything is drawn here first
  Window windows[kMaxWindows];
  int windowCount;
  int building;     // window under construction, 0 none
  BuildTarget target;
  int nextId;
  int loopDepth;
  bool stop[kMaxLoopDepth];
  Theme theme;
  int lastButtons;  // buttons of the previous poll
  int lastZ;
  bool pointerResting;  // on screen, away from canvases, no button: polls may pause
};

Gui& state();
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
void wakeEventLoop();  // from Allegro's input thread: input has arrived
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
