// The terrain rules in the editor: see terrain_editing.h. One object for the
// run holds the rules, the file they came from and Auto Terrain's state; the
// open map's neighbours are read from disk when an edit begins and kept for
// the passes and the position field until the next one.
#include "app/terrain_editing.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "app/editor_state.h"
#include "app/game_directory_setting.h"
#include "app/map_file.h"
#include "data/terrain_world.h"
#include "platform/file_stamp.h"

namespace {

struct TerrainEditing {
  TerrainRules rules;
  char path[kPathBufferSize] = {};  // the file in use or last tried
  bool picked = false;              // the user chose path; else the game directory's file
  bool tried = false;
  FileStamp stamp{};
  bool autoOn = false;
  bool held = false;
  bool editOpen = false;
  unsigned char baseline[kMapRows][kMapColumns] = {};
  TerrainNeighbours neighbours;
  char neighboursOf[kMapPathSize] = {};
  TerrainGrid grid;
  std::vector<TerrainCellEdit> edits;
  // The position field's grid is built again only when the map it was built
  // from (tiles, kind, path) or its neighbours changed; the rules file's
  // stamp is looked at for it at most once a second (another file at once).
  unsigned neighboursRead = 0;  // counts reads of the neighbours
  struct {
    bool valid = false;
    char path[kMapPathSize] = {};
    MapKind kind = NoKind;
    unsigned neighboursRead = 0;
    unsigned char tiles[kMapRows][kMapColumns] = {};
  } gridOf;
  std::chrono::steady_clock::time_point rulesLookedAt{};
};

TerrainEditing& state() {
  static const std::unique_ptr<TerrainEditing> editing = std::make_unique<TerrainEditing>();
  return *editing;
}

void gameDirectoryRules(const EditorState& editor, char* out, size_t size) {
  snprintf(out, size, "%s\\%s", zanDirectory(editor), kTerrainRulesFileName);
}

// The neighbours of the open map, read again when asked or for another map.
const TerrainNeighbours& neighboursOf(const LocalMap& map, bool readAgain) {
  TerrainEditing& t = state();
  if (readAgain || strcmp(t.neighboursOf, map.path) != 0) {
    readTerrainNeighbours(map.path, t.neighbours);
    snprintf(t.neighboursOf, sizeof t.neighboursOf, "%s", map.path);
    t.neighboursRead++;
  }
  return t.neighbours;
}

// The cells within the rules' reach of a cell that differs from the
// baseline: what a pass must look at again.
bool reachOfChanges(const LocalMap& map, int reach, bool near[kMapRows][kMapColumns], CellRect& box) {
  const TerrainEditing& t = state();
  box = kNoCells;
  bool any = false;
  memset(near, 0, sizeof(bool) * kMapRows * kMapColumns);
  for (int y = 0; y < kMapRows; ++y) {
    for (int x = 0; x < kMapColumns; ++x) {
      if (map.getTile(x, y) == t.baseline[y][x]) continue;
      any = true;
      for (int ny = std::max(0, y - reach); ny <= std::min(kMapRows - 1, y + reach); ++ny)
        for (int nx = std::max(0, x - reach); nx <= std::min(kMapColumns - 1, x + reach); ++nx) near[ny][nx] = true;
      box = box.empty() ? CellRect{x, y, x, y}
                        : CellRect{std::min(box.left, x), std::min(box.top, y), std::max(box.right, x), std::max(box.bottom, y)};
    }
  }
  box = {box.left - reach, box.top - reach, box.right + reach, box.bottom + reach};
  return any;
}

// One pass over the changed cells and their neighbours, against the map as
// it is now; its results go into the open edit.
void autoPass(EditorState& editor) {
  TerrainEditing& t = state();
  if (!t.autoOn || t.held || !t.editOpen || t.rules.empty()) return;
  LocalMap& map = editor.openMap;
  bool near[kMapRows][kMapColumns];
  CellRect box;
  if (!reachOfChanges(map, t.rules.reach(), near, box)) return;
  buildMapTerrainGrid(map, neighboursOf(map, false), t.grid);
  t.gridOf.valid = false;  // the position field's grid is built anew
  terrainEditsForArea(t.rules, t.grid, box, t.edits);
  for (const TerrainCellEdit& edit : t.edits)
    if (near[edit.y][edit.x]) map.setTile(edit.x, edit.y, edit.code);
}

}  // namespace

const TerrainRules& editorTerrainRules() { return state().rules; }
const char* terrainRulesPath() { return state().path; }
bool autoTerrainOn() { return state().autoOn; }
void setAutoTerrain(bool on) { state().autoOn = on; }
void holdAutoTerrain(bool held) { state().held = held; }

