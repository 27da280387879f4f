// ScriptMaps: records read from the open map, from world map files and their
// ".DAT" files, or made anew; the open map's surroundings read once per run.
#include "script/script_maps.h"

#include <cctype>
#include <cstdio>
#include <cstring>
#include <new>

#include <strings.h>

#include "data/creature_list.h"
#include "data/object_list.h"
#include "data/world_neighbours.h"
#include "platform/directory_list.h"
#include "platform/host_path.h"

namespace {

constexpr int kNearColumns = 3 * kMapColumns;
constexpr int kNearRows = 3 * kMapRows;

void teleportsOf(const LocalMap& map, std::vector<ScriptTeleport>& out) {
  out.clear();
  char name[kTeleportNameSize];
  for (int i = 0; i < map.teleportCount(); i++) {
    int x = 0, y = 0;
    if (map.getTeleport(i, &x, &y, name)) out.push_back(ScriptTeleport{x, y, name});
  }
}

void tilesOf(const LocalMap& map, unsigned char* tiles) {
  for (int y = 0; y < kMapRows; y++)
    for (int x = 0; x < kMapColumns; x++) tiles[y * kMapColumns + x] = map.getTile(x, y);
}

std::string upperCase(std::string text) {
  for (char& c : text) c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
  return text;
}

void blockOf(const WorldBuffer& world, int col, int row, unsigned char* tiles) {
  for (int y = 0; y < kMapRows; y++) memcpy(tiles + y * kMapColumns, &world.at(worldX(col, 0), worldY(row, y)), kMapColumns);
}

void putBlock(const unsigned char* tiles, int col, int row, WorldBuffer& world) {
  for (int y = 0; y < kMapRows; y++) memcpy(&world.at(worldX(col, 0), worldY(row, y)), tiles + y * kMapColumns, kMapColumns);
}

// "<directory>\<name>.<ext>"; false when it does not fit.
bool fileIn(const char* directory, const std::string& name, const char* ext, std::string& out) {
  char path[kPathBufferSize];
  int n = snprintf(path, sizeof path, "%s\\%s.%s", directory, name.c_str(), ext);
  if (n < 0 || static_cast<size_t>(n) >= sizeof path || n >= kMapPathSize) return false;
  out = path;
  return true;
}

}  // namespace

bool ScriptMapRecord::placementsChanged() const {
  return hasData && memcmp(placements, placementsRead, sizeof placements) != 0;
}

// Row 23 counts only where it is saved, in a Wilderness map.
bool ScriptMapRecord::tilesChanged() const {
  const int rows = kind == Wilderness ? kMapRows : kMapRows - 1;
  return memcmp(tiles, tilesRead, static_cast<size_t>(rows) * kMapColumns) != 0;
}

ScriptMaps::ScriptMaps() { end(); }
ScriptMaps::~ScriptMaps() = default;

void ScriptMaps::end() {
  scope_ = ScriptScope::None;
  directory_[0] = '\0';
  squares_.clear();
  used_.clear();
  openMap_.reset();
  for (int& b : blockUsed_) b = -1;
  current_ = -1;
  teleportSource_ = nullptr;
  ownObjects_.reset();
  ownCreatures_.reset();
  objects_ = nullptr;
  creatures_ = nullptr;
  nearRead_ = false;
  nearCol_ = nearRow_ = -1;
  near_.reset();
  listed_ = false;
  files_.clear();
}

void ScriptMaps::useTables(const ObjectList* objects, const CreatureList* creatures) {
  objects_ = objects;
  creatures_ = creatures;
}

const ObjectList& ScriptMaps::objects() {
  if (objects_ == nullptr) {
    ownObjects_.reset(new ObjectList);
    ownObjects_->load(directory_);
    objects_ = ownObjects_.get();
  }
  return *objects_;
}

const CreatureList& ScriptMaps::creatures() {
  if (creatures_ == nullptr) {
    ownCreatures_.reset(new CreatureList);
    ownCreatures_->load(directory_);
    creatures_ = ownCreatures_.get();
  }
  return *creatures_;
}

void ScriptMaps::listDirectory() {
  listed_ = true;
  files_.clear();
  std::vector<DirectoryEntry> entries;
  if (!::listDirectory(directory_, entries)) return;
  for (const DirectoryEntry& e : entries) {
    if (!e.isDirectory) files_.insert(upperCase(e.name));
  }
}

bool ScriptMaps::inDirectory(const std::string& fileName) const { return files_.count(upperCase(fileName)) > 0; }

void ScriptMaps::readData(ScriptMapRecord& r) {
  std::string dataPath;
  if (!fileIn(directory_, r.name, "DAT", dataPath)) return;
  if (!listed_) listDirectory();
  MapDataFile data;
  if (!inDirectory(r.name + ".DAT") || !data.load(dataPath.c_str())) return;
  r.dataPath = data.path;  // the file as found, in its letter case
  r.hasData = true;
  for (int i = 0; i < kPlacementCount; i++) r.placements[i] = r.placementsRead[i] = *data.placement(i);
}

