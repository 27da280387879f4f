// Stopping a runaway script: while a run is on, a ticker thread raises a flag
// every few milliseconds, and the line callback of every context that runs
// script code (main's, the global initialisers', the destructors') asks the
// ScriptUser at the next statement whether to stop. Once the user has asked,
// every context of the run is aborted at its next statement.
#pragma once

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace AngelScript {
class asIScriptContext;
class asIScriptEngine;
}
class ScriptUser;

class ScriptWatch {
 public:
  explicit ScriptWatch(ScriptUser* user) : user_(user) {}
  ~ScriptWatch() { end(); }
  ScriptWatch(const ScriptWatch&) = delete;
  ScriptWatch& operator=(const ScriptWatch&) = delete;

  // Starts watching a run (the stop request is forgotten) and ends it.
  void begin();
  void end();

  // Gives a context the line callback; every context that may run script
  // code must get it before it executes.
  void watch(AngelScript::asIScriptContext* context);
  // Makes the engine hand out watched contexts wherever it runs script code
  // by itself (global initialisers, destructors, the garbage collector).
  void watchEngine(AngelScript::asIScriptEngine* engine);

  bool stopped() const { return stopped_; }
  int stoppedLine() const { return stoppedLine_; }  // script line where it was stopped

 private:
  static void onLine(AngelScript::asIScriptContext* context, ScriptWatch* watch);
  void tick();

  ScriptUser* user_;
  std::atomic<bool> lookNow_{false};
  bool stopped_ = false;
  int stoppedLine_ = 0;
  std::mutex mutex_;
  std::condition_variable wake_;
  bool ending_ = false;
  std::thread ticker_;
};
