// Grids for terrain rules with their surroundings from the world around,
// and the rules applied to a map's area, to the world grid and to every
// world map of a directory. The world maps are read once each and kept, so
// that every map is evaluated against the world as it was before, and the
// changed ones are queued into one FileReplacer to land together.
#include "data/terrain_world.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "data/text_copy.h"
#include "data/world_neighbours.h"
#include "platform/file_replacer.h"

namespace {

struct MapTiles {
  uint8_t cell[kMapRows][kMapColumns];
};

void copyTiles(const LocalMap& map, uint8_t (*tiles)[kMapColumns]) {
  for (int y = 0; y < kMapRows; ++y)
    for (int x = 0; x < kMapColumns; ++x) tiles[y][x] = map.getTile(x, y);
}

}  // namespace

void readTerrainNeighbours(const char* mapPath, TerrainNeighbours& out) {
  out = TerrainNeighbours();
  if (!worldSquareOfPath(mapPath, &out.col, &out.row)) return;
  out.worldMap = true;
  char prefix[kPathBufferSize], path[kPathBufferSize];
  if (!directoryPrefixOf(mapPath, prefix, sizeof prefix)) return;
  // A bare file name has no directory: its neighbours are bare names too.
  if (strcmp(prefix, mapPath) == 0) prefix[0] = '\0';
  LocalMap neighbour;
  for (int dy = -1; dy <= 1; ++dy) {
    for (int dx = -1; dx <= 1; ++dx) {
      if ((dx == 0 && dy == 0) || !worldMapFileName(prefix, out.col + dx, out.row + dy, path, sizeof path)) continue;
      if (!neighbour.loadForReading(path)) continue;
      out.present[dy + 1][dx + 1] = true;
      copyTiles(neighbour, out.tiles[dy + 1][dx + 1]);
    }
  }
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

namespace {

// The world maps of a directory as read, before any rule ran: each map that
// loads whole, and a copy of its tiles that the rules read.
struct LoadedWorld {
  std::unique_ptr<LocalMap[]> maps = std::make_unique<LocalMap[]>(kWorldMaps);
  std::unique_ptr<MapTiles[]> tiles = std::make_unique<MapTiles[]>(kWorldMaps);
  bool loaded[kWorldSquares][kWorldSquares] = {};  // [column][row]

  int read(const char* directory) {
    int count = 0;
    char path[kPathBufferSize];
    for (int row = 0; row < kWorldSquares; ++row) {
      for (int col = 0; col < kWorldSquares; ++col) {
        if (!worldMapFileNameIn(directory, col, row, path, sizeof path) || !map(col, row).load(path)) continue;
        loaded[col][row] = true;
        copyTiles(map(col, row), tiles[row * kWorldSquares + col].cell);
        ++count;
      }
    }
    return count;
  }
  LocalMap& map(int col, int row) { return maps[row * kWorldSquares + col]; }

  // The grid of square (col, row) with its neighbours as read.
  void grid(int col, int row, TerrainGrid& out) const {
    SquareTiles around[3][3] = {};
    for (int dy = -1; dy <= 1; ++dy) {
      for (int dx = -1; dx <= 1; ++dx) {
        const int c = col + dx, r = row + dy;
        if (c >= 0 && r >= 0 && c < kWorldSquares && r < kWorldSquares && loaded[c][r])
          around[dy + 1][dx + 1] = tiles[r * kWorldSquares + c].cell;
      }
    }
    buildSquareGrid(col, row, around, maps[row * kWorldSquares + col].paintableRows(), out);
  }
};

}  // namespace

WorldTerrainResult applyTerrainToWorld(const char* directory, const TerrainRules& rules, bool write,
                                       BackupOperation* backup) {
  WorldTerrainResult result;
  LoadedWorld world;
  result.mapsRead = world.read(directory);
  FileReplacer batch(backup);
  int queued[kWorldSquares][kWorldSquares];
  int cells[kWorldSquares][kWorldSquares] = {};
  TerrainGrid grid;
  std::vector<TerrainCellEdit> edits;
  char path[kPathBufferSize];
  for (int row = 0; row < kWorldSquares; ++row) {
    for (int col = 0; col < kWorldSquares; ++col) {
      queued[col][row] = -1;
      if (!world.loaded[col][row] || rules.empty()) continue;
      world.grid(col, row, grid);
      if (terrainEditsForArea(rules, grid, {0, 0, kMapColumns - 1, kMapRows - 1}, edits) == 0) continue;
      LocalMap& map = world.map(col, row);
      for (const TerrainCellEdit& edit : edits) map.setTile(edit.x, edit.y, edit.code);
      cells[col][row] = static_cast<int>(edits.size());
      if (!write) {
        result.maps++;
        result.cells += cells[col][row];
        continue;
      }
      worldMapFileNameIn(directory, col, row, path, sizeof path);
      queued[col][row] = map.saveInto(batch, path);
      if (queued[col][row] < 0 && result.failed++ == 0) copyText(result.firstFailed, sizeof result.firstFailed, path);
    }
  }
  if (write) commitWorldBatch(directory, batch, queued, cells, result);
  return result;
}
