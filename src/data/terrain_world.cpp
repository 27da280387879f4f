// Grids for terrain rules with their surroundings from the world around,
// and the rules applied to a map's area, to the world grid and to every
// world map of a directory. The world maps are read once (WorldMaps), every
// map is evaluated against the world as read, and the changed ones are
// written together through WorldMaps' all-or-nothing rewrite.
#include "data/terrain_world.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "data/world_neighbours.h"

namespace {

struct MapTiles {
  uint8_t cell[kMapRows][kMapColumns];
};

void copyTiles(const LocalMap& map, uint8_t (*tiles)[kMapColumns]) {
  for (int y = 0; y < kMapRows; ++y)
    for (int x = 0; x < kMapColumns; ++x) tiles[y][x] = map.getTile(x, y);
}

}  // namespace

namespace {

// Calls visit(dx, dy, path) with the path of every world map square around
// square (col, row) that mapPath's directory can name.
template <typename Visit>
void eachNeighbourPath(const char* mapPath, int col, int row, Visit visit) {
  char prefix[kPathBufferSize], path[kPathBufferSize];
  if (!directoryPrefixOf(mapPath, prefix, sizeof prefix)) return;
  // A bare file name has no directory: its neighbours are bare names too.
  if (strcmp(prefix, mapPath) == 0) prefix[0] = '\0';
  for (int dy = -1; dy <= 1; ++dy)
    for (int dx = -1; dx <= 1; ++dx)
      if ((dx != 0 || dy != 0) && worldMapFileName(prefix, col + dx, row + dy, path, sizeof path)) visit(dx, dy, path);
}

}  // namespace

void readTerrainNeighbours(const char* mapPath, TerrainNeighbours& out) {
  out = TerrainNeighbours();
  if (!worldSquareOfPath(mapPath, &out.col, &out.row)) return;
  out.worldMap = true;
  LocalMap neighbour;
  eachNeighbourPath(mapPath, out.col, out.row, [&](int dx, int dy, const char* path) {
    out.stamps[dy + 1][dx + 1] = fileStampOf(path);
    if (!neighbour.loadForReading(path)) return;
    out.present[dy + 1][dx + 1] = true;
    copyTiles(neighbour, out.tiles[dy + 1][dx + 1]);
  });
}

bool terrainNeighboursCurrent(const char* mapPath, const TerrainNeighbours& neighbours) {
  int col = 0, row = 0;
  const bool worldMap = worldSquareOfPath(mapPath, &col, &row);
  if (worldMap != neighbours.worldMap || (worldMap && (col != neighbours.col || row != neighbours.row))) return false;
  bool current = true;
  eachNeighbourPath(mapPath, col, row, [&](int dx, int dy, const char* path) {
    current = current && sameStamp(fileStampOf(path), neighbours.stamps[dy + 1][dx + 1]);
  });
  return current;
}

void buildSquareGrid(int col, int row, const SquareTiles around[3][3], int rows, TerrainGrid& grid) {
  const bool world = col >= 0;
  grid.resize(kMapColumns, rows);
  grid.originX = world ? worldX(col, 0) : 0;
  grid.originY = world ? worldY(row, 0) : 0;
  const SquareTiles own = around[1][1];
  for (int y = 0; y < rows; ++y) std::copy(own[y], own[y] + kMapColumns, &grid.at(0, y));
  for (int y = -kTerrainMargin; y < rows + kTerrainMargin; ++y) {
    for (int x = -kTerrainMargin; x < kMapColumns + kTerrainMargin; ++x) {
      if (x >= 0 && x < kMapColumns && y >= 0 && y < rows) continue;
      // Outside the world the nearest world cell stands in.
      int wx = x, wy = y;
      if (world) {
        wx = std::clamp(grid.originX + x, 0, kWorldColumns - 1) - grid.originX;
        wy = std::clamp(grid.originY + y, 0, kWorldRows - 1) - grid.originY;
      }
      const int sx = wx < 0 ? -1 : (wx >= kMapColumns ? 1 : 0);
      const int sy = wy < 0 ? -1 : (wy >= kMapRows ? 1 : 0);
      const SquareTiles source = world && (sx != 0 || sy != 0) ? around[sy + 1][sx + 1] : nullptr;
      if (source != nullptr) {
        grid.at(x, y) = source[wy - sy * kMapRows][wx - sx * kMapColumns];
      } else {
        grid.at(x, y) = own[std::clamp(wy, 0, rows - 1)][std::clamp(wx, 0, kMapColumns - 1)];
      }
    }
  }
}

void buildMapTerrainGrid(const LocalMap& map, const TerrainNeighbours& neighbours, TerrainGrid& grid) {
  MapTiles own;
  copyTiles(map, own.cell);
  SquareTiles around[3][3] = {};
  for (int dy = 0; dy < 3; ++dy)
    for (int dx = 0; dx < 3; ++dx)
      if (neighbours.present[dy][dx]) around[dy][dx] = neighbours.tiles[dy][dx];
  around[1][1] = own.cell;
  const int col = neighbours.worldMap ? neighbours.col : -1;
  buildSquareGrid(col, neighbours.row, around, map.paintableRows(), grid);
}

