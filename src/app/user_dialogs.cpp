// The one way the editor talks to the user: texts shown literally through the
// toolkit's requester, files chosen through its selector, both replaceable.
#include "app/user_dialogs.h"

#include <cstdarg>
#include <cstdio>

#include "gui/gui.h"

namespace {

// Shows the text as it is: the requester reads its text as a format and splits
// it at "|", so "%" is doubled and a "|" of the text shown as "/".
int showLiterally(const char* text, const char* buttons) {
  static char format[4096];
  size_t used = 0;
  for (const char* p = text; *p && used + 3 < sizeof format; ++p) {
    format[used++] = *p == '|' ? '/' : *p;
    if (*p == '%') format[used++] = '%';
  }
  format[used] = '\0';
  snprintf(format + used, sizeof format - used, "|%s", buttons && buttons[0] ? buttons : "~OK");
  return ShowMessage("", format);
}

UserDialogs g_dialogs = {showLiterally, SelectFile};

}  // namespace

UserDialogs setUserDialogs(UserDialogs dialogs) {
  UserDialogs previous = g_dialogs;
  g_dialogs = dialogs;
  return previous;
}

int askUser(const char* text, const char* buttons) { return g_dialogs.ask(text ? text : "", buttons); }

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
  const char* path = g_dialogs.chooseFile(masks, startPath, flags, title, buttonLabel);
  return path ? path : "";
}