bool ScriptMaps::readRecord(ScriptMapRecord& r, const char* mapPath, bool keepFileTeleports) {
  r.mapPath = mapPath;
  auto map = std::unique_ptr<LocalMap>(new LocalMap);
  r.fromFile = map->loadForReading(mapPath);
  if (r.fromFile) {
    r.kind = r.kindRead = map->kind;
    tilesOf(*map, r.tilesRead);
    memcpy(r.tiles, r.tilesRead, sizeof r.tiles);
    if (keepFileTeleports) teleportsOf(*map, r.teleportsRead);
    r.teleports = r.teleportsRead;
  }
  readData(r);
  return r.fromFile;
}

void ScriptMaps::beginMapRun(const LocalMap& map, const MapDataFile* data, const char* directory) {
  end();
  scope_ = ScriptScope::Map;
  snprintf(directory_, sizeof directory_, "%s", directory != nullptr ? directory : "");
  openMap_.reset(new ScriptMapRecord);
  ScriptMapRecord& r = *openMap_;
  char name[kPathBufferSize];
  r.name = mapNameOf(map.path, name, sizeof name) ? name : "";
  r.kind = r.kindRead = map.kind;
  teleportsOf(map, r.teleportsRead);
  r.teleports = r.teleportsRead;
  tilesOf(map, r.tilesRead);
  memcpy(r.tiles, r.tilesRead, sizeof r.tiles);
  if (data != nullptr && data->placement(0) != nullptr) {
    r.hasData = true;
    r.dataPath = data->path;
    for (int i = 0; i < kPlacementCount; i++) r.placements[i] = r.placementsRead[i] = *data->placement(i);
  }
  if (!worldSquareOfName(r.name.c_str(), &nearCol_, &nearRow_)) nearCol_ = nearRow_ = -1;
}

void ScriptMaps::beginWorldRun(const char* directory, const LocalMap* teleportSource) {
  end();
  scope_ = ScriptScope::World;
  snprintf(directory_, sizeof directory_, "%s", directory != nullptr ? directory : "");
  teleportSource_ = teleportSource;
  squares_.resize(kWorldMaps);
}

ScriptMapRecord* ScriptMaps::loadSquare(int n) {
  std::unique_ptr<ScriptMapRecord>& slot = squares_[n];
  if (slot) return slot.get();
  slot.reset(new (std::nothrow) ScriptMapRecord);
  if (!slot) return nullptr;
  ScriptMapRecord& r = *slot;
  char path[kPathBufferSize];
  worldMapFileNameIn(directory_, n % kWorldSquares, n / kWorldSquares, path, sizeof path);
  char name[kPathBufferSize];
  r.name = mapNameOf(path, name, sizeof name) ? name : "";
  r.mapPath = path;
  // The world is made anew: its maps are wilderness with the given teleports.
  if (teleportSource_ != nullptr) {
    teleportsOf(*teleportSource_, r.teleportsRead);
    r.teleports = r.teleportsRead;
  }
  readData(r);
  return slot.get();
}

bool ScriptMaps::beginEachRun(const char* directory) {
  end();
  scope_ = ScriptScope::Each;
  snprintf(directory_, sizeof directory_, "%s", directory != nullptr ? directory : "");
  squares_.resize(kWorldMaps);
  int found = 0;
  char path[kPathBufferSize], name[kPathBufferSize];
  for (int n = 0; n < kWorldMaps; n++) {
    squares_[n].reset(new ScriptMapRecord);
    ScriptMapRecord& r = *squares_[n];
    worldMapFileNameIn(directory_, n % kWorldSquares, n / kWorldSquares, path, sizeof path);
    r.name = mapNameOf(path, name, sizeof name) ? name : "";
    found += readRecord(r, path, true);
  }
  return found > 0;
}

void ScriptMaps::selectSquare(int n, WorldBuffer& world) {
  if (scope_ != ScriptScope::Each || n < 0 || n >= kWorldMaps) return;
  if (current_ >= 0) blockOf(world, 0, 0, squares_[current_]->tiles);
  current_ = n;
  putBlock(squares_[n]->tiles, 0, 0, world);
  nearCol_ = n % kWorldSquares;
  nearRow_ = n / kWorldSquares;
  nearRead_ = false;
}

void ScriptMaps::takeTiles(const WorldBuffer& world) {
  switch (scope_) {
    case ScriptScope::Map:
      blockOf(world, 0, 0, openMap_->tiles);
      break;
    case ScriptScope::World:
      for (int n = 0; n < kWorldMaps; n++) {
        if (!squares_[n]) loadSquare(n);
        if (squares_[n]) blockOf(world, n % kWorldSquares, n / kWorldSquares, squares_[n]->tiles);
      }
      break;
    case ScriptScope::Each:
      if (current_ >= 0) blockOf(world, 0, 0, squares_[current_]->tiles);
      for (int b = 1; b < kWorldMaps; b++) {
        if (blockUsed_[b] >= 0) blockOf(world, b % kWorldSquares, b / kWorldSquares, used_[blockUsed_[b]]->tiles);
      }
      break;
    case ScriptScope::None:
      break;
  }
}

