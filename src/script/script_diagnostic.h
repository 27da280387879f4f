// The first error the compiler reported during a build, kept by the engine's
// message callback so a failed build can say where it failed.
#pragma once

struct ScriptDiagnostic {
  bool present;
  int row;        // 1-based line of the script, 0 when the error has no place
  int column;     // 1-based column
  char text[256];
};
