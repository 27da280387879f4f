// Lines and marks of the world's teleports over the world view. The view
// squeezes 960 world columns into 864 pixels: pixel 9g + k shows world column
// 10g + k (k 0..8), and the columns 10g + 9 are shown by no pixel.
#include "view/world_teleport_overlay.h"

#include <cstdlib>

#include "data/world_buffer.h"

namespace {

int colourIn(BITMAP* target, int r, int g, int b) { return makecol_depth(bitmap_color_depth(target), r, g, b); }

// A filled box in the teleport's colour inside a black frame, which keeps it
// plain on every ground and over the lines.
void drawMark(BITMAP* target, const WorldTeleport& t, int colour, int frame) {
  int px, py;
  worldCellPixel(t.wx, t.wy, &px, &py);
  const int r = kTeleportMarkRadius;
  rect(target, px - r, py - r, px + r, py + r, frame);
  rectfill(target, px - r + 1, py - r + 1, px + r - 1, py + r - 1, colour);
}

}  // namespace

void worldCellPixel(int wx, int wy, int* px, int* py) {
  *px = wx - wx / 10 - (wx % 10 == 9 ? 1 : 0);  // a skipped column: the pixel left of it
  *py = wy;
}

void squareMiddlePixel(int col, int row, int* px, int* py) {
  worldCellPixel(worldX(col, kMapColumns / 2), worldY(row, kMapRows / 2), px, py);
}

int worldLinkColour(BITMAP* target) { return colourIn(target, 255, 255, 0); }

int otherLinkColour(BITMAP* target) { return colourIn(target, 255, 64, 64); }

void drawWorldTeleports(BITMAP* target, const WorldTeleports& teleports) {
  const int worldColour = worldLinkColour(target), otherColour = otherLinkColour(target);
  const int frame = colourIn(target, 0, 0, 0);
  acquire_bitmap(target);
  for (const WorldTeleport& t : teleports.list) {
    if (!t.leadsToWorldMap()) continue;
    int fromX, fromY, toX, toY;
    worldCellPixel(t.wx, t.wy, &fromX, &fromY);
    squareMiddlePixel(t.destCol, t.destRow, &toX, &toY);
    fastline(target, fromX, fromY, toX, toY, worldColour);
  }
  for (const WorldTeleport& t : teleports.list)
    drawMark(target, t, t.leadsToWorldMap() ? worldColour : otherColour, frame);
  release_bitmap(target);
}

const WorldTeleport* teleportAtPixel(const WorldTeleports& teleports, int px, int py) {
  const WorldTeleport* nearest = nullptr;
  int nearestDistance = 0;
  for (const WorldTeleport& t : teleports.list) {
    int x, y;
    worldCellPixel(t.wx, t.wy, &x, &y);
    const int dx = abs(x - px), dy = abs(y - py);
    if (dx > kTeleportMarkRadius || dy > kTeleportMarkRadius) continue;
    if (nearest == nullptr || dx + dy < nearestDistance) {
      nearest = &t;
      nearestDistance = dx + dy;
    }
  }
  return nearest;
}
