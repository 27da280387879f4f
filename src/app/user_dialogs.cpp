// The one way the editor talks to the user: texts shown literally through the
// toolkit's ShowText, files chosen through its selector, both replaceable.
#include "app/user_dialogs.h"

#include <cstdarg>
#include <cstdio>

#include "app/editor_state.h"
#include "gui/gui.h"

namespace {

// The editor's dialogs; null before the editor object exists and after it
// is gone, when the toolkit's dialogs are shown uncounted.
DialogContext* context() {
  EditorState* editor = editorState();
  return editor ? &editor->dialogs : nullptr;
}

// Counts a dialog as open for the lifetime of the guard.
class OpenDialog {
 public:
  OpenDialog() : dialogs_(context()) {
    if (dialogs_) ++dialogs_->open;
  }
  ~OpenDialog() {
    if (dialogs_) --dialogs_->open;
  }
  AskFunction ask() const { return dialogs_ && dialogs_->table.ask ? dialogs_->table.ask : ShowText; }
  ChooseFileFunction chooseFile() const {
    return dialogs_ && dialogs_->table.chooseFile ? dialogs_->table.chooseFile : SelectFile;
  }

 private:
  DialogContext* dialogs_;
};

// A button held when a dialog closes must not act on the map under it.
void afterDialog() {
  if (EditorState* editor = editorState()) waitForNewPress(*editor);
}

}  // namespace

UserDialogs setUserDialogs(UserDialogs dialogs) {
  DialogContext* in = context();
  if (in == nullptr) return UserDialogs{nullptr, nullptr};
  UserDialogs previous = in->table;
  in->table = dialogs;
  return previous;
}

int askUser(const char* text, const char* buttons) {
  OpenDialog open;
  const int answer = open.ask()(text ? text : "", buttons);
  afterDialog();
  return answer;
}

int askQuestion(const char* text, const char* buttons) {
  GuiDropEarlierInput();
  return askUser(text, buttons);
}

bool userDialogOpen() {
  const DialogContext* dialogs = context();
  return dialogs && dialogs->open > 0;
}

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
  const char* path = open.chooseFile()(masks, startPath, flags, title, buttonLabel);
  afterDialog();
  return path ? path : "";
}
