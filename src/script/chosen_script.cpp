// Script choice and run for the generation commands, and how a run that does
// not count is told by default.
#include "script/chosen_script.h"

#include <cstdio>

#include "data/map_names.h"
#include "script/script_user.h"

bool runChosenScript(AngelScript::asIScriptEngine* engine, const char* afterFailure, bool* chosen,
                     ScriptRunEnd* end, ScriptRepeat* repeat) {
  *chosen = false;
  *end = ScriptRunEnd::NotBuilt;
  ScriptUser* user = scriptUser(engine);
  char script[kPathBufferSize];
  if (user == nullptr || !user->chooseScript(script, sizeof script)) return false;
  *chosen = true;
  ScriptRunReport report;
  *end = runScript(script, engine, &report, repeat);
  if (scriptRunCounts(*end)) return true;
  user->runFailed(report, afterFailure);
  return false;
}

void ScriptUser::runFailed(const ScriptRunReport& report, const char* afterFailure) {
  char text[sizeof report.text + 128];
  snprintf(text, sizeof text, "%s\n%s", report.text, afterFailure);
  showText(text, "~OK");
}

void ScriptUser::describePath(const char* editorPath, char* out, size_t size) {
  snprintf(out, size, "%s", editorPath != nullptr ? editorPath : "");
}
