// Loading the object tables: each file is read with one bulk read straight into
// its zeroed table, since a MapObject is exactly the 79 bytes of its record.
#include "data/object_list.h"

#include <new>

#include "data/record_file.h"
#include "data/text_copy.h"

namespace {

// A table of count records from the start of the file "<directory>\<fileName>",
// its missing records zero. Nothing is kept when the file cannot be read.
std::unique_ptr<MapObject[]> readObjectTable(const char* directory, const char* fileName, int count) {
  std::unique_ptr<MapObject[]> table(new (std::nothrow) MapObject[count]);
  if (table && !readRecordsIn(directory, fileName, table.get(), sizeof(MapObject), count)) table.reset();
  return table;
}

}  // namespace

void ObjectList::clear() {
  constantObjects_.reset();
  playerObjects_.reset();
}

bool ObjectList::load(const char* dir) {
  clear();
  if (!copyText(directory, sizeof directory, dir)) return false;
  constantObjects_ = readObjectTable(directory, kConstantObjectFile, kConstantObjectCount);
  if (!constantObjects_) return false;
  playerObjects_ = readObjectTable(directory, kPlayerObjectFile, kPlayerObjectCount);
  return playerObjects_ != nullptr;
}

const MapObject* ObjectList::constantObject(int i) const {
  if (!constantObjects_ || i < 0 || i >= kConstantObjectCount) return nullptr;
  return &constantObjects_[i];
}

const MapObject* ObjectList::playerObject(int i) const {
  if (!playerObjects_ || i < 0 || i >= kPlayerObjectCount) return nullptr;
  return &playerObjects_[i];
}
