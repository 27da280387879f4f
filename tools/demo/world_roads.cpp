// Roads between the villages: each village joins the nearest one already on
// the network along the cheapest way over the land, with bridges where the
// way crosses water.
#include <cstdlib>
#include <functional>
#include <queue>
#include <vector>

#include "demo_world.h"
#include "tile_codes.h"

namespace {

int stepCost(uint8_t code) {
  switch (code) {
    case tile::kRoad: case tile::kFlagstones: return 1;
    case tile::kGrass: case tile::kFlowers: case tile::kSand: case tile::kDirt: return 3;
    case tile::kSnow: case tile::kBush: case tile::kBoulder: case tile::kCrops: case tile::kGarden: return 5;
    case tile::kTree: case tile::kPine: case tile::kSnowPine: case tile::kCactus: return 9;
    case tile::kSwamp: case tile::kDeadTree: case tile::kHills: case tile::kIce: return 14;
    case tile::kMountain: return 120;
    case tile::kWater: return 60;
    default: return -1;  // buildings, fences, peaks, wells: no way through
  }
}

// The cheapest way from (fromX, fromY) to (toX, toY) as a list of cell indices.
std::vector<int> cheapestWay(const DemoWorld& world, int fromX, int fromY, int toX, int toY) {
  const int count = kWorldW * kWorldH;
  std::vector<int> cost(count, -1), previous(count, -1);
  using Entry = std::pair<int, int>;
  std::priority_queue<Entry, std::vector<Entry>, std::greater<Entry>> open;
  const int start = fromY * kWorldW + fromX, goal = toY * kWorldW + toX;
  cost[start] = 0;
  open.push({0, start});
  const int steps[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
  while (!open.empty()) {
    const auto [c, at] = open.top();
    open.pop();
    if (at == goal) break;
    if (c != cost[at]) continue;
    for (const auto& step : steps) {
      const int nx = at % kWorldW + step[0], ny = at / kWorldW + step[1];
      if (!world.inside(nx, ny)) continue;
      const int next = ny * kWorldW + nx;
      int extra = next == goal ? 1 : stepCost(world.at(nx, ny));
      if (extra < 0) continue;
      extra += ((nx * 7 + ny * 13) ^ (nx * ny)) % 3;  // roughness, so roads wind a little
      if (cost[next] < 0 || c + extra < cost[next]) {
        cost[next] = c + extra;
        previous[next] = at;
        open.push({cost[next], next});
      }
    }
  }
  std::vector<int> way;
  if (cost[goal] < 0) return way;
  for (int at = goal; at != -1; at = previous[at]) way.push_back(at);
  return way;
}

void layRoad(DemoWorld& world, const std::vector<int>& way) {
  for (size_t i = 0; i < way.size(); ++i) {
    const int x = way[i] % kWorldW, y = way[i] / kWorldW;
    const uint8_t code = world.at(x, y);
    if (code == tile::kFlagstones) continue;
    if (code == tile::kWater) {
      const int other = i > 0 ? way[i - 1] : way[i + 1 < way.size() ? i + 1 : i];
      const bool horizontal = other / kWorldW == y;
      world.set(x, y, horizontal ? tile::kBridgeH : tile::kBridgeV);
    } else if (stepCost(code) >= 0) {
      world.set(x, y, tile::kRoad);
    }
  }
}

}  // namespace

void buildRoads(DemoWorld& world) {
  const std::vector<Village>& villages = world.villages;
  for (size_t i = 1; i < villages.size(); ++i) {
    size_t nearest = 0;
    for (size_t j = 1; j < i; ++j) {
      const int dj = std::abs(villages[j].x - villages[i].x) + std::abs(villages[j].y - villages[i].y);
      const int dn = std::abs(villages[nearest].x - villages[i].x) + std::abs(villages[nearest].y - villages[i].y);
      if (dj < dn) nearest = j;
    }
    // From the south edge of one square to the south edge of the other.
    layRoad(world, cheapestWay(world, villages[i].x, villages[i].y + 1, villages[nearest].x,
                               villages[nearest].y + 1));
  }
}
