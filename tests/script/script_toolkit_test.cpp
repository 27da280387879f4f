// The script host with the toolkit's real message requester: the requesters a
// script opens run their own event loop and are answered by typed keys, and
// the run goes on after each one.
#include <allegro.h>

#include "gui/gui.h"
#include "script_fixture.h"

namespace {
// Runs only inside an event loop, so each Enter it types goes to the
// requester that is open; it comes back until it has answered them all.
void answerWithEnter(void* remaining) {
  int* left = static_cast<int*>(remaining);
  --*left;
  simulate_keypress((KEY_ENTER << 8) | '\r');
  if (*left > 0) GuiQueueCall(answerWithEnter, remaining, 20);
}
}  // namespace

TEST_F(ScriptTest, RequestersOfARunAreAnsweredWithKeys) {
  setScriptRequester(ShowMessage);
  int answers = 3;
  GuiQueueCall(answerWithEnter, &answers, 20);
  EXPECT_TRUE(run(R"(
void main() {
  message("first 100% %s");
  settile(1, 1, 1);
  message("second|~Other");
  settile(2, 1, 1);
  string s;
  uint8 c = s[0];
})"));
  EXPECT_EQ(1, cell(1, 1));
  EXPECT_EQ(1, cell(2, 1));
  EXPECT_EQ(0, answers);
  EXPECT_FALSE(keypressed()) << "every requester took its Enter";
}
