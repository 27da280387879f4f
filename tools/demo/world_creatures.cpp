// Who and what stands in the world: villagers and animals in the villages,
// game in the woods, bandits on the roads, creepers in the swamps, a dragon
// among the peaks, and a few objects lying about.
#include "data/placement.h"
#include "demo_catalogue.h"
#include "demo_world.h"
#include "tile_codes.h"

namespace {

// Index into kBeings / kItems by name, so the placements read as what they are.
int beingNumber(const char* name) {
  for (int i = 0; i < kBeingCount; ++i) {
    if (std::string(kBeings[i].name) == name) return i;
  }
  return 0;
}

int itemNumber(const char* name) {
  for (int i = 0; i < kItemCount; ++i) {
    if (std::string(kItems[i].name) == name) return i;
  }
  return 0;
}

bool walkable(uint8_t code) {
  return code == tile::kGrass || code == tile::kFlowers || code == tile::kFlagstones ||
         code == tile::kRoad || code == tile::kSand || code == tile::kSnow || code == tile::kSwamp ||
         code == tile::kDirt;
}

// Puts a creature on a free walkable cell near (x, y).
void placeNear(DemoWorld& world, int x, int y, int id, int quantity, DemoRandom& random) {
  for (int tries = 0; tries < 60; ++tries) {
    const int px = x + random.range(-6, 6), py = y + random.range(-4, 4);
    if (!world.inside(px, py) || !walkable(world.at(px, py))) continue;
    world.placements.push_back({px, py, id, quantity});
    return;
  }
}

void scatter(DemoWorld& world, uint8_t ground, const char* being, int count, DemoRandom& random) {
  for (int tries = 0; tries < 400000 && count > 0; ++tries) {
    const int x = random.below(kWorldW), y = random.below(kWorldH);
    if (world.at(x, y) != ground) continue;
    placeNear(world, x, y, kCreatureIdBase + beingNumber(being), 1, random);
    --count;
  }
}

}  // namespace

void settleCreatures(DemoWorld& world, DemoRandom& random) {
  const char* const townsfolk[] = {"Villager", "Farmer's Wife", "Town Guard", "Child", "Village Elder",
                                   "Merchant", "Blacksmith", "Priestess", "Chicken", "Cow"};
  for (size_t v = 0; v < world.villages.size(); ++v) {
    const Village& village = world.villages[v];
    for (int i = 0; i < 5; ++i) {
      const char* who = townsfolk[(v * 3 + i * 2) % 10];
      placeNear(world, village.x, village.y, kCreatureIdBase + beingNumber(who), 1, random);
    }
    placeNear(world, village.x, village.y + 5, itemNumber("Red Apple"), 3, random);
  }
  scatter(world, tile::kTree, "Grey Wolf", 25, random);
  scatter(world, tile::kTree, "Deer", 25, random);
  scatter(world, tile::kPine, "Brown Bear", 12, random);
  scatter(world, tile::kTree, "Wild Boar", 15, random);
  scatter(world, tile::kRoad, "Bandit", 10, random);
  scatter(world, tile::kSwamp, "Green Slime", 10, random);
  scatter(world, tile::kSwamp, "Marsh Snake", 10, random);
  scatter(world, tile::kSnow, "Frost Wyrm", 2, random);
  scatter(world, tile::kHills, "Troll", 8, random);
  scatter(world, tile::kGrass, "Horse", 8, random);
  scatter(world, tile::kSand, "Giant Spider", 6, random);
  scatter(world, tile::kMountain, "Red Dragon", 2, random);
  for (const DemoTeleport& teleport : world.teleports) {  // something to find at every entrance
    placeNear(world, teleport.x, teleport.y, itemNumber("Gold Coins"), 5, random);
  }
}
