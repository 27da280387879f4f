// The terrain rules in the editor: see terrain_editing.h. The editor
// object's part of them (terrain_editing_state.h) holds the rules, the file they came from and Auto Terrain's state; the
// open map's neighbours are read from disk once and kept until another map
// opens or one of their files changes.
//
// Performance: a stroke's pass runs at every step of the pointer, so it
// evaluates only the cells that an earlier pass has not already settled: those
// near a cell that changed since the last pass looked (see autoPass). Nothing
// is read from disk within a stroke; an edit's beginning looks at the eight
// neighbours' file stamps.
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

void gameDirectoryRules(const EditorState& editor, char* out, size_t size) {
  snprintf(out, size, "%s\\%s", zanDirectory(editor), kTerrainRulesFileName);
}

// The neighbours of the open map, read again for another map or when one of
// their files changed.
const TerrainNeighbours& neighboursOf(TerrainEditing& t, const LocalMap& map) {
  if (strcmp(t.neighboursOf, map.path) != 0 || !terrainNeighboursCurrent(map.path, t.neighbours)) {
    readTerrainNeighbours(map.path, t.neighbours);
    snprintf(t.neighboursOf, sizeof t.neighboursOf, "%s", map.path);
    t.neighboursRead++;
  }
  return t.neighbours;
}

// Marks the cells within reach of a cell where map differs from than, or
// that also is marked in (when given); false when there is none.
bool markReach(const LocalMap& map, const unsigned char than[kMapRows][kMapColumns], const bool (*also)[kMapColumns],
               int reach, bool marks[kMapRows][kMapColumns]) {
  bool any = false;
  memset(marks, 0, sizeof(bool) * kMapRows * kMapColumns);
  for (int y = 0; y < kMapRows; ++y) {
    for (int x = 0; x < kMapColumns; ++x) {
      if (map.getTile(x, y) == than[y][x] && (also == nullptr || !also[y][x])) continue;
      any = true;
      for (int ny = std::max(0, y - reach); ny <= std::min(kMapRows - 1, y + reach); ++ny)
        for (int nx = std::max(0, x - reach); nx <= std::min(kMapColumns - 1, x + reach); ++nx) marks[ny][nx] = true;
    }
  }
  return any;
}

void copyMap(const LocalMap& map, unsigned char to[kMapRows][kMapColumns]) {
  for (int y = 0; y < kMapRows; ++y)
    for (int x = 0; x < kMapColumns; ++x) to[y][x] = map.getTile(x, y);
}

// One pass of the rules against the map as it is now, into the open edit:
// over the cells near a cell that differs from the map at the edit's
// beginning. Of those, a cell whose surroundings (itself included) are as
// the last pass saw them would come out as that pass left it, so only the
// cells near a change since then are evaluated (a change by the last pass,
// or any since it ended): the same result as evaluating them all, at the
// cost of the cells a step touched.
void autoPass(EditorState& editor) {
  TerrainEditing& t = editor.terrain;
  if (!t.autoOn || t.held || !t.editOpen || t.rules.empty()) return;
  LocalMap& map = editor.openMap;
  const int reach = t.rules.reach();
  bool near[kMapRows][kMapColumns], fresh[kMapRows][kMapColumns];
  if (!markReach(map, t.baseline, nullptr, reach, near) || !markReach(map, t.settled, t.passChanged, reach, fresh))
    return;
  buildMapTerrainGrid(map, neighboursOf(t, map), t.grid);
  t.gridOf.valid = false;  // the position field's grid is built anew
  t.xs.clear();
  t.ys.clear();
  for (int y = 0; y < t.grid.height; ++y) {
    for (int x = 0; x < kMapColumns; ++x) {
      if (!near[y][x] || !fresh[y][x]) continue;
      t.xs.push_back(x);
      t.ys.push_back(y);
    }
  }
  t.codes.resize(t.xs.size());
  const int count = static_cast<int>(t.xs.size());
  evaluateTerrainCells(t.rules, t.grid, t.xs.data(), t.ys.data(), count, t.codes.data());
  memset(t.passChanged, 0, sizeof t.passChanged);
  for (int i = 0; i < count; ++i) {
    if (t.codes[i] == t.grid.at(t.xs[i], t.ys[i])) continue;
    map.setTile(t.xs[i], t.ys[i], t.codes[i]);
    t.passChanged[t.ys[i]][t.xs[i]] = true;
  }
  copyMap(map, t.settled);
}

}  // namespace

