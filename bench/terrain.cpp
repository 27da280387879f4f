// Terrain rules over a whole world of lakes and seas, with the demo world's
// rules. The rule evaluation (evaluateTerrain over the 960 x 480 world with
// its margins) beside its floor: a plain loop that tries the same compiled
// variants in order on every cell (aim: within 3x). And the whole command on
// all 400 world maps (counting for the question, then the pass that writes)
// beside Replace Tile's whole command on the same world (aim: within 1.5x).
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "bench_directory.h"
#include "data/local_map.h"
#include "data/terrain_world.h"
#include "data/world_replace.h"
#include "demo_terrain_rules.h"
#include "platform/host_path.h"

namespace {

// Land with round lakes and a sea along the edges: every shape of shore.
uint8_t benchCell(int x, int y) {
  const bool sea = x < 30 || y < 20 || x > 930 || y > 460;
  const double ripple = std::sin(x * 0.13) * std::cos(y * 0.11) + std::sin((x + y) * 0.05);
  return sea || ripple > 1.1 ? 208 : 250;
}

const TerrainRules& demoRules() {
  static TerrainRules rules;
  if (rules.empty()) {
    const char* text = demoTerrainRules();
    rules.parse(text, strlen(text));
  }
  return rules;
}

void fillWorldGrid(TerrainGrid& grid) {
  grid.resize(kWorldColumns, kWorldRows);
  for (int y = 0; y < kWorldRows; ++y)
    for (int x = 0; x < kWorldColumns; ++x) grid.at(x, y) = benchCell(x, y);
  grid.copyEdges();
}

// The floor: every variant in file order, every test of it, on every cell.
void BM_PlainLoopOverCompiledPatterns(benchmark::State& state) {
  const TerrainRules& rules = demoRules();
  TerrainGrid grid;
  fillWorldGrid(grid);
  std::vector<int> offsets;
  for (const TerrainTest& test : rules.tests()) offsets.push_back(test.dy * grid.stride() + test.dx);
  std::vector<uint8_t> out(static_cast<size_t>(kWorldColumns) * kWorldRows);
  for (auto _ : state) {
    uint8_t* o = out.data();
    for (int y = 0; y < kWorldRows; ++y) {
      for (int x = 0; x < kWorldColumns; ++x) {
        const uint8_t* centre = &grid.at(x, y);
        uint8_t code = *centre;
        for (const TerrainVariant& v : rules.variants()) {
          if (v.centreSet >= 0 && !rules.sets()[v.centreSet].member[*centre]) continue;
          int t = v.firstTest;
          while (t < v.firstTest + v.testCount &&
                 rules.sets()[rules.tests()[t].set].member[centre[offsets[t]]])
            ++t;
          if (t < v.firstTest + v.testCount) continue;
          code = rules.choices()[v.firstChoice].code;
          break;
        }
        *o++ = code;
      }
    }
    benchmark::DoNotOptimize(out.data());
  }
}
BENCHMARK(BM_PlainLoopOverCompiledPatterns)->Unit(benchmark::kMillisecond);

void BM_EvaluateTerrain(benchmark::State& state) {
  TerrainGrid grid;
  fillWorldGrid(grid);
  std::vector<uint8_t> out(static_cast<size_t>(kWorldColumns) * kWorldRows);
  int changed = 0;
  for (auto _ : state) {
    changed = evaluateTerrain(demoRules(), grid, 0, 0, kWorldColumns, kWorldRows, out.data());
    benchmark::DoNotOptimize(out.data());
  }
  state.counters["cells changed"] = changed;
}
BENCHMARK(BM_EvaluateTerrain)->Unit(benchmark::kMillisecond);

// The 400 world maps of the bench world, written anew before each run.
class WorldOnDisk {
 public:
  WorldOnDisk() : host_(makeBenchDirectory()) {
    char editor[4096];
    pathToEditor(host_.c_str(), editor, sizeof editor);
    directory_ = editor;
  }
  ~WorldOnDisk() {
    std::error_code ec;
    std::filesystem::remove_all(host_, ec);
  }
  void write() const {
    LocalMap map;
    map.kind = Wilderness;
    char path[kPathBufferSize];
    for (int row = 0; row < kWorldSquares; ++row) {
      for (int col = 0; col < kWorldSquares; ++col) {
        for (int y = 0; y < kMapRows; ++y)
          for (int x = 0; x < kMapColumns; ++x) map.setTile(x, y, benchCell(worldX(col, x), worldY(row, y)));
        worldMapFileNameIn(directory_.c_str(), col, row, path, sizeof path);
        map.save(path);
      }
    }
  }
  const char* directory() const { return directory_.c_str(); }

 private:
  std::string host_, directory_;
};

// Edit > Apply Terrain Rules on all world maps: the counts, then the write.
void BM_ApplyTerrainToAllWorldMaps(benchmark::State& state) {
  WorldOnDisk world;
  int maps = 0;
  for (auto _ : state) {
    state.PauseTiming();
    world.write();
    state.ResumeTiming();
    benchmark::DoNotOptimize(applyTerrainToWorld(world.directory(), demoRules(), false).cells);
    maps = applyTerrainToWorld(world.directory(), demoRules(), true).maps;
  }
  state.counters["maps written"] = maps;
}
BENCHMARK(BM_ApplyTerrainToAllWorldMaps)->Unit(benchmark::kMillisecond)->UseRealTime();

// Edit > Replace Tile on all world maps: the counts, then the write (water
// to grass, which rewrites every map holding water).
void BM_ReplaceTileInAllWorldMaps(benchmark::State& state) {
  WorldOnDisk world;
  int maps = 0;
  for (auto _ : state) {
    state.PauseTiming();
    world.write();
    state.ResumeTiming();
    benchmark::DoNotOptimize(countTileInWorld(world.directory(), 208).cells);
    maps = replaceTileInWorld(world.directory(), 208, 250).maps;
  }
  state.counters["maps written"] = maps;
}
BENCHMARK(BM_ReplaceTileInAllWorldMaps)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
