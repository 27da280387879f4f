// Parsing dola-script's command line: a command word, two operands, options
// anywhere after the command.
#include "script_cli_args.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <vector>

const char kScriptCliUsage[] =
    "usage: dola-script world [--teleports-from MAP] [--seed N] [--backup DIR] [--rules FILE] SCRIPT.as DIR\n"
    "       dola-script each [--seed N] [--backup DIR] [--rules FILE] SCRIPT.as DIR\n"
    "       dola-script map [--seed N] [--backup DIR] [--rules FILE] SCRIPT.as MAP\n"
    "       dola-script terrain [--backup DIR] [--rules FILE] DIR\n"
    "\n"
    "Runs a DOLA script without a screen, with the same script functions as\n"
    "the editor's Script menu.\n"
    "\n"
    "  world  runs SCRIPT.as on an empty 960 x 480 world grid, as Generate World\n"
    "         Map does, and writes ZANAA.MAP .. ZANTT.MAP into DIR as wilderness\n"
    "         maps (with the teleports of --teleports-from MAP; none by default)\n"
    "  each   runs SCRIPT.as on each world map of DIR in turn, in the grid's\n"
    "         top-left block, as Run on Each World Map does, and writes the\n"
    "         maps and .DAT files it changed, all of them or none\n"
    "  map    runs SCRIPT.as on MAP (tiles, kind, teleports, placements) in the\n"
    "         grid's top-left block, as Generate Local Map does, and saves MAP\n"
    "         and its .DAT\n"
    "  terrain  applies the terrain rules to all world maps of DIR, as Edit >\n"
    "         Apply Terrain Rules > All World Maps does, and writes the changed ones\n"
    "\n"
    "  --teleports-from MAP  give every world map the teleports of MAP\n"
    "  --seed N              seed rand() with N instead of the time\n"
    "  --backup DIR          before replacing files, keep their old bytes in a\n"
    "                        folder of DIR (the newest 50 runs are kept); without\n"
    "                        it no backup is made\n"
    "  --rules FILE          the terrain rules that terrain() and the terrain\n"
    "                        command apply; by default terrain.rules in DIR, or\n"
    "                        in the directory of MAP\n"
    "  --help                show this text\n"
    "  --version             show the program's version\n"
    "\n"
    "message(text) and print(text) write text on standard output; getpos() has no screen to\n"
    "wait on and stops the script. Nothing is written when the script does not\n"
    "build, stops on an exception or is interrupted (Ctrl+C).\n"
    "Exit status: 0 done, 1 the script failed or a file could not be read or\n"
    "written, 2 a wrong command line, 130 interrupted.\n";

namespace {

bool parseSeed(const char* text, unsigned* seed) {
  errno = 0;
  char* end = nullptr;
  const unsigned long value = strtoul(text, &end, 10);
  if (errno != 0 || end == text || *end != 0 || text[0] == '-' || value > 0xFFFFFFFFul) return false;
  *seed = static_cast<unsigned>(value);
  return true;
}

}  // namespace

bool parseScriptCliArgs(int argc, char** argv, ScriptCliArgs* args, std::string* error) {
  *args = ScriptCliArgs();
  std::vector<std::string> operands;
  for (int i = 1; i < argc; i++) {
    const char* arg = argv[i];
    const bool hasValue = i + 1 < argc;
    if (strcmp(arg, "--help") == 0 || strcmp(arg, "-h") == 0) {
      args->command = ScriptCommand::Help;
      return true;
    } else if ((strcmp(arg, "--teleports-from") == 0 || strcmp(arg, "--seed") == 0) && !hasValue) {
      *error = strcmp(arg, "--seed") == 0 ? "--seed needs a number" : "--teleports-from needs a MAP file";
      return false;
    } else if (strcmp(arg, "--teleports-from") == 0) {
      args->teleportsFrom = argv[++i];
    } else if (strcmp(arg, "--backup") == 0 && hasValue) {
      args->backupDir = argv[++i];
    } else if (strcmp(arg, "--rules") == 0 && hasValue) {
      args->rules = argv[++i];
    } else if (strcmp(arg, "--seed") == 0) {
      if (!parseSeed(argv[++i], &args->seed)) {
        *error = std::string("--seed needs a number from 0 to 4294967295, not ") + argv[i];
        return false;
      }
      args->seeded = true;
    } else if (arg[0] == '-' && arg[1] != 0) {
      *error = std::string("unknown option ") + arg;
      return false;
    } else {
      operands.push_back(arg);
    }
  }
  if (operands.empty()) {
    *error = "no command: world, each, map or terrain";
    return false;
  }
  if (operands[0] == "world") {
    args->command = ScriptCommand::World;
  } else if (operands[0] == "each") {
    args->command = ScriptCommand::Each;
  } else if (operands[0] == "map") {
    args->command = ScriptCommand::Map;
  } else if (operands[0] == "terrain") {
    args->command = ScriptCommand::Terrain;
    if (operands.size() != 2 || !args->teleportsFrom.empty() || args->seeded) {
      *error = operands.size() != 2 ? "terrain needs DIR" : "terrain takes only --backup and --rules";
      return false;
    }
    args->target = operands[1];
    return true;
  } else {
    *error = "unknown command " + operands[0] + ": world, each, map or terrain";
    return false;
  }
  if (operands.size() != 3) {
    *error = operands[0] == "map" ? "map needs SCRIPT.as and MAP" : operands[0] + " needs SCRIPT.as and DIR";
    return false;
  }
  if (args->command != ScriptCommand::World && !args->teleportsFrom.empty()) {
    *error = "--teleports-from belongs to world";
    return false;
  }
  args->script = operands[1];
  args->target = operands[2];
  return true;
}
