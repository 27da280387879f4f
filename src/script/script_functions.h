// The five functions a script can call: message, getpos, rand, gettile and
// settile. They reach the WorldBuffer through the process-wide EditorState
// pointer; script coordinates count from 1 (x 1..960, y 1..480).
#pragma once

#include "script/script_string.h"

namespace AngelScript {
class asIScriptEngine;
}

// Shows the text literally with the one button "~OK" and returns when it is pressed.
void message(const ScriptString& text);
// Waits for a new press of the left button and returns the map cell under the
// pointer; Escape while waiting stops the script instead.
void getpos(int& x, int& y);
// The runtime library's generator brought to the range 0..32767.
int scriptRand();
// The WorldBuffer byte at (x, y), 0 outside the grid.
int gettile(int x, int y);
// Sets the WorldBuffer byte at (x, y) when the cell is inside and tile is 0..255.
void settile(int x, int y, int tile);

// Registers the five functions in their fixed order, after the string type.
// Returns false when the engine refused one.
bool registerScriptFunctions(AngelScript::asIScriptEngine* engine);
