// ScriptUser: everything the script host and the generation commands need
// from the person running a script. The editor answers with the toolkit's
// requesters, file selector, progress window and mouse; a program without a
// screen answers on its standard streams. Implementations are not owned by
// the host and must outlive the engine they are given to.
#pragma once
#include <cstddef>

class ProgressDisplay;
struct ScriptRunReport;

// How a wait for a click on a map cell ended.
enum class CellPick {
  Picked,       // x and y hold the cell (1-based, not bounded to the map)
  Stopped,      // the user asked to stop the script while it waited
  Unavailable,  // there is no screen to click on
};

class ScriptUser {
 public:
  virtual ~ScriptUser() = default;
  // Shows text exactly as given (no formatting) with the buttons of buttons,
  // "|"-separated ("~Replace|~Cancel"; null or "" means "~OK"), and returns
  // the index of the button chosen.
  virtual int showText(const char* text, const char* buttons) = 0;
  // The same for a question whose answer replaces or discards data: only
  // input given after it appeared may answer it.
  virtual int askQuestion(const char* text, const char* buttons) { return showText(text, buttons); }
  // Asks for a script file; false when the user cancelled. On true, path
  // holds the chosen editor path.
  virtual bool chooseScript(char* path, size_t size) = 0;
  // Waits for the next press of the left button (a button held at the call
  // must be released first) and gives the map cell under the pointer.
  virtual CellPick pickCell(int* x, int* y) = 0;
  // Shows a script's own message (message()) with its buttons and returns
  // the index of the button chosen, or -1 when the user asked to stop the
  // script there. By default: showText.
  virtual int showScriptMessage(const char* text, const char* buttons) { return showText(text, buttons); }
  // A build that has gone on for a while: the user is told which script is
  // being built and how to stop it, until buildEnded. Stop requests are read
  // through stopRequested meanwhile. By default nothing is shown.
  virtual void buildTakesLong(const char* scriptPath) {}
  virtual void buildEnded() {}
  // Files are being written (started) or no longer: a stop request must then
  // be asked for through stopRequested, never end the program among them.
  virtual void writePhase(bool started) {}
  // A line the script printed (print): a program without a screen writes it
  // out at once; the editor keeps the run's lines itself. By default: nothing.
  virtual void printLine(const char* text) {}
  // What a world run wrote and changed, once its files are in place. By
  // default: shown with "~OK".
  virtual void reportChanges(const char* text) { showText(text, "~OK"); }
  // The form of an editor path to show this user; by default the path itself.
  virtual void describePath(const char* editorPath, char* out, size_t size);
  // True when the user asked to stop the running script since the last look.
  // Called on the thread that runs the script, every few milliseconds at most.
  virtual bool stopRequested() = 0;
  // The display for long writes, or null for none.
  virtual ProgressDisplay* progress() = 0;
  // Tells the user why a generation command's run did not count and what the
  // command therefore left undone (afterFailure, "Nothing was written.").
  // By default: the report's text and afterFailure on a line of its own,
  // with "~OK". A program may rather print report.where as compilers do.
  virtual void runFailed(const ScriptRunReport& report, const char* afterFailure);
};
