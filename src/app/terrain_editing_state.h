// What the editor keeps for the terrain rules, a part of the editor object:
// the rules and the file they came from, Auto Terrain's state and what its
// passes and the position field keep between calls (see terrain_editing.h).
#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <vector>

#include "data/local_map.h"
#include "data/open_map.h"
#include "data/terrain_rules.h"
#include "data/terrain_world.h"
#include "platform/file_stamp.h"
#include "platform/editor_path.h"

struct EditorState;

// Auto Terrain in the open map's edit gate: when an edit goes on and when
// it ends, a pass of the rules (terrain_editing.cpp).
class AutoTerrainHook final : public OpenMapEditHook {
 public:
  void editBegins(OpenMap& document) override;
  void editProgressed(OpenMap& document) override;
  void editEnds(OpenMap& document) override;

  EditorState* editor = nullptr;  // set when it is put into the gate
};

struct TerrainEditing {
  TerrainRules rules;
  char path[kPathBufferSize] = {};  // the file in use or last tried
  bool picked = false;              // the user chose path; else the game directory's file
  bool tried = false;
  FileStamp stamp{};
  bool autoOn = false;
  bool held = false;
  bool editOpen = false;
  unsigned char baseline[kMapRows][kMapColumns] = {};   // the map when the edit began
  unsigned char settled[kMapRows][kMapColumns] = {};    // the map as the last pass left it
  bool passChanged[kMapRows][kMapColumns] = {};         // the cells the last pass changed
  TerrainNeighbours neighbours;
  char neighboursOf[kMapPathSize] = {};
  TerrainGrid grid;
  std::vector<int> xs, ys;  // the cells a pass evaluates
  std::vector<uint8_t> codes;
  // The position field's grid is built again only when the map it was built
  // from (tiles, kind, path) or its neighbours changed; the rules file's
  // stamp and the neighbours' files are looked at for it at most once a
  // second (another file at once).
  unsigned neighboursRead = 0;  // counts reads of the neighbours
  struct {
    bool valid = false;
    char path[kMapPathSize] = {};
    MapKind kind = NoKind;
    unsigned neighboursRead = 0;
    unsigned char tiles[kMapRows][kMapColumns] = {};
  } gridOf;
  std::chrono::steady_clock::time_point rulesLookedAt{};
  AutoTerrainHook hook;
};
