// The script host's one replaceable requester.
#include "script/script_requester.h"

#include "gui/gui.h"

namespace {
ScriptTextRequester currentRequester = ShowText;
}

int showScriptText(const char* text, const char* buttons) { return currentRequester(text, buttons); }

ScriptTextRequester setScriptTextRequester(ScriptTextRequester requester) {
  ScriptTextRequester previous = currentRequester;
  currentRequester = requester;
  return previous;
}
