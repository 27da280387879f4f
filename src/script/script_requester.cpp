// The script host's requesters go through one replaceable function, and every
// foreign text is escaped on its way into the requester's format.
#include "script/script_requester.h"

#include "gui/gui.h"

namespace {
ScriptRequester currentRequester = ShowMessage;
}

void showScriptRequester(const char* text) { currentRequester("", text); }

ScriptRequester setScriptRequester(ScriptRequester requester) {
  ScriptRequester previous = currentRequester;
  currentRequester = requester;
  return previous;
}

size_t appendRequesterLiteral(char* buffer, size_t size, const char* text, bool keepBars) {
  return AppendRequesterLiteral(buffer, size, text, keepBars);
}
