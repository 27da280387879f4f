// The message requester as the script host uses it: an empty title, a text
// read as a format, "|" before each button label. Texts that come from a
// script or the compiler are copied in so that they show literally.
#pragma once

#include <cstddef>

typedef int (*ScriptRequester)(const char* title, const char* text);

// Shows text (already in the requester's format) with an empty title and
// returns the index of the button chosen.
int showScriptRequester(const char* text);

// Replaces the function that shows the requesters (ShowMessage until then) and
// returns the previous one; tests use it to read the texts shown.
ScriptRequester setScriptRequester(ScriptRequester requester);

// Appends text to the NUL-terminated buffer of size bytes so that the requester
// shows it as it is: "%" is doubled, and unless keepBars is set "|" becomes
// "/" so that it cannot start a button label. What does not fit is cut, never
// in the middle of a doubled "%". Returns the new length of the buffer's text.
size_t appendRequesterLiteral(char* buffer, size_t size, const char* text, bool keepBars);
