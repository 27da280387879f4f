// ShowMessage: a modal requester with the message and one button per label.
// Its nested event loop ends when a button is chosen by click, Enter (the
// focused button), Escape (the last button) or a button's hotkey letter.
#include <algorithm>
#include <cstdio>
#include <cstring>

#include "gui/gui_internal.h"

namespace gui {

namespace {

constexpr int kMaxButtons = 8;
constexpr int kMaxLines = 24;
constexpr int kWrapChars = 72;

struct Choice {
  int* result;
  int index;
};

void choose(void* data) {
  Choice* choice = static_cast<Choice*>(data);
  *choice->result = choice->index;
  StopEventLoop();
}

// Breaks the message at "\n" and wraps long lines at blanks.
int messageLines(const char* message, char lines[][kLabelSize]) {
  int count = 0;
  const char* p = message;
  while (*p && count < kMaxLines) {
    int length = static_cast<int>(strcspn(p, "\n"));
    int take = length;
    if (take > kWrapChars) {
      take = kWrapChars;
      while (take > 20 && p[take] != ' ') --take;
      if (p[take] != ' ') take = kWrapChars;
    }
    int copy = std::min(take, kLabelSize - 1);
    memcpy(lines[count], p, copy);
    lines[count][copy] = '\0';
    ++count;
    p += take;
    if (*p == ' ' || *p == '\n') ++p;
  }
  return count;
}

}  // namespace

}  // namespace gui

using namespace gui;

int ShowMessage(const char* title, const char* text) {
  if (!ensureGui()) return 0;
  static char expanded[4096];
  expandRequesterFormat(text, expanded, sizeof expanded);
  char parts[kMaxButtons + 1][kLabelSize];
  int partCount = splitBar(expanded, parts, kMaxButtons + 1);
  if (partCount < 2) {
    // Without a button the requester could not be closed.
    snprintf(parts[1], kLabelSize, "%s", "~OK");
    partCount = 2;
  }
  char lines[kMaxLines][kLabelSize];
  int lineCount = messageLines(parts[0], lines);
  int buttonCount = partCount - 1;

  int window = CreateWindow(0, AUTO, title, 0);
  if (!window) return 0;
  int width = 120;
  for (int i = 0; i < lineCount; ++i) width = std::max(width, text_length(font, lines[i]));
  int buttonsWidth = 0;
  for (int i = 0; i < buttonCount; ++i) buttonsWidth += std::max(hotkeyTextWidth(parts[i + 1]) + 24, 64) + 8;
  width = std::max(width, buttonsWidth - 8);
  for (int i = 0; i < lineCount; ++i) AddLabel(8, 10 + 12 * i, lines[i]);

  int result = -1;
  Choice choices[kMaxButtons];
  int x = 8 + (width - (buttonsWidth - 8)) / 2;
  int y = 10 + 12 * lineCount + 12;
  int lastButton = 0;
  for (int i = 0; i < buttonCount; ++i) {
    choices[i] = Choice{&result, i};
    lastButton = AddButton(x, y, parts[i + 1], choose, &choices[i]);
    if (Widget* button = findWidget(lastButton)) {
      button->w = std::max(button->w + 10, 64);
      button->h = 18;
      x += button->w + 8;
    }
  }
  if (Window* w = findWindow(window)) w->escapeButton = lastButton;
  ShowWindow();
  RunEventLoop();
  while (findWindow(window)) CloseTopWindow();
  return result < 0 ? buttonCount - 1 : result;
}
