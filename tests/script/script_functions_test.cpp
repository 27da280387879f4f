// The script functions: the bounds of gettile and settile on the WorldBuffer,
// the range of rand, message's literal and bounded text, and getpos waiting
// for a new press of the left button.
#include <allegro.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "script/script_functions.h"
#include "script/script_string.h"
#include "script_fixture.h"

namespace {
void pause(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

void setMouse(int x, int y, int buttons) {
  mouse_x = x;
  mouse_y = y;
  mouse_b = buttons;
}

// Clicks the left button at (x, y) every 30 ms, after a first delay, until
// destroyed: a wait for the next press is answered however late it begins.
class Clicker {
 public:
  Clicker(int x, int y, int delayMs)
      : thread_([this, x, y, delayMs] {
          pause(delayMs);
          while (!stop_) {
            setMouse(x, y, 0);
            pause(15);
            mouse_b = 1;
            pause(15);
          }
          mouse_b = 0;
        }) {}
  ~Clicker() {
    stop_ = true;
    thread_.join();
  }

 private:
  std::atomic<bool> stop_{false};
  std::thread thread_;
};
}  // namespace

TEST_F(ScriptTest, SettileAndGettileKeepToTheGrid) {
  editor->worldBuffer.cells[0] = 77;
  ASSERT_TRUE(run(R"(
void main() {
  settile(0, 1, 5); settile(961, 1, 5); settile(1, 481, 5); settile(1, 0, 5);
  settile(1, 1, 256); settile(1, 1, -1);
  settile(960, 480, 255);
  settile(48, 24, 200);
  settile(2, 1, gettile(1, 1));
  settile(3, 1, gettile(0, 0) + 1);
  settile(4, 1, gettile(961, 5) + 1);
  settile(5, 1, gettile(1, 481) + 1);
  settile(6, 1, gettile(48, 24) == 200 ? 1 : 2);
  settile(7, 1, gettile(960, 480) == 255 ? 1 : 2);
})"));
  EXPECT_TRUE(shownRequesters().empty());
  EXPECT_EQ(77, cell(1, 1));
  EXPECT_EQ(77, cell(2, 1));
  for (int x = 3; x <= 7; x++) EXPECT_EQ(1, cell(x, 1)) << x;
  EXPECT_EQ(200, editor->worldBuffer.cells[23 * 960 + 47]);
  EXPECT_EQ(255, editor->worldBuffer.cells[kWorldRows * kWorldColumns - 1]);
  int written = 0;
  for (unsigned char c : editor->worldBuffer.cells) written += c != 0;
  EXPECT_EQ(9, written);
}

TEST_F(ScriptTest, RandStaysWithin0To32767) {
  ASSERT_TRUE(run(R"(
void main() {
  int low = 32767, high = 0, outside = 0;
  for (int i = 0; i < 5000; i++) {
    int r = rand();
    if (r < 0 || r > 32767) outside++;
    if (r < low) low = r;
    if (r > high) high = r;
  }
  settile(1, 1, outside == 0 ? 1 : 2);
  settile(2, 1, low < 1000 && high > 31767 ? 1 : 2);
})"));
  EXPECT_EQ(1, cell(1, 1));
  EXPECT_EQ(1, cell(2, 1));
}

TEST_F(ScriptTest, MessageShowsAnyTextLiterallyAndBounded) {
  struct Case {
    std::string text, shown;
  } cases[] = {
      {"", "|~OK"},
      {"100% sure %s %n", "100%% sure %%s %%n|~OK"},
      {"yes|no", "yes|no|~OK"},
  };
  for (const Case& c : cases) {
    shownRequesters().clear();
    ScriptString* s = newScriptString(c.text.data(), c.text.size());
    message(*s);
    releaseScriptString(s);
    EXPECT_EQ(std::vector<std::string>{c.shown}, shownRequesters());
  }

  const std::string longTexts[] = {std::string(3000, 'a'), std::string(1500, '%'), "a" + std::string(1500, '%')};
  for (const std::string& text : longTexts) {
    shownRequesters().clear();
    ScriptString* s = newScriptString(text.data(), text.size());
    message(*s);
    releaseScriptString(s);
    ASSERT_EQ(1u, shownRequesters().size());
    const std::string& shown = shownRequesters()[0];
    EXPECT_LE(shown.size(), 1023u);
    EXPECT_GE(shown.size(), 1018u);
    ASSERT_EQ("|~OK", shown.substr(shown.size() - 4));
    size_t percents = 0;
    for (char ch : shown) percents += ch == '%';
    EXPECT_EQ(0u, percents % 2) << "a lone % would be read as a format";
  }
}

TEST(ScriptRequesterText, LiteralCopyEscapesAndCutsWhole) {
  char buffer[8] = "ab";
  EXPECT_EQ(6u, appendRequesterLiteral(buffer, sizeof buffer, "|%x", false));
  EXPECT_STREQ("ab/%%x", buffer);
  EXPECT_EQ(6u, appendRequesterLiteral(buffer, sizeof buffer, "%", true));
  EXPECT_STREQ("ab/%%x", buffer);
  EXPECT_EQ(7u, appendRequesterLiteral(buffer, sizeof buffer, "|", true));
  EXPECT_STREQ("ab/%%x|", buffer);
}

// A button held at the call is first released; the next press answers, at the
// cell of the screen pixel with the canvas's first cell at (5, 50).
TEST_F(ScriptTest, GetposAnswersTheNextPressAfterARelease) {
  setMouse(5, 50, 1);
  bool ran;
  {
    Clicker clicker(5 + 18 * 2 + 17, 50 + 20 * 4, 100);
    ran = run(R"(
void main() {
  int x, y;
  getpos(x, y);
  message(x + "," + y);
})");
  }
  EXPECT_TRUE(ran);
  EXPECT_EQ(std::vector<std::string>{"3,5|~OK"}, shownRequesters());
}

TEST_F(ScriptTest, GetposMapsScreenPixelsToCellsTruncatingTowardZero) {
  struct Case {
    int mx, my, x, y;
  } cases[] = {{5, 50, 1, 1}, {22, 69, 1, 1}, {23, 70, 2, 2}, {866, 529, 48, 24},
               {5, 31, 1, 1}, {5, 29, 1, 0}, {0, 0, 1, -1}, {1023, 767, 57, 36}};
  for (const Case& c : cases) {
    setMouse(c.mx, c.my, 0);
    int x = -99, y = -99;
    {
      Clicker clicker(c.mx, c.my, 0);
      getpos(x, y);
    }
    EXPECT_EQ(c.x, x) << c.mx << "," << c.my;
    EXPECT_EQ(c.y, y) << c.mx << "," << c.my;
  }
}

TEST_F(ScriptTest, EscapeWhileGetposWaitsStopsTheScript) {
  setMouse(100, 100, 0);
  simulate_keypress((KEY_ESC << 8) | 27);
  EXPECT_TRUE(run("void main() {\n  int x, y;\n  getpos(x, y);\n  settile(1, 1, 1);\n}\n"));
  EXPECT_EQ(0, cell(1, 1));
  EXPECT_EQ(std::vector<std::string>{"Script stopped by Escape at line 3.|~OK"}, shownRequesters());
}
