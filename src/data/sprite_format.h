// The game's two sprite files, "ZAN.SPR" and "ZAN2.SPR": each is 248 sprites
// of 18 x 20 palette indexes, row by row, one byte a pixel, with no header.
// The editor makes 498 slots of them: a blank slot, then a file's sprites.
#pragma once

constexpr char kMainSpriteFile[] = "ZAN.SPR";
constexpr char kSecondSpriteFile[] = "ZAN2.SPR";

constexpr int kSpriteWidth = 18;
constexpr int kSpriteHeight = 20;
constexpr int kSpriteBytes = kSpriteWidth * kSpriteHeight;  // 360 bytes per sprite in a file
constexpr int kSpritesPerFile = 248;
constexpr long kSpriteFileBytes = static_cast<long>(kSpritesPerFile) * kSpriteBytes;  // a whole file
constexpr int kSpriteSlotCount = 498;   // 0..248 main set, 249..497 second set
constexpr int kSecondSetFirstSlot = 249;
static_assert(kSpriteSlotCount == 2 * (kSpritesPerFile + 1), "each file's sprites follow a blank slot");
static_assert(kSecondSetFirstSlot == kSpritesPerFile + 1, "the second file's blank slot follows the first's sprites");
