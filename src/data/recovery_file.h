// The recovery copy of an open map with unsaved changes: its path, its
// "changed" state, kind, tiles, teleports and placements in one small text
// file that the editor rewrites (through the safe save) while the map is
// changed, and reads back after a crash. Tiles, names and placements are
// written in hexadecimal, so every byte survives a text file.
#pragma once
#include <string>
#include <vector>

#include "data/local_map.h"
#include "data/map_data_file.h"

struct RecoveredTeleport {
  int x, y;
  std::string name;
};

struct RecoveredMap {
  std::string path;  // the map's file, "" for a map never saved
  bool changed = false;
  MapKind kind = NoKind;
  unsigned char tiles[kMapRows][kMapColumns] = {};
  std::vector<RecoveredTeleport> teleports;
  bool hasPlacements = false;  // the map had a placement table
  Placement placements[kPlacementCount] = {};
};

// The copy's text for the map and its placements.
std::string recoveryText(const LocalMap& map, const MapDataFile& data, bool changed);

// Writes text to the file at editorPath through the safe save (no backup:
// the copy is the editor's own). False when it could not be written.
bool writeRecoveryFile(const char* editorPath, const std::string& text);

// Reads a copy. False with the reason in why ("line 7: a row is not 96
// hexadecimal digits") when the file cannot be read or is not a whole copy.
bool readRecoveryFile(const char* editorPath, RecoveredMap& out, std::string* why);

// Puts the recovered kind, tiles, teleports and placements into map and data
// (whose table must exist for placements to be put back).
void applyRecoveredMap(const RecoveredMap& recovered, LocalMap& map, MapDataFile& data);
