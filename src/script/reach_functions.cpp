// The reach functions through the library's generic calling convention, as
// gettile and settile (bench_script_reach measures them beside gettile). Each
// first checks its arguments and raises "<function>: argument <name> ..." on
// the running context when one is wrong; a message is made only then. Per
// call: arguments read with one load each (GenericCall), no allocation for a
// returned text (ScriptReach::returnedText), no copy of a record's name.
#include "script/reach_functions.h"

#include <angelscript.h>

#include <cstdio>
#include <cstring>

#include "data/creature_list.h"
#include "data/object_list.h"
#include "data/placement.h"
#include "script/generic_call.h"
#include "script/script_string.h"
#include "script/script_user.h"

using namespace AngelScript;

namespace {

// ---- Calls and refusals ----

// Every function's body gets its call's arguments and the ScriptReach it is
// bound to; the wrapper keeps the function's argument layout. A body that
// refuses sets no result: the script stops and never sees one.
using Body = void (*)(const GenericCall&, ScriptReach&);

template <Body body>
void bound(asIScriptGeneric* gen) {
  static GenericArgLayout layout;
  const GenericCall call(gen, layout);
  body(call, *static_cast<ScriptReach*>(gen->GetAuxiliary()));
}

void returnText(const GenericCall& call, ScriptReach& reach, const char* text, size_t length) {
  call.generic()->SetReturnAddress(reach.returnedText(text, length));
}

// Stops the script: "<function>: argument <argument> <why>". Returns false.
bool refuse(const char* function, const char* argument, const char* why) {
  char text[512];
  snprintf(text, sizeof text, "%s: argument %s %s", function, argument, why);
  if (asIScriptContext* context = asGetActiveContext()) context->SetException(text, false);
  return false;
}

bool refuseNumber(const char* function, const char* argument, int value, const char* range) {
  char why[128];
  snprintf(why, sizeof why, "is %d, outside %s", value, range);
  return refuse(function, argument, why);
}

// The map whose block holds script cell (x, y), arguments 0 and 1; null
// after a refusal.
ScriptMapRecord* mapAt(const GenericCall& call, ScriptReach& reach, const char* function) {
  const int x = call.integer(0), y = call.integer(1);
  char why[128];
  if (x < 1 || x > kWorldColumns || y < 1 || y > kWorldRows) {
    snprintf(why, sizeof why, "is (%d, %d), outside the grid 1..960 x 1..480", x, y);
    refuse(function, "x, y", why);
    return nullptr;
  }
  ScriptMapRecord* map = reach.maps().recordAt(x - 1, y - 1);
  if (map == nullptr) {
    snprintf(why, sizeof why, "is (%d, %d), in a block that holds no map in this run", x, y);
    refuse(function, "x, y", why);
  }
  return map;
}

bool cellOk(const char* function, int cellx, int celly) {
  if (cellx < 1 || cellx > kMapColumns) return refuseNumber(function, "cellx", cellx, "1..48");
  if (celly < 1 || celly > kMapRows) return refuseNumber(function, "celly", celly, "1..24");
  return true;
}

// A destination name that a MAP file carries back as it was and that does
// not change the kind its map is read with.
bool nameOk(const char* function, const std::string& name) {
  if (name.empty()) return refuse(function, "name", "is empty");
  if (name.size() >= kTeleportNameSize) return refuse(function, "name", "is longer than 255 bytes");
  bool mayHoldKindWord = false;
  for (char c : name) {
    if (c == '>' || c == '\n' || c == '\r' || c == '\0')
      return refuse(function, "name", "holds \">\", a line end or a NUL byte, which no map file can carry");
    mayHoldKindWord = mayHoldKindWord || c == 'W' || c == 'L' || c == 'I';
  }
  if (!mayHoldKindWord) return true;
  for (const char* word : {"WILDERNESS", "LOCAL", "INTERIOR"}) {
    if (name.find(word) == std::string::npos) continue;
    char why[64];
    snprintf(why, sizeof why, "holds the kind word %s", word);
    return refuse(function, "name", why);
  }
  return true;
}

bool teleportOk(const char* function, const ScriptMapRecord& map, int n) {
  if (n >= 1 && n <= static_cast<int>(map.teleports.size())) return true;
  char range[48];
  snprintf(range, sizeof range, "1..%d (the map's teleports)", static_cast<int>(map.teleports.size()));
  return refuseNumber(function, "n", n, range);
}

bool placementOk(const char* function, const ScriptMapRecord& map, int n) {
  if (!map.hasData) return refuse(function, "x, y", "names a map without a data file (.DAT) for placements");
  if (n < 1 || n > kPlacementCount) return refuseNumber(function, "n", n, "1..200");
  return true;
}

bool idOk(const char* function, int id) {
  if (placementIdNamesRecord(id)) return true;
  return refuseNumber(function, "id", id, "0..399 (objects), 1000..3999 (creatures), 50000..99899 (player objects)");
}

bool gridOk(const char* function, int x, int y) {
  if (x >= 1 && x <= kWorldColumns && y >= 1 && y <= kWorldRows) return true;
  return refuse(function, "x, y", "is outside the grid 1..960 x 1..480");
}

// ---- Kind and name ----

void getkind(const GenericCall& call, ScriptReach& reach) {
  ScriptMapRecord* map = mapAt(call, reach, "getkind");
  call.returnInt(map != nullptr ? map->kind : 0);
}

void setkind(const GenericCall& call, ScriptReach& reach) {
  ScriptMapRecord* map = mapAt(call, reach, "setkind");
  const int kind = call.integer(2);
  if (map == nullptr) return;
  if (kind != Wilderness && kind != Local && kind != Interior) {
    refuseNumber("setkind", "kind", kind, "the kinds 1 (wilderness), 2 (local) and 4 (interior)");
    return;
  }
  map->kind = static_cast<MapKind>(kind);
}

void mapname(const GenericCall& call, ScriptReach& reach) {
  ScriptMapRecord* map = mapAt(call, reach, "mapname");
  if (map != nullptr)
    returnText(call, reach, map->name.data(), map->name.size());
  else
    returnText(call, reach, "", 0);
}

void hasmap(const GenericCall& call, ScriptReach& reach) {
  const int x = call.integer(0), y = call.integer(1);
  call.returnBool(gridOk("hasmap", x, y) && reach.maps().recordAt(x - 1, y - 1) != nullptr);
}

void usemap(const GenericCall& call, ScriptReach& reach) {
  const int x = call.integer(0), y = call.integer(1);
  const std::string& name = call.text(2);
  if (!gridOk("usemap", x, y)) return;
  if (name.empty() || name.size() > 200 || name.find_first_of("\\/:.*?\"<>| \r\n") != std::string::npos ||
      name.find('\0') != std::string::npos) {
    refuse("usemap", "name", "is no map name (1..200 bytes, no path, dot, blank or wildcard)");
    return;
  }
  std::string why;
  const char* argument = "x, y";
  if (!reach.maps().useMap(x - 1, y - 1, name, &argument, &why, reach.world())) {
    refuse("usemap", argument, why.c_str());
    return;
  }
  call.returnBool(reach.maps().recordAt(x - 1, y - 1)->fromFile);
}

// ---- Teleports ----

void teleportcount(const GenericCall& call, ScriptReach& reach) {
  ScriptMapRecord* map = mapAt(call, reach, "teleportcount");
  call.returnInt(map != nullptr ? static_cast<int>(map->teleports.size()) : 0);
}

void getteleport(const GenericCall& call, ScriptReach& reach) {
  int* cellx = call.out(3);
  int* celly = call.out(4);
  *cellx = *celly = 0;
  ScriptMapRecord* map = mapAt(call, reach, "getteleport");
  const int n = call.integer(2);
  if (map == nullptr || !teleportOk("getteleport", *map, n)) return;
  *cellx = map->teleports[n - 1].x;
  *celly = map->teleports[n - 1].y;
}

void teleportname(const GenericCall& call, ScriptReach& reach) {
  ScriptMapRecord* map = mapAt(call, reach, "teleportname");
  const int n = call.integer(2);
  if (map != nullptr && teleportOk("teleportname", *map, n)) {
    const std::string& name = map->teleports[n - 1].name;
    returnText(call, reach, name.data(), name.size());
  } else {
    returnText(call, reach, "", 0);
  }
}

void addteleport(const GenericCall& call, ScriptReach& reach) {
  ScriptMapRecord* map = mapAt(call, reach, "addteleport");
  const int cellx = call.integer(2), celly = call.integer(3);
  const std::string& name = call.text(4);
  if (map == nullptr || !cellOk("addteleport", cellx, celly) || !nameOk("addteleport", name)) return;
  map->teleports.push_back(ScriptTeleport{cellx, celly, name});
  call.returnInt(static_cast<int>(map->teleports.size()));
}

void setteleport(const GenericCall& call, ScriptReach& reach) {
  ScriptMapRecord* map = mapAt(call, reach, "setteleport");
  const int n = call.integer(2), cellx = call.integer(3), celly = call.integer(4);
  const std::string& name = call.text(5);
  if (map == nullptr || !teleportOk("setteleport", *map, n) || !cellOk("setteleport", cellx, celly) ||
      !nameOk("setteleport", name))
    return;
  ScriptTeleport& t = map->teleports[n - 1];  // in place: the name keeps its room
  t.x = cellx;
  t.y = celly;
  if (t.name != name) t.name.assign(name);
}

void removeteleport(const GenericCall& call, ScriptReach& reach) {
  ScriptMapRecord* map = mapAt(call, reach, "removeteleport");
  const int n = call.integer(2);
  if (map == nullptr || !teleportOk("removeteleport", *map, n)) return;
  map->teleports.erase(map->teleports.begin() + (n - 1));
}

// ---- Placements ----

void placementcount(const GenericCall& call, ScriptReach& reach) {
  ScriptMapRecord* map = mapAt(call, reach, "placementcount");
  call.returnInt(map != nullptr && map->hasData ? kPlacementCount : 0);
}

void getplacement(const GenericCall& call, ScriptReach& reach) {
  int* id = call.out(3);
  int* cellx = call.out(4);
  int* celly = call.out(5);
  *id = *cellx = *celly = 0;
  ScriptMapRecord* map = mapAt(call, reach, "getplacement");
  const int n = call.integer(2);
  if (map == nullptr || !placementOk("getplacement", *map, n)) return;
  const Placement& p = map->placements[n - 1];
  *id = p.id;
  *cellx = p.x;
  *celly = p.y;
}

void placementinuse(const GenericCall& call, ScriptReach& reach) {
  ScriptMapRecord* map = mapAt(call, reach, "placementinuse");
  const int n = call.integer(2);
  if (map == nullptr || !placementOk("placementinuse", *map, n)) return;
  call.returnBool(placementInUse(map->placements[n - 1]));
}

void addplacement(const GenericCall& call, ScriptReach& reach) {
  ScriptMapRecord* map = mapAt(call, reach, "addplacement");
  const int id = call.integer(2), cellx = call.integer(3), celly = call.integer(4);
  if (map == nullptr || !idOk("addplacement", id) || !cellOk("addplacement", cellx, celly)) return;
  if (!map->hasData) {
    refuse("addplacement", "x, y", "names a map without a data file (.DAT) for placements");
    return;
  }
  for (int i = 0; i < kPlacementCount; i++) {
    Placement& p = map->placements[i];
    if (!placementFree(p)) continue;
    p = Placement{};
    p.x = static_cast<unsigned char>(cellx);
    p.y = static_cast<unsigned char>(celly);
    p.inUse = 1;
    p.quantity = 1;
    p.id = id;
    call.returnInt(i + 1);
    return;
  }
  refuse("addplacement", "x, y", "names a map whose 200 placements are all taken");
}

void removeplacement(const GenericCall& call, ScriptReach& reach) {
  ScriptMapRecord* map = mapAt(call, reach, "removeplacement");
  const int n = call.integer(2);
  if (map == nullptr || !placementOk("removeplacement", *map, n)) return;
  map->placements[n - 1] = Placement{};
}

// ---- Objects and creatures ----

// The name and sprite slot of the record an id names; false when its table
// was not read.
struct RecordFacts {
  char name[kCreatureNameLength + 1];  // the longer of the two tables' names
  int sprite;
};
static_assert(kCreatureNameLength >= kObjectNameLength, "a record's name fits RecordFacts");

bool recordOf(ScriptReach& reach, int id, RecordFacts* facts) {
  const int index = placementIndex(id);
  switch (placementKind(id)) {
    case PlacementKind::ConstantObject:
    case PlacementKind::PlayerObject: {
      const ObjectList& objects = reach.maps().objects();
      const MapObject* o = placementKind(id) == PlacementKind::ConstantObject ? objects.constantObject(index)
                                                                              : objects.playerObject(index);
      if (o == nullptr) return false;
      memcpy(facts->name, o->name().text, kObjectNameLength + 1);
      facts->sprite = o->sprite();
      return true;
    }
    case PlacementKind::Creature: {
      const Creature* c = reach.maps().creatures().creature(index);
      if (c == nullptr) return false;
      memcpy(facts->name, c->nameText().text, kCreatureNameLength + 1);
      facts->sprite = c->sprite;
      return true;
    }
    case PlacementKind::None:
      break;
  }
  return false;
}

void idname(const GenericCall& call, ScriptReach& reach) {
  const int id = call.integer(0);
  RecordFacts facts;
  if (idOk("idname", id) && recordOf(reach, id, &facts))
    returnText(call, reach, facts.name, strlen(facts.name));
  else
    returnText(call, reach, "", 0);
}

void idsprite(const GenericCall& call, ScriptReach& reach) {
  const int id = call.integer(0);
  RecordFacts facts;
  call.returnInt(idOk("idsprite", id) && recordOf(reach, id, &facts) ? facts.sprite : -1);
}

void findid(const GenericCall& call, ScriptReach& reach) {
  const int after = call.integer(1);
  if (after < -1) {
    refuseNumber("findid", "after", after, "-1 and the ids");
    call.returnInt(-1);
    return;
  }
  call.returnInt(reach.findId(call.text(0), after));
}

// ---- Output and surroundings ----

void print(const GenericCall& call, ScriptReach& reach) {
  const std::string& text = call.text(0);
  reach.output().push_back(text);
  reach.user().printLine(text.c_str());
}

void neartile(const GenericCall& call, ScriptReach& reach) {
  const int x = call.integer(0), y = call.integer(1);
  const ScriptScope scope = reach.maps().scope();
  if (scope != ScriptScope::Map && scope != ScriptScope::Each) {
    refuse("neartile", "x, y", "reach beyond the map only in a run on one map");
    return;
  }
  if (x < 1 - kMapColumns || x > 2 * kMapColumns) {
    refuseNumber("neartile", "x", x, "-47..96");
    return;
  }
  if (y < 1 - kMapRows || y > 2 * kMapRows) {
    refuseNumber("neartile", "y", y, "-23..48");
    return;
  }
  const bool inside = x >= 1 && x <= kMapColumns && y >= 1 && y <= kMapRows;
  call.returnInt(inside ? reach.world().at(x - 1, y - 1) : reach.maps().nearTile(x - 1, y - 1));
}

struct Declared {
  const char* declaration;
  asGENFUNC_t function;
};

const Declared kFunctions[] = {
    {"int getkind(int x, int y)", bound<getkind>},
    {"void setkind(int x, int y, int kind)", bound<setkind>},
    {"string@ mapname(int x, int y)", bound<mapname>},
    {"bool hasmap(int x, int y)", bound<hasmap>},
    {"bool usemap(int x, int y, const string &in name)", bound<usemap>},
    {"int teleportcount(int x, int y)", bound<teleportcount>},
    {"void getteleport(int x, int y, int n, int &out cellx, int &out celly)", bound<getteleport>},
    {"string@ teleportname(int x, int y, int n)", bound<teleportname>},
    {"int addteleport(int x, int y, int cellx, int celly, const string &in name)", bound<addteleport>},
    {"void setteleport(int x, int y, int n, int cellx, int celly, const string &in name)", bound<setteleport>},
    {"void removeteleport(int x, int y, int n)", bound<removeteleport>},
    {"int placementcount(int x, int y)", bound<placementcount>},
    {"void getplacement(int x, int y, int n, int &out id, int &out cellx, int &out celly)", bound<getplacement>},
    {"bool placementinuse(int x, int y, int n)", bound<placementinuse>},
    {"int addplacement(int x, int y, int id, int cellx, int celly)", bound<addplacement>},
    {"void removeplacement(int x, int y, int n)", bound<removeplacement>},
    {"string@ idname(int id)", bound<idname>},
    {"int idsprite(int id)", bound<idsprite>},
    {"int findid(const string &in name, int after)", bound<findid>},
    {"void print(const string &in text)", bound<print>},
    {"int neartile(int x, int y)", bound<neartile>},
};

}  // namespace

