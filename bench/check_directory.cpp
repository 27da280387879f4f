// dola-check's whole run beside its floor, reading the same files: every
// regular file of the directory opened, read whole and closed once with plain
// POSIX calls. Three directories: the demo world of this build (519 files), a
// generated world of 4,000 maps (the 400 world maps, 3,600 cell maps behind
// teleports, each with its ".DAT"), and the demo world with one map of 10,000
// teleports. Check World's own run in the editor (progress window and rows of
// findings) on the demo world is measured too. The ratios of each check to its
// floor are the figures to watch (aim: within 2x).
//
// Run without arguments it prints, for each directory, the median CPU time of
// the floor and of the check over rounds in which the two take turns, and
// their ratio ("--rounds N", default 15). Any "--benchmark_..." argument runs
// the Google Benchmark cases instead (for a profiler, or with its own
// repetitions).
#include <benchmark/benchmark.h>
#include <dirent.h>
#include <time.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "bench_directory.h"
#include "check_directory.h"
#include "check_report.h"
#include "data/local_map.h"
#include "data/map_names.h"
#include "data/progress.h"
#include "gui/gui.h"
#include "platform/host_path.h"

namespace {

namespace fs = std::filesystem;

const std::string kDemoDirectory = std::string(DOLA_BINARY_DIR) + "/demo/world";

// The floor: each regular file of the directory read whole, once.
long readEveryFile(const std::string& directory) {
  long bytes = 0;
  std::vector<char> buffer(1 << 16);
  DIR* d = opendir(directory.c_str());
  if (d == nullptr) return -1;
  while (dirent* e = readdir(d)) {
    const int fd = openat(dirfd(d), e->d_name, O_RDONLY | O_CLOEXEC);
    if (fd < 0) continue;
    struct stat st;
    if (fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
      ssize_t n;
      while ((n = read(fd, buffer.data(), buffer.size())) > 0) bytes += n;
    }
    close(fd);
  }
  closedir(d);
  return bytes;
}

void writeMap(const std::string& directory, const std::string& name, int seed, int teleports,
              const std::string& target) {
  LocalMap map;
  for (int y = 0; y < kMapRows; y++)
    for (int x = 0; x < kMapColumns; x++) map.setTile(x, y, static_cast<unsigned char>(32 + (x * y + seed) % 200));
  for (int i = 0; i < teleports; i++) map.addTeleport(1 + (seed + i) % kMapColumns, 1 + i % kMapRows, target.c_str());
  char editor[4096];
  pathToEditor((directory + "/" + name).c_str(), editor, sizeof editor);
  map.save(editor);
  FILE* data = fopen((directory + "/" + fs::path(name).stem().string() + ".DAT").c_str(), "wb");
  if (data != nullptr) {
    const std::string records(2200, '\0');
    fwrite(records.data(), 1, records.size(), data);
    fclose(data);
  }
}

// The demo world's tables and sprites, and 4,000 maps: each world map leads
// into its nine cell maps ("T<ab><column + 21><row + 13>"), which lead back.
std::string makeLargeWorld() {
  const std::string dir = makeBenchDirectory();
  for (const char* table : {"CONSTANT.OBJ", "CONSTANT.CRE", "playername.OBJ", "ZAN.SPR", "ZAN2.SPR"})
    fs::copy_file(kDemoDirectory + "/" + table, dir + "/" + table);
  fs::copy_file(kDemoDirectory + "/world.CRS", dir + "/" + fs::path(dir).filename().string() + ".CRS");
  for (int square = 0; square < kWorldMaps; square++) {
    char world[16];
    snprintf(world, sizeof world, "ZAN%c%c", 'A' + square % kWorldSquares, 'A' + square / kWorldSquares);
    LocalMap map;
    for (int cell = 0; cell < 9; cell++) {
      char name[16];
      snprintf(name, sizeof name, "T%c%c%02d%02d", world[3], world[4], 21 + cell, 13 + cell);
      writeMap(dir, std::string(name) + ".MAP", square + cell, 3, world);
    }
    writeMap(dir, std::string(world) + ".MAP", square, 2, "ZANAA");
  }
  return dir;
}

// The demo world with one more map of 10,000 teleports into its world maps.
std::string makeTeleportWorld() {
  const std::string dir = makeBenchDirectory();
  for (const fs::directory_entry& e : fs::directory_iterator(kDemoDirectory)) {
    std::string name = e.path().filename().string();
    if (name == "world.CRS") name = fs::path(dir).filename().string() + ".CRS";
    fs::copy_file(e.path(), dir + "/" + name);
  }
  LocalMap map;
  for (int i = 0; i < 10000; i++) {
    char target[16];
    snprintf(target, sizeof target, "ZAN%c%c", 'A' + i % kWorldSquares, 'A' + i / kWorldSquares % kWorldSquares);
    map.addTeleport(1 + i % kMapColumns, 1 + i / kMapColumns % kMapRows, target);
  }
  char editor[4096];
  pathToEditor((dir + "/TELEPORTS.MAP").c_str(), editor, sizeof editor);
  map.save(editor);
  return dir;
}

// Each made once, when first measured.
const std::string& directoryOf(int which) {
  if (which == 1) {
    static const std::string large = makeLargeWorld();
    return large;
  }
  if (which == 2) {
    static const std::string teleports = makeTeleportWorld();
    return teleports;
  }
  return kDemoDirectory;
}

void BM_Check(benchmark::State& state) {
  const std::string& dir = directoryOf(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    Findings findings;
    CheckSummary summary;
    if (!checkGameDirectory(dir.c_str(), findings, summary) || findings.errors() != 0) {
      state.SkipWithError("the directory is missing or has errors: build the demo target");
      return;
    }
    benchmark::DoNotOptimize(summary.files);
  }
}

void BM_ReadSameFiles(benchmark::State& state) {
  const std::string& dir = directoryOf(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(readEveryFile(dir));
}

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
    for (const Finding& f : ordered) rows.push_back(findingLine(findings, f));
    benchmark::DoNotOptimize(rows.data());
  }
}

}  // namespace

