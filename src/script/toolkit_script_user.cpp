// The toolkit's answers to a script and its commands. The script file
// selector has the texts every generation command uses; getpos maps the
// pointer to a cell of the map canvas, wherever the toolkit shows it.
#include "script/toolkit_script_user.h"

#include <allegro.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <thread>

#include "data/sprite_format.h"
#include "gui/gui.h"
#include "script/script_requester.h"

namespace {

// Where the editor's main window shows the map canvas's first pixel.
constexpr int kUsualCanvasX = 5;
constexpr int kUsualCanvasY = 50;
constexpr int kPollSleepMs = 5;
constexpr int kMaxKeysLooked = 256;
constexpr char kStopButton[] = "~Stop script (Escape)";

struct TypedKey {
  int code;
  int scancode;
};

// Reads Allegro's key buffer and puts every key back in its order but the
// Escapes after the first `leave`. Returns how many Escapes it read.
int takeEscapes(int leave) {
  TypedKey kept[kMaxKeysLooked];
  int keptCount = 0;
  int escapes = 0;
  if (keyboard_needs_poll()) poll_keyboard();
  for (int looked = 0; looked < kMaxKeysLooked && keypressed(); looked++) {
    int scancode = 0;
    int code = ureadkey(&scancode);
    if (scancode == KEY_ESC && escapes++ >= leave) continue;
    kept[keptCount++] = TypedKey{code, scancode};
  }
  for (int i = 0; i < keptCount; i++) simulate_ukeypress(kept[i].code, kept[i].scancode);
  return escapes;
}

// The Escapes waiting in the key buffer, all left where they are.
int escapesWaiting() { return takeEscapes(kMaxKeysLooked); }

}  // namespace

bool escapeTyped(int leave) { return takeEscapes(leave) > leave; }

int ToolkitScriptUser::showText(const char* text, const char* buttons) {
  return showScriptText(text != nullptr ? text : "", buttons);
}

int ToolkitScriptUser::showScriptMessage(const char* text, const char* buttons) {
  char withStop[1024];
  snprintf(withStop, sizeof withStop, "%s|%s", buttons != nullptr && buttons[0] != 0 ? buttons : "~OK", kStopButton);
  int stopIndex = 0;
  for (const char* p = withStop; *p != 0; p++) stopIndex += *p == '|';
  int chosen = showScriptText(text != nullptr ? text : "", withStop);
  return chosen == stopIndex ? -1 : chosen;
}

void ToolkitScriptUser::buildTakesLong(const char* scriptPath) {
  const char* slash = strrchr(scriptPath, '\\');
  char text[300];
  snprintf(text, sizeof text, "Building %s... Escape stops", slash != nullptr ? slash + 1 : scriptPath);
  // An Escape typed before this notice was meant for the script's run.
  escapesBeforeNotice_ = escapesWaiting();
  buildWindow_ = CreateWindow(0, AUTO, "", 0);
  if (buildWindow_ == 0) return;
  AddLabel(8, 10, text);
  ShowWindow();
}

void ToolkitScriptUser::buildEnded() {
  if (buildWindow_ != 0) CloseTopWindow();
  buildWindow_ = 0;
  escapesBeforeNotice_ = 0;
}

int ToolkitScriptUser::askQuestion(const char* text, const char* buttons) {
  GuiDropEarlierInput();
  return showText(text, buttons);
}

bool ToolkitScriptUser::chooseScript(char* path, size_t size) {
  if (preset_[0] != '\0') {
    int n = snprintf(path, size, "%s", preset_);
    preset_[0] = '\0';
    return n > 0 && static_cast<size_t>(n) < size;
  }
  const char* chosen = selectFile("*.as", lastFolder_, kSelectOpenFlags, "Select script", "Select");
  if (chosen == nullptr || chosen[0] == '\0') return false;
  int n = snprintf(path, size, "%s", chosen);
  if (n <= 0 || static_cast<size_t>(n) >= size) return false;
  // The next choice starts in this script's folder.
  const char* slash = strrchr(path, '\\');
  if (slash != nullptr) snprintf(lastFolder_, sizeof lastFolder_, "%.*s", static_cast<int>(slash - path), path);
  return true;
}

const char* ToolkitScriptUser::selectFile(const char* masks, const char* startPath, int flags, const char* title,
                                          const char* buttonLabel) {
  return SelectFile(masks, startPath, flags, title, buttonLabel);
}

CellPick ToolkitScriptUser::pickCell(int* x, int* y) {
  if (cellPreset_) {
    cellPreset_ = false;
    *x = presetX_;
    *y = presetY_;
    return CellPick::Picked;
  }
  int originX = kUsualCanvasX, originY = kUsualCanvasY;
  GetWidgetScreenRect(mapCanvas_, &originX, &originY, nullptr, nullptr);
  bool heldAtCall = GuiPollMouse().b != 0;
  for (;;) {
    const GuiMouse& mouse = GuiPollMouse();
    if ((mouse.b & 1) == 0) {
      heldAtCall = false;
    } else if (!heldAtCall) {
      *x = (mouse.x - originX) / kSpriteWidth + 1;
      *y = (mouse.y - originY) / kSpriteHeight + 1;
      return CellPick::Picked;
    }
    if (escapeTyped()) return CellPick::Stopped;
    std::this_thread::sleep_for(std::chrono::milliseconds(kPollSleepMs));
  }
}

bool ToolkitScriptUser::stopRequested() { return escapeTyped(escapesBeforeNotice_); }
