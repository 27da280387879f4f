// The script functions: the bounds of gettile and settile on the WorldBuffer,
// the range of rand, message's text and buttons, and how getpos ends when a
// cell comes, the user stops the script, or there is no screen.
#include "script_fixture.h"

TEST_F(ScriptTest, SettileAndGettileKeepToTheGrid) {
  world->cells[0] = 77;
  ASSERT_EQ(ScriptRunEnd::Finished, run(R"(
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
  EXPECT_TRUE(user.shown.empty());
  EXPECT_EQ(77, cell(1, 1));
  EXPECT_EQ(77, cell(2, 1));
  for (int x = 3; x <= 7; x++) EXPECT_EQ(1, cell(x, 1)) << x;
  EXPECT_EQ(200, world->cells[23 * 960 + 47]);
  EXPECT_EQ(255, world->cells[kWorldRows * kWorldColumns - 1]);
  int written = 0;
  for (unsigned char c : world->cells) written += c != 0;
  EXPECT_EQ(9, written);
}

TEST_F(ScriptTest, RandStaysWithin0To32767) {
  ASSERT_EQ(ScriptRunEnd::Finished, run(R"(
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

// The text goes to the user as it is; a "|" in it starts extra buttons.
TEST_F(ScriptTest, MessageGivesTheTextAsItIsAndBarsStartButtons) {
  ASSERT_EQ(ScriptRunEnd::Finished, run(R"(
void main() {
  message("");
  message("100% sure %s %n");
  message("yes|no");
  message("a||b");
})"));
  EXPECT_EQ((std::vector<std::string>{"|~OK", "100% sure %s %n|~OK", "yes|no|~OK", "a||b|~OK"}), user.shown);
}

TEST_F(ScriptTest, GetposGivesTheCellOrStopsTheScript) {
  const std::string source = "void main() {\n  int x, y;\n  getpos(x, y);\n  settile(1, 1, x);\n  settile(2, 1, y);\n}\n";
  user.cellX = 3;
  user.cellY = 57;
  EXPECT_EQ(ScriptRunEnd::Finished, run(source));
  EXPECT_EQ(3, cell(1, 1));
  EXPECT_EQ(57, cell(2, 1));

  world->cells[0] = 0;
  user.pick = CellPick::Stopped;
  EXPECT_EQ(ScriptRunEnd::Stopped, run(source));
  EXPECT_EQ(0, cell(1, 1));

  user.pick = CellPick::Unavailable;
  user.shown.clear();
  EXPECT_EQ(ScriptRunEnd::Exception, run(source));
  EXPECT_EQ(0, cell(1, 1));
  EXPECT_EQ(std::vector<std::string>{"Script stopped at line 3: getpos needs a map on the screen to click on|~OK"},
            user.shown);
}
