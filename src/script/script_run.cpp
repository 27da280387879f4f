// runScript: read a script file through the platform layer, build it once in
// a child process under a time and memory budget (a crash, an abort or a
// build that never ends stays there), then compile it into the module
// "script" on a thread with a stack sized to the source, initialise its globals and run
// "void main()" under the watch, discard it, and say how the run ended.
#include <angelscript.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/file_stream.h"
#include "platform/host_path.h"
#include "platform/isolated_run.h"
#include "platform/large_stack.h"
#include "script/script_host.h"
#include "script/script_host_context.h"
#include "script/script_user.h"

using namespace AngelScript;

namespace {

const char* const kBuildFailed = "Unable to build script.  Check script syntax and try again.";

// The compiler recurses once per nesting level of the source; a level costs
// it a few kilobytes of stack at most, and a level takes at least one byte.
constexpr size_t kCompilerStackBase = 64u << 20;
constexpr size_t kCompilerStackPerByte = 16u << 10;
constexpr size_t kCompilerStackMost = 1024u << 20;

ScriptRunEnd fail(ScriptRunReport& report, ScriptRunEnd end, const char* text) {
  snprintf(report.text, sizeof report.text, "%s", text);
  return end;
}

// The whole file in a new NUL-terminated buffer (free it), or nullptr with
// the reason in report.
char* readScriptSource(const char* path, size_t& length, ScriptRunReport& report) {
  FILE* file = path != nullptr && isFilePath(path) ? openStream(path, "rb") : nullptr;
  long size = file != nullptr && fseek(file, 0, SEEK_END) == 0 ? ftell(file) : -1;
  if (size < 0 || fseek(file, 0, SEEK_SET) != 0) {
    if (file != nullptr) fclose(file);
    fail(report, ScriptRunEnd::NotBuilt, "Unable to open script file.");
    return nullptr;
  }
  char* code = static_cast<char*>(malloc(static_cast<size_t>(size) + 1));
  if (code == nullptr) {
    fclose(file);
    fail(report, ScriptRunEnd::NotBuilt, "Unable to allocate memory for script.");
    return nullptr;
  }
  length = fread(code, 1, static_cast<size_t>(size), file);
  bool failed = ferror(file) != 0;
  fclose(file);
  code[length] = '\0';
  if (failed) {
    free(code);
    fail(report, ScriptRunEnd::NotBuilt, "Unable to open script file.");
    return nullptr;
  }
  return code;
}

struct BuildJob {
  asIScriptModule* module;
  int result;
};

void buildModule(void* job) {
  BuildJob* build = static_cast<BuildJob*>(job);
  build->result = build->module->Build();
}

size_t compilerStackFor(size_t sourceLength) {
  if (sourceLength > kCompilerStackMost / kCompilerStackPerByte) return kCompilerStackMost;
  size_t stack = kCompilerStackBase + sourceLength * kCompilerStackPerByte;
  return stack > kCompilerStackMost ? kCompilerStackMost : stack;
}

// The trial build in the child process: its module is the child's copy.
bool buildInChild(void* module) { return static_cast<asIScriptModule*>(module)->Build() >= 0; }

constexpr int kBuildNoticeMs = 500;  // a build this long is shown to the user

struct BuildWait {
  ScriptUser* user;
  const char* path;
  bool noticeShown;
};

bool buildShouldStop(int elapsedMs, void* data) {
  BuildWait* wait = static_cast<BuildWait*>(data);
  if (wait->user == nullptr) return false;
  if (!wait->noticeShown && elapsedMs >= kBuildNoticeMs) {
    wait->noticeShown = true;
    wait->user->buildTakesLong(wait->path);
  }
  // A stop typed before the notice is left for the run (the notice says how
  // to stop the build).
  return wait->noticeShown && wait->user->stopRequested();
}

// Builds the module in a child process first. True when the real build may
// follow: the child built it (or it failed to compile, which the real build
// reports with its diagnostics), or no child could be made.
bool trialBuild(asIScriptModule* module, size_t sourceLength, const char* path, ScriptUser* user,
                ScriptRunReport& report, ScriptRunEnd* end) {
  BuildWait wait{user, path, false};
  const IsolatedBudget budget{kScriptBuildMilliseconds, kScriptBuildMemoryBytes, compilerStackFor(sourceLength)};
  const IsolatedEnd trial = runIsolated(buildInChild, module, budget, buildShouldStop, &wait);
  if (wait.noticeShown) user->buildEnded();
  *end = ScriptRunEnd::NotBuilt;
  switch (trial) {
    case IsolatedEnd::Succeeded:
    case IsolatedEnd::Failed:
    case IsolatedEnd::NotIsolated:
      return true;
    case IsolatedEnd::Crashed:
      fail(report, ScriptRunEnd::NotBuilt, "The script could not be built: it nests too deeply.");
      return false;
    case IsolatedEnd::OutOfTime:
      snprintf(report.text, sizeof report.text,
               "The script could not be built: building it took longer than %d seconds.",
               kScriptBuildMilliseconds / 1000);
      return false;
    case IsolatedEnd::Stopped:
      *end = ScriptRunEnd::Stopped;
      fail(report, ScriptRunEnd::Stopped, "Building the script was stopped.");
      return false;
  }
  return false;
}

// Builds on a large stack; when not even the smallest can be had, says so.
bool build(asIScriptModule* module, size_t sourceLength, ScriptHostContext& host, ScriptRunReport& report) {
  host.diagnostic = ScriptDiagnostic{};
  BuildJob job{module, asERROR};
  if (!runOnLargeStack(buildModule, &job, compilerStackFor(sourceLength)) &&
      !runOnLargeStack(buildModule, &job, kCompilerStackBase)) {
    fail(report, ScriptRunEnd::NotBuilt, "Unable to build script.  There is not enough memory to compile it.");
    return false;
  }
  if (job.result >= 0) return true;
  report.where = host.diagnostic;
  snprintf(report.text, sizeof report.text, "%s", kBuildFailed);
  const ScriptDiagnostic& first = host.diagnostic;
  if (first.present) {
    size_t used = strlen(report.text);
    if (first.row > 0) {
      snprintf(report.text + used, sizeof report.text - used, "\nLine %d, column %d: %s", first.row,
               first.column, first.text);
    } else {
      snprintf(report.text + used, sizeof report.text - used, "\n%s", first.text);
    }
  }
  return false;
}

// The end of code run in context with result, and its report.
ScriptRunEnd endOf(asIScriptContext* context, int result, const ScriptWatch& watch, ScriptRunReport& report) {
  if (watch.stopped() || result == asEXECUTION_ABORTED) {
    int line = watch.stopped() ? watch.stoppedLine() : context->GetLineNumber();
    snprintf(report.text, sizeof report.text, "Script stopped by Escape at line %d.", line);
    return ScriptRunEnd::Stopped;
  }
  if (context->GetState() == asEXECUTION_EXCEPTION) {
    const char* exception = context->GetExceptionString();
    snprintf(report.text, sizeof report.text, "Script stopped at line %d: %s", context->GetExceptionLineNumber(),
             exception != nullptr ? exception : "");
    return ScriptRunEnd::Exception;
  }
  if (result < 0 || (result != asEXECUTION_FINISHED && result != asSUCCESS)) {
    return fail(report, ScriptRunEnd::Exception, "Script stopped: it could not be run to its end.");
  }
  return ScriptRunEnd::Finished;
}

// Initialises the globals and runs main, both in one watched context.
ScriptRunEnd execute(asIScriptEngine* engine, asIScriptModule* module, ScriptHostContext& host,
                     ScriptRunReport& report) {
  asIScriptContext* context = engine->CreateContext();
  if (context == nullptr) return fail(report, ScriptRunEnd::NotBuilt, "Unable to allocate memory for script.");
  host.watch.watch(context);
  int result = module->ResetGlobalVars(context);
  ScriptRunEnd end = endOf(context, result, host.watch, report);
  if (end == ScriptRunEnd::Finished) {
    asIScriptFunction* entry = module->GetFunctionByDecl("void main()");
    if (entry == nullptr) {
      end = fail(report, ScriptRunEnd::NoMain, "The script has no void main(): nothing was run.");
    } else if ((result = context->Prepare(entry)) >= 0) {
      result = context->Execute();
      end = endOf(context, result, host.watch, report);
    }
  }
  context->Release();
  return end;
}

// main once, or once per turn of repeat: each turn starts with fresh globals
// and stops the series at the first turn that does not finish.
ScriptRunEnd executeTurns(asIScriptEngine* engine, asIScriptModule* module, ScriptHostContext& host,
                          ScriptRepeat* repeat, ScriptRunReport& report) {
  if (repeat == nullptr) return execute(engine, module, host, report);
  ScriptRunEnd end = ScriptRunEnd::Finished;
  for (int turn = 0; turn < repeat->count && end == ScriptRunEnd::Finished; turn++) {
    if (repeat->before != nullptr) repeat->before(turn, repeat->data);
    end = execute(engine, module, host, report);
    if (end != ScriptRunEnd::Finished) repeat->endedAt = turn;
  }
  return end;
}

ScriptRunEnd compileAndRun(const char* path, asIScriptEngine* engine, ScriptRepeat* repeat,
                           ScriptRunReport& report) {
  ScriptHostContext* host = scriptHostContext(engine);
  size_t length = 0;
  char* code = readScriptSource(path, length, report);
  if (code == nullptr) return ScriptRunEnd::NotBuilt;
  asIScriptModule* module = host != nullptr ? engine->GetModule("script", asGM_ALWAYS_CREATE) : nullptr;
  int added = module != nullptr ? module->AddScriptSection("module", code, length, 0) : asERROR;
  free(code);
  if (added < 0) return fail(report, ScriptRunEnd::NotBuilt, "Unable to add script section.");
  ScriptRunEnd end = ScriptRunEnd::NotBuilt;
  if (!trialBuild(module, length, path, host->user, report, &end)) {
    module->Discard();
    return end;
  }
  host->watch.begin();
  end = build(module, length, *host, report) ? executeTurns(engine, module, *host, repeat, report)
                                             : ScriptRunEnd::NotBuilt;
  // Globals are destroyed now, under the watch, rather than at the next run
  // or at shutdown, where nobody could stop a destructor that never ends.
  module->Discard();
  engine->GarbageCollect(asGC_FULL_CYCLE);
  if (host->watch.stopped() && end != ScriptRunEnd::Stopped) {
    end = ScriptRunEnd::Stopped;
    snprintf(report.text, sizeof report.text, "Script stopped by Escape at line %d.", host->watch.stoppedLine());
  }
  host->watch.end();
  return end;
}

}  // namespace

ScriptRunEnd runScript(const char* path, asIScriptEngine* engine, ScriptRunReport* report,
                       ScriptRepeat* repeat) {
  ScriptRunReport local{};
  ScriptRunReport& out = report != nullptr ? *report : local;
  out = ScriptRunReport{};
  if (repeat != nullptr) repeat->endedAt = -1;
  if (ScriptHostContext* host = scriptHostContext(engine)) host->reach.startRun();
  ScriptRunEnd end = compileAndRun(path, engine, repeat, out);
  if (ScriptHostContext* host = scriptHostContext(engine))
    host->reach.setEndMessage(out.text[0] != '\0' ? out.text : "The script ran to its end.");
  ScriptUser* user = scriptUser(engine);
  if (report == nullptr && out.text[0] != '\0' && user != nullptr) user->showText(out.text, "~OK");
  return end;
}
