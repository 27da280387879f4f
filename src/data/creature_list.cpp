// Loading the creature tables: each file is read with one bulk read into a
// zeroed buffer of the table's full size, then every record is decoded field by
// field, so a record cut by the end of the file keeps its bytes and zero after.
#include "data/creature_list.h"

#include <cstdio>
#include <cstring>
#include <new>

#include "data/record_file.h"
#include "data/text_copy.h"
#include "platform/editor_path.h"

namespace {

// The table of count records from the start of "<directory>\<fileName>";
// nullptr when the file cannot be read (or memory runs out).
std::unique_ptr<Creature[]> readCreatureTable(const char* directory, const char* fileName, int count) {
  const size_t size = static_cast<size_t>(kCreatureSize) * count;
  std::unique_ptr<unsigned char[]> bytes(new (std::nothrow) unsigned char[size]);
  std::unique_ptr<Creature[]> table(new (std::nothrow) Creature[count]);
  if (!bytes || !table || !readRecordsIn(directory, fileName, bytes.get(), kCreatureSize, count)) return nullptr;
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

  constantCreatures_ = readCreatureTable(directory, kConstantCreatureFile, kConstantCreatureCount);
  if (!constantCreatures_) return false;

  char fileName[1024];
  if (!directoryCreatureFileName(directory, fileName, sizeof fileName)) return false;
  directoryCreatures_ = readCreatureTable(directory, fileName, kDirectoryCreatureCount);
  return directoryCreatures_ != nullptr;
}

bool directoryCreatureFileName(const char* directory, char* out, size_t outSize) {
  const int length = snprintf(out, outSize, "%s.CRS", directoryLastName(directory));
  return length >= 0 && static_cast<size_t>(length) < outSize;
}

const Creature* CreatureList::creature(int i) const {
  if (!directoryCreatures_ || i < 0 || i >= kDirectoryCreatureCount) return nullptr;
  return &directoryCreatures_[i];
}
