// The one way the editor talks to the user: texts shown literally through the
// toolkit's ShowText, files chosen through its selector, both replaceable.
#include "app/user_dialogs.h"

#include <cstdarg>
#include <cstdio>

#include "app/editor_state.h"
#include "gui/gui.h"

namespace {

// The one state of the editor's dialogs: the table in use and how many of
// them wait for the user now (nested ones included).
struct DialogContext {
  UserDialogs table = {ShowText, SelectFile};
  int open = 0;
};
DialogContext g_dialogs;

// Counts a dialog as open for the lifetime of the guard.
struct OpenDialog {
  OpenDialog() { ++g_dialogs.open; }
  ~OpenDialog() { --g_dialogs.open; }
};

// A button held when a dialog closes must not act on the map under it.
void afterDialog() {
  if (EditorState* editor = editorState()) waitForNewPress(*editor);
}

}  // namespace

UserDialogs setUserDialogs(UserDialogs dialogs) {
  UserDialogs previous = g_dialogs.table;
  g_dialogs.table = dialogs;
  return previous;
}

int askUser(const char* text, const char* buttons) {
  OpenDialog open;
  const int answer = g_dialogs.table.ask(text ? text : "", buttons);
  afterDialog();
  return answer;
}

int askQuestion(const char* text, const char* buttons) {
  GuiDropEarlierInput();
  return askUser(text, buttons);
}

bool userDialogOpen() { return g_dialogs.open > 0; }

void tellUser(const char* format, ...) {
  char text[2048];
  va_list args;
  va_start(args, format);
  vsnprintf(text, sizeof text, format, args);
  va_end(args);
  askUser(text, "~OK");
}

const char* chooseFile(const char* masks, const char* startPath, int flags, const char* title,
                       const char* buttonLabel) {
  OpenDialog open;
  const char* path = g_dialogs.table.chooseFile(masks, startPath, flags, title, buttonLabel);
  afterDialog();
  return path ? path : "";
}
