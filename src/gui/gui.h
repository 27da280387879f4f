// The GUI toolkit's public operations: windows, menus, canvases, status
// fields, buttons, check boxes, tab panels, requesters, progress windows,
// lists, edit boxes, registered images and the file selector, drawn with
// Allegro 4 in the toolkit's own font. Every editor action is a callback from
// RunEventLoop; callbacks receive the data pointer they were registered with.
//
// Ownership in short: the toolkit copies every text it is given (labels,
// titles, requester texts) at the call. Pointers it keeps (check box flags,
// selected-tab ints, list row counts and list data, edit-box buffers, data
// pointers of callbacks, registered bitmaps) stay the caller's, and must live
// as long as the widget that holds them (or, for images, as long as the
// toolkit may draw a list row that names them).
#pragma once

#include <cstddef>

struct BITMAP;

// Asks the toolkit to choose a position or size.
constexpr int AUTO = 0x7fffff;

// ---- Magic numbers the editor passes ----
// CreateWindow attributes (bits).
constexpr int kWindowNotMovable = 4;  // the title bar cannot be dragged
// SelectFile flags (bits).
constexpr int kSelectNoDataFileButton = 2;  // accepted; the selector never offers such a button
constexpr int kSelectAskOverwrite = 4;      // ask before an existing file is chosen
constexpr int kSelectMustExist = 16;        // the chosen file must exist
constexpr int kSelectDirectory = 32;        // choose a directory, not a file
constexpr int kSelectDisplayButton = 512;   // a button that shows or hides hidden entries
constexpr int kSelectUseStartPath = 1024;   // start in the start path, not the remembered directory
constexpr int kSelectKeepName = 16384;      // a typed name stays when the directory changes
// The editor's combinations.
constexpr int kSelectOpenFlags = kSelectNoDataFileButton | kSelectMustExist | kSelectDisplayButton | kSelectUseStartPath;  // 1554
constexpr int kSelectSaveAsFlags = kSelectNoDataFileButton | kSelectDisplayButton | kSelectUseStartPath | kSelectKeepName;  // 17922
constexpr int kSelectDirectoryFlags = kSelectNoDataFileButton | kSelectDirectory | kSelectDisplayButton | kSelectUseStartPath;  // 1570
// AddEditBox format: the data is a char buffer edited in place (the only format).
constexpr int kEditBoxText = 5;
// AddListBox mouse events (bits): the left button selects rows.
constexpr int kListLeftButton = 1;
// RegisterImage type: an Allegro bitmap used directly (the only type).
constexpr int kImageBitmap = 1;
// Canvas call codes: (x, y) of the first draw (clear the bitmap) and of a redraw.
constexpr int kCanvasClearX = 0, kCanvasClearY = -1;
constexpr int kCanvasRedrawX = -1, kCanvasRedrawY = 0;
inline bool IsCanvasClear(int x, int y) { return x == kCanvasClearX && y == kCanvasClearY; }
inline bool IsCanvasRedraw(int x, int y) { return x == kCanvasRedrawX && y == kCanvasRedrawY; }

// ---- Text limits ----
// Labels, titles and button labels show at most 255 characters; a requester's
// message at least 1023 (longer ones are cut); a list row text and a status
// text are read from buffers of the sizes below.
constexpr int kGuiLabelMax = 255;
constexpr int kGuiMessageMax = 4095;
constexpr int kGuiStatusBufferSize = 1000;
constexpr int kGuiRowBufferSize = 100000;

// Callback signatures.
typedef void (*GuiCommand)(void* data);                                     // buttons, menu items
typedef void (*GuiFill)(void* data);                                        // menu bar titles, tabs
// x, y: a canvas call code above, or the pointer's position in the canvas (both >= 0).
typedef void (*GuiCanvasCallback)(BITMAP* bitmap, int x, int y, void* data);
typedef void (*GuiStatusText)(void* data, char* buffer);                     // buffer of kGuiStatusBufferSize bytes
typedef void* (*GuiListIndexer)(void* listData, int row);                    // returns the row data
typedef void (*GuiListRowText)(void* rowData, char* buffer);                 // buffer of kGuiRowBufferSize bytes
typedef void (*GuiListRowCallback)(int rowId, void* rowData);                // select, delete
typedef void (*GuiListAction)(int rowId, void* rowData);                     // double click or Enter on a row

// ---- Set-up and event loop ----
// Zeros keep the graphics mode the program set; without one, width x height x
// depth (or 1024 x 768 x 16) is opened in a window.
void InitGui(int width, int height, int depth, int* errnoAddress, int (*atexitFunction)(void (*)(void)));
// Runs until StopEventLoop; modal dialogs run it nested inside a callback.
void RunEventLoop();
void StopEventLoop();
// In a window mode, the window manager's close button calls command(data)
// from the outermost event loop (the editor makes it act as File > Quit):
// pressed while a dialog is open, it is acted on when the dialog ends. A null
// command makes the close button do nothing. Replaces any earlier callback.
void SetCloseCallback(GuiCommand command, void* data);