int ScriptReach::findId(const std::string& name, int after) {
  if (!namesBuilt_) {
    namesBuilt_ = true;
    RecordFacts facts;
    auto index = [&](int first, int count) {
      for (int id = first; id < first + count; id++)
        if (recordOf(*this, id, &facts) && facts.name[0] != '\0') names_[facts.name].push_back(id);
    };
    index(0, kConstantObjectIdEnd);
    index(kCreatureIdBase, kDirectoryCreatureCount);
    index(kPlayerObjectIdBase, kPlayerObjectCount);
  }
  auto found = names_.find(name);
  if (found == names_.end()) return -1;
  for (int id : found->second)
    if (id > after) return id;
  return -1;
}

ScriptReach::~ScriptReach() {
  if (spare_ != nullptr) releaseScriptString(spare_);
}

ScriptString* ScriptReach::returnedText(const char* text, size_t length) {
  if (spare_ != nullptr && spare_->refCount == 1) {
    spare_->text.assign(text, length);
    addRefScriptString(spare_);
    return spare_;
  }
  ScriptString* made = newScriptString(text, length);
  if (made == nullptr) return nullptr;
  if (spare_ != nullptr) releaseScriptString(spare_);
  spare_ = made;
  addRefScriptString(made);
  return made;
}

bool ScriptReach::registerWith(asIScriptEngine* engine) {
  int failures = 0;
  for (const Declared& f : kFunctions)
    failures += engine->RegisterGlobalFunction(f.declaration, asFUNCTION(f.function), asCALL_GENERIC, this) < 0;
  return failures == 0;
}
