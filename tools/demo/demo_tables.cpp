// The demo's object, creature and placement files, little-endian, field by field.
#include "demo_tables.h"

#include <cstdio>
#include <cstring>

#include "data/creature.h"
#include "data/map_data_file.h"
#include "data/object_list.h"
#include "demo_catalogue.h"

namespace {

bool writeBytes(const std::string& hostPath, const std::vector<unsigned char>& bytes) {
  FILE* file = fopen(hostPath.c_str(), "wb");
  if (file == nullptr) return false;
  const bool written = fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  return fclose(file) == 0 && written;
}

// A name in its fixed-width field: zero-padded, unterminated when it fills it.
void putName(void* field, size_t width, const char* name) {
  memcpy(field, name, strnlen(name, width));
}

void objectRecord(std::vector<unsigned char>& out, const char* name, int sprite, int value) {
  MapObject record = {};
  record.bytes[0] = static_cast<unsigned char>(value & 0xFF);  // a price, for the game's own use
  record.bytes[1] = static_cast<unsigned char>(value >> 8);
  putName(record.bytes + kObjectNameOffset, kObjectNameLength, name);
  record.bytes[kObjectSpriteOffset] = static_cast<unsigned char>(sprite);
  out.insert(out.end(), record.bytes, record.bytes + kMapObjectSize);
}

void creatureRecord(std::vector<unsigned char>& out, const BeingEntry& being) {
  Creature creature = {};
  creature.sprite = static_cast<unsigned char>(being.sprite);
  putName(creature.name, kCreatureNameLength, being.name);
  creature.integers295[0] = 10 + 20 * being.size;  // hit points, for the game's own use
  unsigned char record[kCreatureSize];
  encodeCreature(creature, record);
  out.insert(out.end(), record, record + kCreatureSize);
}

}  // namespace

bool writeObjectTables(const std::string& hostDirectory) {
  std::vector<unsigned char> constant;
  for (int i = 0; i < kConstantObjectCount; ++i) {
    if (i < kItemCount) objectRecord(constant, kItems[i].name, kItems[i].sprite, 5 + i * 3);
    else objectRecord(constant, "*unmatchablestring*", 0, 0);
  }
  std::vector<unsigned char> player;
  for (int i = 0; i < kPlayerItemCount; ++i) {
    const ItemEntry& item = kItems[kPlayerItems[i]];
    objectRecord(player, item.name, item.sprite, 1);
  }
  return writeBytes(hostDirectory + "/CONSTANT.OBJ", constant) &&
         writeBytes(hostDirectory + "/playername.OBJ", player);
}

bool writeCreatureTables(const std::string& hostDirectory, const std::string& crsName) {
  std::vector<unsigned char> table;
  for (int i = 0; i < kBeingCount; ++i) creatureRecord(table, kBeings[i]);
  return writeBytes(hostDirectory + "/CONSTANT.CRE", table) &&
         writeBytes(hostDirectory + "/" + crsName + ".CRS", table);
}

bool writePlacementFile(const std::string& hostPath, const std::vector<DemoPlacement>& placements) {
  std::vector<unsigned char> bytes(kPlacementTableSize, 0);
  for (size_t i = 0; i < placements.size() && i < size_t(kPlacementCount); ++i) {
    const DemoPlacement& demo = placements[i];
    Placement p = {};
    p.x = static_cast<unsigned char>(demo.x + 1);
    p.y = static_cast<unsigned char>(demo.y + 1);
    p.inUse = 1;  // creatures too, so that the editor never hands their record out as free
    p.quantity = static_cast<unsigned char>(demo.quantity);
    p.id = demo.id;
    encodePlacement(p, &bytes[i * kPlacementSize]);
  }
  return writeBytes(hostPath, bytes);
}