// ---- Keys for the program: shortcuts of a window ----
// Modifier bits of a GuiKey.
constexpr int kGuiShift = 1, kGuiCtrl = 2, kGuiAlt = 4;
struct GuiKey {
  int scancode;    // Allegro's KEY_ code (the keypad's Enter reads as KEY_ENTER)
  int ascii;       // the character typed, 0 when none (Ctrl+letter gives 1..26)
  int modifiers;   // kGuiShift | kGuiCtrl | kGuiAlt held when the key was pressed
  bool textFocus;  // a list or an edit box of the window has the keyboard focus
  int canvas;      // the canvas under the pointer (widget id), 0 when none
};
// Returns true when it took the key.
typedef bool (*GuiKeyHandler)(const GuiKey& key, void* data);
// The handler gets every key typed while the window is the top window (no
// requester, selector, progress window or open menu over it) that the
// toolkit itself did not take. The toolkit takes, in this order: Alt+letter
// of a menu title; keys of the focused edit box (characters, Backspace,
// Delete, arrows, Home, End) or list (arrows, Page Up/Down, Home, End,
// Delete, Enter on a row with an action, letters that find rows), except
// keys typed with Alt or Ctrl held, which focused widgets leave alone; Tab and
// Shift+Tab; Left and Right between buttons (not with Alt or Ctrl); Enter for
// the window's default button; Escape for its escape button; a button's
// hotkey letter (with Alt when a list or edit box has the focus;
// never with Ctrl). Everything else reaches the handler, Escape and
// Ctrl+letters included. While the pointer is over a canvas, the handler is
// offered a plain letter first, before a focused list or edit box: what it
// takes they never see. One handler per window; null removes it.
void SetKeyHandler(int window, GuiKeyHandler handler, void* data);
// Where a widget lies on the screen (the canvas's first pixel for a canvas);
// false, with the outputs untouched, for an invalid id or a widget not shown.
bool GetWidgetScreenRect(int id, int* x, int* y, int* width, int* height);

// ---- Windows ----
// width 1 with height AUTO: the whole screen; width 0 with height AUTO: the
// size of its contents. attributes: kWindowNotMovable or 0. Widgets added
// until ShowWindow go into it. Opening a window while another one (or a tab
// page) is being built is allowed: what was being built is saved, and taken
// up again when the new window is shown or closed.
int CreateWindow(int width, int height, const char* title, int attributes);
// Where the window being built will show its top-left corner instead of the
// screen's centre; kept wholly on the screen, so a y beyond the screen's
// height puts it at the bottom.
void SetWindowPlace(int x, int y);
void ShowWindow();
void CloseTopWindow();

// ---- Menus ----
int BeginMenuBar();
int AddMenuBarItem(const char* label, GuiFill fill, void* data);
void EndMenuBar();
// kind kMenuItemPlain: choosing it closes the menu and runs command(data);
// kMenuItemDisabled: drawn dimmed, and neither a click, Enter nor its letter
// chooses it. kMenuItemChecked, alone or with kMenuItemDisabled: an item of a
// toggle or a choice that is on, drawn with a check mark before its label (an
// item of one that is off is a plain item). The shortcut text is drawn
// right-aligned in the menu. It may also follow a tab in the label:
// "~Undo\tCtrl+Z" shows "Undo" with its hotkey "u" and "Ctrl+Z" at the right
// (a non-empty shortcut argument wins over the label's). The text is only
// shown: the program receives the key itself (SetKeyHandler).
// Kinds are flags: a checked item may also be disabled. kMenuItemSeparator is
// a line between groups of items (label and command unused).
constexpr int kMenuItemPlain = 0, kMenuItemDisabled = 1, kMenuItemChecked = 2, kMenuItemSeparator = 4;
int AddMenuItem(int kind, const char* label, const char* shortcut, GuiCommand command, void* data);

// ---- Controls (added to the window, tab page or menu being built) ----
int AddLabel(int x, int y, const char* text);
// The callback fills the field's text at every draw.
int AddStatusField(int x, int y, int width, GuiStatusText text, void* data);
int AddCanvas(int x, int y, int width, int height, GuiCanvasCallback callback, void* data);
// *flag is read at every draw and written by a click (1 when below 1, else 0).
int AddCheckBox(int x, int y, const char* label, int* flag);
// command(data) runs after each click or key that flipped the check box's flag.
void SetCheckBoxCallback(int checkBox, GuiCommand command, void* data);
int AddButton(int x, int y, const char* label, GuiCommand command, void* data);
// *selectedTab is read when the window is shown and written on every tab click.
int AddTabPanel(int x, int y, int width, int height, int* selectedTab);
int AddTab(int panel, GuiFill fill, void* data, const char* label);
// format must be kEditBoxText; data is the caller's buffer of maxLength + 1
// bytes, edited in place and read by the caller whenever it likes. Text the
// buffer holds when the box is made shows selected: typing replaces it.
int AddEditBox(int x, int y, int width, const char* label, int format, int maxLength, void* data);
// *rowCount is read at every draw (never kept as a copy); rows 0 .. count-1
// are asked for through the indexer (or get listData itself without one).
// mouseEvents: kListLeftButton, or 0 for a list the mouse cannot select in.
// action: called on a double click or Enter on a row (may be null).
// Rows are 20 pixels high; a text too long for the row ends in "...".
int AddListBox(int x, int y, void* listData, int* rowCount, int width, int mouseEvents,
               GuiListRowText rowText, GuiListAction action, int visibleRows);
