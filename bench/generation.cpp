// World generation with examples/generate_world.as, split into the script's
// run alone, the whole command (run, then the 400 saves) and the command with
// an empty script (the saves alone), each with the backup of the maps it
// replaces that the editor always makes, beside two floors of the same
// bytes under the same names, in a world directory of their own: 400 files
// written in a plain loop with one sync of the file system, and the same
// through a plain safe write with its backup (a copy of each old file and a
// list of them, a temporary, one sync, a rename each). Run with no
// arguments, it measures each case 9 times, the cases by turns in a random
// order, and prints medians: compare CPU times, which a busy machine
// disturbs least. The files live in a directory of their own, removed when
// the benchmark ends.
#include <angelscript.h>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "bench_directory.h"
#include "safe_write_floor.h"
#include "platform/backup_store.h"
#include "data/map_names.h"
#include "data/world_buffer.h"
#include "platform/host_path.h"
#include "script/reach_functions.h"
#include "script/script_host.h"
#include "script/script_maps.h"
#include "script/script_user.h"
#include "script/world_generation.h"

using namespace AngelScript;

namespace {

// Chooses the example, says Replace, shows nothing.
class BenchUser : public ScriptUser {
 public:
  int showText(const char*, const char*) override { return 0; }
  bool chooseScript(char* path, size_t size) override {
    snprintf(path, size, "%s", script.c_str());
    return true;
  }
  CellPick pickCell(int*, int*) override { return CellPick::Unavailable; }
  bool stopRequested() override { return false; }
  ProgressDisplay* progress() override { return nullptr; }
  std::string script;
};

// The editor's world in gen/, the floors' in floor/ and plain/.
struct Bench {
  WorldBuffer* world = new WorldBuffer();
  BenchUser user;
  asIScriptEngine* engine = nullptr;
  std::string hostDir;
  std::string editorDir;  // editor path of gen/
  std::string example, emptyScript;  // editor paths
  BackupPlace backups;

  Bench() {
    startScriptHost(&engine, world, &user);
    char editorPath[1024];
    pathToEditor(DOLA_SOURCE_DIR "/examples/generate_world.as", editorPath, sizeof editorPath);
    example = user.script = editorPath;
    hostDir = makeBenchDirectory();
    for (const char* sub : {"/gen", "/floor", "/floor/backups", "/plain"}) mkdir((hostDir + sub).c_str(), 0777);
    pathToEditor((hostDir + "/gen").c_str(), editorPath, sizeof editorPath);
    editorDir = editorPath;
    backups = BackupPlace{editorDir + "\\backups", kDefaultBackupsKept};
    FILE* f = fopen((hostDir + "/empty.as").c_str(), "wb");
    if (f != nullptr) {
      fputs("void main() {}\n", f);
      fclose(f);
    }
    pathToEditor((hostDir + "/empty.as").c_str(), editorPath, sizeof editorPath);
    emptyScript = editorPath;
  }
  ~Bench() {
    std::error_code ec;
    std::filesystem::remove_all(hostDir, ec);
  }

