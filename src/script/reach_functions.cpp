// The reach functions through the library's generic calling convention, as
// gettile and settile (bench_script measures them beside gettile). Each first
// checks its arguments and raises "<function>: argument <name> ..." on the
// running context when one is wrong.
#include "script/reach_functions.h"

#include <angelscript.h>

#include <cstdio>
#include <cstring>

#include "data/creature_list.h"
#include "data/object_list.h"
#include "data/placement.h"
#include "script/script_string.h"
#include "script/script_user.h"

using namespace AngelScript;

namespace {

// ---- Arguments and refusals ----

ScriptReach& reachOf(asIScriptGeneric* gen) { return *static_cast<ScriptReach*>(gen->GetAuxiliary()); }
int intArg(asIScriptGeneric* gen, asUINT i) { return static_cast<int>(gen->GetArgDWord(i)); }
const std::string& textArg(asIScriptGeneric* gen, asUINT i) {
  return static_cast<const ScriptString*>(gen->GetArgObject(i))->text;
}
int* outArg(asIScriptGeneric* gen, asUINT i) { return static_cast<int*>(gen->GetArgAddress(i)); }

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

// The map whose block holds script cell (x, y); null after a refusal.
ScriptMapRecord* mapAt(ScriptReach& reach, const char* function, int x, int y) {
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
  for (char c : name) {
    if (c == '>' || c == '\n' || c == '\r' || c == '\0')
      return refuse(function, "name", "holds \">\", a line end or a NUL byte, which no map file can carry");
  }
  if (name.find_first_of("WLI") == std::string::npos) return true;
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

void returnText(asIScriptGeneric* gen, const std::string& text) {
  gen->SetReturnAddress(newScriptString(text.data(), text.size()));
}

// ---- Kind and name ----

void getkind(asIScriptGeneric* gen) {
  ScriptMapRecord* map = mapAt(reachOf(gen), "getkind", intArg(gen, 0), intArg(gen, 1));
  gen->SetReturnDWord(map != nullptr ? static_cast<asDWORD>(map->kind) : 0);
}

void setkind(asIScriptGeneric* gen) {
  ScriptMapRecord* map = mapAt(reachOf(gen), "setkind", intArg(gen, 0), intArg(gen, 1));
  const int kind = intArg(gen, 2);
  if (map == nullptr) return;
  if (kind != Wilderness && kind != Local && kind != Interior) {
    refuseNumber("setkind", "kind", kind, "the kinds 1 (wilderness), 2 (local) and 4 (interior)");
    return;
  }
  map->kind = static_cast<MapKind>(kind);
}

void mapname(asIScriptGeneric* gen) {
  ScriptMapRecord* map = mapAt(reachOf(gen), "mapname", intArg(gen, 0), intArg(gen, 1));
  returnText(gen, map != nullptr ? map->name : std::string());
}

void hasmap(asIScriptGeneric* gen) {
  const int x = intArg(gen, 0), y = intArg(gen, 1);
  gen->SetReturnByte(0);
  if (x < 1 || x > kWorldColumns || y < 1 || y > kWorldRows) {
    refuse("hasmap", "x, y", "is outside the grid 1..960 x 1..480");
    return;
  }
  gen->SetReturnByte(reachOf(gen).maps().recordAt(x - 1, y - 1) != nullptr ? 1 : 0);
}

void usemap(asIScriptGeneric* gen) {
  ScriptReach& reach = reachOf(gen);
  const int x = intArg(gen, 0), y = intArg(gen, 1);
  const std::string& name = textArg(gen, 2);
  gen->SetReturnByte(0);
  if (x < 1 || x > kWorldColumns || y < 1 || y > kWorldRows) {
    refuse("usemap", "x, y", "is outside the grid 1..960 x 1..480");
    return;
  }
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
  gen->SetReturnByte(reach.maps().recordAt(x - 1, y - 1)->fromFile ? 1 : 0);
}

// ---- Teleports ----

void teleportcount(asIScriptGeneric* gen) {
  ScriptMapRecord* map = mapAt(reachOf(gen), "teleportcount", intArg(gen, 0), intArg(gen, 1));
  gen->SetReturnDWord(map != nullptr ? static_cast<asDWORD>(map->teleports.size()) : 0);
}

void getteleport(asIScriptGeneric* gen) {
  int* cellx = outArg(gen, 3);
  int* celly = outArg(gen, 4);
  *cellx = *celly = 0;
  ScriptMapRecord* map = mapAt(reachOf(gen), "getteleport", intArg(gen, 0), intArg(gen, 1));
  const int n = intArg(gen, 2);
  if (map == nullptr || !teleportOk("getteleport", *map, n)) return;
  *cellx = map->teleports[n - 1].x;
  *celly = map->teleports[n - 1].y;
}

void teleportname(asIScriptGeneric* gen) {
  ScriptMapRecord* map = mapAt(reachOf(gen), "teleportname", intArg(gen, 0), intArg(gen, 1));
  const int n = intArg(gen, 2);
  const bool ok = map != nullptr && teleportOk("teleportname", *map, n);
  returnText(gen, ok ? map->teleports[n - 1].name : std::string());
}

void addteleport(asIScriptGeneric* gen) {
  gen->SetReturnDWord(0);
  ScriptMapRecord* map = mapAt(reachOf(gen), "addteleport", intArg(gen, 0), intArg(gen, 1));
  const int cellx = intArg(gen, 2), celly = intArg(gen, 3);
  const std::string& name = textArg(gen, 4);
  if (map == nullptr || !cellOk("addteleport", cellx, celly) || !nameOk("addteleport", name)) return;
  map->teleports.push_back(ScriptTeleport{cellx, celly, name});
  gen->SetReturnDWord(static_cast<asDWORD>(map->teleports.size()));
}

void setteleport(asIScriptGeneric* gen) {
  ScriptMapRecord* map = mapAt(reachOf(gen), "setteleport", intArg(gen, 0), intArg(gen, 1));
  const int n = intArg(gen, 2), cellx = intArg(gen, 3), celly = intArg(gen, 4);
  const std::string& name = textArg(gen, 5);
  if (map == nullptr || !teleportOk("setteleport", *map, n) || !cellOk("setteleport", cellx, celly) ||
      !nameOk("setteleport", name))
    return;
  ScriptTeleport& t = map->teleports[n - 1];  // in place: the name keeps its room
  t.x = cellx;
  t.y = celly;
  t.name.assign(name);
}

void removeteleport(asIScriptGeneric* gen) {
  ScriptMapRecord* map = mapAt(reachOf(gen), "removeteleport", intArg(gen, 0), intArg(gen, 1));
  const int n = intArg(gen, 2);
  if (map == nullptr || !teleportOk("removeteleport", *map, n)) return;
  map->teleports.erase(map->teleports.begin() + (n - 1));
}

// ---- Placements ----

void placementcount(asIScriptGeneric* gen) {
  ScriptMapRecord* map = mapAt(reachOf(gen), "placementcount", intArg(gen, 0), intArg(gen, 1));
  gen->SetReturnDWord(map != nullptr && map->hasData ? kPlacementCount : 0);
}

void getplacement(asIScriptGeneric* gen) {
  int* id = outArg(gen, 3);
  int* cellx = outArg(gen, 4);
  int* celly = outArg(gen, 5);
  *id = *cellx = *celly = 0;
  ScriptMapRecord* map = mapAt(reachOf(gen), "getplacement", intArg(gen, 0), intArg(gen, 1));
  const int n = intArg(gen, 2);
  if (map == nullptr || !placementOk("getplacement", *map, n)) return;
  const Placement& p = map->placements[n - 1];
  *id = p.id;
  *cellx = p.x;
  *celly = p.y;
}

void placementinuse(asIScriptGeneric* gen) {
  gen->SetReturnByte(0);
  ScriptMapRecord* map = mapAt(reachOf(gen), "placementinuse", intArg(gen, 0), intArg(gen, 1));
  const int n = intArg(gen, 2);
  if (map == nullptr || !placementOk("placementinuse", *map, n)) return;
  gen->SetReturnByte(placementInUse(map->placements[n - 1]) ? 1 : 0);
}

void addplacement(asIScriptGeneric* gen) {
  gen->SetReturnDWord(0);
  ScriptMapRecord* map = mapAt(reachOf(gen), "addplacement", intArg(gen, 0), intArg(gen, 1));
  const int id = intArg(gen, 2), cellx = intArg(gen, 3), celly = intArg(gen, 4);
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
    gen->SetReturnDWord(static_cast<asDWORD>(i + 1));
    return;
  }
  refuse("addplacement", "x, y", "names a map whose 200 placements are all taken");
}

void removeplacement(asIScriptGeneric* gen) {
  ScriptMapRecord* map = mapAt(reachOf(gen), "removeplacement", intArg(gen, 0), intArg(gen, 1));
  const int n = intArg(gen, 2);
  if (map == nullptr || !placementOk("removeplacement", *map, n)) return;
  map->placements[n - 1] = Placement{};
}

// ---- Objects and creatures ----

// The name and sprite slot of the record an id names; false when its table
// was not read.
bool recordOf(ScriptReach& reach, int id, std::string* name, int* sprite) {
  const int index = placementIndex(id);
  switch (placementKind(id)) {
    case PlacementKind::ConstantObject:
    case PlacementKind::PlayerObject: {
      const ObjectList& objects = reach.maps().objects();
      const MapObject* o = placementKind(id) == PlacementKind::ConstantObject ? objects.constantObject(index)
                                                                              : objects.playerObject(index);
      if (o == nullptr) return false;
      *name = o->name().text;
      *sprite = o->sprite();
      return true;
    }
    case PlacementKind::Creature: {
      const Creature* c = reach.maps().creatures().creature(index);
      if (c == nullptr) return false;
      *name = c->nameText().text;
      *sprite = c->sprite;
      return true;
    }
    case PlacementKind::None:
      break;
  }
  return false;
}

void idname(asIScriptGeneric* gen) {
  const int id = intArg(gen, 0);
  std::string name;
  int sprite = 0;
  if (idOk("idname", id)) recordOf(reachOf(gen), id, &name, &sprite);
  returnText(gen, name);
}

void idsprite(asIScriptGeneric* gen) {
  const int id = intArg(gen, 0);
  std::string name;
  int sprite = -1;
  if (idOk("idsprite", id) && !recordOf(reachOf(gen), id, &name, &sprite)) sprite = -1;
  gen->SetReturnDWord(static_cast<asDWORD>(sprite));
}

void findid(asIScriptGeneric* gen) {
  const int after = intArg(gen, 1);
  if (after < -1) {
    refuseNumber("findid", "after", after, "-1 and the ids");
    gen->SetReturnDWord(static_cast<asDWORD>(-1));
    return;
  }
  gen->SetReturnDWord(static_cast<asDWORD>(reachOf(gen).findId(textArg(gen, 0), after)));
}

// ---- Output and surroundings ----

void print(asIScriptGeneric* gen) {
  ScriptReach& reach = reachOf(gen);
  const std::string& text = textArg(gen, 0);
  reach.output().push_back(text);
  reach.user().printLine(text.c_str());
}

void neartile(asIScriptGeneric* gen) {
  ScriptReach& reach = reachOf(gen);
  const int x = intArg(gen, 0), y = intArg(gen, 1);
  gen->SetReturnDWord(0);
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
  gen->SetReturnDWord(inside ? reach.world().at(x - 1, y - 1) : static_cast<asDWORD>(reach.maps().nearTile(x - 1, y - 1)));
}

struct Declared {
  const char* declaration;
  asGENFUNC_t function;
};

const Declared kFunctions[] = {
    {"int getkind(int x, int y)", getkind},
    {"void setkind(int x, int y, int kind)", setkind},
    {"string@ mapname(int x, int y)", mapname},
    {"bool hasmap(int x, int y)", hasmap},
    {"bool usemap(int x, int y, const string &in name)", usemap},
    {"int teleportcount(int x, int y)", teleportcount},
    {"void getteleport(int x, int y, int n, int &out cellx, int &out celly)", getteleport},
    {"string@ teleportname(int x, int y, int n)", teleportname},
    {"int addteleport(int x, int y, int cellx, int celly, const string &in name)", addteleport},
    {"void setteleport(int x, int y, int n, int cellx, int celly, const string &in name)", setteleport},
    {"void removeteleport(int x, int y, int n)", removeteleport},
    {"int placementcount(int x, int y)", placementcount},
    {"void getplacement(int x, int y, int n, int &out id, int &out cellx, int &out celly)", getplacement},
    {"bool placementinuse(int x, int y, int n)", placementinuse},
    {"int addplacement(int x, int y, int id, int cellx, int celly)", addplacement},
    {"void removeplacement(int x, int y, int n)", removeplacement},
    {"string@ idname(int id)", idname},
    {"int idsprite(int id)", idsprite},
    {"int findid(const string &in name, int after)", findid},
    {"void print(const string &in text)", print},
    {"int neartile(int x, int y)", neartile},
};

}  // namespace

int ScriptReach::findId(const std::string& name, int after) {
  if (!namesBuilt_) {
    namesBuilt_ = true;
    std::string recordName;
    int sprite = 0;
    auto index = [&](int first, int count) {
      for (int id = first; id < first + count; id++)
        if (recordOf(*this, id, &recordName, &sprite) && !recordName.empty()) names_[recordName].push_back(id);
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

bool ScriptReach::registerWith(asIScriptEngine* engine) {
  int failures = 0;
  for (const Declared& f : kFunctions)
    failures += engine->RegisterGlobalFunction(f.declaration, asFUNCTION(f.function), asCALL_GENERIC, this) < 0;
  return failures == 0;
}