const TerrainRules& editorTerrainRules(const EditorState& editor) { return editor.terrain.rules; }
const char* terrainRulesPath(const EditorState& editor) { return editor.terrain.path; }
bool autoTerrainOn(const EditorState& editor) { return editor.terrain.autoOn; }
void setAutoTerrain(EditorState& editor, bool on) { editor.terrain.autoOn = on; }
void holdAutoTerrain(EditorState& editor, bool held) { editor.terrain.held = held; }

bool loadTerrainRules(EditorState& editor, const char* path) {
  TerrainEditing& t = editor.terrain;
  t.picked = path != nullptr && path[0] != '\0';
  if (t.picked) snprintf(t.path, sizeof t.path, "%s", path);
  else gameDirectoryRules(editor, t.path, sizeof t.path);
  t.tried = true;
  t.stamp = fileStampOf(t.path);
  return t.rules.loadFile(t.path);
}

bool reloadTerrainRules(EditorState& editor) {
  char path[kPathBufferSize];
  snprintf(path, sizeof path, "%s", editor.terrain.picked ? editor.terrain.path : "");
  return loadTerrainRules(editor, path);
}

bool refreshTerrainRules(EditorState& editor) {
  TerrainEditing& t = editor.terrain;
  char wanted[kPathBufferSize];
  if (t.picked) snprintf(wanted, sizeof wanted, "%s", t.path);
  else gameDirectoryRules(editor, wanted, sizeof wanted);
  if (!t.tried || strcmp(wanted, t.path) != 0 || !sameStamp(fileStampOf(wanted), t.stamp))
    loadTerrainRules(editor, t.picked ? wanted : "");
  return !t.rules.empty();
}

void terrainRulesStatus(const EditorState& editor, char* out, size_t outSize) {
  const TerrainEditing& t = editor.terrain;
  if (!t.rules.empty()) {
    snprintf(out, outSize, "%d rules from %s", static_cast<int>(t.rules.rules().size()), t.path);
    return;
  }
  char reason[300];
  formatTerrainError(t.rules.error(), reason, sizeof reason);
  snprintf(out, outSize, "%s: %s", t.path, reason);
}

void AutoTerrainHook::editBegins(OpenMap&) {
  TerrainEditing& t = editor->terrain;
  if (!t.autoOn || t.held) return;
  refreshTerrainRules(*editor);
  copyMap(editor->openMap, t.baseline);
  copyMap(editor->openMap, t.settled);
  memset(t.passChanged, 0, sizeof t.passChanged);
  neighboursOf(t, editor->openMap);
  t.editOpen = true;
}

void AutoTerrainHook::editProgressed(OpenMap&) { autoPass(*editor); }

void AutoTerrainHook::editEnds(OpenMap&) {
  autoPass(*editor);
  editor->terrain.editOpen = false;
}

const TerrainNeighbours& openMapNeighbours(EditorState& editor) {
  return neighboursOf(editor.terrain, editor.openMap);
}

void installAutoTerrain(EditorState& editor) {
  editor.terrain.hook.editor = &editor;
  editor.document.setEditHook(&editor.terrain.hook);
}

// True when the grid was built from this map as it is now.
bool gridIsOf(const TerrainEditing& t, const LocalMap& map) {
  if (!t.gridOf.valid || t.gridOf.kind != map.kind || t.gridOf.neighboursRead != t.neighboursRead ||
      strcmp(t.gridOf.path, map.path) != 0)
    return false;
  for (int y = 0; y < kMapRows; ++y)
    for (int x = 0; x < kMapColumns; ++x)
      if (t.gridOf.tiles[y][x] != map.getTile(x, y)) return false;
  return true;
}

void terrainRuleText(EditorState& editor, int column, int row, char* out, size_t outSize) {
  out[0] = '\0';
  TerrainEditing& t = editor.terrain;
  const auto now = std::chrono::steady_clock::now();
  char wanted[kPathBufferSize];
  if (t.picked) snprintf(wanted, sizeof wanted, "%s", t.path);
  else gameDirectoryRules(editor, wanted, sizeof wanted);
  const bool lookAgain = !t.tried || strcmp(wanted, t.path) != 0 || now - t.rulesLookedAt >= std::chrono::seconds(1);
  if (lookAgain) {
    refreshTerrainRules(editor);
    t.rulesLookedAt = now;
  }
  if (t.rules.empty() || editor.openMap.path[0] == '\0') return;
  const LocalMap& map = editor.openMap;
  // The neighbours' files are looked at with the rules file.
  if (lookAgain || strcmp(t.neighboursOf, map.path) != 0) neighboursOf(t, map);
  if (!gridIsOf(t, map)) {
    buildMapTerrainGrid(map, t.neighbours, t.grid);
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
