// runScript from file to finished run: how each run ends and what it
// reports, module replacement between runs, exceptions with their line,
// bounded recursion, compiler-crushing nesting, literal bytes, and the stop
// request wherever script code runs.
#include "script_fixture.h"

namespace {
const char* const kBuildFailed = "Unable to build script.  Check script syntax and try again.";
}

TEST_F(ScriptTest, AMissingFileIsReportedAndNotBuilt) {
  EXPECT_EQ(ScriptRunEnd::NotBuilt, runScript(dir.editorPath("absent.as").c_str(), engine));
  EXPECT_EQ(ScriptRunEnd::NotBuilt, runScript(dir.editorPath().c_str(), engine));
  EXPECT_EQ((std::vector<std::string>{"Unable to open script file.|~OK", "Unable to open script file.|~OK"}),
            user.shown);
}

TEST_F(ScriptTest, ASyntaxErrorShowsTheFirstDiagnosticWithItsPlace) {
  EXPECT_EQ(ScriptRunEnd::NotBuilt, run("void main()\n{\n  int x = 1\n  settile(1, 1, x);\n}\n"));
  EXPECT_EQ(std::vector<std::string>{std::string(kBuildFailed) + "\nLine 4, column 3: Expected ',' or ';'|~OK"},
            user.shown);
  EXPECT_EQ(0, cell(1, 1));

  ScriptRunReport report;
  EXPECT_EQ(ScriptRunEnd::NotBuilt, runScript(writeScript("void main() {\n  x;\n}\n").c_str(), engine, &report));
  EXPECT_EQ(1u, user.shown.size()) << "a run given a report shows nothing";
  EXPECT_TRUE(report.where.present);
  EXPECT_EQ(2, report.where.row);
  EXPECT_EQ(3, report.where.column);
  EXPECT_STREQ("No matching symbol 'x'", report.where.text);
}

TEST_F(ScriptTest, RunsDoNotShareGlobals) {
  ASSERT_EQ(ScriptRunEnd::Finished, run("int g = 5;\nvoid main() { settile(1, 1, g); g = 6; }\n"));
  EXPECT_EQ(5, cell(1, 1));
  EXPECT_EQ(ScriptRunEnd::NotBuilt, run("void main() {\n  settile(2, 1, g);\n}\n"));
  ASSERT_EQ(1u, user.shown.size());
  EXPECT_EQ(std::string(kBuildFailed) + "\nLine 2, column 17: No matching symbol 'g'|~OK", user.shown[0]);
  EXPECT_EQ(ScriptRunEnd::Finished, run("int g;\nvoid main() { settile(3, 1, g + 1); }\n"));
  EXPECT_EQ(1, cell(3, 1));
}

TEST_F(ScriptTest, AScriptWithoutMainRunsNothingAndAnEmptyOneDoesNotBuild) {
  EXPECT_EQ(ScriptRunEnd::NoMain, run("int helper() { return 3; }\nint g = helper();\n"));
  EXPECT_EQ(ScriptRunEnd::NoMain, run("int main() { return 3; }\n"));
  EXPECT_EQ(ScriptRunEnd::NotBuilt, run(""));
  EXPECT_EQ((std::vector<std::string>{"The script has no void main(): nothing was run.|~OK",
                                      "The script has no void main(): nothing was run.|~OK",
                                      std::string(kBuildFailed) + "\nNothing was built in the module|~OK"}),
            user.shown);
  EXPECT_EQ(ScriptRunEnd::Finished, run("void main()\r\n{\r\n  settile(1, 1, 4);\r\n}\r\n"));
  EXPECT_EQ(4, cell(1, 1));
}

