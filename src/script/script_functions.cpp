// The script functions that talk to the user, and the registration of all
// five as global functions bound to one ScriptFunctions object. gettile,
// settile and rand use the library's generic calling convention: measured
// against the native one (bench_script), a generated world's millions of
// calls run faster through it.
#include "script/script_functions.h"

#include <angelscript.h>

#include <cstdlib>
#include <string>

#include "script/script_user.h"

using namespace AngelScript;

void ScriptFunctions::message(const ScriptString& text) {
  size_t bar = text.text.find('|');
  if (bar == std::string::npos) {
    user_->showText(text.text.c_str(), "~OK");
    return;
  }
  std::string buttons = text.text.substr(bar + 1) + "|~OK";
  user_->showText(text.text.substr(0, bar).c_str(), buttons.c_str());
}

void ScriptFunctions::getpos(int& x, int& y) {
  x = 0;
  y = 0;
  CellPick pick = user_->pickCell(&x, &y);
  if (pick == CellPick::Picked) return;
  asIScriptContext* context = asGetActiveContext();
  if (context == nullptr) return;
  if (pick == CellPick::Stopped) {
    context->Abort();
  } else {
    context->SetException("getpos needs a map on the screen to click on", false);
  }
}

int ScriptFunctions::rand() { return ::rand() % 32768; }

namespace {

ScriptFunctions& functionsOf(asIScriptGeneric* gen) { return *static_cast<ScriptFunctions*>(gen->GetAuxiliary()); }
int intArg(asIScriptGeneric* gen, asUINT i) { return static_cast<int>(gen->GetArgDWord(i)); }

void gettileGeneric(asIScriptGeneric* gen) {
  gen->SetReturnDWord(static_cast<asDWORD>(functionsOf(gen).gettile(intArg(gen, 0), intArg(gen, 1))));
}
void settileGeneric(asIScriptGeneric* gen) { functionsOf(gen).settile(intArg(gen, 0), intArg(gen, 1), intArg(gen, 2)); }
void randGeneric(asIScriptGeneric* gen) { gen->SetReturnDWord(static_cast<asDWORD>(functionsOf(gen).rand())); }

}  // namespace

bool ScriptFunctions::registerWith(asIScriptEngine* engine) {
  int failures = 0;
  failures += engine->RegisterGlobalFunction("void message(const string &in text)",
                                             asMETHOD(ScriptFunctions, message), asCALL_THISCALL_ASGLOBAL,
                                             this) < 0;
  failures += engine->RegisterGlobalFunction("void getpos(int &out x, int &out y)",
                                             asMETHOD(ScriptFunctions, getpos), asCALL_THISCALL_ASGLOBAL,
                                             this) < 0;
  failures += engine->RegisterGlobalFunction("int rand()", asFUNCTION(randGeneric), asCALL_GENERIC, this) < 0;
  failures += engine->RegisterGlobalFunction("int gettile(int x, int y)", asFUNCTION(gettileGeneric),
                                             asCALL_GENERIC, this) < 0;
  failures += engine->RegisterGlobalFunction("void settile(int x, int y, int tile)", asFUNCTION(settileGeneric),
                                             asCALL_GENERIC, this) < 0;
  return failures == 0;
}
