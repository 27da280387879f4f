// Generating a whole world with a script. The script runs on a cleared
// WorldBuffer; then each 48 x 24 block becomes one of the 400 world map files
// ZANAA.MAP .. ZANTT.MAP (column letter, then row letter) of a directory,
// written from a scratch Wilderness map that carries the given teleports, so
// that no open map is touched. The user is asked before existing world maps
// are replaced, sees the writes progress, and is told of every file that
// could not be written. Nothing is written after a run that did not count, nor
// when any map of the world holds a tile code no map file can carry.
// The world maps replaced are backed up first, as one operation.
#pragma once

#include <string>

#include "data/map_names.h"
#include "script/run_landing.h"
#include "script/script_host.h"

class LocalMap;
class ScriptUser;
struct BackupPlace;

struct WorldGenerationResult {
  bool chosen;            // a script was chosen
  bool backupFailed;      // the replaced maps could not be backed up: nothing was written
  ScriptRunEnd run;       // how its run ended (NotBuilt when none was chosen)
  int unwritableMaps;     // maps holding a tile code 10 or 13: then nothing was written
  bool replaceDeclined;   // the user kept the existing world maps
  bool stopped;           // the user stopped the writing before any map was replaced
  bool stoppedWhilePlacing;  // asked to stop while the maps were put in place: all were finished
  int files;              // files the run meant to write (its MAP and .DAT files)
  int written;            // files written: all of them or none
  bool failed;            // no map was written: failure says why
  bool interrupted;       // stopped between renames: the journal beside the maps holds the rest
  std::string failure;    // why, naming the file; "" when every map was written
  bool squareWritten[kWorldSquares][kWorldSquares];  // [column][row]
  RunChanges changes;     // what the written run changed
};

// Lands a world run that ended well: refuses a run with a map no file can
// carry, asks question first (none when "" or null), writes in one batch
// with one backup named operation, reports failures and, when the files are
// in place, what changed. True when the files were put in place.
bool landWorldRun(ScriptMaps& maps, bool allSquares, ScriptUser& user, const BackupPlace* backups,
                  const char* operation, const char* question, WorldGenerationResult& result);

// Runs a script of the user's choice on the engine's WorldBuffer and writes
// the world into directory (an editor path without the final "\"). Every map
// gets the teleports of teleportSource (none when it is null) and the
// Wilderness header. The maps it replaces are kept in one backup of backups
// first (none when null); when that fails, no map is written. Everything the
// user should know is told through the engine's ScriptUser.
WorldGenerationResult generateWorld(AngelScript::asIScriptEngine* engine, const char* directory,
                                    const LocalMap* teleportSource, const BackupPlace* backups = nullptr);

// The world map file of square (col, row) for a map at mapPath: its directory
// (the whole path when it has no "\"), "\", "ZAN", the two letters, ".MAP".
bool worldMapPathBeside(const char* mapPath, int col, int row, char* out, size_t outSize);

// True when the file at mapPath is one of the 400 world maps of its own
// directory (letter case aside), so that a world generation beside it
// replaces it.
bool isWorldMapOfItsDirectory(const char* mapPath);

// Script > Generate World Map on the open map: the world goes into the open
// map's directory with its teleports. The open map itself is left as it was,
// unless its own file was among those written: then it is read again from
// that file so that it matches the disk, and *reloaded is set.
WorldGenerationResult generateWorldBeside(AngelScript::asIScriptEngine* engine, LocalMap& openMap, bool* reloaded,
                                          const BackupPlace* backups = nullptr);
