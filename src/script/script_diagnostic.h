// The first error the compiler reported since it was last cleared, kept by
// the engine's message callback so a failed build can say where it failed.
#pragma once

namespace AngelScript {
struct asSMessageInfo;
}

struct ScriptDiagnostic {
  bool present;
  int row;        // 1-based line of the script
  int column;     // 1-based column
  char text[256];
};

// The one diagnostic the engine's message callback writes to.
ScriptDiagnostic& compilerDiagnostic();

// The engine's message callback: keeps the first message of the error type.
void recordScriptDiagnostic(const AngelScript::asSMessageInfo* message, void* diagnostic);
