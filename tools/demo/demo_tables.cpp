// The demo's object, creature and placement files, little-endian, field by field.
#include "demo_tables.h"

#include <cstdio>
#include <cstring>

#include "demo_catalogue.h"

namespace {

constexpr int kObjectRecord = 79, kObjectRecords = 400, kCreatureRecord = 431, kPlacementRecords = 200;

bool writeBytes(const std::string& hostPath, const std::vector<unsigned char>& bytes) {
  FILE* file = fopen(hostPath.c_str(), "wb");
  if (file == nullptr) return false;
  const bool written = fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  return fclose(file) == 0 && written;
}

void objectRecord(std::vector<unsigned char>& out, const char* name, int sprite, int value) {
  unsigned char record[kObjectRecord] = {};
  record[0] = static_cast<unsigned char>(value & 0xFF);  // a price, for the game's own use
  record[1] = static_cast<unsigned char>(value >> 8);
  strncpy(reinterpret_cast<char*>(record + 2), name, 30);
  record[53] = static_cast<unsigned char>(sprite);
  out.insert(out.end(), record, record + kObjectRecord);
}

void creatureRecord(std::vector<unsigned char>& out, const BeingEntry& being) {
  unsigned char record[kCreatureRecord] = {};
  record[3] = static_cast<unsigned char>(being.sprite);
  strncpy(reinterpret_cast<char*>(record + 4), being.name, 40);
  const int hitPoints = 10 + 20 * being.size;  // first integer of the block at 295
  record[295] = static_cast<unsigned char>(hitPoints);
  out.insert(out.end(), record, record + kCreatureRecord);
}

}  // namespace

bool writeObjectTables(const std::string& hostDirectory) {
  std::vector<unsigned char> constant;
  for (int i = 0; i < kObjectRecords; ++i) {
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
  std::vector<unsigned char> bytes(kPlacementRecords * 11, 0);
  for (size_t i = 0; i < placements.size() && i < size_t(kPlacementRecords); ++i) {
    const DemoPlacement& p = placements[i];
    unsigned char* record = &bytes[i * 11];
    record[0] = static_cast<unsigned char>(p.x + 1);
    record[1] = static_cast<unsigned char>(p.y + 1);
    record[2] = 1;  // creatures too, so that the editor never hands their record out as free
    record[3] = static_cast<unsigned char>(p.quantity);
    for (int b = 0; b < 4; ++b) record[7 + b] = static_cast<unsigned char>((p.id >> (8 * b)) & 0xFF);
  }
  return writeBytes(hostPath, bytes);
}
