// The teleports of the world maps drawn over the world view: every teleport
// cell marked with a small box (5 x 5 in a black frame), a line from it to the middle of its
// destination's square when that is a world map (one colour), a box of a
// second colour for teleports into any other map. Plain inputs and a target
// bitmap only, so tests probe it pixel by pixel with no display.
#pragma once
#include <allegro.h>

#include "data/world_teleports.h"

constexpr int kTeleportMarkRadius = 3;  // a mark covers 7 x 7 pixels around its cell

// The world view pixel that shows world cell (wx, wy) (for the columns that
// no pixel shows, the pixel left of it), and the pixel in the middle of
// square (col, row): the inverse of the view's squeeze.
void worldCellPixel(int wx, int wy, int* px, int* py);
void squareMiddlePixel(int col, int row, int* px, int* py);

// The colours of the overlay in the target's depth.
int worldLinkColour(BITMAP* target);   // teleports into world maps and their lines
int otherLinkColour(BITMAP* target);   // teleports into any other map

// Draws the lines first and the marks over them, so no line hides a mark.
void drawWorldTeleports(BITMAP* target, const WorldTeleports& teleports);

// The teleport whose mark covers world view pixel (px, py), the nearest one
// when marks overlap; nullptr when none does.
const WorldTeleport* teleportAtPixel(const WorldTeleports& teleports, int px, int py);
