// The ScriptUser of a program without a screen. A script's message goes to
// standard output, whole; the program's own reports and questions go to the
// error stream, where a question is answered with its first choice (the
// command line already said what to do). The script is the one named on the
// command line, there is no cell to click, and Ctrl+C (SIGINT) asks to stop.
#pragma once
#include <cstdio>
#include <string>

#include "script/script_user.h"

class StdioScriptUser : public ScriptUser {
 public:
  // scriptPath: the editor path chooseScript answers with; shownName: the
  // script as the user named it, for reports. Texts go to out and err.
  StdioScriptUser(const std::string& scriptPath, const std::string& shownName, FILE* out, FILE* err)
      : scriptPath_(scriptPath), shownName_(shownName), out_(out), err_(err) {}

  int showText(const char* text, const char* buttons) override;
  bool chooseScript(char* path, size_t size) override;
  CellPick pickCell(int* x, int* y) override { return CellPick::Unavailable; }
  bool stopRequested() override;
  ProgressDisplay* progress() override { return nullptr; }
  // Ctrl+C only asks to stop while files are written (see holdInterrupts).
  void writePhase(bool started) override;
  // print's lines go to standard output as they come, as message's do.
  void printLine(const char* text) override;
  // "dola-script: <what changed>" on standard output.
  void reportChanges(const char* text) override;
  // Host paths, as the user typed them.
  void describePath(const char* editorPath, char* out, size_t size) override;
  // As a compiler reports: "FILE:LINE:COLUMN: message" for a build error,
  // "FILE: why" for any other end, then what was left undone.
  void runFailed(const ScriptRunReport& report, const char* afterFailure) override;

 private:
  std::string scriptPath_;
  std::string shownName_;
  FILE* out_;
  FILE* err_;
};

// Makes Ctrl+C a stop request. A second one ends the program at once (exit
// status 130), except while files are being put in place: see holdInterrupts.
void catchInterrupt();
// While held, every Ctrl+C only asks to stop; the files being renamed into
// place are all finished first.
void holdInterrupts(bool hold);
// True once Ctrl+C was pressed (or SIGINT raised) since catchInterrupt.
bool interruptRequested();