bool loadTerrainRules(const EditorState& editor, const char* path) {
  TerrainEditing& t = state();
  t.picked = path != nullptr && path[0] != '\0';
  if (t.picked) snprintf(t.path, sizeof t.path, "%s", path);
  else gameDirectoryRules(editor, t.path, sizeof t.path);
  t.tried = true;
  t.stamp = fileStampOf(t.path);
  return t.rules.loadFile(t.path);
}

bool reloadTerrainRules(const EditorState& editor) {
  char path[kPathBufferSize];
  snprintf(path, sizeof path, "%s", state().picked ? state().path : "");
  return loadTerrainRules(editor, path);
}

bool refreshTerrainRules(const EditorState& editor) {
  TerrainEditing& t = state();
  char wanted[kPathBufferSize];
  if (t.picked) snprintf(wanted, sizeof wanted, "%s", t.path);
  else gameDirectoryRules(editor, wanted, sizeof wanted);
  if (!t.tried || strcmp(wanted, t.path) != 0 || !sameStamp(fileStampOf(wanted), t.stamp))
    loadTerrainRules(editor, t.picked ? wanted : "");
  return !t.rules.empty();
}

void terrainRulesStatus(char* out, size_t outSize) {
  const TerrainEditing& t = state();
  if (!t.rules.empty()) {
    snprintf(out, outSize, "%d rules from %s", static_cast<int>(t.rules.rules().size()), t.path);
    return;
  }
  char reason[300];
  formatTerrainError(t.rules.error(), reason, sizeof reason);
  snprintf(out, outSize, "%s: %s", t.path, reason);
}

namespace {

class AutoTerrainHook final : public OpenMapEditHook {
 public:
  explicit AutoTerrainHook(EditorState& editor) : editor_(editor) {}

  void editBegins(OpenMap&) override {
    TerrainEditing& t = state();
    if (!t.autoOn || t.held) return;
    refreshTerrainRules(editor_);
    for (int y = 0; y < kMapRows; ++y)
      for (int x = 0; x < kMapColumns; ++x) t.baseline[y][x] = editor_.openMap.getTile(x, y);
    neighboursOf(editor_.openMap, true);
    t.editOpen = true;
  }
  void editProgressed(OpenMap&) override { autoPass(editor_); }
  void editEnds(OpenMap&) override {
    autoPass(editor_);
    state().editOpen = false;
  }

 private:
  EditorState& editor_;
};

}  // namespace

void installAutoTerrain(EditorState& editor) {
  static std::unique_ptr<AutoTerrainHook> hook;
  hook = std::make_unique<AutoTerrainHook>(editor);
  editor.document.setEditHook(hook.get());
}

// True when the grid was built from this map as it is now.
bool gridIsOf(const LocalMap& map) {
  const TerrainEditing& t = state();
  if (!t.gridOf.valid || t.gridOf.kind != map.kind || t.gridOf.neighboursRead != t.neighboursRead ||
      strcmp(t.gridOf.path, map.path) != 0)
    return false;
  for (int y = 0; y < kMapRows; ++y)
    for (int x = 0; x < kMapColumns; ++x)
      if (t.gridOf.tiles[y][x] != map.getTile(x, y)) return false;
  return true;
}

void terrainRuleText(const EditorState& editor, int column, int row, char* out, size_t outSize) {
  out[0] = '\0';
  TerrainEditing& t = state();
  const auto now = std::chrono::steady_clock::now();
  char wanted[kPathBufferSize];
  if (t.picked) snprintf(wanted, sizeof wanted, "%s", t.path);
  else gameDirectoryRules(editor, wanted, sizeof wanted);
  if (!t.tried || strcmp(wanted, t.path) != 0 || now - t.rulesLookedAt >= std::chrono::seconds(1)) {
    refreshTerrainRules(editor);
    t.rulesLookedAt = now;
  }
  if (t.rules.empty() || editor.openMap.path[0] == '\0') return;
  const LocalMap& map = editor.openMap;
  const TerrainNeighbours& neighbours = neighboursOf(map, false);
  if (!gridIsOf(map)) {
    buildMapTerrainGrid(map, neighbours, t.grid);
    t.gridOf.valid = true;
    snprintf(t.gridOf.path, sizeof t.gridOf.path, "%s", map.path);
    t.gridOf.kind = map.kind;
    t.gridOf.neighboursRead = t.neighboursRead;
    for (int y = 0; y < kMapRows; ++y)
      for (int x = 0; x < kMapColumns; ++x) t.gridOf.tiles[y][x] = map.getTile(x, y);
  }
  if (column < 0 || row < 0 || column >= t.grid.width || row >= t.grid.height) return;
  const TerrainMatch match = matchTerrainCell(t.rules, t.grid, column, row);
  if (match.rule < 0) snprintf(out, outSize, "no rule matched");
  else if (match.code == t.grid.at(column, row)) snprintf(out, outSize, "rule at line %d", t.rules.rules()[match.rule].line);
  else snprintf(out, outSize, "rule at line %d gives %d", t.rules.rules()[match.rule].line, match.code);
}
