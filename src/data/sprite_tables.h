// Which sprite slot stands for a tile code: the foreground drawn over a cell
// and the background drawn under it. Pure functions of the code (and the map
// kind), shared by the editor's canvases and the tools that draw maps.
#pragma once

// The slot drawn over a cell of this code; 0 (the blank slot) for codes
// without a picture of their own.
int foregroundSlotOf(int code);

// The slot drawn first under a cell: water for the shore and bridge codes,
// floor for the furniture codes and everywhere inside an Interior map, grass
// elsewhere.
int backgroundSlotOf(int code, int kind);

constexpr int kGrassSlot = 229;
constexpr int kFloorSlot = 79;
constexpr int kWaterSlot = 208;
