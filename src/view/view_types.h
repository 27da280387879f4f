// The canvas modes and the sizes of the buffers that the view shares with the
// program: both the program's state and the view context are built on them.
#pragma once

// What the map canvas shows and what a click on it does.
enum CanvasMode : int {
  WorldView = 0,         // the whole world from the world buffer
  LocalEdit = 1,         // the open map, painted and picked
  PickTeleportCell = 2,  // the next click sets a new teleport's cell
  PlaceObject = 3,       // the next click places the selected constant object
};

constexpr int kRowIndexSize = 50000;  // the upper bound of any list's row count
constexpr int kQuantityTextSize = 4;  // the "Qty" box: three digits and the end
constexpr int kStartHintSize = 160;   // the line the map canvas shows while no map is open
