// dola-script as a program: the files it writes are byte for byte those of
// the editor's own generation commands run with the same seed; failed runs
// write nothing and say where they failed; messages reach standard output
// whole; Ctrl+C stops a script. And the command line it accepts.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "data/local_map.h"
#include "data/world_buffer.h"
#include "platform/backup_store.h"
#include "platform/host_path.h"
#include "script/map_generation.h"
#include "script/script_host.h"
#include "script/script_user.h"
#include "script/world_generation.h"
#include "script_cli_args.h"
#include "support/temp_dir.h"

namespace {

constexpr unsigned kSeed = 4242;

// The editor's side: a user who picks the given script and answers every
// question with its first button.
class PickingUser : public ScriptUser {
 public:
  explicit PickingUser(const std::string& script) : script_(script) {}
  int showText(const char*, const char*) override { return 0; }
  bool chooseScript(char* path, size_t size) override {
    snprintf(path, size, "%s", script_.c_str());
    return true;
  }
  CellPick pickCell(int*, int*) override { return CellPick::Unavailable; }
  bool stopRequested() override { return false; }
  ProgressDisplay* progress() override { return nullptr; }

 private:
  std::string script_;
};

std::string example(const char* name) { return std::string(DOLA_SOURCE_DIR) + "/examples/" + name; }

// Runs dola-script with the shell words args; its two streams go to out and err.
int runProgram(const TempDir& dir, const std::string& args, std::string* out = nullptr, std::string* err = nullptr) {
  const std::string command = "cd '" + dir.path() + "' && timeout -s KILL 60 '" DOLA_BINARY_DIR
                              "/tools/dola-script' " + args + " >stdout.txt 2>stderr.txt";
  const int status = std::system(command.c_str());
  if (out) *out = readFileBytes(dir.file("stdout.txt"));
  if (err) *err = readFileBytes(dir.file("stderr.txt"));
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string runShell(const std::string& command) {
  std::string out;
  FILE* pipe = popen(command.c_str(), "r");
  char buffer[256];
  size_t got;
  while (pipe != nullptr && (got = fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, got);
  if (pipe != nullptr) pclose(pipe);
  return out;
}

std::string worldMapName(int col, int row) { return std::string("ZAN") + char('A' + col) + char('A' + row) + ".MAP"; }

class ScriptProgram : public ::testing::Test {
 protected:
  // Runs fn with a host started as the editor starts it, rand() seeded with kSeed.
  template <typename Fn>
  void asTheEditor(const std::string& script, Fn fn) {
    auto world = std::make_unique<WorldBuffer>();
    PickingUser user(script);
    AngelScript::asIScriptEngine* engine = nullptr;
    ASSERT_TRUE(startScriptHost(&engine, world.get(), &user));
    srand(kSeed);
    fn(engine);
    stopScriptHost(&engine);
  }
  TempDir dir;
};

}  // namespace

TEST_F(ScriptProgram, WritesTheFilesOfTheEditorsGenerationByteForByte) {
  const std::string teleports = "WILDERNESS!>25,15:TAB2515!>21,13:ZANAA!\r\n";
  std::system(("mkdir -p '" + dir.file("editor") + "' '" + dir.file("program") + "'").c_str());
  std::string rows;
  for (int r = 0; r < 24; r++) rows += " " + std::string(48, 'g') + "\r\n";
  writeFileBytes(dir.file("editor/ZANCD.MAP"), teleports + rows);
  writeFileBytes(dir.file("from.MAP"), teleports + rows);

  asTheEditor(example("generate_world.as"), [&](AngelScript::asIScriptEngine* engine) {
    LocalMap open;
    ASSERT_TRUE(open.load(dir.editorPath("editor/ZANCD.MAP").c_str()));
    bool reloaded = false;
    EXPECT_EQ(400, generateWorldBeside(engine, open, &reloaded).written);
  });
  std::string out;
  ASSERT_EQ(0, runProgram(dir, "world --seed 4242 --teleports-from from.MAP '" + example("generate_world.as") +
                                   "' program", &out));
  EXPECT_EQ("Village 1 stands in ZANOI.\nVillage 2 stands in ZANFJ.\nVillage 3 stands in ZANFJ.\nVillage 4 stands in "
            "ZANGI.\nVillage 5 stands in ZANIP.\nVillage 6 stands in ZANOJ.\nVillage 7 stands in ZANFI.\nA new world "
            "with 7 villages is ready.\ndola-script: Generate World Map wrote 400 files. 400 maps changed; teleports: "
            "0 added, 0 changed, 0 removed; placements: 0 records in 0 maps.\ndola-script: wrote 400 of 400 world "
            "maps into program\n",
            out);
  int differing = 0;
  for (int row = 0; row < 20; row++)
    for (int col = 0; col < 20; col++) {
      const std::string editor = readFileBytes(dir.file("editor/" + worldMapName(col, row)));
      differing += editor.empty() || editor != readFileBytes(dir.file("program/" + worldMapName(col, row)));
    }
  EXPECT_EQ(0, differing);

  // A local map: the editor's Generate Local Map followed by a save.
  writeFileBytes(dir.file("editor/TOWN.MAP"), "LOCAL!~EXIT~>21,13:ZANAA!\r\n" + rows);
  writeFileBytes(dir.file("TOWN.MAP"), "LOCAL!~EXIT~>21,13:ZANAA!\r\n" + rows);
  asTheEditor(example("change_open_map.as"), [&](AngelScript::asIScriptEngine* engine) {
    LocalMap open;
    ASSERT_TRUE(open.load(dir.editorPath("editor/TOWN.MAP").c_str()));
    ASSERT_TRUE(generateIntoMap(engine, open));
    ASSERT_TRUE(open.save(open.path));
  });
  ASSERT_EQ(0, runProgram(dir, "map --seed 4242 '" + example("change_open_map.as") + "' TOWN.MAP", &out));
  EXPECT_EQ("Kind 2 with 1 teleports:\n  (1, 1) leads into ZANAA\nAdded a coastline and a fenced border. Save the "
            "map to keep them.\ndola-script: saved TOWN.MAP\n",
            out);
  EXPECT_NE(readFileBytes(dir.file("TOWN.MAP")), "LOCAL!~EXIT~>21,13:ZANAA!\r\n" + rows);
  EXPECT_EQ(readFileBytes(dir.file("editor/TOWN.MAP")), readFileBytes(dir.file("TOWN.MAP")));

  // Backups only when asked for: the runs above kept none, this one the map it replaces.
  const std::string before = readFileBytes(dir.file("TOWN.MAP"));
  ASSERT_EQ(0, runProgram(dir, "map --backup bk '" + example("change_open_map.as") + "' TOWN.MAP"));
  EXPECT_FALSE(fileExistsOnHost(dir.file("backups")));
  const std::vector<BackupSummary> kept = listBackups(dir.editorPath("bk").c_str());
  ASSERT_EQ(1u, kept.size());
  ASSERT_EQ(1u, kept[0].files.size());
  char host[4096];
  ASSERT_TRUE(pathToHost(kept[0].files[0].copy.c_str(), host, sizeof host));
  EXPECT_EQ(before, readFileBytes(host));
}

TEST_F(ScriptProgram, FailedRunsWriteNothingAndSayWhere) {
  const std::string kept = "kept";
  writeFileBytes(dir.file("ZANAA.MAP"), kept);
  writeFileBytes(dir.file("bad.as"), "void main() {\n  settile(1, 1, 7);\n  int x = ;\n}\n");
  writeFileBytes(dir.file("pos.as"), "void main() {\n  settile(1, 1, 7);\n  int x, y;\n  getpos(x, y);\n}\n");
  writeFileBytes(dir.file("loop.as"), "void main() {\n  message(\"50%|ready\");\n  while (true) settile(1, 1, 7);\n}\n");

  std::string out, err;
  EXPECT_EQ(1, runProgram(dir, "world bad.as .", &out, &err));
  EXPECT_EQ("bad.as:3:11: Expected expression value\ndola-script: Nothing was written.\n", err);
  EXPECT_EQ(1, runProgram(dir, "world pos.as .", &out, &err));
  EXPECT_EQ("pos.as: Script stopped at line 4: getpos needs a map on the screen to click on\n"
            "dola-script: Nothing was written.\n", err);
  EXPECT_EQ(1, runProgram(dir, "map pos.as ZANAA.MAP", &out, &err));  // no kind: not a map to change
  EXPECT_EQ("dola-script: ZANAA.MAP: cannot be read as a map: its first line names no kind\n", err);

  // Ctrl+C once the script has said it runs.
  const std::string interrupt =
      "sh -c '\"$0\" world loop.as . & p=$!; for i in $(seq 100); do grep -q ready stdout.txt && break; sleep 0.1; "
      "done; kill -INT $p; wait $p' ";
  const std::string command = "cd '" + dir.path() + "' && timeout -s KILL 60 " + interrupt + "'" DOLA_BINARY_DIR
                              "/tools/dola-script' >stdout.txt 2>stderr.txt";
  const int status = std::system(command.c_str());
  EXPECT_EQ(130, WIFEXITED(status) ? WEXITSTATUS(status) : -1);
  EXPECT_EQ("50%|ready\n", readFileBytes(dir.file("stdout.txt")));
  EXPECT_EQ("loop.as: interrupted\ndola-script: Nothing was written.\n", readFileBytes(dir.file("stderr.txt")));

  EXPECT_EQ(kept, readFileBytes(dir.file("ZANAA.MAP")));
  EXPECT_FALSE(fileExistsOnHost(dir.file("ZANBA.MAP")));
}

// No script, however it nests, crashes or holds up the program that builds
// it: each ends as a failed build with exit status 1, nothing written.
TEST_F(ScriptProgram, HostileBuildsFailPlainlyAndWriteNothing) {
  auto nested = [](const char* open, const char* middle, const char* close, int depth) {
    std::string text = "void main() { int x = ";
    for (int i = 0; i < depth; i++) text += open;
    text += middle;
    for (int i = 0; i < depth; i++) text += close;
    return text + "; }\n";
  };
  struct Case {
    const char* name;
    std::string source;
    const char* why;
  };
  const Case cases[] = {
      {"parens.as", nested("(", "1", ")", 500000), "The script could not be built"},
      {"choices.as", nested("1 > 0 ? 1 : (", "1", ")", 100000), ""},
      {"slow.as", nested("1 > 0 ? 1 : (", "1", ")", 5000), "building it took longer than 5 seconds"},
      {"nomain.as", "int main() { settile(1, 1, 7); return 0; }\n", "The script has no void main()"},
      {"lf.as", "void main() { settile(49, 25, 10); settile(1, 1, 13); }\n",
       "ZANBB.MAP: tile code 10 in cell (1, 1)"},
  };
  for (const Case& c : cases) {
    writeFileBytes(dir.file(c.name), c.source);
    std::string err;
    EXPECT_EQ(1, runProgram(dir, std::string("world ") + c.name + " .", nullptr, &err)) << c.name << ": " << err;
    EXPECT_NE(std::string::npos, err.find(c.why)) << c.name << ": " << err;
    EXPECT_NE(std::string::npos, err.find("Nothing was written.")) << c.name << ": " << err;
    EXPECT_FALSE(fileExistsOnHost(dir.file("ZANAA.MAP"))) << c.name;
  }
  writeFileBytes(dir.file("TOWN.MAP"), "LOCAL!~EXIT~\r\n");
  std::string err;
  EXPECT_EQ(1, runProgram(dir, "map nomain.as TOWN.MAP", nullptr, &err));
  EXPECT_EQ("LOCAL!~EXIT~\r\n", readFileBytes(dir.file("TOWN.MAP")));
}

// A stop asked for while the world's files are written leaves every map as
// it was and no temporary file; one asked for while they are put in place
// lets them all land.
TEST_F(ScriptProgram, StopWhileWritingLeavesTheWorldWholeOldOrNew) {
  class StoppingUser : public PickingUser {
   public:
    StoppingUser(const std::string& script, int stopAtLook) : PickingUser(script), stopAt_(stopAtLook) {}
    void writePhase(bool started) override { writing_ = started; }
    bool stopRequested() override { return writing_ && ++looks_ >= stopAt_; }

   private:
    int stopAt_, looks_ = 0;
    bool writing_ = false;
  };
  writeFileBytes(dir.file("one.as"), "void main() { settile(1, 1, 7); }\n");
  std::system(("mkdir -p '" + dir.file("w") + "'").c_str());
  for (int stopAt : {3, 401}) {
    auto world = std::make_unique<WorldBuffer>();
    StoppingUser user(dir.editorPath("one.as"), stopAt);
    AngelScript::asIScriptEngine* engine = nullptr;
    ASSERT_TRUE(startScriptHost(&engine, world.get(), &user));
    const WorldGenerationResult result = generateWorld(engine, dir.editorPath("w").c_str(), nullptr);
    stopScriptHost(&engine);
    EXPECT_EQ(stopAt == 3, result.stopped);
    EXPECT_EQ(stopAt == 401, result.stoppedWhilePlacing);
    EXPECT_EQ(stopAt == 3 ? 0 : 400, result.written);
    const std::string listing = runShell("ls -A '" + dir.file("w") + "' | wc -l");
    EXPECT_EQ(stopAt == 3 ? "0\n" : "400\n", listing) << stopAt;
  }
}

TEST(ScriptCliArgs, CommandsOperandsAndOptions) {
  auto parse = [](std::vector<const char*> words, ScriptCliArgs* args, std::string* error) {
    words.insert(words.begin(), "dola-script");
    return parseScriptCliArgs(static_cast<int>(words.size()), const_cast<char**>(words.data()), args, error);
  };
  ScriptCliArgs args;
  std::string error;
  ASSERT_TRUE(parse({"world", "--teleports-from", "A.MAP", "g.as", "out", "--seed", "9"}, &args, &error));
  EXPECT_EQ(ScriptCommand::World, args.command);
  EXPECT_EQ("g.as", args.script);
  EXPECT_EQ("out", args.target);
  EXPECT_EQ("A.MAP", args.teleportsFrom);
  EXPECT_TRUE(args.seeded);
  EXPECT_EQ(9u, args.seed);
  ASSERT_TRUE(parse({"map", "g.as", "B.MAP", "--help"}, &args, &error));
  EXPECT_EQ(ScriptCommand::Help, args.command);

  const std::vector<std::pair<std::vector<const char*>, std::string>> wrong = {
      {{}, "no command: world, each, map or terrain"},
      {{"paint", "g.as", "x"}, "unknown command paint: world, each, map or terrain"},
      {{"world", "g.as"}, "world needs SCRIPT.as and DIR"},
      {{"each", "g.as"}, "each needs SCRIPT.as and DIR"},
      {{"each", "--teleports-from", "A.MAP", "g.as", "w"}, "--teleports-from belongs to world"},
      {{"map", "g.as", "B.MAP", "C.MAP"}, "map needs SCRIPT.as and MAP"},
      {{"map", "--teleports-from", "A.MAP", "g.as", "B.MAP"}, "--teleports-from belongs to world"},
      {{"world", "--seed", "-1", "g.as", "out"}, "--seed needs a number from 0 to 4294967295, not -1"},
      {{"world", "--fast", "g.as", "out"}, "unknown option --fast"},
      {{"world", "g.as", "out", "--seed"}, "--seed needs a number"},
  };
  for (const auto& [words, message] : wrong) {
    EXPECT_FALSE(parse(words, &args, &error)) << message;
    EXPECT_EQ(message, error);
  }
}
