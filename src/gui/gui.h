// The GUI toolkit's public operations: windows, menus, canvases, status
// fields, buttons, check boxes, tab panels, requesters, progress windows,
// lists, edit boxes, registered images and the file selector, drawn with
// Allegro 4. Every editor action is a callback from RunEventLoop; callbacks
// receive the data pointer they were registered with.
#pragma once

struct BITMAP;

// Asks the toolkit to choose a position or size.
constexpr int AUTO = 0x7fffff;

// Callback signatures.
typedef void (*GuiCommand)(void* data);                                     // buttons, menu items
typedef void (*GuiFill)(void* data);                                        // menu bar titles, tabs
typedef void (*GuiCanvasCallback)(BITMAP* bitmap, int x, int y, void* data);
typedef void (*GuiStatusText)(void* data, char* buffer);                     // buffer of 1000 bytes
typedef void* (*GuiListIndexer)(void* listData, int row);                    // returns the row data
typedef void (*GuiListRowText)(void* rowData, char* buffer);                 // buffer of 100000 bytes
typedef void (*GuiListRowCallback)(int rowId, void* rowData);                // select, delete
typedef void (*GuiListAction)(int rowId, void* rowData);                     // double click (unused by the editor)

// ---- Set-up and event loop ----
void InitGui(int width, int height, int depth, int* errnoAddress, int (*atexitFunction)(void (*)(void)));
void RunEventLoop();
void StopEventLoop();

// ---- Windows ----
int CreateWindow(int width, int height, const char* title, int attributes);
void ShowWindow();
void CloseTopWindow();

// ---- Menus ----
int BeginMenuBar();
int AddMenuBarItem(const char* label, GuiFill fill, void* data);
void EndMenuBar();
int AddMenuItem(int kind, const char* label, const char* shortcut, GuiCommand command, void* data);

// ---- Controls ----
int AddLabel(int x, int y, const char* text);
int AddStatusField(int x, int y, int width, GuiStatusText text, void* data);
int AddCanvas(int x, int y, int width, int height, GuiCanvasCallback callback, void* data);
int AddCheckBox(int x, int y, const char* label, int* flag);
int AddButton(int x, int y, const char* label, GuiCommand command, void* data);
int AddTabPanel(int x, int y, int width, int height, int* selectedTab);
int AddTab(int panel, GuiFill fill, void* data, const char* label);
int AddEditBox(int x, int y, int width, const char* label, int format, int maxLength, void* data);
int AddListBox(int x, int y, void* listData, int* rowCount, int width, int mouseEvents,
               GuiListRowText rowText, GuiListAction action, int visibleRows);
void SetListIndexer(int list, GuiListIndexer indexer);
void SetListSelectCallback(int list, GuiListRowCallback callback);
void SetListDeleteCallback(int list, GuiListRowCallback callback);

// ---- Redraw and modal dialogs ----
void Refresh(int id);
// The text is a printf format used without arguments ("%%" shows one "%"),
// then split at "|" into the message and one button label per button.
// Returns the index of the button pressed (0 for the first).
int ShowMessage(const char* title, const char* text);
int OpenProgressWindow(const char* title, const char* buttonLabel, int barWidth);
void SetProgress(int progressWindow, int percent);

// ---- Images and the file selector ----
void RegisterImage(BITMAP* bitmap, const char* name, int type, int owner);
// Returns the chosen path in editor form ("C:\dir\file"), or "" when cancelled.
// The text stays valid until the event loop runs again.
const char* SelectFile(const char* masks, const char* startPath, int flags, const char* title,
                       const char* buttonLabel);

// ---- Mouse state shared by canvases and scripts ----
// The state of the last poll. A press that began and ended between two polls
// (a short click) is presented as down for one poll, so no click is lost.
struct GuiMouse {
  int x, y, z, b;
};
const GuiMouse& GuiMouseState();
// Takes a new poll now (outside the event loop, for waits such as a script's getpos).
const GuiMouse& GuiPollMouse();

// ---- Support for tests and display-less tools ----
// Initialises Allegro without a graphics driver and a memory bitmap of the
// given size and depth standing in for the screen; keyboard input comes from
// simulate_keypress. False when Allegro cannot be set up.
bool GuiInitHeadless(int width, int height, int depth);
// Queues a call to run from the event loop after delayMs milliseconds.
typedef void (*GuiQueuedCall)(void* data);
void GuiQueueCall(GuiQueuedCall call, void* data, int delayMs);
