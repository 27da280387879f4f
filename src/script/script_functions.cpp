// The script functions. gettile and settile are on the hot path of generation
// scripts (up to once per cell of the 960 x 480 grid, several times over): a
// bounds test and one byte access, no allocation, no lock, no redraw.
#include "script/script_functions.h"

#include <angelscript.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "app/editor_state.h"
#include "gui/gui.h"
#include "script/script_escape.h"
#include "script/script_requester.h"

using namespace AngelScript;

namespace {

// The screen pixel of the map canvas's first cell, and the cell size.
constexpr int kCellOriginX = 5;
constexpr int kCellOriginY = 50;
constexpr int kCellWidth = 18;
constexpr int kCellHeight = 20;
constexpr int kPollSleepMs = 5;

bool insideWorld(int x, int y) { return x >= 1 && x <= kWorldColumns && y >= 1 && y <= kWorldRows; }

}  // namespace

void message(const ScriptString& text) {
  char buffer[1024] = "";
  size_t used = appendRequesterLiteral(buffer, sizeof buffer - 4, text.text.c_str(), true);
  snprintf(buffer + used, sizeof buffer - used, "%s", "|~OK");
  showScriptRequester(buffer);
}

void getpos(int& x, int& y) {
  bool heldAtCall = GuiPollMouse().b != 0;
  for (;;) {
    const GuiMouse& mouse = GuiPollMouse();
    if ((mouse.b & 1) == 0) {
      heldAtCall = false;
    } else if (!heldAtCall) {
      x = (mouse.x - kCellOriginX) / kCellWidth + 1;
      y = (mouse.y - kCellOriginY) / kCellHeight + 1;
      return;
    }
    if (scriptEscapePressed()) {
      x = 0;
      y = 0;
      asIScriptContext* context = asGetActiveContext();
      if (context != nullptr) context->Abort();
      return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(kPollSleepMs));
  }
}

int scriptRand() { return rand() % 32768; }

int gettile(int x, int y) {
  EditorState* editor = editorState();
  if (editor == nullptr || !insideWorld(x, y)) return 0;
  return editor->worldBuffer.cells[(y - 1) * kWorldColumns + (x - 1)];
}

void settile(int x, int y, int tile) {
  EditorState* editor = editorState();
  if (editor == nullptr || !insideWorld(x, y) || tile < 0 || tile > 255) return;
  editor->worldBuffer.cells[(y - 1) * kWorldColumns + (x - 1)] = static_cast<unsigned char>(tile);
}

bool registerScriptFunctions(asIScriptEngine* engine) {
  int failures = 0;
  failures += engine->RegisterGlobalFunction("void message(const string &in text)", asFUNCTION(message),
                                             asCALL_CDECL) < 0;
  failures += engine->RegisterGlobalFunction("void getpos(int &out x, int &out y)", asFUNCTION(getpos),
                                             asCALL_CDECL) < 0;
  failures += engine->RegisterGlobalFunction("int rand()", asFUNCTION(scriptRand), asCALL_CDECL) < 0;
  failures += engine->RegisterGlobalFunction("int gettile(int x, int y)", asFUNCTION(gettile), asCALL_CDECL) < 0;
  failures += engine->RegisterGlobalFunction("void settile(int x, int y, int tile)", asFUNCTION(settile),
                                             asCALL_CDECL) < 0;
  return failures == 0;
}
