// dola-check's whole run over the demo game directory (518 files) beside
// loadWorld of the same directory, the editor's own read of its 400 world
// maps. The checker reads every map, table and data file, so the ratio says
// what the rest costs over the world view's load; and Check World's run of
// the same check in the editor, progress window and findings rows included.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "check_directory.h"
#include "check_report.h"
#include "data/progress.h"
#include "data/world_loader.h"
#include "gui/gui.h"
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

// Tools > Check World's own work: the same check with the toolkit's progress
// window redrawn as it goes (on a headless screen), then the findings put in
// order and turned into the rows of the findings window.
class WindowProgress : public ProgressDisplay {
 public:
  void open() override { window_ = OpenProgressWindow("Checking the world", nullptr, 200); }
  void setPercent(int percent) override { SetProgress(window_, percent); }
  void close() override { CloseTopWindow(); }

 private:
  int window_ = 0;
};

void BM_CheckWorldInTheEditor(benchmark::State& state) {
  if (!GuiInitHeadless(1024, 768, 16)) {
    state.SkipWithError("no headless toolkit");
    return;
  }
  WindowProgress progress;
  for (auto _ : state) {
    Findings findings;
    CheckSummary summary;
    if (!checkGameDirectory(kDemoDirectory.c_str(), findings, summary, &progress)) {
      state.SkipWithError("the demo directory is missing: build the demo target");
      return;
    }
    std::vector<Finding> ordered = findings.all();
    std::stable_sort(ordered.begin(), ordered.end(), [](const Finding& a, const Finding& b) {
      return a.severity == Severity::Error && b.severity != Severity::Error;
    });
    std::vector<std::string> rows;
    for (const Finding& f : ordered) rows.push_back(findingLine(f));
    benchmark::DoNotOptimize(rows.data());
  }
}
BENCHMARK(BM_CheckWorldInTheEditor)->Unit(benchmark::kMillisecond);

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
