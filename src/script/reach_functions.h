// The script functions beyond tiles: map kinds, teleports, placements, the
// game's objects and creatures, print, the open map's surroundings and maps
// used by name, all on one ScriptMaps. Every function checks its arguments;
// a wrong one stops the script with an exception that names the function and
// the argument (the run's report adds the line), so nothing of the run lands.
#pragma once
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "script/script_maps.h"

namespace AngelScript {
class asIScriptEngine;
}
class ScriptUser;
struct ScriptString;

class ScriptReach {
 public:
  ScriptReach(WorldBuffer* world, ScriptUser* user) : world_(world), user_(user) {}
  ~ScriptReach();
  ScriptReach(const ScriptReach&) = delete;
  ScriptReach& operator=(const ScriptReach&) = delete;

  // Registers the functions after the five of ScriptFunctions, bound to this
  // object, which must outlive the engine. False when the engine refused one.
  bool registerWith(AngelScript::asIScriptEngine* engine);

  ScriptMaps& maps() { return maps_; }
  WorldBuffer& world() { return *world_; }
  ScriptUser& user() { return *user_; }
  // The lines print wrote in the current (or last) run, and how that run
  // ended ("" while it runs; the build or stop message, or that it finished).
  std::vector<std::string>& output() { return output_; }
  const char* endMessage() const { return endMessage_; }
  void setEndMessage(const char* text) { snprintf(endMessage_, sizeof endMessage_, "%s", text); }

  // The next id after `after` whose record is named name, -1 when none; ids
  // in order: constant objects, creatures, player objects.
  int findId(const std::string& name, int after);
  // A string of text with one reference for the engine to take, as a
  // function returns it; null without memory. The object of the last call is
  // kept and given again when the script holds it no more, so a script that
  // reads names in a loop allocates nothing.
  ScriptString* returnedText(const char* text, size_t length);
  // A run starts: print's lines and the name index of the run before go.
  void startRun() {
    output_.clear();
    endMessage_[0] = '\0';
    names_.clear();
    namesBuilt_ = false;
  }

 private:
  WorldBuffer* world_;
  ScriptUser* user_;
  ScriptMaps maps_;
  std::vector<std::string> output_;
  char endMessage_[1024] = {};
  std::map<std::string, std::vector<int>> names_;  // record name -> its ids, ascending
  bool namesBuilt_ = false;
  ScriptString* spare_ = nullptr;  // one reference of ours; see returnedText
};