  // The 400 world maps of the empty script, written once.
  bool worldMade() {
    if (std::filesystem::exists(hostDir + "/gen/ZANTT.MAP")) return true;
    user.script = emptyScript;
    const WorldGenerationResult result = generateWorld(engine, editorDir.c_str(), nullptr, &backups);
    user.script = example;
    return result.written == kWorldMaps;
  }
};

Bench& bench() {
  static Bench b;
  return b;
}

std::string mapFileName(int i) {
  return std::string("ZAN") + static_cast<char>('A' + i % 20) + static_cast<char>('A' + i / 20) + ".MAP";
}

// The run alone, in the world run the command starts around it.
void BM_WorldScriptRun(benchmark::State& state) {
  ScriptMaps& maps = scriptReach(bench().engine)->maps();
  for (auto _ : state) {
    maps.beginWorldRun(bench().editorDir.c_str(), nullptr);
    if (runScript(bench().user.script.c_str(), bench().engine) != ScriptRunEnd::Finished) {
      state.SkipWithError("the example did not finish");
    }
    maps.end();
  }
}

void BM_WorldScriptRunAndSaves(benchmark::State& state) {
  for (auto _ : state) {
    WorldGenerationResult result = generateWorld(bench().engine, bench().editorDir.c_str(), nullptr, &bench().backups);
    if (result.written != kWorldMaps) state.SkipWithError("not every world map was written");
  }
}

// The 400 saves with a script that does nothing: the command's own cost.
void BM_WorldSavesOnly(benchmark::State& state) {
  if (!bench().worldMade()) state.SkipWithError("no world");
  bench().user.script = bench().emptyScript;
  for (auto _ : state) {
    WorldGenerationResult result = generateWorld(bench().engine, bench().editorDir.c_str(), nullptr, &bench().backups);
    if (result.written != kWorldMaps) state.SkipWithError("not every world map was written");
  }
  bench().user.script = bench().example;
}

// The bytes of the editor's world maps as the empty script leaves them.
std::vector<std::string> worldBytes() {
  std::vector<std::string> bytes;
  for (int i = 0; i < kWorldMaps; i++) {
    FILE* f = fopen((bench().hostDir + "/gen/" + mapFileName(i)).c_str(), "rb");
    char buffer[4096];
    const size_t n = f != nullptr ? fread(buffer, 1, sizeof buffer, f) : 0;
    if (f != nullptr) fclose(f);
    bytes.emplace_back(buffer, n);
  }
  return bytes;
}

// The floor: what the saves must do at the least, the same bytes made durable
// with the same one sync of the file system.
void BM_Plain400WritesOneSync(benchmark::State& state) {
  if (!bench().worldMade()) state.SkipWithError("no world");
  const std::vector<std::string> bytes = worldBytes();
  for (auto _ : state) {
    for (int i = 0; i < kWorldMaps; i++) {
      FILE* f = fopen((bench().hostDir + "/plain/" + mapFileName(i)).c_str(), "wb");
      if (f == nullptr || fwrite(bytes[i].data(), 1, bytes[i].size(), f) != bytes[i].size()) state.SkipWithError("write");
      if (f != nullptr) fclose(f);
    }
    const int fd = open((bench().hostDir + "/plain").c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0 || syncfs(fd) != 0) state.SkipWithError("sync");
    if (fd >= 0) close(fd);
  }
}

// The second floor: the same bytes over the same names through a plain safe
// write with its backup, as many backups kept as the editor keeps.
void BM_Plain400SafeWritesWithBackup(benchmark::State& state) {
  if (!bench().worldMade()) state.SkipWithError("no world");
  const std::vector<std::string> bytes = worldBytes();
  std::vector<std::string> targets;
  const std::string floor = bench().hostDir + "/floor";
  for (int i = 0; i < kWorldMaps; i++) {
    targets.push_back(floor + "/" + mapFileName(i));
    if (std::filesystem::exists(targets.back())) continue;
    FILE* f = fopen(targets.back().c_str(), "wb");
    if (f != nullptr) {
      fwrite(bytes[i].data(), 1, bytes[i].size(), f);
      fclose(f);
    }
  }
  static int run = 0;  // across the runs the library makes of this function
  for (auto _ : state) {
    const std::string folder = floor + "/backups/" + std::to_string(run++);
    if (!safeWriteFloor(floor, targets, bytes, folder)) state.SkipWithError("safe write");
    if (run > kDefaultBackupsKept) {
      std::error_code ec;
      std::filesystem::remove_all(floor + "/backups/" + std::to_string(run - kDefaultBackupsKept - 1), ec);
    }
  }
}

}  // namespace

BENCHMARK(BM_WorldScriptRun)->Unit(benchmark::kMillisecond);
// One write a run: the state the files are in is the same for each.
BENCHMARK(BM_WorldScriptRunAndSaves)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_WorldSavesOnly)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_Plain400WritesOneSync)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_Plain400SafeWritesWithBackup)->Unit(benchmark::kMillisecond)->Iterations(1);

// With no arguments: 9 runs of each, by turns in a random order, medians.
int main(int argc, char** argv) {
  std::vector<char*> args(argv, argv + argc);
  char repetitions[] = "--benchmark_repetitions=9", interleaving[] = "--benchmark_enable_random_interleaving=true",
       aggregates[] = "--benchmark_report_aggregates_only=true";
  if (argc == 1) args.insert(args.end(), {repetitions, interleaving, aggregates});
  int count = static_cast<int>(args.size());
  benchmark::Initialize(&count, args.data());
  if (benchmark::ReportUnrecognizedArguments(count, args.data())) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
