// The simple controls: labels, status fields whose text comes from a
// callback at every draw, check boxes bound to an int flag, and push buttons
// with hover, pressed and focus states.
#include <algorithm>
#include <cstring>

#include "gui/gui_internal.h"

namespace gui {

static bool isHover(const Widget& w) {
  const Window* window = findWindow(w.window);
  return window && window->hover == w.id;
}
static bool isPressed(const Widget& w) {
  const Window* window = findWindow(w.window);
  return window && window->pressed == w.id && window->hover == w.id;
}
static bool isFocused(const Widget& w) {
  const Window* window = findWindow(w.window);
  return window && window->focus == w.id;
}

static void paintStatus(Widget& w, int x, int y) {
  static char text[1000];
  text[0] = '\0';
  if (w.status) w.status(w.data, text);
  text[sizeof text - 1] = '\0';
  BITMAP* b = state().buffer;
  // A field grows to the widest text it has shown, so short fields keep
  // their last digit visible and no stale pixels stay behind.
  int width = std::max(w.w, std::max(w.value, textWidth(text)));
  if (const Window* window = findWindow(w.window)) {
    int room = window->x + window->w - kBorder - x;  // never past the window's edge
    width = std::max(w.w, std::min(width, room));
  }
  w.value = width;
  rectfill(b, x, y, x + width - 1, y + w.h - 1, state().theme.face);
  static char fitted[sizeof text + 4];
  drawClippedText(b, fitFromFront(text, width, fitted, sizeof fitted), x, y + 1, width,
                  state().theme.text);
}

static void paintCheckBox(Widget& w, int x, int y) {
  const Theme& t = state().theme;
  BITMAP* b = state().buffer;
  rectfill(b, x, y, x + w.w - 1, y + w.h - 1, t.face);
  rectfill(b, x, y + 1, x + 10, y + 11, isHover(w) ? t.hover : t.field);
  drawBevel(b, x, y + 1, 11, 11, true);
  if (w.flag && *w.flag != 0) {
    line(b, x + 2, y + 6, x + 4, y + 9, t.text);
    line(b, x + 4, y + 9, x + 8, y + 3, t.text);
    line(b, x + 2, y + 5, x + 4, y + 8, t.text);
    line(b, x + 4, y + 8, x + 8, y + 2, t.text);
  }
  drawHotkeyText(b, w.label, x + 15, y + 3, t.text);
  if (isFocused(w)) drawFocus(b, x + 13, y, w.w - 13, w.h);
}

static void paintButton(Widget& w, int x, int y) {
  const Theme& t = state().theme;
  BITMAP* b = state().buffer;
  bool down = isPressed(w);
  rectfill(b, x, y, x + w.w - 1, y + w.h - 1, down ? t.faceDark : isHover(w) ? t.hover : t.face);
  rect(b, x, y, x + w.w - 1, y + w.h - 1, t.shadow);
  drawBevel(b, x + 1, y + 1, w.w - 2, w.h - 2, down);
  int tx = x + (w.w - hotkeyTextWidth(w.label)) / 2 + (down ? 1 : 0);
  drawHotkeyText(b, w.label, tx, y + (w.h - 8) / 2 - 1 + (down ? 1 : 0), t.text);
  if (isFocused(w)) drawFocus(b, x + 2, y + 2, w.w - 4, w.h - 4);
}

void paintControl(Widget& w, int x, int y) {
  const Theme& t = state().theme;
  BITMAP* b = state().buffer;
  switch (w.kind) {
    case Kind::Label:
      // No background: the window's face is there, and a label never
      // erases a neighbour it comes close to.
      drawHotkeyText(b, w.label, x, y + 1, t.text);
      break;
    case Kind::Status: paintStatus(w, x, y); break;
    case Kind::CheckBox: paintCheckBox(w, x, y); break;
    case Kind::Button: paintButton(w, x, y); break;
    default: break;
  }
}

void activateButton(int id) {
  Widget* w = findWidget(id);
  if (!w || w->kind != Kind::Button) return;
  GuiCommand command = w->command;
  void* data = w->data;
  if (command) command(data);
}

void toggleCheckBox(int id) {
  Widget* w = findWidget(id);
  if (!w || w->kind != Kind::CheckBox || !w->flag) return;
  *w->flag = *w->flag < 1 ? 1 : 0;
  redrawWidget(id);
  if (w->command) w->command(w->data);
}

}  // namespace gui

using namespace gui;

int AddLabel(int x, int y, const char* text) {
  Widget* w = addWidget(Kind::Label, x, y, 0, 10, text);
  if (!w) return 0;
  w->w = std::max(1, hotkeyTextWidth(w->label));
  return w->id;
}

int AddStatusField(int x, int y, int width, GuiStatusText text, void* data) {
  Widget* w = addWidget(Kind::Status, x, y, std::max(width, 1), 10, "");
  if (!w) return 0;
  w->status = text;
  w->data = data;
  return w->id;
}

int AddCheckBox(int x, int y, const char* label, int* flag) {
  Widget* w = addWidget(Kind::CheckBox, x, y, 0, 13, label);
  if (!w) return 0;
  w->w = 15 + hotkeyTextWidth(w->label) + 2;
  w->flag = flag;
  return w->id;
}

void SetCheckBoxCallback(int checkBox, GuiCommand command, void* data) {
  Widget* w = findWidget(checkBox);
  if (!w || w->kind != Kind::CheckBox) return;
  w->command = command;
  w->data = data;
}

int AddButton(int x, int y, const char* label, GuiCommand command, void* data) {
  Widget* w = addWidget(Kind::Button, x, y, 0, 16, label);
  if (!w) return 0;
  w->w = hotkeyTextWidth(w->label) + 14;
  w->command = command;
  w->data = data;
  return w->id;
}
