// The reach functions' cost per call beside gettile's, measured in the same
// run: a map run on a map of the demo world with its placements and the demo
// tables, each function called in a loop of 115200 calls (a pair of calls
// that add and remove counts as two). Prints each per-call time and its
// ratio to gettile's. Then Run on Each World Map of a script that only
// reads (every tile of its map) beside the same reads done as one run over
// the whole world loaded from the same files.
#include <angelscript.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "data/creature_list.h"
#include "data/local_map.h"
#include "data/map_data_file.h"
#include "data/object_list.h"
#include "data/world_buffer.h"
#include "data/world_loader.h"
#include "platform/file_stream.h"
#include "script/each_map_run.h"
#include "platform/host_path.h"
#include "script/reach_functions.h"
#include "script/script_host.h"
#include "script/script_user.h"

using namespace AngelScript;

namespace {

constexpr int kCalls = 115200;

class QuietUser : public ScriptUser {
 public:
  std::string script;  // what chooseScript answers
  int showText(const char*, const char*) override { return 0; }
  bool chooseScript(char* path, size_t size) override {
    snprintf(path, size, "%s", script.c_str());
    return !script.empty();
  }
  CellPick pickCell(int*, int*) override { return CellPick::Unavailable; }
  bool stopRequested() override { return false; }
  ProgressDisplay* progress() override { return nullptr; }
};

struct Loop {
  const char* name;
  const char* body;  // one iteration; i counts 0..kCalls-1 (pairs run kCalls / 2 times)
  int callsPerIteration;
};

const Loop kLoops[] = {
    {"gettile", "s += gettile(1 + i % 48, 1 + i % 24);", 1},
    {"getkind", "s += getkind(1 + i % 48, 1 + i % 24);", 1},
    {"setkind", "setkind(1, 1, 1);", 1},
    {"mapname", "s += mapname(1, 1).length();", 1},
    {"teleportcount", "s += teleportcount(1, 1);", 1},
    {"getteleport", "int x, y; getteleport(1, 1, 1, x, y); s += x;", 1},
    {"teleportname", "s += teleportname(1, 1, 1).length();", 1},
    {"setteleport", "setteleport(1, 1, 1, 1 + i % 48, 1, \"CAVE\");", 1},
    {"addteleport+removeteleport", "removeteleport(1, 1, addteleport(1, 1, 2, 2, \"CAVE\"));", 2},
    {"placementcount", "s += placementcount(1, 1);", 1},
    {"getplacement", "int id, x, y; getplacement(1, 1, 1 + i % 200, id, x, y); s += id;", 1},
    {"placementinuse", "if (placementinuse(1, 1, 1 + i % 200)) s++;", 1},
    {"addplacement+removeplacement", "removeplacement(1, 1, addplacement(1, 1, 1000, 2, 2));", 2},
    {"idname", "s += idname(1000 + i % 60).length();", 1},
    {"idsprite", "s += idsprite(i % 400);", 1},
    {"findid", "s += findid(\"Rat\", -1);", 1},
    {"neartile", "s += neartile(-20 + i % 90, -10 + i % 40);", 1},
    {"print", "print(\"a line\");", 1},
};

double runLoop(asIScriptEngine* engine, const Loop& loop) {
  const int iterations = kCalls / loop.callsPerIteration;
  std::string source = "int f() { int s = 0; for (int i = 0; i < " + std::to_string(iterations) + "; i++) { " +
                       loop.body + " } return s; }";
  asIScriptModule* module = engine->GetModule("bench", asGM_ALWAYS_CREATE);
  module->AddScriptSection("bench", source.c_str());
  if (module->Build() < 0) return -1;
  asIScriptContext* context = engine->CreateContext();
  double best = 1e30;
  for (int repeat = 0; repeat < 7; repeat++) {
    scriptReach(engine)->output().clear();
    context->Prepare(module->GetFunctionByDecl("int f()"));
    const auto start = std::chrono::steady_clock::now();
    const int result = context->Execute();
    const double ns = std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - start).count();
    if (result != asEXECUTION_FINISHED) {
      fprintf(stderr, "%s: %s\n", loop.name, context->GetExceptionString());
      best = -1;
      break;
    }
    if (ns < best) best = ns;
  }
  context->Release();
  return best / kCalls;
}

double msSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// A script that reads every cell from (1, 1) to (width, height).
std::string readingScript(const char* directory, const char* name, int width, int height) {
  const std::string path = std::string(directory) + "\\" + name;
  if (FILE* f = openStream(path.c_str(), "wb")) {
    fprintf(f, "int sum = 0;\nvoid main() {\n  for (int y = 1; y <= %d; y++) for (int x = 1; x <= %d; x++) "
               "sum += gettile(x, y);\n}\n", height, width);
    fclose(f);
  }
  return path;
}

// Run on Each World Map of a reading script beside one run over the loaded world.
void compareEachWithWorld(asIScriptEngine* engine, QuietUser& user, WorldBuffer& world, const char* scratch,
                          const char* directory) {
  const std::string each = readingScript(scratch, "each.as", 48, 24);
  const std::string whole = readingScript(scratch, "whole.as", 960, 480);
  double bestEach = 1e30, bestWorld = 1e30;
  for (int repeat = 0; repeat < 5; repeat++) {
    user.script = each;
    auto start = std::chrono::steady_clock::now();
    runOnEachWorldMap(engine, directory);
    bestEach = std::min(bestEach, msSince(start));
    start = std::chrono::steady_clock::now();
    const std::string prefix = std::string(directory) + "\\";
    loadWorld(prefix.c_str(), world, nullptr);
    runScript(whole.c_str(), engine);
    bestWorld = std::min(bestWorld, msSince(start));
  }
  printf("\nRun on Each World Map, reading every tile: %.1f ms; one run over the loaded world: %.1f ms (%.2fx)\n",
         bestEach, bestWorld, bestEach / bestWorld);
}

}  // namespace

int main() {
  char directory[kPathBufferSize];
  if (!pathToEditor(DOLA_BINARY_DIR "/demo/world", directory, sizeof directory)) return 1;
  auto* world = new WorldBuffer();
  QuietUser user;
  asIScriptEngine* engine = nullptr;
  if (!startScriptHost(&engine, world, &user)) return 1;
  // ZANIR of the demo world: a world map with placements and neighbours.
  const std::string mapPath = std::string(directory) + "\\ZANIR.MAP";
  const std::string dataPath = std::string(directory) + "\\ZANIR.DAT";
  auto* map = new LocalMap;
  auto* data = new MapDataFile;
  auto* objects = new ObjectList;
  auto* creatures = new CreatureList;
  map->load(mapPath.c_str());
  data->load(dataPath.c_str());
  objects->load(directory);
  creatures->load(directory);
  map->addTeleport(5, 5, "TAB2515");
  putMapIntoWorld(*map, 0, 0, *world);
  ScriptMaps& maps = scriptReach(engine)->maps();
  maps.beginMapRun(*map, data, directory);
  maps.useTables(objects, creatures);
  double gettile = 0;
  printf("%-30s %10s %8s\n", "function", "ns/call", "x gettile");
  for (const Loop& loop : kLoops) {
    const double ns = runLoop(engine, loop);
    if (gettile == 0) gettile = ns;
    printf("%-30s %10.1f %8.2f\n", loop.name, ns, ns / gettile);
  }
  maps.end();
  char scratch[kPathBufferSize];
  if (pathToEditor(DOLA_BINARY_DIR, scratch, sizeof scratch)) compareEachWithWorld(engine, user, *world, scratch, directory);
  stopScriptHost(&engine);
  delete creatures;
  delete objects;
  delete data;
  delete map;
  delete world;
  return 0;
}
