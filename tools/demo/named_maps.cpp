// Drawing the town, the houses and the caves cell by cell.
#include "named_maps.h"

#include "data/placement.h"
#include "demo_catalogue.h"
#include "tile_codes.h"

namespace {

const int kLastRow = mapKindRowCount(Local) - 1;  // Local and Interior maps lack row 23

void fill(NamedMap& map, int x0, int y0, int x1, int y1, uint8_t code) {
  for (int y = y0; y <= y1; ++y) {
    for (int x = x0; x <= x1; ++x) {
      if (x >= 0 && y >= 0 && x < kBlockW && y <= kLastRow) map.tile[y][x] = code;
    }
  }
}

int creatureId(const char* name) {
  for (int i = 0; i < kBeingCount; ++i) {
    if (std::string(kBeings[i].name) == name) return kCreatureIdBase + i;
  }
  return kCreatureIdBase;
}

int itemId(const char* name) {
  for (int i = 0; i < kItemCount; ++i) {
    if (std::string(kItems[i].name) == name) return i;
  }
  return 0;
}

void townHouse(NamedMap& map, int left, int top, int width, int* doorX, int* doorY) {
  fill(map, left, top, left + width - 1, top + 2, tile::kRoof);
  fill(map, left, top + 3, left + width - 1, top + 3, tile::kWoodWall);
  for (int x = left + 1; x < left + width - 1; x += 2) map.tile[top + 3][x] = tile::kWindow;
  *doorX = left + width / 2;
  *doorY = top + 3;
  map.tile[*doorY][*doorX] = tile::kDoor;
}

NamedMap town(const std::string& worldMap) {
  NamedMap map;
  map.name = "OAKVALE";
  map.kind = Local;
  fill(map, 0, 0, kBlockW - 1, kLastRow, tile::kGrass);
  for (int i = 0; i < 40; ++i) map.tile[(i * 7) % 23][(i * 13) % 48] = tile::kFlowers;
  fill(map, 0, 11, kBlockW - 1, 12, tile::kCobbles);
  fill(map, 23, 0, 24, kLastRow, tile::kCobbles);
  fill(map, 19, 8, 28, 15, tile::kFlagstones);
  map.tile[11][23] = tile::kFountain;
  map.tile[9][20] = tile::kStatue;
  const int tents[][2] = {{17, 9}, {30, 9}, {30, 14}};
  for (const auto& t : tents) map.tile[t[1]][t[0]] = tile::kTent;
  const int houses[][3] = {{2, 2, 7}, {11, 2, 8}, {30, 2, 7}, {39, 2, 7}, {2, 15, 8}, {32, 15, 9}};
  for (int i = 0; i < 6; ++i) {
    int doorX = 0, doorY = 0;
    townHouse(map, houses[i][0], houses[i][1], houses[i][2], &doorX, &doorY);
    if (i == 2) map.teleports.push_back({doorX, doorY, "OAKHOUSE"});
  }
  fill(map, 12, 15, 19, 15, tile::kFence);
  fill(map, 12, 16, 19, 19, tile::kCrops);
  map.tile[19][42] = tile::kWell;
  for (int x = 0; x < kBlockW; x += 6) map.tile[kLastRow][x] = tile::kTree;
  for (int i = 0; i < 4; ++i) map.tile[17 + i % 2 * 2][44 + i / 2 * 2] = tile::kGrave;
  const int exits[][2] = {{0, 11}, {47, 11}, {23, 0}, {23, kLastRow}};
  for (const auto& exit : exits) map.teleports.push_back({exit[0], exit[1], worldMap});
  map.placements = {{25, 13, creatureId("Merchant"), 1}, {22, 10, creatureId("Town Guard"), 1},
                    {5, 13, creatureId("Villager"), 1},  {35, 12, creatureId("Child"), 1},
                    {27, 8, itemId("Loaf of Bread"), 4}, {21, 15, itemId("Healing Potion"), 2},
                    {16, 18, creatureId("Chicken"), 1}};
  return map;
}

void room(NamedMap& map, int x0, int y0, int x1, int y1) {
  fill(map, x0, y0, x1, y1, tile::kStoneWall);
  fill(map, x0 + 1, y0 + 1, x1 - 1, y1 - 1, tile::kFloor);
}

NamedMap house(const std::string& name, const std::string& backTo, bool large) {
  NamedMap map;
  map.name = name;
  fill(map, 0, 0, kBlockW - 1, kLastRow, tile::kCaveWall);
  const int x0 = large ? 12 : 15, x1 = large ? 35 : 32, y0 = 4, y1 = large ? 17 : 15;
  room(map, x0, y0, x1, y1);
  fill(map, (x0 + x1) / 2, y0, (x0 + x1) / 2, y1, tile::kStoneWall);  // the inner wall
  map.tile[(y0 + y1) / 2][(x0 + x1) / 2] = tile::kFloor;
  map.tile[y1][x0 + 4] = tile::kDoor;
  map.teleports.push_back({x0 + 4, y1, backTo});
  map.tile[y0][x0 + 3] = tile::kHearth;
  map.tile[y0][x0 + 6] = tile::kTorchWall;
  map.tile[y0 + 3][x0 + 4] = tile::kTable;
  map.tile[y0 + 3][x0 + 3] = tile::kChair;
  map.tile[y0 + 3][x0 + 5] = tile::kChair;
  map.tile[y0 + 1][x0 + 1] = tile::kBarrel;
  map.tile[y0 + 2][x0 + 1] = tile::kBarrel;
  map.tile[y1 - 1][x0 + 1] = tile::kPlant;
  const int right = (x0 + x1) / 2 + 2;
  map.tile[y0 + 1][right] = tile::kBed;
  map.tile[y0 + 1][right + 3] = tile::kShelf;
  map.tile[y0 + 1][right + 4] = tile::kShelf;
  map.tile[y1 - 1][x1 - 2] = tile::kChestTile;
  map.tile[y1 - 2][right + 1] = tile::kCounter;
  map.tile[y1 - 2][right + 2] = tile::kCounter;
  map.tile[y0 + 1][right + 1] = tile::kPlant;
  map.tile[y0][right + 5] = tile::kTorchWall;
  map.tile[y1 - 1][x0 + 3] = tile::kBarrel;
  map.tile[y1 - 3][x0 + 3] = tile::kTable;
  map.tile[y1 - 3][x0 + 2] = tile::kChair;
  map.tile[y0 + 1][x1 - 1] = large ? tile::kBed : tile::kShelf;
  map.tile[y1][x1 - 2] = tile::kWindow;
  map.tile[y1][x0 + 7] = tile::kWindow;
  map.placements = {{x0 + 4, y0 + 3, itemId("Mug of Ale"), 1}, {x1 - 2, y1 - 2, itemId("Brass Key"), 1},
                    {right + 2, y0 + 4, creatureId(large ? "Village Elder" : "Farmer's Wife"), 1},
                    {right + 3, y0 + 2, itemId("Spell Book"), 1}};
  return map;
}

NamedMap cave(const std::string& name, const std::string& backTo, uint32_t seed) {
  NamedMap map;
  map.name = name;
  fill(map, 0, 0, kBlockW - 1, kLastRow, tile::kCaveWall);
  DemoRandom random(seed);
  int x = 24, y = 19;
  for (int step = 0; step < 900; ++step) {  // a winding passage with chambers
    fill(map, x - 1, y - 1, x + 1, y, tile::kCaveFloor);
    const int direction = random.below(4);
    x += direction == 0 ? 1 : direction == 1 ? -1 : 0;
    y += direction == 2 ? 1 : direction == 3 ? -1 : 0;
    if (x < 3 || x > kBlockW - 4) x = 24;
    if (y < 3 || y > kLastRow - 3) y = 11;
  }
  fill(map, 23, 19, 25, 21, tile::kCaveFloor);
  map.tile[20][24] = tile::kStairsUp;
  map.teleports.push_back({24, 20, backTo});
  for (int i = 0; i < 30; ++i) {
    const int cx = random.range(1, kBlockW - 2), cy = random.range(1, kLastRow - 1);
    if (map.tile[cy][cx] == tile::kCaveFloor && i % 3 == 0) map.tile[cy][cx] = tile::kCrystal;
    if (map.tile[cy][cx] == tile::kCaveWall && map.tile[cy + 1][cx] == tile::kCaveFloor) {
      map.tile[cy][cx] = tile::kTorchWall;
    }
  }
  const char* const dwellers[] = {"Cave Bat", "Cave Bat", "Giant Spider", "Skeleton", "Rat", "Lich"};
  int placed = 0;
  for (int tries = 0; tries < 2000 && placed < 9; ++tries) {
    const int cx = random.range(1, kBlockW - 2), cy = random.range(1, kLastRow - 1);
    if (map.tile[cy][cx] != tile::kCaveFloor) continue;
    const int id = placed < 6 ? creatureId(dwellers[placed]) : itemId(placed == 6 ? "Gold Coins" : "Ruby");
    map.placements.push_back({cx, cy, id, placed == 6 ? 40 : 1});
    ++placed;
  }
  return map;
}

}  // namespace

std::vector<NamedMap> buildNamedMaps(const DemoWorld& world) {
  std::vector<NamedMap> maps;
  for (const DemoTeleport& teleport : world.teleports) {
    const std::string back = worldMapName(teleport.x, teleport.y);
    if (teleport.name == "OAKVALE") {
      maps.push_back(town(back));
      maps.push_back(house("OAKHOUSE", "OAKVALE", true));
    } else if (world.at(teleport.x, teleport.y) == tile::kCave) {
      maps.push_back(cave(teleport.name, back, static_cast<uint32_t>(teleport.x * 31 + teleport.y)));
    } else {
      maps.push_back(house(teleport.name, back, false));
    }
  }
  return maps;
}
