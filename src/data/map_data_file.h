// The placement table of the open map: the first 2200 bytes (200 records of
// 11 bytes) of the map's ".DAT" file. Save rewrites those bytes only, through a
// safe replacement, and only into a file that already exists.
#pragma once
#include <memory>
#include <string>

#include "data/placement.h"

class BackupOperation;

constexpr int kPlacementCount = 200;
constexpr int kPlacementTableSize = kPlacementCount * kPlacementSize;

class MapDataFile {
 public:
  MapDataFile() = default;
  MapDataFile(const MapDataFile&) = delete;
  MapDataFile& operator=(const MapDataFile&) = delete;

  // Frees the table; placement() gives nullptr afterwards.
  void clear();

  // Makes a table of 200 free records and fills it from the start of the file
  // at path (any letter case); a short file fills only its first records. False
  // when the file cannot be read: the table then stays, all records free.
  bool load(const char* path);
  // The same from the bytes of the file at path, read before (the checker
  // reads each file once); save then writes to path.
  bool loadFromBytes(const char* path, const std::string& bytes);

  // Writes the 200 records over the first 2200 bytes of the file of the last
  // load; every later byte stays as it was. Only a file that the last load
  // read is written, so save never creates a file and never puts a table of
  // free records over placements it could not read. With a backup, the old
  // file is kept in it first. False when nothing was written, a write failed
  // or the backup could not be made; the file is then unchanged.
  bool save(BackupOperation* backup = nullptr);

  // Whether the records differ from their file is the open map's question
  // (OpenMap::placementsModified), asked of its content.

  Placement* placement(int i);  // nullptr unless 0 <= i < 200 and a table exists
  const Placement* placement(int i) const;

  // Smallest i of a record that shows nothing: inUse is 0 and its id names no
  // creature (a creature is shown whatever its inUse). -1 when there is none
  // or no table.
  int firstFreePlacement() const;

  char path[1024] = {0};  // the file of the last load; save writes there

 private:
  std::unique_ptr<Placement[]> placements_;  // 200 records, or absent
  bool fileRead_ = false;                    // the last load read the file at path

  void encodeTable(unsigned char* bytes) const;
  bool beginLoad(const char* newPath);
  void decodeTable(const unsigned char* bytes);
};
