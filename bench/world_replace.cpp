// Replace Tile in all world maps on a world of 400 maps, with the backups the
// editor always makes, beside its floors measured in the same run:
//  - the question: reading and counting the 400 maps (WorldMaps::read and
//    count) beside reading the same 400 files' bytes with plain stdio, and
//    asked again with the maps kept (WorldMaps::refresh: a stamp a file);
//  - the replace: WorldMaps::replace of the maps read for the question
//    beside a plain safe write of the same bytes (a backup copy of each file,
//    a temporary beside it, one sync of the file system, a rename each).
// Every iteration swaps two tile codes back and forth, so each one rewrites
// all 400 maps. The files and backups live in a directory of their own,
// removed when the benchmark ends.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "bench_directory.h"
#include "safe_write_floor.h"
#include "data/local_map.h"
#include "data/map_area.h"
#include "data/map_names.h"
#include "data/world_replace.h"
#include "platform/backup_store.h"
#include "platform/host_path.h"

namespace {

class World {
 public:
  World() {
    host_ = makeBenchDirectory();
    char editor[4096];
    pathToEditor(host_.c_str(), editor, sizeof editor);
    editor_ = editor;
    LocalMap map;
    map.kind = Wilderness;
    for (int i = 0; i < kWorldMaps; i++) {
      fillRectangle(map, cellRectBetween(0, 0, 47, 23), static_cast<unsigned char>('a' + i % 20));
      for (int c = 0; c < 48; c += 3) map.setTile(c, i % 24, 42);
      char path[kPathBufferSize];
      worldMapFileNameIn(editor_.c_str(), i % kWorldSquares, i / kWorldSquares, path, sizeof path);
      map.save(path);
    }
    std::filesystem::create_directory(host_ + "/floor");
  }
  ~World() {
    std::error_code ec;
    std::filesystem::remove_all(host_, ec);
  }
  std::string host_, editor_;
};

World& world() {
  static World w;
  return w;
}

std::string hostMap(int i) {
  return world().host_ + "/ZAN" + std::string(1, static_cast<char>('A' + i % kWorldSquares)) +
         std::string(1, static_cast<char>('A' + i / kWorldSquares)) + ".MAP";
}

void BM_ReplaceQuestion(benchmark::State& state) {
  for (auto _ : state) {
    WorldMaps maps;
    maps.read(world().editor_.c_str());
    if (maps.count(42).maps + maps.count(43).maps != kWorldMaps) state.SkipWithError("not every map counted");
  }
}

// The question asked again with the maps kept from the last one: each file's
// stamp looked at, the unchanged maps counted as kept.
void BM_ReplaceQuestionKept(benchmark::State& state) {
  WorldMaps maps;
  maps.read(world().editor_.c_str());
  for (auto _ : state) {
    maps.refresh(world().editor_.c_str());
    if (maps.count(42).maps + maps.count(43).maps != kWorldMaps) state.SkipWithError("not every map counted");
  }
}

void BM_Read400FilesFloor(benchmark::State& state) {
  char buffer[4096];
  for (auto _ : state) {
    size_t total = 0;
    for (int i = 0; i < kWorldMaps; i++) {
      FILE* f = fopen(hostMap(i).c_str(), "rb");
      if (!f) state.SkipWithError("read");
      if (f) {
        total += fread(buffer, 1, sizeof buffer, f);
        fclose(f);
      }
    }
    benchmark::DoNotOptimize(total);
  }
}

// The maps read for the question, then replaced, as the command does.
void BM_ReplaceInAllWorldMaps(benchmark::State& state) {
  const BackupPlace place{world().editor_ + "\\backups", kDefaultBackupsKept};
  WorldMaps maps;
  maps.read(world().editor_.c_str());
  unsigned char from = maps.count(42).maps > 0 ? 42 : 43, to = from == 42 ? 43 : 42;  // as an earlier run left them
  for (auto _ : state) {
    BackupOperation backup(place, "Replace Tile");
    const WorldReplaceResult result = maps.replace(from, to, &backup);
    if (result.maps != kWorldMaps) {
      fprintf(stderr, "%d maps: %s\n", result.maps, result.failure.c_str());
      state.SkipWithError("not every map replaced");
    }
    std::swap(from, to);
  }
}

// The floor: the same bytes through a plain safe write with its backup.
void BM_SafeWriteFloor(benchmark::State& state) {
  std::vector<std::string> targets, bytes;
  for (int i = 0; i < kWorldMaps; i++) {
    targets.push_back(hostMap(i));
    FILE* f = fopen(targets.back().c_str(), "rb");
    char buffer[4096];
    const size_t n = f ? fread(buffer, 1, sizeof buffer, f) : 0;
    if (f) fclose(f);
    bytes.emplace_back(buffer, n);
  }
  static int run = 0;  // across the runs the library makes of this function
  for (auto _ : state) {
    const std::string folder = world().host_ + "/floor/" + std::to_string(run++);
    if (!safeWriteFloor(world().host_, targets, bytes, folder)) state.SkipWithError("safe write");
    if (run > kDefaultBackupsKept) {  // as many kept as the editor keeps
      std::error_code ec;
      std::filesystem::remove_all(world().host_ + "/floor/" + std::to_string(run - kDefaultBackupsKept - 1), ec);
    }
  }
}

}  // namespace

BENCHMARK(BM_ReplaceQuestion)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReplaceQuestionKept)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Read400FilesFloor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReplaceInAllWorldMaps)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SafeWriteFloor)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
