// The lie of the land: a continent of fractal height inside a ring of sea,
// snow in the north, desert in the south, forests where it is wet, mountains
// where it is high, meadows in between.
#include <algorithm>
#include <cmath>

#include "data/map_names.h"
#include "demo_world.h"
#include "tile_codes.h"
#include "value_noise.h"

namespace {

// The land's height: fractal noise over a plateau that falls away towards the
// edges of the world, so the sea rings the continent.
float continentHeight(const ValueNoise& noise, int x, int y) {
  const float dx = (x - kWorldW / 2.f) / (kWorldW / 2.f);
  const float dy = (y - kWorldH / 2.f) / (kWorldH / 2.f);
  const float distance = std::sqrt(dx * dx + dy * dy);
  const float plateau = std::min(1.f, (1.f - distance) * 2.4f);
  return noise.fractal(x / 90.f, y / 90.f, 6) * 0.7f + plateau * 0.3f;
}

// Mountain ranges follow the ridges of a second noise: high where it crosses 0.5.
float ridgeAt(const ValueNoise& noise, int x, int y) {
  const float n = noise.fractal(x / 110.f, y / 110.f, 5);
  return 1.f - std::fabs(2.f * n - 1.f);
}

uint8_t treeFor(float latitude, float height, DemoRandom& random) {
  if (latitude < 0.3f || height > 0.7f) return random.chance(80) ? tile::kPine : tile::kTree;
  return random.chance(75) ? tile::kTree : random.chance(50) ? tile::kPine : tile::kBush;
}

uint8_t meadowFor(float flowers, DemoRandom& random) {
  if (flowers > 0.62f && random.chance(60)) return tile::kFlowers;
  if (random.chance(2)) return tile::kBush;
  if (random.chance(1)) return tile::kBoulder;
  if (random.chance(1)) return tile::kTree;
  return tile::kGrass;
}

uint8_t landFor(float h, float wet, float latitude, float flowers, DemoRandom& random) {
  if (h > 0.85f) return random.chance(60) ? tile::kPeak : tile::kMountain;
  if (h > 0.74f) return tile::kMountain;
  if (latitude < 0.2f) {  // the frozen north
    return wet > 0.5f && random.chance(55) ? tile::kSnowPine : random.chance(3) ? tile::kIce : tile::kSnow;
  }
  if (h > 0.69f) return random.chance(70) ? tile::kHills : random.chance(30) ? tile::kPine : tile::kGrass;
  if (h < 0.558f) return tile::kSand;
  if (latitude > 0.78f && wet < 0.52f) {  // the southern desert
    return random.chance(3) ? tile::kCactus : random.chance(1) ? tile::kBoulder : tile::kSand;
  }
  if (wet > 0.64f && h < 0.59f) return random.chance(70) ? tile::kSwamp : tile::kDeadTree;
  if (wet > 0.53f && random.chance(static_cast<int>((wet - 0.5f) * 500))) return treeFor(latitude, h, random);
  return meadowFor(flowers, random);
}

}  // namespace

bool isWaterCode(uint8_t code) {
  return code == tile::kWater || (code >= 97 && code <= 103) || (code >= 105 && code <= 109);
}

void shapeTerrain(DemoWorld& world, DemoRandom& random) {
  const ValueNoise heightNoise(11), wetNoise(23), flowerNoise(37), edgeNoise(41), ridgeNoise(53);
  for (int y = 0; y < kWorldH; ++y) {
    for (int x = 0; x < kWorldW; ++x) {
      const float land = continentHeight(heightNoise, x, y);
      // Above the sea, ranges rise along the ridges; below it the sea floor stays as it is.
      const float ridge = std::max(0.f, ridgeAt(ridgeNoise, x, y) - 0.82f) / 0.18f;
      const float rise = ridge * std::min(1.f, (land - kSeaLevel) * 12.f);
      const float h = land < kSeaLevel ? land : 0.55f + (land - kSeaLevel) * 0.6f + rise * 0.28f;
      world.height[y * kWorldW + x] = h;
      const float latitude = (y + (edgeNoise.fractal(x / 40.f, 0.5f, 3) - 0.5f) * 40.f) / kWorldH;
      if (h < kSeaLevel) {
        world.set(x, y, tile::kWater);
        continue;
      }
      const float wet = wetNoise.fractal(x / 70.f, y / 70.f, 5);
      const float flowers = flowerNoise.fractal(x / 12.f, y / 12.f, 2);
      world.set(x, y, landFor(h, wet, latitude, flowers, random));
    }
  }
}

// Both names come from the editor's own naming of world and cell map files.
std::string worldMapName(int x, int y) {
  char path[kPathBufferSize], name[kPathBufferSize];
  worldMapFileName("", x / kBlockW, y / kBlockH, path, sizeof path);
  mapNameOf(path, name, sizeof name);
  return name;
}

std::string cellMapName(int x, int y) {
  char mapPath[kPathBufferSize], path[kPathBufferSize], name[kPathBufferSize];
  worldMapFileNameIn("C:", x / kBlockW, y / kBlockH, mapPath, sizeof mapPath);
  cellMapFileName(mapPath, x % kBlockW, y % kBlockH, path, sizeof path);
  mapNameOf(path, name, sizeof name);
  return name;
}
