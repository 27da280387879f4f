// Reading and updating the placement table of a ".DAT" file. The file is read
// with one bulk read and decoded from memory; a save writes the encoded table
// through FileReplacer in update mode, which keeps the old file until every byte
// of the new one is down and never creates a missing file.
#include "data/map_data_file.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "data/record_file.h"
#include "data/text_copy.h"
#include "platform/file_replacer.h"

void MapDataFile::clear() { placements_.reset(); }

// A table of free records under newPath, nothing read yet; false when the
// path does not fit or there is no memory for the table.
bool MapDataFile::beginLoad(const char* newPath) {
  clear();
  fileRead_ = false;
  placements_.reset(new (std::nothrow) Placement[kPlacementCount]());
  return copyText(path, sizeof path, newPath) && placements_;
}

void MapDataFile::decodeTable(const unsigned char* bytes) {
  for (int i = 0; i < kPlacementCount; i++) {
    decodePlacement(bytes + kPlacementSize * i, placements_[i]);
  }
  fileRead_ = true;
}

bool MapDataFile::load(const char* newPath) {
  if (!beginLoad(newPath)) return false;
  unsigned char bytes[kPlacementTableSize];
  if (!readRecords(path, bytes, kPlacementSize, kPlacementCount)) return false;
  decodeTable(bytes);
  return true;
}

bool MapDataFile::loadFromBytes(const char* newPath, const std::string& file) {
  if (!beginLoad(newPath)) return false;
  // As readRecords reads: a short file leaves the records it lacks zero.
  unsigned char bytes[kPlacementTableSize] = {};
  memcpy(bytes, file.data(), std::min(file.size(), sizeof bytes));
  decodeTable(bytes);
  return true;
}

void MapDataFile::encodeTable(unsigned char* bytes) const {
  for (int i = 0; i < kPlacementCount; i++) {
    encodePlacement(placements_[i], bytes + kPlacementSize * i);
  }
}

bool MapDataFile::save(BackupOperation* backup) {
  if (!placements_ || !fileRead_) return false;
  unsigned char bytes[kPlacementTableSize];
  encodeTable(bytes);
  FileReplacer replacer(backup);
  return replacer.replaceWhole(path, "r+b", bytes, sizeof bytes);
}

Placement* MapDataFile::placement(int i) {
  if (!placements_ || i < 0 || i >= kPlacementCount) return nullptr;
  return &placements_[i];
}

const Placement* MapDataFile::placement(int i) const {
  if (!placements_ || i < 0 || i >= kPlacementCount) return nullptr;
  return &placements_[i];
}

int MapDataFile::firstFreePlacement() const {
  if (!placements_) return -1;
  for (int i = 0; i < kPlacementCount; i++) {
    if (placementFree(placements_[i])) return i;
  }
  return -1;
}
