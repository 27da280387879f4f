// The modal requester behind ShowMessage and ShowText: the message wrapped to
// the screen, one button per label (as many as fit, the last always kept).
// Its nested event loop ends when a button is chosen by click, Enter (the
// focused button), Escape (the last button) or a button's hotkey letter.
#include <algorithm>
#include <cstdio>
#include <cstring>

#include "gui/gui_internal.h"

namespace gui {

namespace {

constexpr int kMaxButtons = 32;
constexpr int kMaxLines = 64;
constexpr int kMargin = 8;
constexpr int kButtonGap = 8;

struct Choice {
  int* result;
  int index;
};

void choose(void* data) {
  Choice* choice = static_cast<Choice*>(data);
  *choice->result = choice->index;
  StopEventLoop();
}

// How many characters of p (up to the line's end) fit maxWidth pixels,
// broken after a blank where there is one.
int fittingLength(const char* p, int length, int maxWidth) {
  char line[kLabelSize];
  int fit = 0;
  while (fit < length && fit < kLabelSize - 1) {
    memcpy(line, p, fit + 1);
    line[fit + 1] = '\0';
    if (textWidth(line) > maxWidth) break;
    ++fit;
  }
  if (fit >= length) return length;
  int blank = fit;
  while (blank > fit / 3 && p[blank] != ' ') --blank;
  return p[blank] == ' ' ? blank : std::max(1, fit);
}

// Breaks the message at "\n" and wraps lines to maxWidth pixels.
int messageLines(const char* message, int maxWidth, char lines[][kLabelSize], int maxLines) {
  int count = 0;
  const char* p = message;
  while (*p && count < maxLines) {
    int length = static_cast<int>(strcspn(p, "\n"));
    int take = fittingLength(p, length, maxWidth);
    memcpy(lines[count], p, take);
    lines[count][take] = '\0';
    ++count;
    p += take;
    if (*p == ' ' || *p == '\n') ++p;
  }
  return count;
}

int buttonWidth(const char* label) { return std::max(hotkeyTextWidth(label) + 24, 64); }

// Drops buttons before the last one until the row fits maxWidth.
int fitButtons(char labels[][kLabelSize], int count, int maxWidth) {
  auto rowWidth = [&](int n) {
    int width = -kButtonGap;
    for (int i = 0; i < n; ++i) width += buttonWidth(labels[i]) + kButtonGap;
    return width;
  };
  while (count > 1 && rowWidth(count) > maxWidth) {
    memcpy(labels[count - 2], labels[count - 1], kLabelSize);
    --count;
  }
  return count;
}

}  // namespace

// buttons: labels joined by "|"; empty gives one "~OK".
int runRequester(const char* title, const char* message, const char* buttons) {
  if (!ensureGui()) return 0;
  char labels[kMaxButtons][kLabelSize];
  int indexOf[kMaxButtons];
  int total = buttons && buttons[0] ? 1 : 0;
  for (const char* p = buttons; total > 0 && *p; ++p) total += *p == '|';
  if (total == 0) snprintf(labels[0], kLabelSize, "%s", "~OK");
  else splitBar(buttons, labels, kMaxButtons);
  if (total > kMaxButtons)  // the last label stays: it closes the requester
    snprintf(labels[kMaxButtons - 1], kLabelSize, "%.*s", kLabelSize - 1, strrchr(buttons, '|') + 1);
  total = std::max(total, 1);
  int given = std::min(total, kMaxButtons);
  const int screenW = state().buffer->w, screenH = state().buffer->h;
  const int maxWidth = screenW - 2 * kBorder - 2 * kMargin - 8;
  int shown = fitButtons(labels, given, maxWidth);
  for (int i = 0; i < shown; ++i) indexOf[i] = i < shown - 1 ? i : total - 1;

  const int lineHeight = textHeight() + 3;
  const int room = (screenH - kTitleHeight - 2 * kBorder - 60) / lineHeight;
  static char lines[kMaxLines][kLabelSize];
  int lineCount = messageLines(message, maxWidth, lines, std::min(kMaxLines, room));

  int window = CreateWindow(0, AUTO, title, 0);
  if (!window) return 0;
  int width = 120;
  for (int i = 0; i < lineCount; ++i) width = std::max(width, textWidth(lines[i]));
  int buttonsWidth = -kButtonGap;
  for (int i = 0; i < shown; ++i) buttonsWidth += buttonWidth(labels[i]) + kButtonGap;
  width = std::max(width, buttonsWidth);
  for (int i = 0; i < lineCount; ++i) AddLabel(kMargin, 10 + lineHeight * i, lines[i]);

  int result = -1;
  Choice choices[kMaxButtons];
  int x = kMargin + (width - buttonsWidth) / 2;
  int y = 10 + lineHeight * lineCount + 12;
  int lastButton = 0;
  for (int i = 0; i < shown; ++i) {
    choices[i] = Choice{&result, indexOf[i]};
    lastButton = AddButton(x, y, labels[i], choose, &choices[i]);
    if (Widget* button = findWidget(lastButton)) {
      button->w = buttonWidth(labels[i]);
      button->h = 20;
      x += button->w + kButtonGap;
    }
  }
  if (Window* w = findWindow(window)) w->escapeButton = lastButton;
  ShowWindow();
  RunEventLoop();
  while (findWindow(window)) CloseTopWindow();
  return result < 0 ? total - 1 : result;
}

}  // namespace gui

using namespace gui;

int ShowMessage(const char* title, const char* text) {
  static char expanded[kGuiMessageMax + 1];
  expandRequesterFormat(text, expanded, sizeof expanded);
  char* bar = strchr(expanded, '|');
  if (bar) *bar = '\0';
  return runRequester(title, expanded, bar ? bar + 1 : "");
}

int ShowText(const char* text, const char* buttons) {
  static char message[kGuiMessageMax + 1];
  snprintf(message, sizeof message, "%s", text ? text : "");
  return runRequester("", message, buttons);
}
