// generate_world.as - makes a whole new world of 20 x 20 maps.
//
// Run it with Script > Generate World Map while a map of the world is open.
// The editor clears its world grid (960 x 480 cells, every cell 0), runs
// main() below, and then saves each 48 x 24 block of the grid as one of the
// world map files ZANAA.MAP to ZANTT.MAP in the open map's directory (it asks
// first when world maps are there already). Nothing is saved if you cancel,
// if the script stops with an error, or if you press Escape while it runs.
// View > World Map then shows the new world.
//
// The script sees the world only through these functions:
//   settile(x, y, code)  sets cell (x, y) to a tile code 0..255
//   gettile(x, y)        reads a cell (0 outside the world)
//   rand()               a random number 0..32767
//   message(text)        shows a text with an OK button
//   terrain(x1, y1, x2, y2)  applies the game directory's terrain rules
//                        ("terrain.rules") to the cells from (x1, y1) to
//                        (x2, y2): how many changed, or -1 without rules
//   print(text)          adds a line to the Script Output window
//   mapname(x, y)        the name of the world map that holds cell (x, y)
// and more that reach the kinds, teleports and placements of every map
// (see the README's table of script functions).
// Cells count from 1: x 1..960 from the left, y 1..480 from the top.
// Codes outside the world or outside 0..255 are ignored, so the drawing
// helpers below may run over the edges without harm.
//
// The tile codes this script uses (their pictures come from ZAN.SPR):
const int WATER = 208;
const int GRASS = 250;
const int FLOWERS = 251;
const int SAND = 215;
const int TREE = 4;
const int PINE = 15;
const int MOUNTAIN = 22;
const int PEAK = 23;
const int ROAD = 42;
const int BRIDGE_ACROSS = 101;  // a bridge for a road running left to right
const int BRIDGE_DOWN = 102;    // a bridge for a road running top to bottom
const int ROOF = 62;
const int WALL = 30;
const int DOOR = 39;
const int WELL = 94;
// Shore codes: water with land on one side (N = land to the north, ...).
const int SHORE_N = 97;
const int SHORE_S = 98;
const int SHORE_W = 99;
const int SHORE_E = 100;
const int SHORE_NW = 105;
const int SHORE_NE = 106;
const int SHORE_SW = 107;
const int SHORE_SE = 108;

// A whole number from low to high, both included.
int between(int low, int high) {
  return low + rand() % (high - low + 1);
}

