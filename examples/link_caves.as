// menu: Link ~Caves
// runs on: each
//
// link_caves.as - gives every cave mouth of the world maps that leads
// nowhere a cave behind it: a new cave map with stairs that lead back.
//
// Run it with Script > Run on Each World Map (or from the Script menu when
// it lies in the scripts folder). The editor puts each world map in turn
// into the top-left block (x 1..48, y 1..24), as Generate Local Map does,
// with its kind, teleports and placements. When every map's turn has ended
// well, the maps and caves that changed are written at once (with a backup);
// if any turn fails, nothing is written.
//
// A cave mouth at cell (x, y) of world map ZANxy gets a teleport to the cave
// map "Cxy" + the cell (C, the map's two letters, then x and y with two
// digits each, such as CAB0512). The cave is made in a free block of the
// grid with usemap, which reads the map by that name beside the world maps
// or starts a new one; its stairs at (24, 20) lead back to the mouth's map.
//
// Functions used: gettile, settile, teleportcount, getteleport,
// addteleport, mapname, hasmap, usemap, setkind, print.

const int CAVE_MOUTH = 127;
const int CAVE_WALL = 245;
const int CAVE_FLOOR = 244;
const int STAIRS_UP = 248;
const int INTERIOR = 4;

// Whether a teleport of the world map stands on cell (x, y).
bool linked(int x, int y) {
  for (int n = 1; n <= teleportcount(1, 1); n++) {
    int tx, ty;
    getteleport(1, 1, n, tx, ty);
    if (tx == x && ty == y) return true;
  }
  return false;
}

string twoDigits(int n) {
  string text = n < 10 ? "0" : "";
  return text + n;
}

// The top-left cell of the first block that holds no map yet (never block
// 1, 1, the world map's own).
void freeBlock(int &out bx, int &out by) {
  for (int row = 0; row < 20; row++) {
    for (int col = 0; col < 20; col++) {
      if (!hasmap(col * 48 + 1, row * 24 + 1)) {
        bx = col * 48 + 1;
        by = row * 24 + 1;
        return;
      }
    }
  }
  bx = 0;
  by = 0;
}

// Draws a cave into the block at (bx, by): rock around a hall, the stairs up.
void drawCave(int bx, int by) {
  for (int y = 0; y < 24; y++) {
    for (int x = 0; x < 48; x++) {
      bool hall = x >= 6 && x <= 41 && y >= 4 && y <= 20;
      settile(bx + x, by + y, hall ? CAVE_FLOOR : CAVE_WALL);
    }
  }
  settile(bx + 23, by + 19, STAIRS_UP);
}

void main() {
  string world = mapname(1, 1);
  for (int y = 1; y <= 24; y++) {
    for (int x = 1; x <= 48; x++) {
      if (gettile(x, y) != CAVE_MOUTH || linked(x, y)) continue;
      string cave = "C??" + twoDigits(x) + twoDigits(y);
      cave[1] = world[3];  // the world map's two letters
      cave[2] = world[4];
      int bx, by;
      freeBlock(bx, by);
      if (!usemap(bx, by, cave)) {
        // A new map: draw it, make it an interior, and lead its stairs back.
        drawCave(bx, by);
        setkind(bx, by, INTERIOR);
        addteleport(bx, by, 24, 20, world);
      }
      addteleport(1, 1, x, y, cave);
      print(world + " (" + x + ", " + y + ") leads into " + cave);
    }
  }
}
