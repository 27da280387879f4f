// Script call costs over the whole 960 x 480 WorldBuffer: settile and gettile
// in a double loop beside an empty registered function with the same arguments
// (the engine's own floor), and the same loops with runScript's Escape check.
#include <angelscript.h>
#include <benchmark/benchmark.h>

#include "app/editor_state.h"
#include "script/script_escape.h"
#include "script/script_host.h"

using namespace AngelScript;

namespace {

constexpr double kCells = 960.0 * 480.0;

void emptySet(int, int, int) {}
int emptyGet(int, int) { return 0; }

const char* const kSource = R"(
void fill() {
  for (int y = 1; y <= 480; y++) for (int x = 1; x <= 960; x++) settile(x, y, (x + y) & 255);
}
void fillEmpty() {
  for (int y = 1; y <= 480; y++) for (int x = 1; x <= 960; x++) emptyset(x, y, (x + y) & 255);
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
)";

// One started host with the bench's floor functions and the module built once.
struct Bench {
  EditorState* editor = new EditorState();
  asIScriptModule* module = nullptr;

  Bench() {
    setEditorState(editor);
    startScriptHost(editor);
    asIScriptEngine* engine = editor->scriptEngine;
    engine->RegisterGlobalFunction("void emptyset(int x, int y, int tile)", asFUNCTION(emptySet), asCALL_CDECL);
    engine->RegisterGlobalFunction("int emptyget(int x, int y)", asFUNCTION(emptyGet), asCALL_CDECL);
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
  asIScriptContext* context = bench().editor->scriptEngine->CreateContext();
  for (auto _ : state) {
    context->Prepare(entry);
    int result = escapeCheck ? executeWithEscape(context) : context->Execute();
    if (result != asEXECUTION_FINISHED) state.SkipWithError("the script did not finish");
  }
  context->Release();
  state.counters["per_call"] = benchmark::Counter(kCells, benchmark::Counter::kIsIterationInvariantRate |
                                                              benchmark::Counter::kInvert);
}

void BM_Settile(benchmark::State& state) { runEntry(state, "void fill()", false); }
void BM_SettileFloor(benchmark::State& state) { runEntry(state, "void fillEmpty()", false); }
void BM_SettileEscapeCheck(benchmark::State& state) { runEntry(state, "void fill()", true); }
void BM_Gettile(benchmark::State& state) { runEntry(state, "int read()", false); }
void BM_GettileFloor(benchmark::State& state) { runEntry(state, "int readEmpty()", false); }
void BM_GettileEscapeCheck(benchmark::State& state) { runEntry(state, "int read()", true); }

}  // namespace

BENCHMARK(BM_Settile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SettileFloor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SettileEscapeCheck)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Gettile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GettileFloor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GettileEscapeCheck)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
