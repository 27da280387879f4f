// The five functions a script can call: message, getpos, rand, gettile and
// settile, bound to one WorldBuffer and one ScriptUser. Script coordinates
// count from 1 (x 1..960, y 1..480).
#pragma once

#include "data/world_buffer.h"
#include "script/script_string.h"

namespace AngelScript {
class asIScriptEngine;
}
class ScriptUser;

class ScriptFunctions {
 public:
  ScriptFunctions(WorldBuffer* world, ScriptUser* user) : world_(world), user_(user) {}

  // Shows the text literally with "~OK"; a "|" in it ends the text, and what
  // follows becomes button labels ahead of "~OK".
  void message(const ScriptString& text);
  // Waits for a new press of the left button and gives the map cell under the
  // pointer; a stop request while waiting stops the script, and without a
  // screen the script stops with an exception.
  void getpos(int& x, int& y);
  // The runtime library's generator brought to the range 0..32767.
  int rand();
  // The WorldBuffer byte at (x, y), 0 outside the grid. Inline: generation
  // scripts call these two once per cell and more.
  int gettile(int x, int y) const {
    if (!inside(x, y)) return 0;
    return world_->at(x - 1, y - 1);
  }
  // Sets the WorldBuffer byte at (x, y) when the cell is inside and tile is 0..255.
  void settile(int x, int y, int tile) {
    if (!inside(x, y) || tile < 0 || tile > 255) return;
    world_->at(x - 1, y - 1) = static_cast<unsigned char>(tile);
  }

  // Registers the five functions in their fixed order, after the string type,
  // bound to this object, which must outlive the engine. False when the
  // engine refused one.
  bool registerWith(AngelScript::asIScriptEngine* engine);

 private:
  static bool inside(int x, int y) { return x >= 1 && x <= kWorldColumns && y >= 1 && y <= kWorldRows; }

  WorldBuffer* world_;
  ScriptUser* user_;
};
