// Loading and checking the object, creature and sprite files of a directory.
#include "game_tables.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "data/creature.h"
#include "data/map_names.h"
#include "data/map_object.h"
#include "data/placement.h"
#include "data/sprite_format.h"

namespace {

// Records a file of this size holds, a record cut by its end included, at most limit.
int recordsIn(long bytes, int recordSize, int limit) {
  if (bytes < 0) return static_cast<int>(bytes);
  const long records = (bytes + recordSize - 1) / recordSize;
  return records > limit ? limit : static_cast<int>(records);
}

// A sprite n (0-based) of a file of this size is held when its first byte is.
bool fileHoldsSprite(long fileBytes, int n) { return fileBytes > static_cast<long>(n) * kSpriteBytes; }

bool isEmpty(const MapObject& o) { return !o.holdsObject(); }
bool isEmpty(const Creature& c) { return c.nameText().text[0] == 0 && c.sprite == 0; }

void checkSpriteFile(const char* name, long bytes, Findings& findings) {
  if (bytes < 0) {
    findings.error(name, FindingKind::SpriteFile, "%s: the editor draws without these sprites", absenceOf(bytes));
  } else if (bytes < kSpriteFileBytes) {
    findings.error(name, FindingKind::SpriteFile, "short: %ld bytes hold %ld whole sprites of %d (%ld bytes)", bytes,
                   bytes / kSpriteBytes, kSpritesPerFile, kSpriteFileBytes);
  }
}

void warnBlankSprite(const char* file, int record, const char* what, const char* name, int sprite,
                     Findings& findings) {
  findings.warning(file, FindingKind::BlankSprite, "%s %d \"%s\" has sprite number %d, which selects a blank slot",
                   what, record, name, sprite)
      .record = record;
}

// What the table an id points into says of its record.
struct TableLookup {
  const char* file = nullptr;  // the table's file; nullptr for an id of no table
  bool loaded = false;
  int held = 0;                // records the file holds
  bool found = false;          // the record is held and not empty
};

template <typename Record>
TableLookup lookIn(const char* file, int held, int index, const HeldRecords<Record>& table) {
  const Record* r = table.at(index);
  return TableLookup{file, table.loaded, held, r && index < held && !isEmpty(*r)};
}

TableLookup lookUp(const GameTables& t, PlacementKind kind, int index) {
  switch (kind) {
    case PlacementKind::ConstantObject: return lookIn(kConstantObjectFile, t.constantRecords, index, t.constantObjects);
    case PlacementKind::Creature: return lookIn(t.creatureFile.c_str(), t.creatureRecords, index, t.creatures);
    case PlacementKind::PlayerObject: return lookIn(kPlayerObjectFile, t.playerRecords, index, t.playerObjects);
    case PlacementKind::None:
      break;
  }
  return TableLookup{};
}

void decodeRecord(const unsigned char* bytes, MapObject& o) { memcpy(o.bytes, bytes, kMapObjectSize); }

void decodeRecord(const unsigned char* bytes, Creature& c) {
  memset(&c, 0, sizeof c);
  decodeCreature(bytes, c);
}

// Reads a table file with one open: the records it holds (count at most, a
// record cut by the end zero after it) go into table, which is loaded when
// the file was read and the editor could name it ("<dir>\<file>" fits its
// path buffer). Returns the file's size, or why it has none.
template <typename Record>
long readTable(const GameDirectory& dir, const std::string& file, int recordSize, int count,
               HeldRecords<Record>& table) {
  std::string bytes;
  long size = kFileMissing;
  table = HeldRecords<Record>();
  if (!dir.read(file, bytes, &size)) return size;
  table.loaded = dir.pathOf(file).size() < kPathBufferSize;
  const int held = recordsIn(size, recordSize, count);
  table.records.resize(static_cast<size_t>(held));
  unsigned char record[kCreatureSize > kMapObjectSize ? kCreatureSize : kMapObjectSize];
  for (int i = 0; i < held; i++) {
    const size_t at = static_cast<size_t>(i) * static_cast<size_t>(recordSize);
    const size_t n = std::min(static_cast<size_t>(recordSize), bytes.size() - at);
    memset(record, 0, sizeof record);
    memcpy(record, bytes.data() + at, n);
    decodeRecord(record, table.records[static_cast<size_t>(i)]);
  }
  return size;
}

}  // namespace

bool SpriteFiles::isBlank(int slot) const {
  if (slot <= 0 || slot == kSecondSetFirstSlot || slot >= kSpriteSlotCount) return true;
  if (slot < kSecondSetFirstSlot) return !fileHoldsSprite(mainBytes, slot - 1);
  return !fileHoldsSprite(secondBytes, slot - kSecondSetFirstSlot - 1);
}

