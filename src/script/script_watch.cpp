// The watch over running script code. The ticker only stores a flag, so the
// script pays one call and one atomic load per statement; the user is asked
// on the script's own thread, at most once per tick.
#include "script/script_watch.h"

#include <angelscript.h>

#include <chrono>

#include "script/script_user.h"

using namespace AngelScript;

namespace {

constexpr int kLookEveryMs = 20;

asIScriptContext* requestContext(asIScriptEngine* engine, void* watch) {
  asIScriptContext* context = engine->CreateContext();
  if (context != nullptr) static_cast<ScriptWatch*>(watch)->watch(context);
  return context;
}

void returnContext(asIScriptEngine*, asIScriptContext* context, void*) { context->Release(); }

}  // namespace

void ScriptWatch::begin() {
  end();
  stopped_ = false;
  stoppedLine_ = 0;
  lookNow_ = false;
  ending_ = false;
  ticker_ = std::thread([this] { tick(); });
}

void ScriptWatch::end() {
  if (!ticker_.joinable()) return;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    ending_ = true;
  }
  wake_.notify_one();
  ticker_.join();
}

void ScriptWatch::tick() {
  std::unique_lock<std::mutex> lock(mutex_);
  while (!wake_.wait_for(lock, std::chrono::milliseconds(kLookEveryMs), [this] { return ending_; })) {
    lookNow_.store(true, std::memory_order_relaxed);
  }
}

void ScriptWatch::watch(asIScriptContext* context) {
  context->SetLineCallback(asFUNCTION(onLine), this, asCALL_CDECL);
}

void ScriptWatch::watchEngine(asIScriptEngine* engine) {
  engine->SetContextCallbacks(requestContext, returnContext, this);
}

void ScriptWatch::onLine(asIScriptContext* context, ScriptWatch* watch) {
  if (!watch->stopped_) {
    if (!watch->lookNow_.load(std::memory_order_relaxed)) return;
    watch->lookNow_.store(false, std::memory_order_relaxed);
    if (!watch->user_->stopRequested()) return;
    watch->stopped_ = true;
    watch->stoppedLine_ = context->GetLineNumber();
  }
  context->Abort();
}