// Paints a filled disc of one tile code.
void disc(int cx, int cy, int radius, int code) {
  for (int y = cy - radius; y <= cy + radius; y++) {
    for (int x = cx - radius; x <= cx + radius; x++) {
      if ((x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius) {
        settile(x, y, code);
      }
    }
  }
}

// Like disc, but only over cells that hold the code "only".
void discOver(int cx, int cy, int radius, int code, int only) {
  for (int y = cy - radius; y <= cy + radius; y++) {
    for (int x = cx - radius; x <= cx + radius; x++) {
      if ((x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius && gettile(x, y) == only) {
        settile(x, y, code);
      }
    }
  }
}

bool isWater(int code) {
  return code == WATER || (code >= 97 && code <= 103) || (code >= 105 && code <= 109);
}

// True when (x, y) lies inside an ellipse around the middle of the world
// that leaves a wide band of sea along the world's edges.
bool nearMiddle(int x, int y) {
  int dx = (x - 480) * 100 / 330;
  int dy = (y - 240) * 100 / 165;
  return dx * dx + dy * dy < 100 * 100;
}

// A random cell inside that ellipse.
void middleCell(int &out x, int &out y) {
  x = between(150, 810);
  y = between(75, 405);
  while (!nearMiddle(x, y)) {
    x = between(150, 810);
    y = between(75, 405);
  }
}

// The sea everywhere, then a continent of many overlapping grass discs:
// big ones make the body, small ones ragged coasts and offshore islets.
void continent() {
  for (int y = 1; y <= 480; y++) {
    for (int x = 1; x <= 960; x++) {
      settile(x, y, WATER);
    }
  }
  int x = 0;
  int y = 0;
  for (int i = 0; i < 260; i++) {
    middleCell(x, y);
    disc(x, y, between(14, 40), GRASS);
  }
  for (int i = 0; i < 500; i++) {
    middleCell(x, y);
    disc(x + between(-60, 60), y + between(-40, 40), between(2, 8), GRASS);
  }
  for (int i = 0; i < 14; i++) {  // a few lakes
    middleCell(x, y);
    disc(x, y, between(4, 12), WATER);
  }
}

// Woods: clumps of small discs, so their edges look grown rather than drawn.
// Conifers in the north, broadleaf trees in the south; flower meadows between.
void vegetation() {
  int x = 0;
  int y = 0;
  for (int wood = 0; wood < 110; wood++) {
    middleCell(x, y);
    int code = y < 200 ? PINE : TREE;
    for (int clump = 0; clump < 14; clump++) {
      discOver(x + between(-18, 18), y + between(-10, 10), between(2, 6), code, GRASS);
    }
  }
  for (int i = 0; i < 250; i++) {
    middleCell(x, y);
    discOver(x, y, between(1, 4), FLOWERS, GRASS);
  }
}

// Mountain ranges: a wandering chain of mountain discs with peaks on the spine.
void mountains() {
  for (int range = 0; range < 6; range++) {
    int x = between(250, 710);
    int y = between(140, 340);
    int dx = between(-2, 2);
    int dy = between(-1, 1);
    for (int step = 0; step < 40; step++) {
      int size = between(3, 6);
      discOver(x, y, size, MOUNTAIN, GRASS);
      discOver(x, y, size, MOUNTAIN, TREE);
      discOver(x, y, size, MOUNTAIN, PINE);
      discOver(x, y, size, MOUNTAIN, FLOWERS);
      settile(x, y, PEAK);
      x += dx * 2 + between(-2, 2);
      y += dy * 2 + between(-1, 1);
    }
  }
}

// A river: from a start cell, wander in one main direction until water is met.
void river(int x, int y, int dx, int dy) {
  for (int step = 0; step < 600; step++) {
    if (isWater(gettile(x, y)) && step > 3) {
      return;
    }
    settile(x, y, WATER);
    settile(x + 1, y, WATER);
    settile(x, y + 1, WATER);
    if (rand() % 3 == 0) {
      x += dx;
    } else if (rand() % 2 == 0) {
      y += dy;
    } else {
      x += between(-1, 1);
      y += between(-1, 1);
    }
    if (x < 2 || x > 958 || y < 2 || y > 478) {
      return;
    }
  }
}

// A small village: a ring of houses (a roof with a wall and a door in front)
// around a well.
void village(int cx, int cy) {
  disc(cx, cy, 9, GRASS);
  settile(cx, cy, WELL);
  for (int i = 0; i < 4; i++) {
    int left = cx - 9 + (i % 2) * 11;
    int top = cy - 7 + (i / 2) * 8;
    for (int y = top; y < top + 3; y++) {
      for (int x = left; x < left + 6; x++) {
        settile(x, y, ROOF);
      }
    }
    for (int x = left; x < left + 6; x++) {
      settile(x, top + 3, WALL);
    }
    settile(left + 3, top + 3, DOOR);
  }
}

// A road between two cells: along x first, then along y; bridges over water.
void road(int x1, int y1, int x2, int y2) {
  int x = x1;
  int y = y1;
  while (x != x2) {
    if (isWater(gettile(x, y))) {
      settile(x, y, BRIDGE_ACROSS);
    } else if (gettile(x, y) != WELL && gettile(x, y) != ROOF && gettile(x, y) != WALL) {
      settile(x, y, ROAD);
    }
    x += x < x2 ? 1 : -1;
  }
  while (y != y2) {
    if (isWater(gettile(x, y))) {
      settile(x, y, BRIDGE_DOWN);
    } else if (gettile(x, y) != WELL && gettile(x, y) != ROOF && gettile(x, y) != WALL) {
      settile(x, y, ROAD);
    }
    y += y < y2 ? 1 : -1;
  }
}

bool isLand(int x, int y) {
  return x >= 1 && x <= 960 && y >= 1 && y <= 480 && !isWater(gettile(x, y));
}

// Sand on every land cell beside the water (the cells are marked with a
// code of their own first, so that new sand does not spread further).
void beaches() {
  const int MARK = 1;
  for (int y = 1; y <= 480; y++) {
    for (int x = 1; x <= 960; x++) {
      int here = gettile(x, y);
      if (here != GRASS && here != FLOWERS) {
        continue;
      }
      if (gettile(x - 1, y) == WATER || gettile(x + 1, y) == WATER ||
          gettile(x, y - 1) == WATER || gettile(x, y + 1) == WATER) {
        settile(x, y, MARK);
      }
    }
  }
  for (int y = 1; y <= 480; y++) {
    for (int x = 1; x <= 960; x++) {
      if (gettile(x, y) == MARK) {
        settile(x, y, SAND);
      }
    }
  }
}

// Shore pieces on every water cell beside land, for a game directory
// without terrain rules.
void shores() {
  for (int y = 1; y <= 480; y++) {
    for (int x = 1; x <= 960; x++) {
      if (gettile(x, y) != WATER) {
        continue;
      }
      bool n = isLand(x, y - 1);
      bool s = isLand(x, y + 1);
      bool w = isLand(x - 1, y);
      bool e = isLand(x + 1, y);
      int code = WATER;
      if (n && w) code = SHORE_NW;
      else if (n && e) code = SHORE_NE;
      else if (s && w) code = SHORE_SW;
      else if (s && e) code = SHORE_SE;
      else if (n) code = SHORE_N;
      else if (s) code = SHORE_S;
      else if (w) code = SHORE_W;
      else if (e) code = SHORE_E;
      settile(x, y, code);
    }
  }
}

void main() {
  continent();
  vegetation();
  mountains();
  for (int i = 0; i < 8; i++) {
    river(between(300, 660), between(150, 330), between(0, 1) * 2 - 1, between(0, 1) * 2 - 1);
  }
  // Villages where there is land, joined one to the next by roads.
  int lastX = 0;
  int lastY = 0;
  int made = 0;
  for (int tries = 0; tries < 400 && made < 7; tries++) {
    int x = between(200, 760);
    int y = between(100, 380);
    if (gettile(x, y) != GRASS || gettile(x + 9, y) == WATER || gettile(x - 9, y) == WATER) {
      continue;
    }
    village(x, y);
    if (made > 0) {
      road(lastX, lastY + 1, x, y + 1);
    }
    lastX = x;
    lastY = y;
    made++;
    // Which world map holds it, in the Script Output window (standard
    // output in dola-script).
    print("Village " + made + " stands in " + mapname(x, y) + ".");
  }
  beaches();
  // The world holds only land and water so far: the terrain rules edge the
  // water with shore pieces, across the whole world at once.
  if (terrain(1, 1, 960, 480) < 0) {
    shores();
  }
  message("A new world with " + made + " villages is ready.");
}
