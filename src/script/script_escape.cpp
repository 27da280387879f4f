// The Escape check of running scripts: a pause ticker on its own thread, and
// the key-buffer look that runs on the GUI thread while the script is paused.
#include "script/script_escape.h"

#include <allegro.h>
#include <angelscript.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

using namespace AngelScript;

namespace {

constexpr int kPauseEveryMs = 20;
constexpr int kMaxKeysLooked = 256;

// Asks the context to pause at its next statement every kPauseEveryMs until
// stopped. Suspend only sets flags, which the engine allows from any thread.
class PauseTicker {
 public:
  explicit PauseTicker(asIScriptContext* context) : context_(context), thread_([this] { run(); }) {}
  ~PauseTicker() {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      stopped_ = true;
    }
    wake_.notify_one();
    thread_.join();
  }

 private:
  void run() {
    std::unique_lock<std::mutex> lock(mutex_);
    while (!wake_.wait_for(lock, std::chrono::milliseconds(kPauseEveryMs), [this] { return stopped_; })) {
      context_->Suspend();
    }
  }

  asIScriptContext* context_;
  std::mutex mutex_;
  std::condition_variable wake_;
  bool stopped_ = false;
  std::thread thread_;
};

struct TypedKey {
  int code;
  int scancode;
};

}  // namespace

bool scriptEscapePressed() {
  TypedKey kept[kMaxKeysLooked];
  int keptCount = 0;
  bool escape = false;
  if (keyboard_needs_poll()) poll_keyboard();
  for (int looked = 0; looked < kMaxKeysLooked && keypressed(); looked++) {
    int scancode = 0;
    int code = ureadkey(&scancode);
    if (scancode == KEY_ESC) {
      escape = true;
    } else {
      kept[keptCount++] = TypedKey{code, scancode};
    }
  }
  for (int i = 0; i < keptCount; i++) simulate_ukeypress(kept[i].code, kept[i].scancode);
  return escape;
}

int executeWithEscape(asIScriptContext* context) {
  PauseTicker ticker(context);
  for (;;) {
    int result = context->Execute();
    if (result != asEXECUTION_SUSPENDED) return result;
    if (scriptEscapePressed()) {
      context->Abort();
      return asEXECUTION_ABORTED;
    }
  }
}
