// Loading and checking the object, creature and sprite files of a directory.
#include "game_tables.h"

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

template <typename Get>
TableLookup lookIn(const char* file, int held, int index, Get record) {
  const auto* r = record(index);
  return TableLookup{file, record(0) != nullptr, held, r && index < held && !isEmpty(*r)};
}

TableLookup lookUp(const GameTables& t, PlacementKind kind, int index) {
  switch (kind) {
    case PlacementKind::ConstantObject:
      return lookIn(kConstantObjectFile, t.constantRecords, index, [&](int i) { return t.objects.constantObject(i); });
    case PlacementKind::Creature:
      return lookIn(t.creatureFile.c_str(), t.creatureRecords, index, [&](int i) { return t.creatures.creature(i); });
    case PlacementKind::PlayerObject:
      return lookIn(kPlayerObjectFile, t.playerRecords, index, [&](int i) { return t.objects.playerObject(i); });
    case PlacementKind::None:
      break;
  }
  return TableLookup{};
}

}  // namespace

bool SpriteFiles::isBlank(int slot) const {
  if (slot <= 0 || slot == kSecondSetFirstSlot || slot >= kSpriteSlotCount) return true;
  if (slot < kSecondSetFirstSlot) return !fileHoldsSprite(mainBytes, slot - 1);
  return !fileHoldsSprite(secondBytes, slot - kSecondSetFirstSlot - 1);
}

void loadGameTables(const GameDirectory& dir, GameTables& tables) {
  tables.objects.load(dir.editorPath().c_str());
  tables.creatures.load(dir.editorPath().c_str());
  char creatureFile[kPathBufferSize];
  tables.creatureFile = directoryCreatureFileName(dir.editorPath().c_str(), creatureFile, sizeof creatureFile)
                            ? creatureFile
                            : "";
  tables.constantRecords = recordsIn(dir.sizeOf(kConstantObjectFile), kMapObjectSize, kConstantObjectCount);
  tables.playerRecords = recordsIn(dir.sizeOf(kPlayerObjectFile), kMapObjectSize, kPlayerObjectCount);
  tables.creatureRecords = recordsIn(dir.sizeOf(tables.creatureFile), kCreatureSize, kDirectoryCreatureCount);
  tables.constantCreaturesBytes = dir.sizeOf(kConstantCreatureFile);
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
    const MapObject* o = tables.objects.constantObject(i);
    if (o && !isEmpty(*o) && tables.sprites.isBlank(o->sprite()))
      warnBlankSprite(kConstantObjectFile, i, "object", o->name().text, o->sprite(), findings);
  }
  for (int i = 0; i < tables.playerRecords; i++) {
    const MapObject* o = tables.objects.playerObject(i);
    if (o && !isEmpty(*o) && tables.sprites.isBlank(o->sprite()))
      warnBlankSprite(kPlayerObjectFile, i, "player object", o->name().text, o->sprite(), findings);
  }
  for (int i = 0; i < tables.creatureRecords; i++) {
    const Creature* c = tables.creatures.creature(i);
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