void SetListIndexer(int list, GuiListIndexer indexer);
// Called whenever the user makes a row selected (click, keys, type-to-find).
void SetListSelectCallback(int list, GuiListRowCallback callback);
// Called for the selected row when the user presses Delete in the list.
void SetListDeleteCallback(int list, GuiListRowCallback callback);
// Selects row (-1 or a row past the count: no row is selected, none drawn
// highlighted), scrolls it into view and redraws the list. The select
// callback is not called. Lists also keep their scroll position within the
// row count by themselves when the count changes.
void SetListSelection(int list, int row);
// Shows the list from its first row (for a list that now shows other rows).
void ScrollListToTop(int list);

// Draws text in the toolkit's font onto a canvas's bitmap, centred on
// centreX, its top at y, in colour (of the bitmap's depth), over what is there.
void DrawCentredText(BITMAP* bitmap, const char* text, int centreX, int y, int colour);

// ---- Redraw and modal dialogs ----
void Refresh(int id);
// Copies the rectangle (canvas pixels, clipped to the canvas) of what a
// canvas's bitmap holds to the screen, without calling its callback: a
// callback that changed a small part of its canvas copies only that part.
void RefreshArea(int canvas, int x, int y, int width, int height);
// The text is a printf format used without arguments ("%%" shows one "%"),
// then split at "|" into the message and one button label per button (none:
// one "~OK"). The message is wrapped to the screen ("\n" breaks a line); at
// least kGuiMessageMax characters of the text are read. Buttons that do not
// fit the screen are dropped, never the last one. Returns the index of the
// button pressed (0 for the first); Escape or closing chooses the last.
int ShowMessage(const char* title, const char* text);
// The same requester with text shown literally ("%" and "|" stay as they
// are) and the buttons of buttons ("~Save|~Discard|~Cancel"; null or "": one
// "~OK"). Every message that holds a name, a file's text or an error goes
// through here, so no caller escapes anything by hand.
int ShowText(const char* text, const char* buttons);
// Appends text to the NUL-terminated buffer of size bytes so that ShowMessage
// shows it as it is: "%" is doubled, and unless keepBars is set "|" becomes
// "/". What does not fit is cut, never inside a doubled "%". Returns the new
// length of the buffer's text.
size_t AppendRequesterLiteral(char* buffer, size_t size, const char* text, bool keepBars);
int OpenProgressWindow(const char* title, const char* buttonLabel, int barWidth);
void SetProgress(int progressWindow, int percent);

// ---- Images and the file selector ----
// type must be kImageBitmap and owner 0 (images are shared by all windows);
// others are refused. The bitmap is neither copied nor freed: it must live
// while a list may draw a row that names it. A second call with the same
// name replaces the bitmap.
void RegisterImage(BITMAP* bitmap, const char* name, int type, int owner);
// flags: the kSelect bits above. masks: "*.map" or several joined by ";".
// A relative start path is taken from the working directory. Returns the
// chosen path in editor form ("C:\dir\file", a file spelt as on disk), or ""
// when cancelled; directories come without a trailing "\" (the root: "C:"),
// since the editor appends "\" and a file name.
// The text stays valid until the event loop runs again.
const char* SelectFile(const char* masks, const char* startPath, int flags, const char* title,
                       const char* buttonLabel);

// ---- Mouse state shared by canvases and scripts ----
// The state of the last poll. A press that began and ended between two polls
// (a short click) is presented as down for one poll, so no click is lost.
struct GuiMouse {
  int x, y, z, b;
  long leftPressMs;  // when the left press that b shows was made (the toolkit's clock in ms)
};
const GuiMouse& GuiMouseState();
// Takes a new poll now (outside the event loop, for waits such as a script's getpos).
const GuiMouse& GuiPollMouse();

// ---- Questions that replace or discard data ----
// Drops the keys typed and the mouse presses made so far that nothing has
// read, and ignores a key or button held now until it is released. Called
// right before such a question is shown, it is answered only by input that
// came after it appeared (a Return typed while a script ran answers nothing).
void GuiDropEarlierInput();

// ---- Support for tests and display-less tools ----
// Initialises Allegro without a graphics driver and a memory bitmap of the
// given size and depth standing in for the screen; keyboard input comes from
// simulate_keypress. False when Allegro cannot be set up.
bool GuiInitHeadless(int width, int height, int depth);
// Queues a call to run from the event loop after delayMs milliseconds.
typedef void (*GuiQueuedCall)(void* data);
void GuiQueueCall(GuiQueuedCall call, void* data, int delayMs);
