// runScript from file to finished run: the failure requesters and their
// results, module replacement between runs, a missing main, exceptions with
// their line, bounded recursion and a runaway loop stopped by Escape.
#include <allegro.h>

#include "script/script_host.h"
#include "script_fixture.h"

namespace {
const char* const kBuildFailed = "Unable to build script.  Check script syntax and try again.";
}

TEST_F(ScriptTest, AMissingFileIsReportedAndFails) {
  EXPECT_FALSE(runScript(dir.editorPath("absent.as").c_str(), editor));
  EXPECT_FALSE(runScript(dir.editorPath().c_str(), editor));
  EXPECT_EQ((std::vector<std::string>{"Unable to open script file.|~OK", "Unable to open script file.|~OK"}),
            shownRequesters());
}

TEST_F(ScriptTest, ASyntaxErrorShowsTheFirstDiagnosticWithItsPlace) {
  EXPECT_FALSE(run("void main()\n{\n  int x = 1\n  settile(1, 1, x);\n}\n"));
  EXPECT_EQ(std::vector<std::string>{std::string(kBuildFailed) + "\nLine 4, column 3: Expected ',' or ';'|~OK"},
            shownRequesters());
  EXPECT_EQ(0, cell(1, 1));
}

TEST_F(ScriptTest, RunsDoNotShareGlobals) {
  ASSERT_TRUE(run("int g = 5;\nvoid main() { settile(1, 1, g); g = 6; }\n"));
  EXPECT_EQ(5, cell(1, 1));
  EXPECT_FALSE(run("void main() {\n  settile(2, 1, g);\n}\n"));
  ASSERT_EQ(1u, shownRequesters().size());
  EXPECT_EQ(std::string(kBuildFailed) + "\nLine 2, column 17: No matching symbol 'g'|~OK", shownRequesters()[0]);
  EXPECT_TRUE(run("int g;\nvoid main() { settile(3, 1, g + 1); }\n"));
  EXPECT_EQ(1, cell(3, 1));
}

TEST_F(ScriptTest, AScriptWithoutMainDoesNothingAndAnEmptyOneDoesNotBuild) {
  EXPECT_TRUE(run("int helper() { return 3; }\n"));
  EXPECT_TRUE(shownRequesters().empty());
  EXPECT_FALSE(run(""));
  EXPECT_EQ(std::vector<std::string>{std::string(kBuildFailed) + "\nNothing was built in the module|~OK"},
            shownRequesters());
}

TEST_F(ScriptTest, CrLfScriptsRun) {
  EXPECT_TRUE(run("void main()\r\n{\r\n  settile(1, 1, 4);\r\n}\r\n"));
  EXPECT_EQ(4, cell(1, 1));
}

TEST_F(ScriptTest, ExceptionsAreReportedWithTheirLineAndTheRunStillCounts) {
  EXPECT_TRUE(run("void main() {\n  settile(1, 1, 3);\n  int z = 0;\n  settile(2, 1, 10 / z);\n}\n"));
  EXPECT_EQ(3, cell(1, 1));
  EXPECT_TRUE(run("void deeper(int n) { deeper(n + 1); }\nvoid main() { deeper(0); }\n"));
  EXPECT_EQ((std::vector<std::string>{"Script stopped at line 4: Divide by zero|~OK",
                                      "Script stopped at line 1: Stack overflow|~OK"}),
            shownRequesters());
}

// Escape ends an endless loop as an exception would; other typed keys survive.
TEST_F(ScriptTest, EscapeStopsARunawayLoop) {
  simulate_keypress((KEY_A << 8) | 'a');
  simulate_keypress((KEY_ESC << 8) | 27);
  EXPECT_TRUE(run("void main() {\n  settile(1, 1, 1);\n  int n = 0;\n  while (true) {\n    n++;\n  }\n}\n"));
  EXPECT_EQ(1, cell(1, 1));
  ASSERT_EQ(1u, shownRequesters().size());
  EXPECT_EQ(0u, shownRequesters()[0].find("Script stopped by Escape at line "));
  ASSERT_TRUE(keypressed());
  EXPECT_EQ((KEY_A << 8) | 'a', readkey());
  EXPECT_FALSE(keypressed());
  EXPECT_TRUE(run("void main() { settile(2, 1, 1); }\n"));
  EXPECT_EQ(1, cell(2, 1));
}
