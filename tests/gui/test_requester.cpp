// ShowMessage: the text convention ("%%" and "|"), the buttons it makes, and
// how keys and clicks answer it from inside its nested event loop.
#include <gtest/gtest.h>

#include <cstring>

#include "gui/gui_internal.h"
#include "gui_test_support.h"

using namespace gui;

namespace {

// Texts of the widgets of the top window, by kind.
std::vector<std::string> textsOfTop(Kind kind) {
  std::vector<std::string> out;
  Window* top = topWindow();
  for (int i = 0; top && i < kMaxWidgets; ++i)
    if (widgets()[i].id != 0 && widgets()[i].window == top->id && widgets()[i].kind == kind)
      out.push_back(widgets()[i].label);
  return out;
}

}  // namespace

TEST(RequesterText, FormatThenSplit) {
  char out[64];
  expandRequesterFormat("50%% done|~OK", out, sizeof out);
  EXPECT_STREQ("50% done|~OK", out);
  expandRequesterFormat("%s and %d stay, %%%% halves", out, sizeof out);
  EXPECT_STREQ("%s and %d stay, %% halves", out);
  expandRequesterFormat("0123456789", out, 5);
  EXPECT_STREQ("0123", out);

  char parts[4][kLabelSize];
  ASSERT_EQ(3, splitBar("Really?|~Yes|~Cancel", parts, 4));
  EXPECT_STREQ("Really?", parts[0]);
  EXPECT_STREQ("~Yes", parts[1]);
  EXPECT_STREQ("~Cancel", parts[2]);
  ASSERT_EQ(2, splitBar("a||", parts, 2));
  ASSERT_EQ(1, splitBar("no buttons", parts, 4));
}

TEST(Requester, KeyQueuedBeforehandAnswersIt) {
  startHeadlessGui();
  pressKey(KEY_ENTER, 13);
  EXPECT_EQ(0, ShowMessage("", "Saved|~OK"));
  EXPECT_EQ(nullptr, topWindow());
}

// A question that replaces data: a stray Return and a click made before it
// appeared answer nothing; the key typed after it does.
TEST(Requester, InputBeforeAQuestionDoesNotAnswerIt) {
  startHeadlessGui();
  pressKey(KEY_ENTER, 13);
  gui::latchMouseFlags(MOUSE_FLAG_LEFT_DOWN);
  gui::latchMouseFlags(MOUSE_FLAG_LEFT_UP);
  GuiDropEarlierInput();
  queueSteps({{100, [] {
    EXPECT_NE(nullptr, topWindow());
    pressKey(KEY_C, 'c');
  }}});
  EXPECT_EQ(1, ShowText("Replace the 400 existing world maps?", "~Replace|~Cancel"));
}

TEST(Requester, KeysTypedAheadAnswerTheRequestersInTurn) {
  startHeadlessGui();
  pressKey(KEY_N, 'n');
  pressKey(KEY_ENTER, 13);
  EXPECT_EQ(1, ShowMessage("", "Replace it?|~Yes|~No"));
  EXPECT_EQ(0, ShowMessage("", "Done|~OK|~Undo"));
  EXPECT_FALSE(keypressed());
}

struct Seen {
  std::vector<std::string> labels, buttons;
  int key, ascii;
};

void lookAndPress(void* data) {
  Seen* seen = static_cast<Seen*>(data);
  seen->labels = textsOfTop(Kind::Label);
  seen->buttons = textsOfTop(Kind::Button);
  pressKey(seen->key, seen->ascii);
}

TEST(Requester, PercentMessageShowsOneSignAndOneButton) {
  startHeadlessGui();
  Seen seen{{}, {}, KEY_O, 'o'};
  GuiQueueCall(lookAndPress, &seen, 20);
  EXPECT_EQ(0, ShowMessage("", "50%% done|~OK"));
  EXPECT_EQ(std::vector<std::string>{"50% done"}, seen.labels);
  EXPECT_EQ(std::vector<std::string>{"~OK"}, seen.buttons);
}

