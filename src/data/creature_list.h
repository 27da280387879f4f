// The creature tables of a game directory: "CONSTANT.CRE" (1000 records, held
// but not looked into) and the directory's own "<last name>.CRS" (3000 records,
// the creatures that placements refer to). Read on load, never written.
#pragma once
#include <cstddef>
#include <memory>

#include "data/creature.h"

constexpr int kConstantCreatureCount = 1000;
constexpr int kDirectoryCreatureCount = 3000;

class CreatureList {
 public:
  CreatureList() = default;
  CreatureList(const CreatureList&) = delete;
  CreatureList& operator=(const CreatureList&) = delete;

  // Frees both tables; creature() gives nullptr for every index afterwards.
  void clear();

  // Reads "CONSTANT.CRE" and "<directory>\<last name>.CRS", any letter case.
  // The last name is the text after the directory's last backslash, not
  // counting its first character ("C:\games\world1" gives "world1.CRS"; a
  // directory with no further backslash gives ".CRS"). Short files leave the
  // missing records zero. False when either file cannot be read; without
  // "CONSTANT.CRE" neither table is kept. Runs clear() first.
  bool load(const char* directory);

  // Record i of the ".CRS" table; nullptr unless 0 <= i < 3000 and loaded.
  const Creature* creature(int i) const;

  char directory[1024] = {0};  // the directory of the last load

 private:
  std::unique_ptr<Creature[]> constantCreatures_;   // 1000 records, or absent
  std::unique_ptr<Creature[]> directoryCreatures_;  // 3000 records, or absent
};

// The constant creatures' file name, as the loader reads it and the checker looks for it.
constexpr char kConstantCreatureFile[] = "CONSTANT.CRE";

// The directory's own creature file: "<last name>.CRS" (directoryLastName).
// False when it does not fit out.
bool directoryCreatureFileName(const char* directory, char* out, size_t outSize);

// The directory's last name as the ".CRS" file is named: the text after the
// last backslash that is not the first character, or "" when there is none.
const char* directoryLastName(const char* directory);
