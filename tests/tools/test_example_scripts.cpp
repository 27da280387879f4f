// The example scripts of examples/: each compiles on the editor's script host
// with its "void main()", and the two that need no click do their job when
// run: a whole world, and a coastline with a border on the open map.
#include <allegro.h>
#include <angelscript.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "data/world_buffer.h"
#include "data/world_loader.h"
#include "gui/gui.h"
#include "script/script_host.h"
#include "script/script_requester.h"
#include "script/toolkit_script_user.h"
#include "script/reach_functions.h"
#include "script/world_generation.h"
#include "support/temp_dir.h"

namespace {

std::vector<std::string>& requesterTexts() {
  static std::vector<std::string> texts;
  return texts;
}

int captureRequester(const char* text, const char*) {
  requesterTexts().push_back(text);
  return 0;
}

std::string exampleSource(const char* name) {
  return readFileBytes(std::string(DOLA_SOURCE_DIR) + "/examples/" + name);
}

bool isWaterCode(int code) {
  return code == 208 || (code >= 97 && code <= 103) || (code >= 105 && code <= 109);
}

// The editor's user, with the script chosen in advance instead of in the selector.
class ChosenScriptUser : public ToolkitScriptUser {
 public:
  bool chooseScript(char* path, size_t size) override {
    snprintf(path, size, "%s", script.c_str());
    return !script.empty();
  }
  std::string script;
};

class ExampleScripts : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_TRUE(GuiInitHeadless(1024, 768, 16)); }
  void SetUp() override {
    ASSERT_TRUE(startScriptHost(&engine, world, &user));
    previous = setScriptTextRequester(captureRequester);
    requesterTexts().clear();
  }
  void TearDown() override {
    setScriptTextRequester(previous);
    stopScriptHost(&engine);
    delete world;
  }
  ScriptRunEnd runExample(const char* name) {
    const std::string source = exampleSource(name);
    writeFileBytes(dir.file(name), source);
    return runScript(dir.editorPath(name).c_str(), engine);
  }
  int cell(int x, int y) const { return world->cells[(y - 1) * kWorldColumns + (x - 1)]; }

  WorldBuffer* world = new WorldBuffer();
  ChosenScriptUser user;
  AngelScript::asIScriptEngine* engine = nullptr;
  ScriptTextRequester previous = nullptr;
  TempDir dir;
};

}  // namespace

TEST_F(ExampleScripts, EveryExampleBuildsWithAMain) {
  for (const char* name : {"generate_world.as", "change_open_map.as", "place_feature.as", "link_caves.as",
                           "creatures_by_terrain.as", "rename_teleport.as"}) {
    const std::string source = exampleSource(name);
    ASSERT_FALSE(source.empty()) << name;
    AngelScript::asIScriptModule* module =
        engine->GetModule("examples", AngelScript::asGM_ALWAYS_CREATE);
    ASSERT_GE(module->AddScriptSection(name, source.c_str(), source.size()), 0) << name;
    EXPECT_GE(module->Build(), 0) << name;
    EXPECT_NE(nullptr, module->GetFunctionByDecl("void main()")) << name;
  }
}

TEST_F(ExampleScripts, WorldExampleMakesAnIslandContinentWithVillages) {
  scriptReach(engine)->maps().beginWorldRun(dir.editorPath().c_str(), nullptr);
  ASSERT_EQ(ScriptRunEnd::Finished, runExample("generate_world.as"));
  scriptReach(engine)->maps().end();
  ASSERT_EQ(1u, requesterTexts().size());
  EXPECT_NE(std::string::npos, requesterTexts()[0].find("villages is ready."));
  EXPECT_EQ(std::string::npos, requesterTexts()[0].find("with 0 villages"));
  int land = 0, unwritable = 0, wells = 0;
  for (int y = 1; y <= kWorldRows; ++y) {
    for (int x = 1; x <= kWorldColumns; ++x) {
      const int code = cell(x, y);
      if (!isWaterCode(code)) ++land;
      if (code == 0 || code == 10 || code == 13) ++unwritable;
      if (code == 94) ++wells;
      if (x == 1 || y == 1 || x == kWorldColumns || y == kWorldRows) {
        EXPECT_EQ(208, code) << x << "," << y;
      }
    }
  }
  EXPECT_EQ(0, unwritable);
  EXPECT_GT(wells, 0);
  const int cells = kWorldColumns * kWorldRows;
  EXPECT_GT(land, cells / 5);
  EXPECT_LT(land, cells * 3 / 4);
}

TEST_F(ExampleScripts, OpenMapExampleAddsCoastAndBorderInsideTheMap) {
  for (int y = 1; y <= kWorldRows; ++y) {
    for (int x = 1; x <= kWorldColumns; ++x) {
      world->cells[(y - 1) * kWorldColumns + x - 1] = 250;
    }
  }
  LocalMap open;
  open.kind = Local;
  open.addTeleport(3, 4, "ZANAA");
  scriptReach(engine)->maps().beginMapRun(open, nullptr, dir.editorPath().c_str());
  ASSERT_EQ(ScriptRunEnd::Finished, runExample("change_open_map.as"));
  scriptReach(engine)->maps().end();
  ASSERT_EQ(1u, requesterTexts().size());
  EXPECT_EQ((std::vector<std::string>{"Kind 2 with 1 teleports:", "  (3, 4) leads into ZANAA"}),
            scriptReach(engine)->output());
  for (int y = 1; y <= 24; ++y) {
    EXPECT_EQ(208, cell(48, y)) << y;      // the sea in the east
    EXPECT_EQ(y == 12 ? 42 : 81, cell(1, y)) << y;  // the fence in the west, a road through its gate
    EXPECT_EQ(250, cell(49, y)) << y;      // nothing beyond the open map
    int coast = 0;
    for (int x = 1; x <= 48; ++x) {
      coast += cell(x, y) == 99 || cell(x, y) == 105 || cell(x, y) == 107;
    }
    EXPECT_EQ(1, coast) << "one shore cell in row " << y;
  }
  for (int x = 1; x <= 48; ++x) EXPECT_EQ(250, cell(x, 25)) << x;
  EXPECT_EQ(42, cell(20, 5));
}

// What the world command writes is what the world view reads back.
TEST_F(ExampleScripts, AGeneratedWorldLoadsBackAsTheScriptMadeIt) {
  writeFileBytes(dir.file("generate_world.as"), exampleSource("generate_world.as"));
  user.script = dir.editorPath("generate_world.as");
  WorldGenerationResult result = generateWorld(engine, dir.editorPath().c_str(), nullptr);
  ASSERT_EQ(400, result.written);
  ASSERT_EQ(2u, requesterTexts().size()) << "the script's own message and what changed";
  WorldBuffer* made = new WorldBuffer(*world);
  const std::string prefix = dir.editorPath() + "\\";
  loadWorld(prefix.c_str(), *world, nullptr);
  EXPECT_EQ(0, memcmp(made->cells, world->cells, sizeof made->cells));
  delete made;
}