int terrainEditsForArea(const TerrainRules& rules, const TerrainGrid& grid, const CellRect& area,
                        std::vector<TerrainCellEdit>& edits) {
  edits.clear();
  const CellRect clipped = {std::max(area.left, 0), std::max(area.top, 0), std::min(area.right, grid.width - 1),
                            std::min(area.bottom, grid.height - 1)};
  if (clipped.empty() || rules.empty()) return 0;
  std::vector<uint8_t> out(static_cast<size_t>(clipped.width()) * clipped.height());
  evaluateTerrain(rules, grid, clipped.left, clipped.top, clipped.width(), clipped.height(), out.data());
  for (int y = 0; y < clipped.height(); ++y) {
    for (int x = 0; x < clipped.width(); ++x) {
      const uint8_t code = out[static_cast<size_t>(y) * clipped.width() + x];
      if (code != grid.at(clipped.left + x, clipped.top + y)) edits.push_back({clipped.left + x, clipped.top + y, code});
    }
  }
  return static_cast<int>(edits.size());
}

int applyTerrainToWorldBuffer(const TerrainRules& rules, WorldBuffer& world, int x, int y, int width, int height) {
  const int left = std::max(x, 0), top = std::max(y, 0);
  const int right = static_cast<int>(std::min<long long>(static_cast<long long>(x) + width, kWorldColumns));
  const int bottom = static_cast<int>(std::min<long long>(static_cast<long long>(y) + height, kWorldRows));
  if (right <= left || bottom <= top || rules.empty()) return 0;
  TerrainGrid grid;
  grid.resize(kWorldColumns, kWorldRows);
  for (int row = 0; row < kWorldRows; ++row) std::copy(&world.at(0, row), &world.at(0, row) + kWorldColumns, &grid.at(0, row));
  grid.copyEdges();
  std::vector<uint8_t> out(static_cast<size_t>(right - left) * (bottom - top));
  const int changed = evaluateTerrain(rules, grid, left, top, right - left, bottom - top, out.data());
  for (int row = top; row < bottom; ++row)
    std::copy(&out[static_cast<size_t>(row - top) * (right - left)], &out[static_cast<size_t>(row - top + 1) * (right - left)],
              &world.at(left, row));
  return changed;
}

WorldTerrainPass::WorldTerrainPass(const WorldMaps& maps, const TerrainRules& rules) : edits_(kWorldMaps) {
  auto tiles = std::make_unique<MapTiles[]>(kWorldMaps);
  for (int i = 0; i < kWorldMaps; ++i) {
    if (maps.map(i) == nullptr) continue;
    copyTiles(*maps.map(i), tiles[i].cell);
    ++mapsRead_;
  }
  if (rules.empty()) return;
  TerrainGrid grid;
  for (int i = 0; i < kWorldMaps; ++i) {
    if (maps.map(i) == nullptr) continue;
    const int col = i % kWorldSquares, row = i / kWorldSquares;
    SquareTiles around[3][3] = {};
    for (int dy = -1; dy <= 1; ++dy) {
      for (int dx = -1; dx <= 1; ++dx) {
        const int c = col + dx, r = row + dy;
        if (c >= 0 && r >= 0 && c < kWorldSquares && r < kWorldSquares && maps.map(r * kWorldSquares + c) != nullptr)
          around[dy + 1][dx + 1] = tiles[r * kWorldSquares + c].cell;
      }
    }
    buildSquareGrid(col, row, around, maps.map(i)->paintableRows(), grid);
    terrainEditsForArea(rules, grid, {0, 0, kMapColumns - 1, kMapRows - 1}, edits_[i]);
  }
}

WorldTileCount WorldTerrainPass::count(const WorldMaps& maps) const {
  return maps.count([this](const LocalMap&, int i) { return static_cast<int>(edits_[i].size()); });
}

WorldReplaceResult WorldTerrainPass::write(WorldMaps& maps, BackupOperation* backup) const {
  return maps.rewrite([this](const LocalMap&, int i) { return static_cast<int>(edits_[i].size()); },
                      [this](LocalMap& map, int i) {
                        for (const TerrainCellEdit& edit : edits_[i]) map.setTile(edit.x, edit.y, edit.code);
                        return static_cast<int>(edits_[i].size());
                      },
                      backup);
}

WorldTerrainResult applyTerrainToWorld(const char* directory, const TerrainRules& rules, bool write,
                                       BackupOperation* backup) {
  WorldMaps maps;
  maps.read(directory);
  const WorldTerrainPass pass(maps, rules);
  WorldTerrainResult result;
  const WorldTileCount count = pass.count(maps);
  if (write) {
    static_cast<WorldReplaceResult&>(result) = pass.write(maps, backup);
  } else {
    result.maps = count.maps;
    result.cells = count.cells;
  }
  result.mapsRead = pass.mapsRead();
  result.readOnlyMaps = count.readOnlyMaps;
  result.unsavableMaps = count.unsavableMaps;
  return result;
}
