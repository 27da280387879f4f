// Standard streams and SIGINT behind the ScriptUser interface. A text shown
// while script code runs is the script's own message; any other is the
// program's.
#include "stdio_script_user.h"

#include <angelscript.h>

#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstring>

#include "platform/host_path.h"
#include "script/script_host.h"

namespace {

volatile std::sig_atomic_t interrupted = 0;
volatile std::sig_atomic_t held = 0;

void onInterrupt(int) {
  // A second Ctrl+C is not held up by anything, except the renames that put
  // a world in place: they take milliseconds, and stopping among them would
  // leave a world half old, half new.
  if (interrupted != 0 && held == 0) _exit(130);
  interrupted = 1;
}

constexpr char kOk[] = "|~OK";

// The first label of "~Replace|~Cancel" without its hotkey mark.
std::string firstChoice(const char* buttons) {
  std::string label(buttons, strcspn(buttons, "|"));
  label.erase(std::remove(label.begin(), label.end(), '~'), label.end());
  return label;
}

}  // namespace

void catchInterrupt() {
  interrupted = 0;
  std::signal(SIGINT, onInterrupt);
}

bool interruptRequested() { return interrupted != 0; }

void holdInterrupts(bool hold) { held = hold ? 1 : 0; }

void StdioScriptUser::writePhase(bool started) { holdInterrupts(started); }

void StdioScriptUser::describePath(const char* editorPath, char* out, size_t size) {
  if (!mapHostPathAsGiven(editorPath, out, size)) snprintf(out, size, "%s", editorPath);
}

int StdioScriptUser::showText(const char* text, const char* buttons) {
  const bool plain = buttons == nullptr || buttons[0] == 0 || strcmp(buttons, "~OK") == 0;
  if (AngelScript::asGetActiveContext() != nullptr) {
    // message() splits its text at the first "|" into text and buttons ahead of "~OK".
    const size_t length = plain ? 0 : strlen(buttons);
    const bool split = length > strlen(kOk) && strcmp(buttons + length - strlen(kOk), kOk) == 0;
    if (split) {
      fprintf(out_, "%s|%.*s\n", text, static_cast<int>(length - strlen(kOk)), buttons);
    } else {
      fprintf(out_, "%s\n", text);
    }
    fflush(out_);
    return 0;
  }
  if (plain) {
    fprintf(err_, "dola-script: %s\n", text);
  } else {
    fprintf(err_, "dola-script: %s %s\n", text, firstChoice(buttons).c_str());
  }
  return 0;
}

bool StdioScriptUser::chooseScript(char* path, size_t size) {
  if (scriptPath_.size() >= size) return false;
  snprintf(path, size, "%s", scriptPath_.c_str());
  return true;
}

bool StdioScriptUser::stopRequested() { return interruptRequested(); }

void StdioScriptUser::runFailed(const ScriptRunReport& report, const char* afterFailure) {
  const ScriptDiagnostic& where = report.where;
  if (interruptRequested()) {
    fprintf(err_, "%s: interrupted\n", shownName_.c_str());
  } else if (where.present && where.row > 0) {
    fprintf(err_, "%s:%d:%d: %s\n", shownName_.c_str(), where.row, where.column, where.text);
  } else if (where.present) {
    fprintf(err_, "%s: %s\n", shownName_.c_str(), where.text);
  } else {
    fprintf(err_, "%s: %s\n", shownName_.c_str(), report.text);
  }
  fprintf(err_, "dola-script: %s\n", afterFailure);
}

void StdioScriptUser::printLine(const char* text) {
  fprintf(out_, "%s\n", text);
  fflush(out_);
}

void StdioScriptUser::reportChanges(const char* text) {
  fprintf(out_, "dola-script: %s\n", text);
  fflush(out_);
}
