// The editor's command line, read before anything of the editor starts; it
// reports on standard error as the tools do.
#include "app/command_line.h"

#include <cstdio>
#include <cstring>

#include "app/editor_program.h"
#include "data/local_map.h"
#include "platform/host_path.h"
#include "platform/standard_options.h"
#include "platform/user_folder.h"

const char kEditorUsage[] =
    "usage: dola [--user-folder] [MAP]\n"
    "Starts the DOLA map editor for the world data of ZAN in a window or on the\n"
    "full screen (dola.ini: mode). It reads dola.ini and palette.bmp from the\n"
    "working directory and keeps its backups and recovery copies beside them.\n"
    "\n"
    "  MAP            open this MAP file once the editor has started\n"
    "  --user-folder  work in the user's DOLA folder ($XDG_CONFIG_HOME/dola, by\n"
    "                 default ~/.config/dola), made with the palette on first\n"
    "                 use, instead of the working directory\n"
    "  --help         show this text\n"
    "  --version      show the program's version\n"
    "\n"
    "Exit status: 0 after File > Quit, 1 when the editor could not start or\n"
    "could not write its settings, 2 a wrong command line or a MAP that cannot\n"
    "be read.\n";

namespace {

constexpr int kExitCommandLine = 2;

// The map of the command line in the editor's form; false (said on standard
// error) when it is no readable file.
bool editorMapPath(const char* given, char* out, size_t size) {
  char absolute[4096];
  if (!absoluteHostPath(given, absolute, sizeof absolute)) {
    fprintf(stderr, "dola: %s: no such map file\n", given);
    return false;
  }
  if (!pathToEditor(absolute, out, size)) {
    fprintf(stderr, "dola: %s: the path is longer than a map path may be (%zu characters)\n", given, size - 1);
    return false;
  }
  if (!isFilePath(out)) {
    fprintf(stderr, "dola: %s: is no map file\n", given);
    return false;
  }
  FILE* probe = fopen(absolute, "rb");
  if (probe == nullptr) {
    fprintf(stderr, "dola: %s: the map cannot be read\n", given);
    return false;
  }
  fclose(probe);
  return true;
}

}  // namespace

bool readEditorArguments(int argc, char** argv, EditorArguments* arguments, char* error, size_t errorSize) {
  bool filesOnly = false;
  for (int i = 1; i < argc; ++i) {
    const char* arg = argv[i];
    if (!filesOnly && strcmp(arg, "--") == 0) {
      filesOnly = true;
    } else if (!filesOnly && strcmp(arg, "--user-folder") == 0) {
      arguments->userFolder = true;
    } else if (!filesOnly && arg[0] == '-' && arg[1] != '\0') {
      snprintf(error, errorSize, "unknown option %s", arg);
      return false;
    } else if (arguments->map != nullptr) {
      snprintf(error, errorSize, "one MAP at a time (%s and %s)", arguments->map, arg);
      return false;
    } else {
      arguments->map = arg;
    }
  }
  return true;
}

int runEditorCommandLine(int argc, char** argv) {
  if (answerStandardOption(argc, argv, "dola", kEditorUsage)) return 0;
  EditorArguments arguments;
  char error[512];
  if (!readEditorArguments(argc, argv, &arguments, error, sizeof error)) {
    fprintf(stderr, "dola: %s\nTry 'dola --help'.\n", error);
    return kExitCommandLine;
  }
  // The map is found before the working directory changes: a relative MAP
  // names a file from where dola was started.
  char mapPath[kMapPathSize];
  if (arguments.map != nullptr && !editorMapPath(arguments.map, mapPath, sizeof mapPath)) return kExitCommandLine;
  EditorStart start;
  start.mapPath = arguments.map != nullptr ? mapPath : nullptr;
  char folder[4096], palette[4096];
  if (arguments.userFolder) {
    if (!userFolderPath(folder, sizeof folder)) {
      fprintf(stderr, "dola: neither XDG_CONFIG_HOME nor HOME names a folder for the settings\n");
      return 1;
    }
    const bool hasPalette = shippedPalette(palette, sizeof palette);
    if (!enterUserFolder(folder, hasPalette ? palette : nullptr, &start.userFolderIsNew, error, sizeof error)) {
      fprintf(stderr, "dola: %s\n", error);
      return 1;
    }
    start.userFolder = folder;
  }
  return runEditor(EditorDisplay::Screen, start);
}