void loadGameTables(const GameDirectory& dir, GameTables& tables) {
  char creatureFile[kPathBufferSize];
  const bool named = directoryCreatureFileName(dir.editorPath().c_str(), creatureFile, sizeof creatureFile);
  tables.creatureFile = named ? creatureFile : "";
  tables.constantRecords = recordsIn(readTable(dir, kConstantObjectFile, kMapObjectSize, kConstantObjectCount,
                                               tables.constantObjects),
                                     kMapObjectSize, kConstantObjectCount);
  tables.playerRecords = recordsIn(readTable(dir, kPlayerObjectFile, kMapObjectSize, kPlayerObjectCount,
                                             tables.playerObjects),
                                   kMapObjectSize, kPlayerObjectCount);
  HeldRecords<Creature> constantCreatures;
  tables.constantCreaturesBytes = readTable(dir, kConstantCreatureFile, kCreatureSize, 0, constantCreatures);
  tables.creatureRecords = recordsIn(readTable(dir, tables.creatureFile, kCreatureSize, kDirectoryCreatureCount,
                                               tables.creatures),
                                     kCreatureSize, kDirectoryCreatureCount);
  // As the loaders keep them: player objects only beside the constant ones,
  // the directory's creatures only beside "CONSTANT.CRE".
  tables.playerObjects.loaded = tables.playerObjects.loaded && tables.constantObjects.loaded;
  tables.creatures.loaded = tables.creatures.loaded && named && constantCreatures.loaded;
  tables.sprites.mainBytes = dir.sizeOf(kMainSpriteFile);
  tables.sprites.secondBytes = dir.sizeOf(kSecondSpriteFile);
}

void checkTableFiles(const GameTables& tables, Findings& findings) {
  if (tables.constantRecords < 0) {
    findings.error(kConstantObjectFile, FindingKind::TableFile, "%s: no constant object can be placed or shown",
                   absenceOf(tables.constantRecords));
  }
  if (tables.constantCreaturesBytes < 0) {
    findings.error(kConstantCreatureFile, FindingKind::TableFile,
                   "%s: without it the editor reads no creature table at all",
                   absenceOf(tables.constantCreaturesBytes));
  }
  if (tables.creatureRecords < 0) {
    findings.error(tables.creatureFile, FindingKind::TableFile,
                   "%s: the creature table named after the directory; creature placements show nothing",
                   absenceOf(tables.creatureRecords));
  }
  checkSpriteFile(kMainSpriteFile, tables.sprites.mainBytes, findings);
  checkSpriteFile(kSecondSpriteFile, tables.sprites.secondBytes, findings);
}

void checkBlankSprites(const GameTables& tables, Findings& findings) {
  for (int i = 0; i < tables.constantRecords; i++) {
    const MapObject* o = tables.constantObjects.at(i);
    if (o && !isEmpty(*o) && tables.sprites.isBlank(o->sprite()))
      warnBlankSprite(kConstantObjectFile, i, "object", o->name().text, o->sprite(), findings);
  }
  for (int i = 0; i < tables.playerRecords; i++) {
    const MapObject* o = tables.playerObjects.at(i);
    if (o && !isEmpty(*o) && tables.sprites.isBlank(o->sprite()))
      warnBlankSprite(kPlayerObjectFile, i, "player object", o->name().text, o->sprite(), findings);
  }
  for (int i = 0; i < tables.creatureRecords; i++) {
    const Creature* c = tables.creatures.at(i);
    if (c && !isEmpty(*c) && tables.sprites.isBlank(c->sprite))
      warnBlankSprite(tables.creatureFile.c_str(), i, "creature", c->nameText().text, c->sprite, findings);
  }
}

RecordLookup lookupPlacementRecord(const GameTables& tables, int id, std::string* why) {
  const PlacementKind kind = placementKind(id);
  const int index = placementIndex(id);
  const TableLookup look = lookUp(tables, kind, index);
  if (look.found) return RecordLookup::Found;
  // A table that did not load because a reported file is missing: reported
  // once there. Only a missing kPlayerObjectFile goes unreported on its own.
  if (look.file && !look.loaded && (look.held >= 0 || kind != PlacementKind::PlayerObject))
    return RecordLookup::TableMissing;
  char text[160];
  if (!look.file) {
    snprintf(text, sizeof text, "ids 0..399, 1000..49999 and from 50000 name records; %d is none of them", id);
  } else if (!look.loaded) {
    snprintf(text, sizeof text, "%s is missing", look.file);
  } else if (index >= look.held) {
    snprintf(text, sizeof text, "%s holds %d records", look.file, look.held);
  } else {
    snprintf(text, sizeof text, "record %d of %s is empty", index, look.file);
  }
  if (why) *why = text;
  return RecordLookup::NotFound;
}
