// The editor's command line: dola [--user-folder] [MAP], --help, --version.
// Without arguments the editor starts as it always has, in the working
// directory with nothing opened; each argument only adds to that.
#pragma once
#include <cstddef>

struct EditorArguments {
  bool userFolder = false;      // --user-folder: work in the user's DOLA folder (the desktop entry)
  const char* map = nullptr;    // MAP as given (a host path), opened after start-up
};

extern const char kEditorUsage[];

// Reads argv (--help and --version are answered before). False with the
// reason in error for an unknown option or a second MAP.
bool readEditorArguments(int argc, char** argv, EditorArguments* arguments, char* error, size_t errorSize);

// The program: answers --help and --version, reads the arguments, finds the
// map, enters the user's folder when asked, then runs the editor on the
// screen. Exit status: 0 after a normal end, 1 when the editor could not
// start or write its settings, 2 for a wrong command line or a MAP that is
// no readable file.
int runEditorCommandLine(int argc, char** argv);
