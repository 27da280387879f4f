// runScript: read a script file through the platform layer, compile it into
// the module "script" (replacing the previous script and its globals), run
// "void main()" with the Escape check, and report how a failed run ended.
#include <angelscript.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/editor_state.h"
#include "platform/file_stream.h"
#include "platform/host_path.h"
#include "script/script_diagnostic.h"
#include "script/script_escape.h"
#include "script/script_host.h"
#include "script/script_requester.h"

using namespace AngelScript;

namespace {

constexpr int kReportSize = 1024;
constexpr size_t kButtonRoom = sizeof "|~OK";

// The whole file in a new NUL-terminated buffer (free it), or nullptr after
// the requester said why not.
char* readScriptSource(const char* path, size_t& length) {
  FILE* file = path != nullptr && isFilePath(path) ? openStream(path, "rb") : nullptr;
  if (file == nullptr) {
    showScriptRequester("Unable to open script file.|~OK");
    return nullptr;
  }
  long size = fseek(file, 0, SEEK_END) == 0 ? ftell(file) : -1;
  if (size < 0 || fseek(file, 0, SEEK_SET) != 0) {
    fclose(file);
    showScriptRequester("Unable to open script file.|~OK");
    return nullptr;
  }
  char* code = static_cast<char*>(malloc(static_cast<size_t>(size) + 1));
  if (code == nullptr) {
    fclose(file);
    showScriptRequester("Unable to allocate memory for script.|~OK");
    return nullptr;
  }
  length = fread(code, 1, static_cast<size_t>(size), file);
  bool failed = ferror(file) != 0;
  fclose(file);
  code[length] = '\0';
  if (failed) {
    free(code);
    showScriptRequester("Unable to open script file.|~OK");
    return nullptr;
  }
  return code;
}

// Ends a report with its one button.
void finishReport(char* report) {
  size_t used = strlen(report);
  snprintf(report + used, kReportSize - used, "%s", "|~OK");
}

// The build requester, with the compiler's first error and where it is on a
// line of its own.
void reportBuildFailure() {
  char report[kReportSize] = "Unable to build script.  Check script syntax and try again.";
  const ScriptDiagnostic& first = compilerDiagnostic();
  if (first.present) {
    size_t used = strlen(report);
    if (first.row > 0) {
      snprintf(report + used, sizeof report - used, "\nLine %d, column %d: ", first.row, first.column);
    } else {
      snprintf(report + used, sizeof report - used, "\n");
    }
    appendRequesterLiteral(report, sizeof report - kButtonRoom, first.text, false);
  }
  finishReport(report);
  showScriptRequester(report);
}

// The requester text for a run that did not end normally; "" when it did.
void describeRunEnd(asIScriptContext* context, int result, char* report) {
  report[0] = '\0';
  if (result == asEXECUTION_EXCEPTION) {
    snprintf(report, kReportSize, "Script stopped at line %d: ", context->GetExceptionLineNumber());
    const char* exception = context->GetExceptionString();
    appendRequesterLiteral(report, kReportSize - kButtonRoom, exception != nullptr ? exception : "", false);
    finishReport(report);
  } else if (result == asEXECUTION_ABORTED) {
    snprintf(report, kReportSize, "Script stopped by Escape at line %d.|~OK", context->GetLineNumber());
  }
}

// Runs "void main()" when the module has one; the context lives for this run only.
void runMain(asIScriptEngine* engine, asIScriptModule* module) {
  asIScriptFunction* entry = module->GetFunctionByDecl("void main()");
  if (entry == nullptr) return;
  asIScriptContext* context = engine->CreateContext();
  if (context == nullptr) return;
  char report[kReportSize] = "";
  if (context->Prepare(entry) >= 0) describeRunEnd(context, executeWithEscape(context), report);
  context->Release();
  if (report[0] != '\0') showScriptRequester(report);
}

}  // namespace

bool runScript(const char* path, EditorState* editor) {
  size_t length = 0;
  char* code = readScriptSource(path, length);
  if (code == nullptr) return false;
  asIScriptEngine* engine = editor != nullptr ? editor->scriptEngine : nullptr;
  asIScriptModule* module = engine != nullptr ? engine->GetModule("script", asGM_ALWAYS_CREATE) : nullptr;
  int added = module != nullptr ? module->AddScriptSection("module", code, length, 0) : asERROR;
  free(code);
  if (added < 0) {
    showScriptRequester("Unable to add script section.|~OK");
    return false;
  }
  compilerDiagnostic().present = false;
  if (module->Build() < 0) {
    reportBuildFailure();
    return false;
  }
  runMain(engine, module);
  return true;
}
