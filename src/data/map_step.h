// One undo step of an open map: what one edit changed in its tiles, kind,
// teleports and placements, each part before and after, packed into one
// block. The state of the map is taken when an edit begins (MapState); the
// step is what differs from it when the edit ends.
#pragma once
#include <cstddef>
#include <memory>
#include <string>

#include "data/local_map.h"
#include "data/map_data_file.h"

// A rectangle of cells, 0-based and inclusive; empty when right < left.
struct CellBox {
  int left, top, right, bottom;
  bool empty() const { return right < left; }
};

// Everything an edit can change in an open map.
struct MapState {
  unsigned char tiles[kMapRows * kMapColumns];
  int kind;
  bool hasPlacements;  // the map data holds a table
  Placement placements[kPlacementCount];
  std::string teleports;  // the list packed: x, y (int32), name length (one byte), name
  unsigned long long teleportRevision = 0;  // the map's teleportRevision when packed
};

// Takes the state of map and data into state. The teleports are packed anew
// only when the list changed since state last took it, so that a map of
// thousands of teleports costs no more per edit than one without.
void captureMapState(const LocalMap& map, const MapDataFile& data, MapState& state);

class MapStep {
 public:
  // Makes this the step from before to what map and data hold now, packed
  // through scratch (kept by the caller so its room is reused). False, with
  // the step empty, when nothing differs; *noMemory tells a step that found
  // no memory for its block apart.
  bool record(const MapState& before, const LocalMap& map, const MapDataFile& data, std::string& scratch,
              bool* noMemory);
  // Puts map and data into the state before the step (undo) or after it (redo).
  void apply(LocalMap& map, MapDataFile& data, bool after) const;
  // The step changed tiles, teleports or the kind (not only placements).
  bool touchesMap() const;
  // The bounding box of the cells whose tile, placements or teleports changed.
  CellBox cells() const;
  // The memory the step holds.
  size_t bytes() const { return sizeof *this + size_; }

 private:
  std::unique_ptr<unsigned char[]> block_;
  size_t size_ = 0;
};
