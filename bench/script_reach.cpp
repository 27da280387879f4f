// The reach functions' cost per call beside gettile's, measured in the same
// run: a map run on a map of the demo world with its placements and the demo
// tables, each function called in a loop of 115200 calls (a pair of calls
// that add and remove counts as two), an empty generic call as the floor.
// Prints each per-call CPU time and its ratio to gettile's, medians of rounds
// that alternate gettile's loop with each other loop; names given as
// arguments time only those. Then Run on Each World Map of a script that only
// reads (every tile of its map) beside the same reads done as one run over
// the whole world loaded from the same files.
#include <angelscript.h>

#include <algorithm>
#include <ctime>
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
constexpr int kRounds = 9;

// The floor: a call through the generic convention that does nothing.
void emptyGeneric(asIScriptGeneric* gen) { gen->SetReturnDWord(0); }

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
    {"empty generic call", "s += emptygeneric(1 + i % 48, 1 + i % 24);", 1},
    {"getkind", "s += getkind(1 + i % 48, 1 + i % 24);", 1},
    {"setkind", "setkind(1, 1, 1);", 1},
    {"hasmap", "if (hasmap(1 + i % 960, 1 + i % 480)) s++;", 1},
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

// The process's CPU time in ns: the machine is shared, so wall time would
// count other programs' turns.
double cpuNs() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return t.tv_sec * 1e9 + t.tv_nsec;
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0 : values[values.size() / 2];
}

// One loop's module, built once; its run is timed in every round.
struct Timed {
  const Loop* loop;
  asIScriptFunction* entry = nullptr;
  std::vector<double> ns, ratio;  // per call, per round
};

bool build(asIScriptEngine* engine, Timed& t, int index) {
  const int iterations = kCalls / t.loop->callsPerIteration;
  std::string source = "int f() { int s = 0; for (int i = 0; i < " + std::to_string(iterations) + "; i++) { " +
                       t.loop->body + " } return s; }";
  const std::string name = "bench" + std::to_string(index);
  asIScriptModule* module = engine->GetModule(name.c_str(), asGM_ALWAYS_CREATE);
  module->AddScriptSection(name.c_str(), source.c_str());
  if (module->Build() < 0) return false;
  t.entry = module->GetFunctionByDecl("int f()");
  return t.entry != nullptr;
}

// CPU ns per call of one run of the loop; -1 when the script stopped.
double runOnce(asIScriptContext* context, asIScriptEngine* engine, const Timed& t) {
  scriptReach(engine)->output().clear();
  context->Prepare(t.entry);
  const double start = cpuNs();
  const int result = context->Execute();
  const double ns = cpuNs() - start;
  if (result != asEXECUTION_FINISHED) {
    fprintf(stderr, "%s: %s\n", t.loop->name, context->GetExceptionString());
    return -1;
  }
  return ns / kCalls;
}

// Rounds in which gettile's loop runs right before each other loop: each
// ratio compares two runs made moments apart. Medians over the rounds.
bool measure(asIScriptEngine* engine, std::vector<Timed>& timed, int rounds) {
  asIScriptContext* context = engine->CreateContext();
  bool ok = true;
  for (int round = 0; round < rounds && ok; round++) {
    for (size_t k = 1; k < timed.size() && ok; k++) {
      const double base = runOnce(context, engine, timed[0]);
      const double ns = runOnce(context, engine, timed[k]);
      ok = base > 0 && ns > 0;
      timed[0].ns.push_back(base);
      timed[k].ns.push_back(ns);
      timed[k].ratio.push_back(ns / base);
    }
  }
  context->Release();
  return ok;
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
  std::vector<double> eachMs, worldMs, ratio;
  const std::string prefix = std::string(directory) + "\\";
  for (int round = 0; round < 5; round++) {
    user.script = each;
    double start = cpuNs();
    runOnEachWorldMap(engine, directory);
    eachMs.push_back((cpuNs() - start) / 1e6);
    start = cpuNs();
    loadWorld(prefix.c_str(), world, nullptr);
    runScript(whole.c_str(), engine);
    worldMs.push_back((cpuNs() - start) / 1e6);
    ratio.push_back(eachMs.back() / worldMs.back());
  }
  printf("\nRun on Each World Map, reading every tile: %.1f ms; one run over the loaded world: %.1f ms (%.2fx)\n"
         "(CPU time, medians of 5 alternating rounds)\n",
         median(eachMs), median(worldMs), median(ratio));
}

}  // namespace

int main(int argc, char** argv) {
  char directory[kPathBufferSize];
  if (!pathToEditor(DOLA_BINARY_DIR "/demo/world", directory, sizeof directory)) return 1;
  auto* world = new WorldBuffer();
  QuietUser user;
  asIScriptEngine* engine = nullptr;
  if (!startScriptHost(&engine, world, &user)) return 1;
  engine->RegisterGlobalFunction("int emptygeneric(int x, int y)", asFUNCTION(emptyGeneric), asCALL_GENERIC);
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
  std::vector<Timed> timed;
  for (const Loop& loop : kLoops) {
    bool wanted = argc <= 1 || &loop == kLoops;
    for (int a = 1; a < argc; a++) wanted = wanted || strcmp(argv[a], loop.name) == 0;
    if (!wanted) continue;
    timed.push_back(Timed{&loop, nullptr, {}, {}});
    if (!build(engine, timed.back(), static_cast<int>(timed.size()))) {
      fprintf(stderr, "%s: the loop does not build\n", loop.name);
      return 1;
    }
  }
  if (!measure(engine, timed, kRounds)) return 1;
  printf("%-30s %10s %9s   (CPU time, medians of %d alternating rounds)\n", "function", "ns/call", "x gettile",
         kRounds);
  for (size_t k = 0; k < timed.size(); k++)
    printf("%-30s %10.1f %9.2f\n", timed[k].loop->name, median(timed[k].ns), k == 0 ? 1.0 : median(timed[k].ratio));
  maps.end();
  char scratch[kPathBufferSize];
  if (argc <= 1 && pathToEditor(DOLA_BINARY_DIR, scratch, sizeof scratch)) compareEachWithWorld(engine, user, *world, scratch, directory);
  stopScriptHost(&engine);
  delete creatures;
  delete objects;
  delete data;
  delete map;
  delete world;
  return 0;
}
