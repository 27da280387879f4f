// DemoWorld: the demo's whole world while it is being made, 960 x 480 tile
// codes (20 x 20 maps of 48 x 24), with the teleports and placements that its
// maps will carry, and the steps that make it.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "data/local_map.h"
#include "data/world_buffer.h"
#include "demo_random.h"

constexpr int kWorldW = kWorldColumns;
constexpr int kWorldH = kWorldRows;
constexpr int kBlockW = kMapColumns;
constexpr int kBlockH = kMapRows;

struct DemoTeleport {
  int x, y;          // world cell of the teleport
  std::string name;  // destination map name, without directory or extension
};

struct DemoPlacement {
  int x, y;      // world cell (or map cell for the named maps)
  int id;        // a placement id: constant object, or kCreatureIdBase + n for creature n
  int quantity;
};

struct Village {
  int x, y;          // the centre of its square
  std::string name;
  bool isTown;       // the one village that leads into the town map
};

struct DemoWorld {
  std::vector<uint8_t> cell = std::vector<uint8_t>(kWorldW * kWorldH, 0);
  std::vector<float> height = std::vector<float>(kWorldW * kWorldH, 0.f);
  std::vector<DemoTeleport> teleports;
  std::vector<DemoPlacement> placements;
  std::vector<Village> villages;

  bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < kWorldW && y < kWorldH; }
  uint8_t at(int x, int y) const { return inside(x, y) ? cell[y * kWorldW + x] : 0; }
  void set(int x, int y, uint8_t code) {
    if (inside(x, y)) cell[y * kWorldW + x] = code;
  }
  float heightAt(int x, int y) const { return inside(x, y) ? height[y * kWorldW + x] : 0.f; }
};

constexpr float kSeaLevel = 0.5f;

bool isWaterCode(uint8_t code);  // open water, shores, bridges, lilies, boats

// The steps, in the order the generator runs them.
void shapeTerrain(DemoWorld& world, DemoRandom& random);
void carveRivers(DemoWorld& world, DemoRandom& random);
void buildVillages(DemoWorld& world, DemoRandom& random);
void buildRoads(DemoWorld& world);
void openCaves(DemoWorld& world, DemoRandom& random);
void settleCreatures(DemoWorld& world, DemoRandom& random);
void edgeShores(DemoWorld& world);

// The name of the cell map of world cell (x, y): "T", the map's two letters,
// the cell's column + 21 and row + 13.
std::string cellMapName(int x, int y);
// "ZAN" and the two letters of the map that holds world cell (x, y).
std::string worldMapName(int x, int y);
