// The requester the editor's ScriptUser shows its texts with: the toolkit's
// ShowText (literal text, "|"-separated buttons), or what a test puts in its
// place to read the texts shown.
#pragma once

typedef int (*ScriptTextRequester)(const char* text, const char* buttons);

// Shows text literally with the buttons ("" or null: "~OK"); returns the
// index of the button chosen.
int showScriptText(const char* text, const char* buttons);

// Replaces the requester (ShowText until then) and returns the previous one.
ScriptTextRequester setScriptTextRequester(ScriptTextRequester requester);