TEST(Requester, ButtonsAnswerByHotkeyEscapeEnterAndClick) {
  startHeadlessGui();
  Seen seen{{}, {}, KEY_C, 'c'};
  GuiQueueCall(lookAndPress, &seen, 20);
  EXPECT_EQ(1, ShowMessage("", "Replace it?|~Yes|~Cancel"));
  EXPECT_EQ((std::vector<std::string>{"~Yes", "~Cancel"}), seen.buttons);

  seen.key = KEY_ESC;
  seen.ascii = 27;
  GuiQueueCall(lookAndPress, &seen, 20);
  EXPECT_EQ(2, ShowMessage("", "Pick|~One|~Two|T~hree"));

  // Tab moves the focus to the second button, Enter presses it.
  pressKey(KEY_TAB, 9);
  pressKey(KEY_ENTER, 13);
  EXPECT_EQ(1, ShowMessage("", "Pick|~One|~Two"));

  // A mouse click on the second button: press and release over it.
  static int buttonX, buttonY;
  GuiQueueCall([](void*) {
    Window* top = topWindow();
    for (int i = 0; i < kMaxWidgets; ++i) {
      Widget& w = widgets()[i];
      if (w.id && w.window == top->id && w.kind == Kind::Button && strcmp(w.label, "~Two") == 0) {
        int x, y, width, height;
        widgetScreenRect(w, x, y, width, height);
        buttonX = x + width / 2;
        buttonY = y + height / 2;
      }
    }
    setMouse(buttonX, buttonY, 1);
    GuiQueueCall([](void*) { setMouse(buttonX, buttonY, 0); }, nullptr, 40);
  }, nullptr, 20);
  EXPECT_EQ(1, ShowMessage("", "Pick|~One|~Two"));
}

TEST(Requester, TextWithoutButtonsStillGetsOne) {
  startHeadlessGui();
  Seen seen{{}, {}, KEY_ENTER, 13};
  GuiQueueCall(lookAndPress, &seen, 20);
  EXPECT_EQ(0, ShowMessage("", "Just a note"));
  EXPECT_EQ(std::vector<std::string>{"~OK"}, seen.buttons);
}

TEST(Requester, ShowTextIsLiteralAndLiteralsSurviveTheFormat) {
  startHeadlessGui();
  Seen seen{{}, {}, KEY_D, 'd'};
  GuiQueueCall(lookAndPress, &seen, 20);
  EXPECT_EQ(1, ShowText("100% of a|b", "~Save|~Discard|~Cancel"));
  EXPECT_EQ(std::vector<std::string>{"100% of a|b"}, seen.labels);
  EXPECT_EQ((std::vector<std::string>{"~Save", "~Discard", "~Cancel"}), seen.buttons);
  seen.key = KEY_ENTER;
  seen.ascii = 13;
  GuiQueueCall(lookAndPress, &seen, 20);
  EXPECT_EQ(0, ShowText("%s %% %d", nullptr));
  EXPECT_EQ(std::vector<std::string>{"%s %% %d"}, seen.labels);
  EXPECT_EQ(std::vector<std::string>{"~OK"}, seen.buttons);

  char buffer[14] = "x ";
  EXPECT_EQ(7u, AppendRequesterLiteral(buffer, sizeof buffer, "5%|a", false));
  EXPECT_STREQ("x 5%%/a", buffer);
  AppendRequesterLiteral(buffer, sizeof buffer, "|%%%", true);  // cut, never inside "%%"
  EXPECT_STREQ("x 5%%/a|%%%%", buffer);
  GuiQueueCall(lookAndPress, &seen, 20);
  ShowMessage("", buffer);
  EXPECT_EQ(std::vector<std::string>{"x 5%/a"}, seen.labels);
}

TEST(Requester, LongMessageIsWrappedWholeAndTheLastButtonKept) {
  startHeadlessGui();
  std::string message;
  for (int i = 0; message.size() < 1000; ++i) message += "word" + std::to_string(i) + " ";
  message += "END";
  Seen seen{{}, {}, KEY_ESC, 27};
  GuiQueueCall(lookAndPress, &seen, 20);
  std::string text = message;
  for (int i = 0; i < 40; ++i) text += "|Button " + std::to_string(i);
  EXPECT_EQ(39, ShowMessage("", text.c_str()));  // Escape: the last button given
  std::string joined;
  for (const std::string& line : seen.labels) {
    EXPECT_LE(textWidth(line.c_str()), 1024 - 30) << line;
    joined += (joined.empty() ? "" : " ") + line;
  }
  EXPECT_GT(seen.labels.size(), 3u);
  EXPECT_EQ(message, joined);
  ASSERT_GT(seen.buttons.size(), 8u);
  EXPECT_LT(seen.buttons.size(), 40u);
  EXPECT_EQ("Button 39", seen.buttons.back());
  EXPECT_EQ("Button 0", seen.buttons.front());
}
