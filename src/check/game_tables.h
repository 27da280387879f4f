// The game directory's tables as the editor loads them (objects, creatures)
// beside how many records each file really holds, and the two sprite files'
// sizes: together they say which ids and sprite numbers name something.
#pragma once
#include <string>
#include <vector>

#include "check_findings.h"
#include "data/creature_list.h"
#include "data/object_list.h"
#include "game_directory.h"

struct SpriteFiles {
  long mainBytes = -1;    // size of "ZAN.SPR", -1 when missing
  long secondBytes = -1;  // size of "ZAN2.SPR", -1 when missing

  // True when slot (0..255, as a record's sprite number selects it) shows
  // nothing: the blank slots 0 and 249, and sprites the files do not hold.
  bool isBlank(int slot) const;
};

// A table as the editor loads it, holding only the records its file holds (a
// record cut by the file's end is zero after it): the records past them are
// zero in the editor, and no id names them. Not loaded when the editor would
// hold no such table.
template <typename Record>
struct HeldRecords {
  bool loaded = false;
  std::vector<Record> records;

  // Record i, or nullptr when the table is not loaded or its file does not hold i.
  const Record* at(int i) const {
    return loaded && i >= 0 && static_cast<size_t>(i) < records.size() ? &records[static_cast<size_t>(i)] : nullptr;
  }
};

struct GameTables {
  HeldRecords<MapObject> constantObjects;  // "CONSTANT.OBJ"
  HeldRecords<MapObject> playerObjects;    // "playername.OBJ", loaded only beside "CONSTANT.OBJ"
  HeldRecords<Creature> creatures;         // the ".CRS", loaded only beside "CONSTANT.CRE"
  std::string creatureFile;  // "<directory name>.CRS"
  int constantRecords = -1;  // records held by "CONSTANT.OBJ"; kFileMissing or kFileUnreadable when none
  int playerRecords = -1;    // by "playername.OBJ"
  int creatureRecords = -1;  // by the ".CRS" file
  long constantCreaturesBytes = kFileMissing;  // size of "CONSTANT.CRE", or why it has none
  SpriteFiles sprites;
};

// Reads the tables' files, each with one open, as the data layer's loaders
// take them, and measures the sprite files.
void loadGameTables(const GameDirectory& dir, GameTables& tables);

// "CONSTANT.OBJ", "CONSTANT.CRE" and the ".CRS" file missing; the sprite
// files missing or holding fewer than 248 sprites.
void checkTableFiles(const GameTables& tables, Findings& findings);

// Named records of the object tables and the ".CRS" whose sprite number
// selects a blank slot.
void checkBlankSprites(const GameTables& tables, Findings& findings);

enum class RecordLookup {
  Found,         // the id names a record that holds something
  NotFound,      // it names nothing: outside every range, past the file's end, or an empty slot
  TableMissing,  // its table was not loaded; checkTableFiles reports that once
};

// What a placement id names, as the editor looks it up. why receives the
// reason when it is NotFound.
RecordLookup lookupPlacementRecord(const GameTables& tables, int id, std::string* why);
