// One local map in memory: 48 x 24 tile bytes, its kind and its teleports,
// read from and written to the game's MAP text format. The map owns its
// teleport nodes. Loads always leave a defined state; saves never leave a
// half-written file behind (the old file stays until the new one is complete).
#pragma once
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "data/map_kind.h"
#include "data/teleport.h"

class BackupOperation;
class FileReplacer;
class LineReader;
class TeleportList;

constexpr int kMapColumns = 48;
constexpr int kMapRows = 24;
constexpr int kMapPathSize = 256;  // a map path holds at most 255 characters

// What the last load read in the file that a save would not give back as it
// was, so that the user can be told before anything is lost.
struct MapLoadNotes {
  struct Note {
    int count;
    std::string first;  // the first of them, in words ("the teleport piece ...")
  };
  Note kindWordNames;    // teleport names holding WILDERNESS, LOCAL or INTERIOR
  Note longNames;        // teleports dropped: a name over 255 characters
  Note malformedPieces;  // teleport pieces dropped (no "," or ":") or with numbers that are no numbers
  Note clampedNumbers;   // teleport numbers beyond the int range, held at its ends
  Note linesAfterRows;   // lines after the last row line

  // What a save drops or rewrites (a kind word in a name is written back as it was).
  int dropped() const {
    return longNames.count + malformedPieces.count + clampedNumbers.count + linesAfterRows.count;
  }
  bool any() const { return kindWordNames.count + dropped() > 0; }
  // The first of what a save drops or rewrites, in words; "" when none.
  const std::string& firstDropped() const;
};

// A row line ends at its line feed, and a carriage return before it is read as
// part of a CR LF line end, so codes 10 and 13 can never stand in a row line.
inline bool isStorableTileCode(int code) { return code >= 0 && code <= 255 && code != 10 && code != 13; }

class LocalMap {
 public:
  char path[kMapPathSize];  // the path given to the last load
  MapKind kind;

  LocalMap();
  ~LocalMap();
  LocalMap(const LocalMap&) = delete;
  LocalMap& operator=(const LocalMap&) = delete;

  // Reads a MAP file (opened for update, so it must exist and be writable).
  // False when it cannot be opened (empty map under the new path, kind kept),
  // when its header names no kind (kind NoKind, path empty), when a row line
  // is short (the rows before it stay loaded; see rowsRead) and when the path
  // is longer than 255 characters (empty map, path empty, kind kept). A line
  // longer than the line reader's limit (1 MiB) is no MAP file: empty map,
  // kind NoKind, path empty, so no save can go over that file.
  // The kind is the header's leading word when one stands there (as every
  // file the editor writes has it); otherwise the last kind word found
  // anywhere in the header line.
  bool load(const char* mapPath);
  // The same read with the file opened for reading only (checkers), so that
  // a read-only file is read all the same.
  bool loadForReading(const char* mapPath);
  // The same read from the bytes of the file at mapPath, read before (the
  // checker reads each file once); the stored path is mapPath, as after load.
  // Given teleportsInto, the teleports go there (emptied first) instead of
  // into the map's own list, which stays empty: for code that only looks at
  // them, where thousands of nodes would cost more than the rest of the read.
  bool loadFromBytes(const char* mapPath, const std::string& bytes, TeleportList* teleportsInto = nullptr);

  // Writes the map to mapPath; the stored path is not changed. Refused (false,
  // nothing written) for kind NoKind or any value that is no kind (kind is a
  // public field), for a path over 255 characters and for a
  // map holding a tile code 10 or 13, which no row line can carry (see
  // findUnwritableTile). False as well when the file cannot be written, or
  // when backup is given and the old file could not be kept in it; the
  // previous file is then as it was.
  bool save(const char* mapPath, BackupOperation* backup = nullptr) const;

  // The same file queued in replacer, to land at its commit (one sync for a
  // run of maps). Returns the replacer's index of the file, or -1 when save
  // would refuse, the file cannot be written or its backup failed; that
  // target is then untouched.
  int saveInto(FileReplacer& replacer, const char* mapPath) const;

  // The tile at column x (0..47), row y (0..23); 0 outside the map. Inline:
  // the world loader and the canvases call it for every cell.
  unsigned char getTile(int x, int y) const {
    if (x < 0 || x >= kMapColumns || y < 0 || y >= kMapRows) return 0;
    return tiles_[y][x];
  }
  // The 48 codes of row y (0..23) in column order, for a scan of every cell;
  // nullptr outside the map.
  const unsigned char* tileRow(int y) const { return y >= 0 && y < kMapRows ? tiles_[y] : nullptr; }
  // Ignored outside the map, and for row 23 unless the kind is Wilderness.
  void setTile(int x, int y, unsigned char code);
  // Puts back a code the cell held before (undo and redo): row 23 too,
  // whatever the kind. Ignored outside the map.
  void restoreTile(int x, int y, unsigned char code);
  // The rows setTile changes: 24 for a Wilderness map, else 23.
  int paintableRows() const { return kind == Wilderness ? kMapRows : kMapRows - 1; }

  // Appends a teleport. Refused (false) for a name that no MAP file can carry
  // (see storableTeleportName).
  bool addTeleport(int x, int y, const char* name);
  bool removeTeleport(int index);
  int teleportCount() const;
  // Copies the index-th teleport (name into a buffer of 256); any output may be null.
  bool getTeleport(int index, int* x, int* y, char* name) const;
  // The index-th teleport itself, read-only, without copying its name;
  // nullptr unless 0 <= index < teleportCount().
  const Teleport* teleport(int index) const;
  void clearTeleports();
  // A number that every change of the teleport list replaces by one no list
  // of any map had before: equal numbers mean the same list, unchanged.
  unsigned long long teleportRevision() const { return teleportRevision_; }

  // The first cell, row by row, of the rows this kind saves, that holds 10 or
  // 13 and so makes save refuse; false when there is none.
  bool findUnwritableTile(int* x, int* y) const;

  // Row lines read by the last load: less than the kind's row count after a
  // short row or an early end of file.
  int rowsRead() const { return rowsRead_; }
  // What the last load found that a save would not write back.
  const MapLoadNotes& loadNotes() const { return notes_; }

 private:
  unsigned char tiles_[kMapRows][kMapColumns];
  Teleport* firstTeleport_ = nullptr;
  Teleport* lastTeleport_ = nullptr;
  int teleportCount_ = 0;
  // The nodes in list order, so that getTeleport is one step whatever the
  // index: a map may hold tens of thousands of teleports, and every loop over
  // them by index would otherwise walk the list from its head each time.
  std::vector<Teleport*> teleportAt_;
  unsigned long long teleportRevision_;

  void teleportsChanged();
  int rowsRead_ = 0;
  MapLoadNotes notes_{};

  void clearContent();
  bool loadWithMode(const char* mapPath, const char* mode);
  bool beginLoad(const char* mapPath);
  void parsePiece(const std::string& piece);
  bool addPlainPiece(const char* piece, const char* end);
  bool fileText(const char* mapPath, std::string& text) const;
  bool readFile(LineReader& reader);
  void parseTeleports(const char* header, const char* end);
  bool takeTeleport(int x, int y, const char* name, size_t length);

  TeleportList* teleportsInto_ = nullptr;  // where a load puts the teleports; nullptr: this map
};

// A teleport name a MAP file can carry: at most 255 characters, without ">"
// or a line feed (either would cut or split it on the next load). A carriage
// return is carried: the "!" written after every name keeps it from ever
// standing before a line feed.
bool storableTeleportName(const char* name, size_t length);
