// loadWorld of a full 400-map world beside the floor of merely reading the
// same 400 files' bytes with plain stdio, without a progress display and with
// the toolkit's real progress window on a memory screen of 16 and 32 bits (what
// View > World Map shows while the user waits). The ratios to the floor are the
// figures to watch (aim: within 2x).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "bench_directory.h"
#include "data/local_map.h"
#include "data/map_names.h"
#include "data/world_loader.h"
#include "gui/gui.h"
#include "platform/host_path.h"
#include "script/toolkit_progress.h"

namespace {

// A temporary world of 400 wilderness maps with a few teleports each, made once.
class WorldOnDisk {
 public:
  WorldOnDisk() {
    host_ = makeBenchDirectory();
    char editor[4096];
    pathToEditor(host_.c_str(), editor, sizeof editor);
    prefix_ = std::string(editor) + "\\";
    for (int row = 0; row < kWorldSquares; row++)
      for (int col = 0; col < kWorldSquares; col++) writeMap(col, row);
  }
  ~WorldOnDisk() {
    std::error_code ec;
    std::filesystem::remove_all(host_, ec);
  }
  const std::string& prefix() const { return prefix_; }
  std::string hostFile(int col, int row) const {
    char name[32];
    snprintf(name, sizeof name, "/ZAN%c%c.MAP", 'A' + col, 'A' + row);
    return host_ + name;
  }

 private:
  void writeMap(int col, int row) {
    LocalMap map;
    for (int y = 0; y < kMapRows; y++)
      for (int x = 0; x < kMapColumns; x++) map.setTile(x, y, static_cast<unsigned char>(32 + (x * y + col + row) % 200));
    map.addTeleport(col + 1, row + 1, "TAB2515");
    map.addTeleport(2, 3, "ZANAA");
    char file[kPathBufferSize];
    worldMapFileName(prefix_.c_str(), col, row, file, sizeof file);
    map.save(file);
  }

  std::string host_;
  std::string prefix_;
};

WorldOnDisk& world() {
  static WorldOnDisk w;
  return w;
}

void BM_LoadWorld(benchmark::State& state) {
  auto buffer = std::make_unique<WorldBuffer>();
  for (auto _ : state) {
    loadWorld(world().prefix().c_str(), *buffer, nullptr);
    benchmark::DoNotOptimize(buffer->cells[0]);
  }
}
BENCHMARK(BM_LoadWorld)->Unit(benchmark::kMillisecond);

void BM_LoadWorldWithProgressWindow(benchmark::State& state) {
  auto buffer = std::make_unique<WorldBuffer>();
  if (!GuiInitHeadless(1024, 768, static_cast<int>(state.range(0)))) state.SkipWithError("no memory screen");
  ToolkitProgress progress("", 200);  // as View > World Map opens it
  for (auto _ : state) {
    loadWorld(world().prefix().c_str(), *buffer, &progress);
    benchmark::DoNotOptimize(buffer->cells[0]);
  }
}
BENCHMARK(BM_LoadWorldWithProgressWindow)->Arg(16)->Arg(32)->Unit(benchmark::kMillisecond);

void BM_ReadWorldFilesRaw(benchmark::State& state) {
  char bytes[4096];
  for (auto _ : state) {
    size_t total = 0;
    for (int row = 0; row < kWorldSquares; row++) {
      for (int col = 0; col < kWorldSquares; col++) {
        FILE* f = fopen(world().hostFile(col, row).c_str(), "rb");
        if (!f) continue;
        total += fread(bytes, 1, sizeof bytes, f);
        fclose(f);
      }
    }
    benchmark::DoNotOptimize(total);
  }
}
BENCHMARK(BM_ReadWorldFilesRaw)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
