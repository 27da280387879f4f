// World generation with examples/generate_world.as, split into the script's
// run alone, the whole command (run, then the 400 saves) and the command with
// an empty script (the saves alone), each with the backup of the maps it
// replaces that the editor always makes, beside two floors of the same
// bytes: 400 files written in a plain loop with one sync of the file system,
// and the same through a plain safe write with its backup (a copy of each
// old file, a temporary, one sync, a rename each). The files live in a
// directory of their own, removed when the benchmark ends.
#include <angelscript.h>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

#include "bench_directory.h"
#include "safe_write_floor.h"
#include "platform/backup_store.h"
#include "data/world_buffer.h"
#include "platform/host_path.h"
#include "script/script_host.h"
#include "script/script_user.h"
#include "script/world_generation.h"

using namespace AngelScript;

namespace {

constexpr size_t kWorldMapFileBytes = 13 + 24 * 51;  // "WILDERNESS!" line and 24 row lines

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

struct Bench {
  WorldBuffer* world = new WorldBuffer();
  BenchUser user;
  asIScriptEngine* engine = nullptr;
  std::string hostDir;
  std::string editorDir;
  BackupPlace backups;

  Bench() {
    startScriptHost(&engine, world, &user);
    char editorPath[1024];
    pathToEditor(DOLA_SOURCE_DIR "/examples/generate_world.as", editorPath, sizeof editorPath);
    user.script = editorPath;
    hostDir = makeBenchDirectory();
    pathToEditor(hostDir.c_str(), editorPath, sizeof editorPath);
    editorDir = editorPath;
    backups = BackupPlace{editorDir + "\\backups", kDefaultBackupsKept};
  }
  ~Bench() {
    std::error_code ec;
    std::filesystem::remove_all(hostDir, ec);
  }
};

Bench& bench() {
  static Bench b;
  return b;
}

void BM_WorldScriptRun(benchmark::State& state) {
  for (auto _ : state) {
    if (runScript(bench().user.script.c_str(), bench().engine) != ScriptRunEnd::Finished) {
      state.SkipWithError("the example did not finish");
    }
  }
}

void BM_WorldScriptRunAndSaves(benchmark::State& state) {
  for (auto _ : state) {
    WorldGenerationResult result = generateWorld(bench().engine, bench().editorDir.c_str(), nullptr, &bench().backups);
    if (result.written != 400) state.SkipWithError("not every world map was written");
  }
}

// The 400 saves with a script that does nothing: the command's own cost.
void BM_WorldSavesOnly(benchmark::State& state) {
  std::string example = bench().user.script;
  FILE* f = fopen((bench().hostDir + "/empty.as").c_str(), "wb");
  if (f != nullptr) {
    fputs("void main() {}\n", f);
    fclose(f);
  }
  bench().user.script = bench().editorDir + "\\empty.as";
  for (auto _ : state) {
    WorldGenerationResult result = generateWorld(bench().engine, bench().editorDir.c_str(), nullptr, &bench().backups);
    if (result.written != 400) state.SkipWithError("not every world map was written");
  }
  bench().user.script = example;
}

// The floor: what the saves must do at the least, the same bytes made durable
// with the same one sync of the file system.
void BM_Plain400WritesOneSync(benchmark::State& state) {
  const std::string bytes(kWorldMapFileBytes, 'x');
  for (auto _ : state) {
    for (int i = 0; i < 400; i++) {
      std::string path = bench().hostDir + "/plain" + std::to_string(i);
      FILE* f = fopen(path.c_str(), "wb");
      if (f == nullptr || fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size()) state.SkipWithError("write");
      if (f != nullptr) fclose(f);
    }
    const int fd = open(bench().hostDir.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0 || syncfs(fd) != 0) state.SkipWithError("sync");
    if (fd >= 0) close(fd);
  }
}

// The second floor: the same bytes through a plain safe write with its backup,
// over the files the saves wrote.
void BM_Plain400SafeWritesWithBackup(benchmark::State& state) {
  const std::string bytes(kWorldMapFileBytes, 'x');
  std::vector<std::string> targets, contents(400, bytes);
  for (int i = 0; i < 400; i++) {
    targets.push_back(bench().hostDir + "/safe" + std::to_string(i));
    FILE* f = fopen(targets.back().c_str(), "wb");
    if (f != nullptr) {
      fwrite(bytes.data(), 1, bytes.size(), f);
      fclose(f);
    }
  }
  std::filesystem::create_directory(bench().hostDir + "/floor");
  static int run = 0;  // across the runs the library makes of this function
  for (auto _ : state) {
    const std::string folder = bench().hostDir + "/floor/" + std::to_string(run++);
    if (!safeWriteFloor(bench().hostDir, targets, contents, folder)) state.SkipWithError("safe write");
    if (run > kDefaultBackupsKept) {
      std::error_code ec;
      std::filesystem::remove_all(bench().hostDir + "/floor/" + std::to_string(run - kDefaultBackupsKept - 1), ec);
    }
  }
}

}  // namespace

BENCHMARK(BM_WorldScriptRun)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WorldScriptRunAndSaves)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WorldSavesOnly)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Plain400WritesOneSync)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Plain400SafeWritesWithBackup)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