ScriptMapRecord* ScriptMaps::recordAt(int x, int y) {
  if (x < 0 || x >= kWorldColumns || y < 0 || y >= kWorldRows) return nullptr;
  const int block = squareRowOf(y) * kWorldSquares + squareColumnOf(x);
  switch (scope_) {
    case ScriptScope::Map:
      return block == 0 ? openMap_.get() : nullptr;
    case ScriptScope::World:
      return loadSquare(block);
    case ScriptScope::Each:
      if (block == 0) return current_ >= 0 ? squares_[current_].get() : nullptr;
      return blockUsed_[block] >= 0 ? used_[blockUsed_[block]].get() : nullptr;
    case ScriptScope::None:
      break;
  }
  return nullptr;
}

bool ScriptMaps::useMap(int x, int y, const std::string& name, const char** argument, std::string* why,
                        WorldBuffer& world) {
  const int block = squareRowOf(y) * kWorldSquares + squareColumnOf(x);
  *argument = "x, y";
  if (scope_ != ScriptScope::Each) return *why = "names a block, but maps are used by name only in a run on each world map", false;
  if (block == 0) return *why = "names block 1, 1, which holds the world map being worked on", false;
  if (blockUsed_[block] >= 0) return *why = "names a block that holds a map already", false;
  *argument = "name";
  int col = 0, row = 0;
  if (worldSquareOfName(name.c_str(), &col, &row)) return *why = "names a world map, which is worked on in its own turn", false;
  std::string path;
  if (!fileIn(directory_, name, "MAP", path)) return *why = "is too long for a map path", false;
  for (const auto& u : used_) {
    if (strcasecmp(u->name.c_str(), name.c_str()) == 0) return *why = "names a map used in another block", false;
  }
  used_.emplace_back(new ScriptMapRecord);
  ScriptMapRecord& r = *used_.back();
  r.name = name;
  if (!readRecord(r, path.c_str(), true)) {
    // A new map: nothing read, so everything the script puts in it is new.
    r.kind = Interior;
    r.kindRead = NoKind;
  }
  blockUsed_[block] = static_cast<int>(used_.size()) - 1;
  putBlock(r.tiles, squareColumnOf(x), squareRowOf(y), world);
  return true;
}

void ScriptMaps::loadNeighbours() {
  nearRead_ = true;
  near_.reset(new (std::nothrow) unsigned char[kNearColumns * kNearRows]());
  if (!near_ || nearCol_ < 0) return;
  auto map = std::unique_ptr<LocalMap>(new LocalMap);
  unsigned char tiles[kMapRows * kMapColumns];
  char path[kPathBufferSize];
  for (int dy = -1; dy <= 1; dy++) {
    for (int dx = -1; dx <= 1; dx++) {
      const int col = nearCol_ + dx, row = nearRow_ + dy;
      if ((dx == 0 && dy == 0) || col < 0 || col >= kWorldSquares || row < 0 || row >= kWorldSquares) continue;
      if (scope_ == ScriptScope::Each) {
        memcpy(tiles, squares_[row * kWorldSquares + col]->tilesRead, sizeof tiles);
      } else if (worldMapFileNameIn(directory_, col, row, path, sizeof path) && isFilePath(path) &&
                 map->loadForReading(path)) {
        tilesOf(*map, tiles);
      } else {
        continue;
      }
      for (int y = 0; y < kMapRows; y++)
        memcpy(&near_[((dy + 1) * kMapRows + y) * kNearColumns + (dx + 1) * kMapColumns], tiles + y * kMapColumns,
               kMapColumns);
    }
  }
}

int ScriptMaps::nearTile(int x, int y) {
  if (!nearRead_) loadNeighbours();
  const int nx = x + kMapColumns, ny = y + kMapRows;
  if (!near_ || nx < 0 || nx >= kNearColumns || ny < 0 || ny >= kNearRows) return 0;
  return near_[ny * kNearColumns + nx];
}

ScriptMapRecord* ScriptMaps::square(int n) {
  if (n < 0 || n >= static_cast<int>(squares_.size())) return nullptr;
  return squares_[n].get();
}

std::vector<ScriptMapRecord*> ScriptMaps::touched() {
  std::vector<ScriptMapRecord*> out;
  if (openMap_) out.push_back(openMap_.get());
  for (auto& s : squares_)
    if (s) out.push_back(s.get());
  for (auto& u : used_) out.push_back(u.get());
  return out;
}
