// dola-check's whole run beside its floor, reading the same files: every
// regular file of the directory opened, read whole and closed once with plain
// POSIX calls. Three directories: the demo world of this build (518 files), a
// generated world of 4,000 maps (the 400 world maps, 3,600 cell maps behind
// teleports, each with its ".DAT"), and the demo world with one map of 10,000
// teleports. Check World's own run in the editor (progress window and rows of
// findings) on the demo world is measured too. The ratios of each check to its
// floor are the figures to watch (aim: within 2x).
#include <benchmark/benchmark.h>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
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
    for (const Finding& f : ordered) rows.push_back(findingLine(f));
    benchmark::DoNotOptimize(rows.data());
  }
}

}  // namespace

// 0: the demo world, 1: 4,000 maps, 2: the demo world and a map of 10,000 teleports.
BENCHMARK(BM_ReadSameFiles)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Check)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CheckWorldInTheEditor)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
