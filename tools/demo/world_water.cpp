// Rivers that run from the hills down to the sea, and the shore pieces that
// edge every water cell lying beside land.
#include <algorithm>
#include <cstdlib>
#include <functional>
#include <queue>
#include <vector>

#include "demo_world.h"
#include "tile_codes.h"
#include "value_noise.h"

namespace {

bool isLand(const DemoWorld& world, int x, int y) {
  return world.inside(x, y) && !isWaterCode(world.at(x, y));
}

void widen(DemoWorld& world, int x, int y) {
  world.set(x, y, tile::kWater);
  world.set(x + 1, y, tile::kWater);
  world.set(x, y + 1, tile::kWater);
}

// A water course from (x0, y0) to (x1, y1) whose middle is pushed aside at
// random, again and again, down to single steps: the river's meanders.
void wander(DemoWorld& world, int x0, int y0, int x1, int y1, DemoRandom& random) {
  const int dx = x1 - x0, dy = y1 - y0;
  if (std::abs(dx) + std::abs(dy) <= 2) {
    for (int x = std::min(x0, x1); x <= std::max(x0, x1); ++x) widen(world, x, y0);
    for (int y = std::min(y0, y1); y <= std::max(y0, y1); ++y) widen(world, x1, y);
    return;
  }
  const int reach = (std::abs(dx) + std::abs(dy)) / 4 + 1;
  const int push = random.range(-reach, reach);
  const int mx = (x0 + x1) / 2 - push * dy / (std::abs(dx) + std::abs(dy));
  const int my = (y0 + y1) / 2 + push * dx / (std::abs(dx) + std::abs(dy));
  wander(world, x0, y0, mx, my, random);
  wander(world, mx, my, x1, y1, random);
}

// The cheapest way downhill from (x, y) to the sea or a lake, two cells wide.
void runRiver(DemoWorld& world, const ValueNoise& bends, int x, int y, DemoRandom& random) {
  const int count = kWorldW * kWorldH;
  std::vector<int> cost(count, -1), previous(count, -1);
  using Entry = std::pair<int, int>;
  std::priority_queue<Entry, std::vector<Entry>, std::greater<Entry>> open;
  const int start = y * kWorldW + x;
  cost[start] = 0;
  open.push({0, start});
  const int steps[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
  int mouth = -1;
  while (!open.empty() && mouth < 0) {
    const auto [c, at] = open.top();
    open.pop();
    if (c != cost[at]) continue;
    if (world.height[at] < kSeaLevel || isWaterCode(world.cell[at])) mouth = at;
    for (const auto& step : steps) {
      const int nx = at % kWorldW + step[0], ny = at / kWorldW + step[1];
      if (!world.inside(nx, ny)) continue;
      const int next = ny * kWorldW + nx;
      const int climb = static_cast<int>(std::max(0.f, world.height[next] - 0.55f) * 150.f);
      // Noise valleys bend the way, so rivers meander instead of running straight.
      const int bend = static_cast<int>(bends.fractal(nx / 9.f, ny / 9.f, 3) * 160.f);
      const int total = c + 2 + climb + bend;
      if (cost[next] < 0 || total < cost[next]) {
        cost[next] = total;
        previous[next] = at;
        open.push({total, next});
      }
    }
  }
  std::vector<int> way;
  for (int at = mouth; at >= 0; at = previous[at]) way.push_back(at);
  // Every 16th cell of the way is a bend; between bends the river wanders.
  for (size_t i = 0; i + 1 < way.size(); i += 16) {
    const size_t j = std::min(i + 16, way.size() - 1);
    wander(world, way[i] % kWorldW, way[i] / kWorldW, way[j] % kWorldW, way[j] / kWorldW, random);
  }
}

uint8_t shoreFor(bool north, bool south, bool west, bool east) {
  if (north && west) return tile::kShoreNW;
  if (north && east) return tile::kShoreNE;
  if (south && west) return tile::kShoreSW;
  if (south && east) return tile::kShoreSE;
  if (north) return tile::kShoreN;
  if (south) return tile::kShoreS;
  if (west) return tile::kShoreW;
  if (east) return tile::kShoreE;
  return tile::kWater;
}

}  // namespace

void carveRivers(DemoWorld& world, DemoRandom& random) {
  const ValueNoise bends(67);
  int made = 0;
  for (int tries = 0; tries < 5000 && made < 10; ++tries) {
    const int x = random.range(40, kWorldW - 40), y = random.range(30, kWorldH - 30);
    const float h = world.heightAt(x, y);
    if (h < 0.69f || h > 0.74f) continue;
    runRiver(world, bends, x, y, random);
    ++made;
  }
}

void edgeShores(DemoWorld& world) {
  std::vector<uint8_t> result = world.cell;
  for (int y = 0; y < kWorldH; ++y) {
    for (int x = 0; x < kWorldW; ++x) {
      if (world.at(x, y) != tile::kWater) continue;
      const bool north = isLand(world, x, y - 1), south = isLand(world, x, y + 1);
      const bool west = isLand(world, x - 1, y), east = isLand(world, x + 1, y);
      uint8_t code = shoreFor(north && !south, south && !north, west && !east, east && !west);
      if (code == tile::kWater && (north || south || west || east)) code = tile::kLilies;  // a narrow channel
      result[y * kWorldW + x] = code;
    }
  }
  world.cell = result;
}
