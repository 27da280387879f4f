// The rules' inner loop: per cell, the variants its centre code can start,
// each tested position by position through offsets into the grid that are
// worked out once per pass.
#include "data/terrain_eval.h"

#include <algorithm>

void TerrainGrid::resize(int innerWidth, int innerHeight) {
  width = innerWidth;
  height = innerHeight;
  cells.assign(static_cast<size_t>(stride()) * (height + 2 * kTerrainMargin), 0);
}

void TerrainGrid::copyEdges() {
  for (int y = -kTerrainMargin; y < height + kTerrainMargin; ++y) {
    const int innerY = std::clamp(y, 0, height - 1);
    for (int x = -kTerrainMargin; x < width + kTerrainMargin; ++x) {
      if (x >= 0 && x < width && y >= 0 && y < height) continue;
      at(x, y) = at(std::clamp(x, 0, width - 1), innerY);
    }
  }
}

uint32_t terrainHash(uint32_t seed, int x, int y, uint32_t salt) {
  uint32_t h = seed ^ 0x9E3779B9u;
  h ^= static_cast<uint32_t>(x) * 0x85EBCA6Bu;
  h = (h << 13 | h >> 19) * 5u + 0xE6546B64u;
  h ^= static_cast<uint32_t>(y) * 0xC2B2AE35u;
  h = (h << 13 | h >> 19) * 5u + 0xE6546B64u;
  h ^= salt * 0x27D4EB2Fu;
  h ^= h >> 16;
  h *= 0x85EBCA6Bu;
  h ^= h >> 13;
  h *= 0xC2B2AE35u;
  h ^= h >> 16;
  return h;
}

namespace {

// The compiled tests laid onto one grid's rows: an offset from the centre
// and the member table of each test.
class Matcher {
 public:
  Matcher(const TerrainRules& rules, const TerrainGrid& grid) : rules_(rules), grid_(grid) {
    const std::vector<TerrainTest>& tests = rules.tests();
    offsets_.resize(tests.size());
    members_.resize(tests.size());
    for (size_t i = 0; i < tests.size(); ++i) {
      offsets_[i] = tests[i].dy * grid.stride() + tests[i].dx;
      members_[i] = rules.sets()[tests[i].set].member;
    }
  }

  // The first match for the cell at centre, inner cell (x, y).
  TerrainMatch match(const uint8_t* centre, int x, int y) const {
    const uint8_t code = *centre;
    const int* list = rules_.centreList(code);
    const int count = rules_.centreCount(code);
    const TerrainVariant* variants = rules_.variants().data();
    for (int i = 0; i < count; ++i) {
      const TerrainVariant& variant = variants[list[i]];
      const int end = variant.firstTest + variant.testCount;
      int t = variant.firstTest;
      while (t < end && members_[t][centre[offsets_[t]]]) ++t;
      if (t < end) continue;
      const TerrainRule& rule = rules_.rules()[variant.rule];
      const int wx = grid_.originX + x, wy = grid_.originY + y;
      if (rule.chance < 100 && terrainHash(rules_.seed(), wx, wy, variant.rule) % 100 >= static_cast<uint32_t>(rule.chance))
        continue;
      return {variant.rule, pick(variant, wx, wy)};
    }
    return {-1, code};
  }

 private:
  uint8_t pick(const TerrainVariant& variant, int wx, int wy) const {
    const TerrainChoice* choices = rules_.choices().data() + variant.firstChoice;
    if (variant.choiceCount == 1) return choices[0].code;
    uint32_t roll = terrainHash(rules_.seed(), wx, wy, 0x80000000u | variant.rule) % variant.totalWeight;
    int i = 0;
    while (roll >= choices[i].weight) roll -= choices[i++].weight;
    return choices[i].code;
  }

  const TerrainRules& rules_;
  const TerrainGrid& grid_;
  std::vector<int> offsets_;
  std::vector<const uint8_t*> members_;
};

}  // namespace

TerrainMatch matchTerrainCell(const TerrainRules& rules, const TerrainGrid& grid, int x, int y) {
  const Matcher matcher(rules, grid);
  return matcher.match(&grid.at(x, y), x, y);
}

int evaluateTerrain(const TerrainRules& rules, const TerrainGrid& grid, int left, int top, int width, int height,
                    uint8_t* out) {
  const Matcher matcher(rules, grid);
  int changed = 0;
  for (int y = top; y < top + height; ++y) {
    const uint8_t* row = &grid.at(left, y);
    for (int x = 0; x < width; ++x) {
      const uint8_t code = matcher.match(row + x, left + x, y).code;
      changed += code != row[x];
      *out++ = code;
    }
  }
  return changed;
}

int evaluateTerrainCells(const TerrainRules& rules, const TerrainGrid& grid, const int* xs, const int* ys, int count,
                         uint8_t* out) {
  const Matcher matcher(rules, grid);
  int changed = 0;
  for (int i = 0; i < count; ++i) {
    const uint8_t* centre = &grid.at(xs[i], ys[i]);
    out[i] = matcher.match(centre, xs[i], ys[i]).code;
    changed += out[i] != *centre;
  }
  return changed;
}
