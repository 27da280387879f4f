// dola-check's whole run over the demo game directory (518 files) beside
// loadWorld of the same directory, the editor's own read of its 400 world
// maps. The checker reads every map, table and data file, so the ratio says
// what the rest costs over the world view's load.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "check_directory.h"
#include "data/world_loader.h"
#include "platform/host_path.h"

namespace {

const std::string kDemoDirectory = std::string(DOLA_BINARY_DIR) + "/demo/world";

void BM_CheckDemoDirectory(benchmark::State& state) {
  for (auto _ : state) {
    Findings findings;
    CheckSummary summary;
    if (!checkGameDirectory(kDemoDirectory.c_str(), findings, summary) || findings.errors() != 0) {
      state.SkipWithError("the demo directory is missing or has errors: build the demo target");
      return;
    }
    benchmark::DoNotOptimize(summary.files);
  }
}
BENCHMARK(BM_CheckDemoDirectory)->Unit(benchmark::kMillisecond);

void BM_LoadWorldDemoDirectory(benchmark::State& state) {
  char prefix[4096];
  pathToEditor((kDemoDirectory + "/").c_str(), prefix, sizeof prefix);
  auto world = std::make_unique<WorldBuffer>();
  for (auto _ : state) {
    loadWorld(prefix, *world, nullptr);
    benchmark::DoNotOptimize(world->cells[0]);
  }
}
BENCHMARK(BM_LoadWorldDemoDirectory)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