TEST_F(ScriptTest, ExceptionsAreReportedWithTheirLineWhereverTheyHappen) {
  EXPECT_EQ(ScriptRunEnd::Exception,
            run("void main() {\n  settile(1, 1, 3);\n  int z = 0;\n  settile(2, 1, 10 / z);\n}\n"));
  EXPECT_EQ(3, cell(1, 1));
  EXPECT_EQ(ScriptRunEnd::Exception, run("void deeper(int n) { deeper(n + 1); }\nvoid main() { deeper(0); }\n"));
  EXPECT_EQ(ScriptRunEnd::Exception,
            run("int zero = 0;\nint g = 5 / zero;\nvoid main() {\n  settile(5, 1, 1);\n}\n"));
  EXPECT_EQ(0, cell(5, 1)) << "main does not run after a global failed";
  EXPECT_EQ((std::vector<std::string>{"Script stopped at line 4: Divide by zero|~OK",
                                      "Script stopped at line 1: Stack overflow|~OK",
                                      "Script stopped at line 2: Divide by zero|~OK"}),
            user.shown);
}

// Nesting that would overflow the compiler's stack on the editor's own
// thread is compiled, or refused, like any other script.
TEST_F(ScriptTest, DeeplyNestedSourceNeverCrashesTheBuild) {
  const std::string cases[] = {
      "int f() { return " + std::string(5000, '(') + "1" + std::string(5000, ')') + "; }\nvoid main() {}\n",
      "void main() { " + std::string(5000, '(') + "\n",
      "void main() " + std::string(50000, '{') + std::string(50000, '}') + "\n",
  };
  for (const std::string& source : cases) {
    ScriptRunEnd end = run(source);
    EXPECT_TRUE(end == ScriptRunEnd::Finished || end == ScriptRunEnd::NotBuilt);
  }
  EXPECT_EQ(ScriptRunEnd::Finished, run("void main() { settile(1, 1, 2); }\n"));
  EXPECT_EQ(2, cell(1, 1));
}

// The engine's UTF-8 reading would turn the byte E9 into C3 A9.
TEST_F(ScriptTest, LiteralsKeepTheBytesOfTheFile) {
  ASSERT_EQ(ScriptRunEnd::Finished,
            run("void main() {\n  string s = \"\xE9t\xE9\";\n  message(s);\n  settile(1, 1, s.length());\n"
                "  settile(2, 1, s[0]);\n}\n"));
  EXPECT_EQ(3, cell(1, 1));
  EXPECT_EQ(0xE9, cell(2, 1));
  EXPECT_EQ(std::vector<std::string>{"\xE9t\xE9|~OK"}, user.shown);
}

// The stop request reaches every place script code runs: main, a global's
// initialiser, the destructor of a local or of a global, and a destructor
// of an object kept alive by a cycle. Nothing after the stop runs.
TEST_F(ScriptTest, AStopRequestEndsScriptCodeWhereverItRuns) {
  const char* const looper = "class Looper { ~Looper() { while (true) {} } }\n";
  const std::string cases[] = {
      "void main() {\n  settile(1, 1, 1);\n  while (true) {}\n}\n",
      "int forever() { while (true) {} return 0; }\nint g = forever();\nvoid main() { settile(9, 1, 1); }\n",
      std::string(looper) + "void main() {\n  { Looper l; }\n  settile(9, 1, 1);\n}\n",
      std::string(looper) + "Looper g;\nvoid main() { settile(1, 1, 1); }\n",
      std::string(looper) + "class Node { Node@ next; Looper l; }\n"
                            "void main() { Node a; @a.next = a; settile(1, 1, 1); }\n",
  };
  for (const std::string& source : cases) {
    SCOPED_TRACE(source);
    user.shown.clear();
    user.looks = 0;
    user.stopAfterLooks = 3;
    world->cells[8] = 0;
    EXPECT_EQ(ScriptRunEnd::Stopped, run(source));
    EXPECT_EQ(0, cell(9, 1));
    ASSERT_EQ(1u, user.shown.size());
    EXPECT_EQ(0u, user.shown[0].find("Script stopped by Escape at line ")) << user.shown[0];
  }
  user.stopAfterLooks = -1;
  EXPECT_EQ(ScriptRunEnd::Finished, run("void main() { settile(2, 1, 1); }\n"));
  EXPECT_EQ(1, cell(2, 1));
}
