// The object tables of a game directory: "CONSTANT.OBJ" (400 constant objects,
// the ones a map can place) and "playername.OBJ" (49900 player objects). Both
// are read whole on load and never written. A table is absent until its file
// has been read; lookups outside a table or into an absent one give nullptr.
#pragma once
#include <memory>

#include "data/map_object.h"

constexpr int kConstantObjectCount = 400;
constexpr int kPlayerObjectCount = 49900;
// The tables' file names, as the loader reads them and the checker looks for them.
constexpr char kConstantObjectFile[] = "CONSTANT.OBJ";
constexpr char kPlayerObjectFile[] = "playername.OBJ";

class ObjectList {
 public:
  ObjectList() = default;
  ObjectList(const ObjectList&) = delete;
  ObjectList& operator=(const ObjectList&) = delete;

  // Frees both tables; every lookup gives nullptr afterwards.
  void clear();

  // Reads "CONSTANT.OBJ" and "playername.OBJ" from directory (editor form, no
  // trailing backslash), any letter case. Short files leave the missing
  // records zero; bytes past the last record are ignored. False when
  // "CONSTANT.OBJ" cannot be read (no tables at all) or "playername.OBJ"
  // cannot be read (constant objects only). Runs clear() first, so a failed
  // load never leaves records of the previous directory.
  bool load(const char* directory);

  const MapObject* constantObject(int i) const;  // nullptr unless 0 <= i < 400 and loaded
  const MapObject* playerObject(int i) const;    // nullptr unless 0 <= i < 49900 and loaded

  char directory[1024] = {0};  // the directory of the last load

 private:
  std::unique_ptr<MapObject[]> constantObjects_;  // 400 records, or absent
  std::unique_ptr<MapObject[]> playerObjects_;    // 49900 records, or absent
};
