// The tile-code tables of the sprite set: 48 codes drawn with the slot of the
// same number, 19 codes drawn with another slot, every other code blank.
#include "data/sprite_tables.h"

#include "data/map_kind.h"

namespace {

constexpr unsigned char kSameSlotCodes[] = {
    4,   15,  18,  19,  22,  23,  28,  29,  30,  31,  42,  60,  62,  81,  82,  94,
    127, 179, 188, 191, 192, 196, 208, 215, 217, 218, 219, 220, 221, 222, 223, 224,
    225, 226, 227, 228, 233, 234, 235, 236, 237, 238, 239, 241, 244, 245, 247, 248};

struct CodeSlot {
  unsigned char code;
  unsigned char slot;
};

constexpr CodeSlot kOtherSlotCodes[] = {
    {16, 14},   {39, 9},    {46, 7},    {95, 79},   {97, 160},  {98, 125},  {99, 145},
    {100, 121}, {101, 157}, {102, 146}, {103, 144}, {105, 148}, {106, 163}, {107, 5},
    {108, 149}, {109, 173}, {250, 229}, {251, 230}, {254, 77}};

struct ForegroundTable {
  unsigned char slot[256] = {};
  constexpr ForegroundTable() {
    for (unsigned char code : kSameSlotCodes) slot[code] = code;
    for (const CodeSlot& entry : kOtherSlotCodes) slot[entry.code] = entry.slot;
  }
};

constexpr ForegroundTable kForeground;

}  // namespace

int foregroundSlotOf(int code) {
  if (code < 0 || code > 255) return 0;
  return kForeground.slot[code];
}

int backgroundSlotOf(int code, int kind) {
  if ((code >= 97 && code <= 103) || (code >= 105 && code <= 109)) return kWaterSlot;
  if (code == 19 || code == 28) return kFloorSlot;
  return kind == Interior ? kFloorSlot : kGrassSlot;
}
