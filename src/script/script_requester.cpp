// The script host's requesters go through one replaceable function, and every
// foreign text is escaped on its way into the requester's format.
#include "script/script_requester.h"

#include <cstring>

#include "gui/gui.h"

namespace {
ScriptRequester currentRequester = ShowMessage;
}

int showScriptRequester(const char* text) { return currentRequester("", text); }

ScriptRequester setScriptRequester(ScriptRequester requester) {
  ScriptRequester previous = currentRequester;
  currentRequester = requester;
  return previous;
}

size_t appendRequesterLiteral(char* buffer, size_t size, const char* text, bool keepBars) {
  if (size == 0) return 0;
  size_t used = strnlen(buffer, size - 1);
  for (const char* p = text; *p != '\0'; p++) {
    char c = *p == '|' && !keepBars ? '/' : *p;
    size_t needed = c == '%' ? 2 : 1;
    if (used + needed >= size) break;
    buffer[used++] = c;
    if (c == '%') buffer[used++] = '%';
  }
  buffer[used] = '\0';
  return used;
}
