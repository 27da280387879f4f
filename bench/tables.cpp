// Opening the game tables of a directory with full-size files (both object
// tables, both creature tables and a ".DAT") against merely reading the bytes
// of the same files through the same streams; prints the ratio of the two.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "bench_directory.h"
#include "data/creature_list.h"
#include "data/map_data_file.h"
#include "data/object_list.h"
#include "platform/file_stream.h"
#include "platform/host_path.h"

namespace {

struct GameDirectory {
  std::string hostPath;
  char editorPath[1024] = {0};
  char datPath[1024] = {0};
  std::vector<std::string> files;  // editor paths of the five files
  std::vector<size_t> sizes;
};

void writeRandomFile(const std::string& hostPath, size_t size, std::mt19937& rng) {
  std::vector<unsigned char> bytes(size);
  for (unsigned char& b : bytes) b = static_cast<unsigned char>(rng() & 0xFF);
  FILE* f = fopen(hostPath.c_str(), "wb");
  if (!f) return;
  fwrite(bytes.data(), 1, bytes.size(), f);
  fclose(f);
}

GameDirectory& gameDirectory() {
  static GameDirectory dir = [] {
    GameDirectory d;
    d.hostPath = makeBenchDirectory();
    pathToEditor(d.hostPath.c_str(), d.editorPath, sizeof d.editorPath);
    const std::string lastName = d.hostPath.substr(d.hostPath.rfind('/') + 1);
    const std::pair<std::string, size_t> files[] = {{"CONSTANT.OBJ", 400 * 79},
                                                    {"playername.OBJ", 49900 * 79},
                                                    {"CONSTANT.CRE", 1000 * 431},
                                                    {lastName + ".CRS", 3000 * 431},
                                                    {"ZANAA.DAT", 2200}};
    std::mt19937 rng(7);
    for (const auto& file : files) {
      writeRandomFile(d.hostPath + "/" + file.first, file.second, rng);
      d.files.push_back(std::string(d.editorPath) + "\\" + file.first);
      d.sizes.push_back(file.second);
    }
    snprintf(d.datPath, sizeof d.datPath, "%.1000s\\ZANAA.DAT", d.editorPath);
    return d;
  }();
  return dir;
}

void BM_OpenTables(benchmark::State& state) {
  GameDirectory& dir = gameDirectory();
  auto objects = std::make_unique<ObjectList>();
  auto creatures = std::make_unique<CreatureList>();
  auto data = std::make_unique<MapDataFile>();
  for (auto _ : state) {
    bool ok = objects->load(dir.editorPath);
    ok = creatures->load(dir.editorPath) && ok;
    ok = data->load(dir.datPath) && ok;
    if (!ok) state.SkipWithError("a table did not load");
    benchmark::DoNotOptimize(objects->playerObject(49899));
  }
}
BENCHMARK(BM_OpenTables)->Unit(benchmark::kMillisecond);

void BM_ReadFileBytes(benchmark::State& state) {
  GameDirectory& dir = gameDirectory();
  std::vector<std::vector<unsigned char>> buffers;
  for (size_t size : dir.sizes) buffers.emplace_back(size);
  for (auto _ : state) {
    for (size_t i = 0; i < dir.files.size(); i++) {
      FILE* f = openStream(dir.files[i].c_str(), "rb");
      if (!f) {
        state.SkipWithError("a file did not open");
        break;
      }
      benchmark::DoNotOptimize(fread(buffers[i].data(), 1, buffers[i].size(), f));
      fclose(f);
    }
  }
}
BENCHMARK(BM_ReadFileBytes)->Unit(benchmark::kMillisecond);

// Keeps the console output and collects each benchmark's CPU time of every
// repetition for the ratio (CPU time, since other programs may share the machine).
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.error_occurred) continue;
      if (run.run_type == Run::RT_Iteration) times[run.run_name.function_name].push_back(run.GetAdjustedCPUTime());
      if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
        medians[run.run_name.function_name] = run.GetAdjustedCPUTime();
    }
    ConsoleReporter::ReportRuns(runs);
  }
  // The library's own median where it reported one (only aggregates shown),
  // else the median of the repetitions seen.
  double median(const std::string& name) const {
    const auto reported = medians.find(name);
    if (reported != medians.end()) return reported->second;
    const auto found = times.find(name);
    if (found == times.end() || found->second.empty()) return 0;
    std::vector<double> t = found->second;
    std::sort(t.begin(), t.end());
    const size_t n = t.size();
    return n % 2 ? t[n / 2] : (t[n / 2 - 1] + t[n / 2]) / 2;
  }
  std::map<std::string, std::vector<double>> times;
  std::map<std::string, double> medians;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  const double open = reporter.median("BM_OpenTables"), read = reporter.median("BM_ReadFileBytes");
  if (open > 0 && read > 0) {
    printf("opening the tables takes %.2f times the CPU time of reading their bytes (ratio of the medians)\n",
           open / read);
  }
  std::error_code ec;
  std::filesystem::remove_all(gameDirectory().hostPath, ec);
  benchmark::Shutdown();
  return 0;
}
