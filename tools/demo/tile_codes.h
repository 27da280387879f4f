// The tile codes the demo world is built from, named by what their sprites
// show. Each code's picture comes from the sprite set's slot tables: codes
// 97..109 draw over water, 19 and 28 over floor, the rest over grass (floor
// inside Interior maps).
#pragma once
#include <cstdint>

namespace tile {
constexpr uint8_t kGrass = 250, kFlowers = 251, kDirt = 254, kFloor = 95;
constexpr uint8_t kWater = 208, kLilies = 103, kBoat = 109;
constexpr uint8_t kShoreN = 97, kShoreS = 98, kShoreW = 99, kShoreE = 100;  // land on that side
constexpr uint8_t kShoreNW = 105, kShoreNE = 106, kShoreSW = 107, kShoreSE = 108;
constexpr uint8_t kBridgeH = 101, kBridgeV = 102;
constexpr uint8_t kTree = 4, kPine = 15, kBush = 18, kBoulder = 16, kDeadTree = 217;
constexpr uint8_t kPalm = 218, kCactus = 221, kSnowPine = 220;
constexpr uint8_t kMountain = 22, kPeak = 23, kHills = 29, kCave = 127;
constexpr uint8_t kSand = 215, kSnow = 219, kSwamp = 192, kIce = 222;
constexpr uint8_t kRoad = 42, kCobbles = 46, kFlagstones = 223;
constexpr uint8_t kStoneWall = 30, kWoodWall = 31, kWindow = 60, kRoof = 62, kDoor = 39;
constexpr uint8_t kFence = 81, kSign = 82, kWell = 94, kGrave = 188, kCrops = 191, kGarden = 196;
constexpr uint8_t kHay = 224, kCampfire = 225, kStatue = 226, kFountain = 227, kTent = 228;
constexpr uint8_t kTable = 19, kChair = 28, kBed = 233, kShelf = 234, kBarrel = 235;
constexpr uint8_t kHearth = 236, kChestTile = 237, kCounter = 238, kPlant = 239;
constexpr uint8_t kTorchWall = 241, kCaveFloor = 244, kCaveWall = 245, kCrystal = 247;
constexpr uint8_t kStairsDown = 179, kStairsUp = 248;
}  // namespace tile
