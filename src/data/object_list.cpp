// Loading the object tables: each file is read with one bulk read straight into
// its zeroed table, since a MapObject is exactly the 79 bytes of its record.
#include "data/object_list.h"

#include <cstdio>
#include <cstring>
#include <new>

#include "data/text_copy.h"
#include "platform/file_stream.h"

namespace {

// Allocates a zeroed table of count records and fills it from the start of the
// file "<directory>\<fileName>". Nothing is kept when the file cannot be read.
std::unique_ptr<MapObject[]> readObjectTable(const char* directory, const char* fileName,
                                             int count) {
  char path[1024];
  const int length = snprintf(path, sizeof path, "%s\\%s", directory, fileName);
  if (length < 0 || length >= static_cast<int>(sizeof path)) return nullptr;
  FILE* file = openStream(path, "rb");
  if (!file) return nullptr;
  std::unique_ptr<MapObject[]> table(new (std::nothrow) MapObject[count]);
  if (table) {
    memset(table.get(), 0, sizeof(MapObject) * count);
    fread(table.get(), 1, sizeof(MapObject) * count, file);
    if (ferror(file)) table.reset();  // a file that fails midway is no short file
  }
  fclose(file);
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
  constantObjects_ = readObjectTable(directory, "CONSTANT.OBJ", kConstantObjectCount);
  if (!constantObjects_) return false;
  playerObjects_ = readObjectTable(directory, "playername.OBJ", kPlayerObjectCount);
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
