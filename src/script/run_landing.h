// How a script run lands once it has ended well. A map run goes into the
// open map and its placement table (the caller makes that one undo step). A
// world run (Generate World Map, Run on Each World Map) writes every changed
// MAP and ".DAT" file in one batch through one FileReplacer, whose backup
// keeps what they replace; nothing is replaced when a backup fails or the
// user stops before the batch is put in place. Then it tells what changed.
#pragma once
#include <string>

#include "data/map_names.h"
#include "script/script_maps.h"

class BackupOperation;
class ScriptUser;

// Puts the run's result for the open map into map and data (data may be
// null): its kind first, then the tiles (row 23 only for a Wilderness map),
// its teleports and its placements.
void landMapRun(const ScriptMapRecord& result, LocalMap& map, MapDataFile* data);

// What a world run changed, counted over every map it touched.
struct RunChanges {
  int maps = 0;               // maps whose tiles, kind or teleports changed (new maps included)
  int teleportsAdded = 0;     // teleports now that were not there
  int teleportsChanged = 0;   // teleports on the same cell with another destination
  int teleportsRemoved = 0;   // teleports gone
  int placementMaps = 0;      // maps whose placements changed
  int placementsChanged = 0;  // placement records changed
};
RunChanges countChanges(ScriptMaps& maps);
// "3 maps changed; teleports: 2 added, 0 changed, 1 removed; placements: 5 records in 2 maps."
std::string describeChanges(const RunChanges& changes);

// The maps no row line could carry (a tile code 10 or 13) among those a run
// writes, each named with its first such cell; empty when none.
std::string unwritableMaps(ScriptMaps& maps, bool allSquares, ScriptUser& user, int* count);

struct RunWrite {
  bool backupFailed = false;         // nothing was replaced
  bool stopped = false;              // stopped before anything was replaced
  bool stoppedWhilePlacing = false;  // asked to stop while placing: all were finished
  int files = 0;                     // files the run meant to write (MAP and .DAT)
  int written = 0;                   // files put in place: all of them or none
  bool interrupted = false;          // stopped between renames: the journal holds the rest
  std::string failure;               // why none was written, naming the file; "" when all were
  bool squareWritten[kWorldMaps] = {};  // the world map of square n was written
};

// Writes the run's maps into one batch that places all of them or none:
// every world square when allSquares (Generate World Map makes all 400),
// otherwise only those changed, and every changed placement table; progress
// through the user's display.
void writeRun(ScriptMaps& maps, bool allSquares, ScriptUser& user, BackupOperation& backup, RunWrite& result);