// 0: the demo world, 1: 4,000 maps, 2: the demo world and a map of 10,000 teleports.
BENCHMARK(BM_ReadSameFiles)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Check)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CheckWorldInTheEditor)->Unit(benchmark::kMillisecond);

namespace {

double cpuMilliseconds() {
  timespec t;
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const size_t n = values.size();
  return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// CPU milliseconds of one run of job, averaged over enough runs to last 20 ms.
template <typename Job>
double timeOne(int runs, Job job) {
  const double start = cpuMilliseconds();
  for (int i = 0; i < runs; i++) job();
  return (cpuMilliseconds() - start) / runs;
}

bool checkOnce(const std::string& dir) {
  Findings findings;
  CheckSummary summary;
  return checkGameDirectory(dir.c_str(), findings, summary) && findings.errors() == 0;
}

// The floor and the check of one directory by turns (the floor first in odd
// rounds, the check first in even ones); false when the check fails.
bool printRatio(const char* title, int which, int rounds) {
  const std::string& dir = directoryOf(which);
  if (!checkOnce(dir)) {
    fprintf(stderr, "%s: the directory is missing or has errors: build the demo target\n", title);
    return false;
  }
  const double once = std::max(0.05, timeOne(1, [&dir] { checkOnce(dir); }));
  const int runs = std::max(1, static_cast<int>(20.0 / once));
  std::vector<double> floor, check;
  for (int round = 0; round < rounds; round++) {
    for (int turn = 0; turn < 2; turn++) {
      if ((turn == 0) == (round % 2 == 0))
        floor.push_back(timeOne(runs, [&dir] { benchmark::DoNotOptimize(readEveryFile(dir)); }));
      else
        check.push_back(timeOne(runs, [&dir] { checkOnce(dir); }));
    }
  }
  const double f = median(floor), c = median(check);
  printf("%-34s %9.2f %9.2f %7.2fx\n", title, f, c, c / f);
  fflush(stdout);
  return true;
}

bool wantsGoogleBenchmark(int argc, char** argv) {
  for (int i = 1; i < argc; i++)
    if (strncmp(argv[i], "--benchmark", 11) == 0) return true;
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (wantsGoogleBenchmark(argc, argv)) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
  }
  int rounds = 15;
  for (int i = 1; i + 1 < argc; i++)
    if (strcmp(argv[i], "--rounds") == 0) rounds = std::max(1, atoi(argv[i + 1]));
  printf("dola-check beside reading the same files: median CPU ms of %d rounds, by turns\n", rounds);
  printf("%-34s %9s %9s %8s\n", "directory", "read", "check", "ratio");
  const bool ok = printRatio("demo world", 0, rounds) && printRatio("4,000 maps", 1, rounds) &&
                  printRatio("demo + a map of 10,000 teleports", 2, rounds);
  return ok ? 0 : 1;
}
