// The editor's ScriptUser on the headless toolkit: requesters answered with typed keys,
// getpos on the latched mouse, and Escape typed on the keyboard.
#include <allegro.h>

#include "gui/gui.h"
#include "script/script_requester.h"
#include "script/toolkit_script_user.h"
#include "script_fixture.h"
#include "support/clicker.h"

namespace {

std::vector<std::string>& captured() {
  static std::vector<std::string> texts;
  return texts;
}

int captureRequester(const char* text, const char* buttons) {
  captured().push_back(std::string(text) + "|" + (buttons != nullptr && buttons[0] != '\0' ? buttons : "~OK"));
  return 0;
}

void setMouse(int x, int y, int buttons) {
  mouse_x = x;
  mouse_y = y;
  mouse_b = buttons;
}

// Runs only inside an event loop, so each Enter it types goes to the
// requester that is open; it comes back until it has answered them all.
void answerWithEnter(void* remaining) {
  int* left = static_cast<int*>(remaining);
  --*left;
  simulate_keypress((KEY_ENTER << 8) | '\r');
  if (*left > 0) GuiQueueCall(answerWithEnter, remaining, 20);
}

class ToolkitScriptTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_TRUE(GuiInitHeadless(1024, 768, 16)); }
  void SetUp() override {
    ASSERT_TRUE(startScriptHost(&engine, &world, &user));
    previous = setScriptTextRequester(captureRequester);
    captured().clear();
    clear_keybuf();
  }
  void TearDown() override {
    setScriptTextRequester(previous);
    stopScriptHost(&engine);
  }
  ScriptRunEnd run(const std::string& source) {
    writeFileBytes(dir.file("t.as"), source);
    return runScript(dir.editorPath("t.as").c_str(), engine);
  }

  WorldBuffer world{};
  ToolkitScriptUser user;
  AngelScript::asIScriptEngine* engine = nullptr;
  ScriptTextRequester previous = nullptr;
  TempDir dir;
};

}  // namespace

TEST_F(ToolkitScriptTest, RequestersOfARunAreAnsweredWithKeys) {
  setScriptTextRequester(ShowText);
  int answers = 3;
  GuiQueueCall(answerWithEnter, &answers, 20);
  EXPECT_EQ(ScriptRunEnd::Exception, run(R"(
void main() {
  message("first 100% %s");
  settile(1, 1, 1);
  message("second|~Other");
  settile(2, 1, 1);
  string s;
  uint8 c = s[0];
})"));
  EXPECT_EQ(1, world.cells[0]);
  EXPECT_EQ(1, world.cells[1]);
  EXPECT_EQ(0, answers);
  EXPECT_FALSE(keypressed()) << "every requester took its Enter";
}

// A button held at the call is first released; the next press answers, at the
// cell of the screen pixel with the canvas's first cell at (5, 50).
TEST_F(ToolkitScriptTest, GetposAnswersTheNextPressAfterARelease) {
  setMouse(5, 50, 1);
  ScriptRunEnd end;
  {
    Clicker clicker(5 + 18 * 2 + 17, 50 + 20 * 4, 100);
    end = run("void main() {\n  int x, y;\n  getpos(x, y);\n  message(x + \",\" + y);\n}\n");
  }
  EXPECT_EQ(ScriptRunEnd::Finished, end);
  EXPECT_EQ(std::vector<std::string>{"3,5|~OK|~Stop script (Escape)"}, captured());
}

TEST_F(ToolkitScriptTest, GetposMapsScreenPixelsToCellsTruncatingTowardZero) {
  struct Case {
    int mx, my, x, y;
  } cases[] = {{5, 50, 1, 1}, {22, 69, 1, 1}, {23, 70, 2, 2}, {866, 529, 48, 24},
               {5, 31, 1, 1}, {5, 29, 1, 0}, {0, 0, 1, -1}, {1023, 767, 57, 36}};
  for (const Case& c : cases) {
    setMouse(c.mx, c.my, 0);
    int x = -99, y = -99;
    {
      Clicker clicker(c.mx, c.my, 0);
      EXPECT_EQ(CellPick::Picked, user.pickCell(&x, &y));
    }
    EXPECT_EQ(c.x, x) << c.mx << "," << c.my;
    EXPECT_EQ(c.y, y) << c.mx << "," << c.my;
  }
}

TEST_F(ToolkitScriptTest, EscapeWhileGetposWaitsStopsTheScript) {
  setMouse(100, 100, 0);
  simulate_keypress((KEY_ESC << 8) | 27);
  EXPECT_EQ(ScriptRunEnd::Stopped, run("void main() {\n  int x, y;\n  getpos(x, y);\n  settile(1, 1, 1);\n}\n"));
  EXPECT_EQ(0, world.cells[0]);
  EXPECT_EQ(std::vector<std::string>{"Script stopped by Escape at line 3.|~OK"}, captured());
}

// Escape ends an endless loop; other typed keys survive in their order.
TEST_F(ToolkitScriptTest, EscapeStopsARunawayLoopAndKeepsOtherKeys) {
  simulate_keypress((KEY_A << 8) | 'a');
  simulate_keypress((KEY_ESC << 8) | 27);
  EXPECT_EQ(ScriptRunEnd::Stopped,
            run("void main() {\n  settile(1, 1, 1);\n  int n = 0;\n  while (true) {\n    n++;\n  }\n}\n"));
  EXPECT_EQ(1, world.cells[0]);
  ASSERT_EQ(1u, captured().size());
  EXPECT_EQ(0u, captured()[0].find("Script stopped by Escape at line "));
  ASSERT_TRUE(keypressed());
  EXPECT_EQ((KEY_A << 8) | 'a', readkey());
  EXPECT_FALSE(keypressed());
  EXPECT_EQ(ScriptRunEnd::Finished, run("void main() { settile(2, 1, 1); }\n"));
  EXPECT_EQ(1, world.cells[1]);
}

// An Escape typed before a slow build's notice appeared is left for the run;
// one typed while the notice shows stops the build.
TEST_F(ToolkitScriptTest, EscapeBeforeTheBuildNoticeIsLeftForTheRun) {
  simulate_keypress((KEY_ESC << 8) | 27);
  user.buildTakesLong("C:\\slow.as");
  EXPECT_FALSE(user.stopRequested());
  simulate_keypress((KEY_ESC << 8) | 27);
  EXPECT_TRUE(user.stopRequested());
  EXPECT_FALSE(user.stopRequested());
  user.buildEnded();
  EXPECT_TRUE(user.stopRequested());
  EXPECT_FALSE(keypressed());
}

// Escape on a script's message requester chooses its last button, which
// stops the script: a message in an endless loop can be left.
TEST_F(ToolkitScriptTest, EscapeOnAMessageStopsTheScript) {
  setScriptTextRequester([](const char* text, const char* buttons) {
    captured().push_back(std::string(text) + "|" + buttons);
    GuiQueueCall([](void*) { simulate_keypress((KEY_ESC << 8) | 27); }, nullptr, 20);
    return ShowText(text, buttons);
  });
  EXPECT_EQ(ScriptRunEnd::Stopped, run("void main() {\n  while (true) {\n    message(\"again|~Yes\");\n  }\n}\n"));
  EXPECT_EQ((std::vector<std::string>{"again|~Yes|~OK|~Stop script (Escape)",
                                      "Script stopped by Escape at line 3.|~OK"}),
            captured());
}
