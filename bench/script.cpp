// Script call costs over the whole 960 x 480 WorldBuffer: settile and gettile
// in a double loop beside their floor, an empty function with the same
// arguments registered as the host registers its own (the generic
// convention), and the same loops under runScript's watch (the line callback
// that looks for Escape). settile's body bound with the other ways of
// registering a function that the library offers (a method as a global, a
// plain function) and an empty native function show what each binding costs.
#include <angelscript.h>
#include <benchmark/benchmark.h>

#include "data/world_buffer.h"
#include "script/script_functions.h"
#include "script/script_host.h"
#include "script/script_host_context.h"
#include "script/script_user.h"

using namespace AngelScript;

namespace {

constexpr double kCells = 960.0 * 480.0;

void emptySet(int, int, int) {}
int emptyGet(int, int) { return 0; }
void emptySetGeneric(asIScriptGeneric*) {}
void emptyGetGeneric(asIScriptGeneric* call) { call->SetReturnDWord(0); }

// settile's body bound natively to a ScriptFunctions of the bench's own.
ScriptFunctions* g_functions = nullptr;
void settileCdecl(int x, int y, int tile) { g_functions->settile(x, y, tile); }

const char* const kSource = R"(
void fill() {
  for (int y = 1; y <= 480; y++) for (int x = 1; x <= 960; x++) settile(x, y, (x + y) & 255);
}
void fillEmpty() {
  for (int y = 1; y <= 480; y++) for (int x = 1; x <= 960; x++) emptyset(x, y, (x + y) & 255);
}
void fillEmptyGeneric() {
  for (int y = 1; y <= 480; y++) for (int x = 1; x <= 960; x++) emptysetgeneric(x, y, (x + y) & 255);
}
void fillMethod() {
  for (int y = 1; y <= 480; y++) for (int x = 1; x <= 960; x++) settilemethod(x, y, (x + y) & 255);
}
void fillCdecl() {
  for (int y = 1; y <= 480; y++) for (int x = 1; x <= 960; x++) settilecdecl(x, y, (x + y) & 255);
}
int read() {
  int sum = 0;
  for (int y = 1; y <= 480; y++) for (int x = 1; x <= 960; x++) sum += gettile(x, y);
  return sum;
}
int readEmpty() {
  int sum = 0;
  for (int y = 1; y <= 480; y++) for (int x = 1; x <= 960; x++) sum += emptyget(x, y);
  return sum;
}
int readEmptyGeneric() {
  int sum = 0;
  for (int y = 1; y <= 480; y++) for (int x = 1; x <= 960; x++) sum += emptygetgeneric(x, y);
  return sum;
}
)";

// A user that never asks to stop.
class QuietUser : public ScriptUser {
 public:
  int showText(const char*, const char*) override { return 0; }
  bool chooseScript(char*, size_t) override { return false; }
  CellPick pickCell(int*, int*) override { return CellPick::Unavailable; }
  bool stopRequested() override { return false; }
  ProgressDisplay* progress() override { return nullptr; }
};

// One started host with the bench's floor functions and the module built once.
struct Bench {
  WorldBuffer* world = new WorldBuffer();
  QuietUser user;
  asIScriptEngine* engine = nullptr;
  asIScriptModule* module = nullptr;

  ScriptFunctions functions{world, &user};

  Bench() {
    startScriptHost(&engine, world, &user);
    g_functions = &functions;
    engine->RegisterGlobalFunction("void emptyset(int x, int y, int tile)", asFUNCTION(emptySet), asCALL_CDECL);
    engine->RegisterGlobalFunction("int emptyget(int x, int y)", asFUNCTION(emptyGet), asCALL_CDECL);
    engine->RegisterGlobalFunction("void emptysetgeneric(int x, int y, int tile)", asFUNCTION(emptySetGeneric),
                                   asCALL_GENERIC);
    engine->RegisterGlobalFunction("int emptygetgeneric(int x, int y)", asFUNCTION(emptyGetGeneric),
                                   asCALL_GENERIC);
    engine->RegisterGlobalFunction("void settilemethod(int x, int y, int tile)",
                                   asMETHOD(ScriptFunctions, settile), asCALL_THISCALL_ASGLOBAL, &functions);
    engine->RegisterGlobalFunction("void settilecdecl(int x, int y, int tile)", asFUNCTION(settileCdecl),
                                   asCALL_CDECL);
    module = engine->GetModule("bench", asGM_ALWAYS_CREATE);
    module->AddScriptSection("bench", kSource);
    module->Build();
  }
};

Bench& bench() {
  static Bench b;
  return b;
}

void runEntry(benchmark::State& state, const char* decl, bool escapeCheck) {
  asIScriptFunction* entry = bench().module->GetFunctionByDecl(decl);
  asIScriptContext* context = bench().engine->CreateContext();
  ScriptWatch& watch = scriptHostContext(bench().engine)->watch;
  if (escapeCheck) {
    watch.watch(context);
    watch.begin();
  }
  for (auto _ : state) {
    context->Prepare(entry);
    if (context->Execute() != asEXECUTION_FINISHED) state.SkipWithError("the script did not finish");
  }
  watch.end();
  context->Release();
  state.counters["per_call"] = benchmark::Counter(kCells, benchmark::Counter::kIsIterationInvariantRate |
                                                              benchmark::Counter::kInvert);
}

void BM_Settile(benchmark::State& state) { runEntry(state, "void fill()", false); }
void BM_SettileFloor(benchmark::State& state) { runEntry(state, "void fillEmptyGeneric()", false); }
void BM_SettileEmptyNative(benchmark::State& state) { runEntry(state, "void fillEmpty()", false); }
void BM_SettileEscapeCheck(benchmark::State& state) { runEntry(state, "void fill()", true); }
void BM_SettileAsMethod(benchmark::State& state) { runEntry(state, "void fillMethod()", false); }
void BM_SettileAsCdecl(benchmark::State& state) { runEntry(state, "void fillCdecl()", false); }
void BM_Gettile(benchmark::State& state) { runEntry(state, "int read()", false); }
void BM_GettileFloor(benchmark::State& state) { runEntry(state, "int readEmptyGeneric()", false); }
void BM_GettileEmptyNative(benchmark::State& state) { runEntry(state, "int readEmpty()", false); }
void BM_GettileEscapeCheck(benchmark::State& state) { runEntry(state, "int read()", true); }

}  // namespace

BENCHMARK(BM_Settile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SettileFloor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SettileEscapeCheck)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SettileEmptyNative)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SettileAsMethod)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SettileAsCdecl)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Gettile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GettileFloor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GettileEmptyNative)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GettileEscapeCheck)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
