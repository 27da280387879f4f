// Loading and checking the object, creature and sprite files of a directory.
#include "game_tables.h"

#include <cstdio>
#include <cstring>

#include "data/creature.h"
#include "data/map_object.h"
#include "data/sprite_set.h"

namespace {

constexpr int kFirstCreatureId = 1000;
constexpr int kFirstPlayerObjectId = 50000;
constexpr long kSpriteFileBytes = static_cast<long>(kSpritesPerFile) * kSpriteBytes;

// Records a file of this size holds, a record cut by its end included, at most limit.
int recordsIn(long bytes, int recordSize, int limit) {
  if (bytes < 0) return static_cast<int>(bytes);
  const long records = (bytes + recordSize - 1) / recordSize;
  return records > limit ? limit : static_cast<int>(records);
}

// A sprite n (0-based) of a file of this size is held when its first byte is.
bool fileHoldsSprite(long fileBytes, int n) { return fileBytes > static_cast<long>(n) * kSpriteBytes; }

// "*unmatchablestring*" is the game's mark of an object slot that holds no object.
bool isEmpty(const MapObject& o) {
  const ObjectName name = o.name();
  return strcmp(name.text, "*unmatchablestring*") == 0 || (name.text[0] == 0 && o.sprite() == 0);
}
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

}  // namespace

bool SpriteFiles::isBlank(int slot) const {
  if (slot <= 0 || slot == kSecondSetFirstSlot || slot >= kSpriteSlotCount) return true;
  if (slot < kSecondSetFirstSlot) return !fileHoldsSprite(mainBytes, slot - 1);
  return !fileHoldsSprite(secondBytes, slot - kSecondSetFirstSlot - 1);
}

void loadGameTables(const GameDirectory& dir, GameTables& tables) {
  tables.objects.load(dir.editorPath().c_str());
  tables.creatures.load(dir.editorPath().c_str());
  tables.creatureFile = std::string(directoryLastName(dir.editorPath().c_str())) + ".CRS";
  tables.constantRecords = recordsIn(dir.sizeOf("CONSTANT.OBJ"), kMapObjectSize, kConstantObjectCount);
  tables.playerRecords = recordsIn(dir.sizeOf("playername.OBJ"), kMapObjectSize, kPlayerObjectCount);
  tables.creatureRecords = recordsIn(dir.sizeOf(tables.creatureFile), kCreatureSize, kDirectoryCreatureCount);
  tables.constantCreaturesBytes = dir.sizeOf("CONSTANT.CRE");
  tables.sprites.mainBytes = dir.sizeOf("ZAN.SPR");
  tables.sprites.secondBytes = dir.sizeOf("ZAN2.SPR");
}

void checkTableFiles(const GameTables& tables, Findings& findings) {
  if (tables.constantRecords < 0) {
    findings.error("CONSTANT.OBJ", FindingKind::TableFile, "%s: no constant object can be placed or shown",
                   absenceOf(tables.constantRecords));
  }
  if (tables.constantCreaturesBytes < 0) {
    findings.error("CONSTANT.CRE", FindingKind::TableFile,
                   "%s: without it the editor reads no creature table at all",
                   absenceOf(tables.constantCreaturesBytes));
  }
  if (tables.creatureRecords < 0) {
    findings.error(tables.creatureFile, FindingKind::TableFile,
                   "%s: the creature table named after the directory; creature placements show nothing",
                   absenceOf(tables.creatureRecords));
  }
  checkSpriteFile("ZAN.SPR", tables.sprites.mainBytes, findings);
  checkSpriteFile("ZAN2.SPR", tables.sprites.secondBytes, findings);
}

void checkBlankSprites(const GameTables& tables, Findings& findings) {
  for (int i = 0; i < tables.constantRecords; i++) {
    const MapObject* o = tables.objects.constantObject(i);
    if (o && !isEmpty(*o) && tables.sprites.isBlank(o->sprite()))
      warnBlankSprite("CONSTANT.OBJ", i, "object", o->name().text, o->sprite(), findings);
  }
  for (int i = 0; i < tables.playerRecords; i++) {
    const MapObject* o = tables.objects.playerObject(i);
    if (o && !isEmpty(*o) && tables.sprites.isBlank(o->sprite()))
      warnBlankSprite("playername.OBJ", i, "player object", o->name().text, o->sprite(), findings);
  }
  for (int i = 0; i < tables.creatureRecords; i++) {
    const Creature* c = tables.creatures.creature(i);
    if (c && !isEmpty(*c) && tables.sprites.isBlank(c->sprite))
      warnBlankSprite(tables.creatureFile.c_str(), i, "creature", c->nameText().text, c->sprite, findings);
  }
}

RecordLookup lookupPlacementRecord(const GameTables& tables, int id, std::string* why) {
  const char* file = nullptr;  // the table the id's range refers to
  int index = id, held = 0;
  bool loaded = false, found = false;
  if (id >= 0 && id < kConstantObjectCount) {
    file = "CONSTANT.OBJ";
    const MapObject* o = tables.objects.constantObject(index);
    loaded = tables.objects.constantObject(0) != nullptr;
    held = tables.constantRecords;
    found = o && index < held && !isEmpty(*o);
  } else if (id >= kFirstCreatureId && id < kFirstPlayerObjectId) {
    file = tables.creatureFile.c_str();
    index = id - kFirstCreatureId;
    const Creature* c = tables.creatures.creature(index);
    loaded = tables.creatures.creature(0) != nullptr;
    held = tables.creatureRecords;
    found = c && index < held && !isEmpty(*c);
  } else if (id >= kFirstPlayerObjectId) {
    file = "playername.OBJ";
    index = id - kFirstPlayerObjectId;
    const MapObject* o = tables.objects.playerObject(index);
    loaded = tables.objects.playerObject(0) != nullptr;
    held = tables.playerRecords;
    found = o && index < held && !isEmpty(*o);
  }
  if (found) return RecordLookup::Found;
  // A table that did not load because a reported file is missing: reported
  // once there. Only a missing "playername.OBJ" goes unreported on its own.
  if (file && !loaded && (held >= 0 || id < kFirstPlayerObjectId)) return RecordLookup::TableMissing;
  char text[160];
  if (!file) {
    snprintf(text, sizeof text, "ids 0..399, 1000..49999 and from 50000 name records; %d is none of them", id);
  } else if (!loaded) {
    snprintf(text, sizeof text, "%s is missing", file);
  } else if (index >= held) {
    snprintf(text, sizeof text, "%s holds %d records", file, held);
  } else {
    snprintf(text, sizeof text, "record %d of %s is empty", index, file);
  }
  if (why) *why = text;
  return RecordLookup::NotFound;
}
