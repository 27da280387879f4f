// Villages on open land, each a paved square with a well and a few houses,
// gardens and a fence; cave mouths in the mountains; the teleports into the
// town, the houses and the caves; and who lives where.
#include <cstdlib>

#include "demo_world.h"
#include "tile_codes.h"

namespace {

const char* const kVillageNames[] = {"Oakvale", "Millbrook", "Ashford", "Fernhollow", "Stonebridge",
                                     "Redwater", "Elmsworth", "Harrowgate", "Thistledown", "Duskmere",
                                     "Brightwell", "Willowmere"};

bool openGround(uint8_t code) {
  return code == tile::kGrass || code == tile::kFlowers || code == tile::kBush || code == tile::kTree ||
         code == tile::kBoulder || code == tile::kPine;
}

bool fitsVillage(const DemoWorld& world, int cx, int cy) {
  for (int y = cy - 8; y <= cy + 8; ++y) {
    for (int x = cx - 14; x <= cx + 14; ++x) {
      if (!world.inside(x, y) || !openGround(world.at(x, y))) return false;
    }
  }
  for (const Village& other : world.villages) {
    if (std::abs(other.x - cx) < 110 && std::abs(other.y - cy) < 70) return false;
  }
  return true;
}

// A house seen from above: roof rows, then a front wall with windows and a door.
// Gives back the door's cell.
void house(DemoWorld& world, int left, int top, int width, int height, int* doorX, int* doorY) {
  for (int y = top; y < top + height - 1; ++y) {
    for (int x = left; x < left + width; ++x) world.set(x, y, tile::kRoof);
  }
  const int front = top + height - 1;
  for (int x = left; x < left + width; ++x) world.set(x, front, (x - left) % 2 ? tile::kWindow : tile::kStoneWall);
  *doorX = left + width / 2;
  *doorY = front;
  world.set(*doorX, *doorY, tile::kDoor);
}

void garden(DemoWorld& world, int left, int top, int width, int height, uint8_t crop) {
  for (int x = left - 1; x <= left + width; ++x) world.set(x, top - 1, tile::kFence);
  for (int y = top; y < top + height; ++y) {
    for (int x = left; x < left + width; ++x) world.set(x, y, crop);
  }
}

void layOutVillage(DemoWorld& world, const Village& village, DemoRandom& random, int index) {
  const int cx = village.x, cy = village.y;
  for (int y = cy - 7; y <= cy + 7; ++y) {
    for (int x = cx - 13; x <= cx + 13; ++x) world.set(x, y, random.chance(4) ? tile::kFlowers : tile::kGrass);
  }
  for (int y = cy - 1; y <= cy + 1; ++y) {
    for (int x = cx - 3; x <= cx + 3; ++x) world.set(x, y, tile::kFlagstones);
  }
  world.set(cx, cy, index % 3 == 2 ? tile::kFountain : tile::kWell);
  world.set(cx - 4, cy + 2, tile::kSign);
  const int spots[][2] = {{-12, -7}, {-4, -7}, {4, -7}, {-12, 3}, {5, 3}};
  for (int i = 0; i < 5; ++i) {
    int doorX = 0, doorY = 0;
    const int width = random.range(5, 7);
    house(world, cx + spots[i][0], cy + spots[i][1], width, 4 + (i % 2), &doorX, &doorY);
    world.set(doorX, doorY + 1, tile::kFlagstones);
    if (i == 1 && index == 1) world.teleports.push_back({doorX, doorY, cellMapName(doorX, doorY)});
    if (i == 4 && index == 3) world.teleports.push_back({doorX, doorY, cellMapName(doorX, doorY)});
  }
  garden(world, cx - 3, cy + 4, 6, 3, index % 2 ? tile::kCrops : tile::kGarden);
  world.set(cx + 3, cy + 5, tile::kHay);
  if (index % 4 == 1) {  // a churchyard
    for (int i = 0; i < 4; ++i) world.set(cx + 9 + i % 2 * 2, cy - 2 + i / 2 * 2, tile::kGrave);
  }
  if (village.isTown) world.teleports.push_back({cx - 4, cy + 2, "OAKVALE"});
}

}  // namespace

void buildVillages(DemoWorld& world, DemoRandom& random) {
  const int wanted = sizeof kVillageNames / sizeof kVillageNames[0];
  for (int tries = 0; tries < 40000 && int(world.villages.size()) < wanted; ++tries) {
    const int x = random.range(20, kWorldW - 20), y = random.range(15, kWorldH - 15);
    if (!fitsVillage(world, x, y)) continue;
    const int index = static_cast<int>(world.villages.size());
    world.villages.push_back({x, y, kVillageNames[index], index == 0});
    layOutVillage(world, world.villages.back(), random, index);
  }
}

void openCaves(DemoWorld& world, DemoRandom& random) {
  int made = 0;
  for (int tries = 0; tries < 200000 && made < 3; ++tries) {
    const int x = random.range(10, kWorldW - 10), y = random.range(10, kWorldH - 10);
    if (world.at(x, y) != tile::kMountain || world.at(x, y - 1) != tile::kMountain) continue;
    if (!openGround(world.at(x, y + 1)) && world.at(x, y + 1) != tile::kHills) continue;
    world.set(x, y, tile::kCave);
    world.set(x, y + 1, tile::kDirt);
    world.teleports.push_back({x, y, cellMapName(x, y)});
    ++made;
  }
}
