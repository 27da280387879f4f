// Loading the creature tables: each file is read with one bulk read into a
// zeroed buffer of the table's full size, then every record is decoded field by
// field, so a record cut by the end of the file keeps its bytes and zero after.
#include "data/creature_list.h"

#include <cstdio>
#include <cstring>
#include <new>

#include "data/text_copy.h"
#include "platform/editor_path.h"
#include "platform/file_stream.h"

namespace {

// The table of count records from the start of the file at path; nullptr when
// the file cannot be read (or memory runs out).
std::unique_ptr<Creature[]> readCreatureTable(const char* path, int count) {
  FILE* file = openStream(path, "rb");
  if (!file) return nullptr;
  const size_t size = static_cast<size_t>(kCreatureSize) * count;
  std::unique_ptr<unsigned char[]> bytes(new (std::nothrow) unsigned char[size]());
  std::unique_ptr<Creature[]> table(new (std::nothrow) Creature[count]);
  if (bytes && table) fread(bytes.get(), 1, size, file);
  const bool readFailed = ferror(file) != 0;  // a file that fails midway is no short file
  fclose(file);
  if (!bytes || !table || readFailed) return nullptr;
  memset(table.get(), 0, sizeof(Creature) * count);
  for (int i = 0; i < count; i++) {
    decodeCreature(bytes.get() + static_cast<size_t>(kCreatureSize) * i, table[i]);
  }
  return table;
}

}  // namespace

const char* directoryLastName(const char* directory) {
  const char* slash = lastBackslash(directory, 1);
  return slash ? slash + 1 : "";
}

void CreatureList::clear() {
  constantCreatures_.reset();
  directoryCreatures_.reset();
}

bool CreatureList::load(const char* dir) {
  clear();
  if (!copyText(directory, sizeof directory, dir)) return false;

  char path[1024];
  int length = snprintf(path, sizeof path, "%s\\CONSTANT.CRE", directory);
  if (length < 0 || length >= static_cast<int>(sizeof path)) return false;
  constantCreatures_ = readCreatureTable(path, kConstantCreatureCount);
  if (!constantCreatures_) return false;

  length = snprintf(path, sizeof path, "%s\\%s.CRS", directory, directoryLastName(directory));
  if (length < 0 || length >= static_cast<int>(sizeof path)) return false;
  directoryCreatures_ = readCreatureTable(path, kDirectoryCreatureCount);
  return directoryCreatures_ != nullptr;
}

const Creature* CreatureList::creature(int i) const {
  if (!directoryCreatures_ || i < 0 || i >= kDirectoryCreatureCount) return nullptr;
  return &directoryCreatures_[i];
}
