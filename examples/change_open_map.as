// change_open_map.as - gives the open map a coastline in the east and a
// fenced border with a gate.
//
// Run it with Script > Generate Local Map while a map is open. The editor
// copies the open map into the top-left corner of its world grid, runs
// main() below, and copies the corner back into the open map (save the map
// afterwards to keep the change). So for this script the open map lies at
// x 1..48 (columns, from the left) and y 1..24 (rows, from the top).
// Row 24 exists only in wilderness maps; town and interior maps keep it 0.
//
// Functions: settile(x, y, code), gettile(x, y), rand(), message(text),
// print(text), getkind(x, y), teleportcount(x, y), getteleport(x, y, n,
// cellx, celly), teleportname(x, y, n).

const int WATER = 208;
const int SAND = 215;
const int FENCE = 81;
const int ROAD = 42;
const int SIGN = 82;
// Water with land on one side: west, north-west (land also above), south-west.
const int SHORE_W = 99;
const int SHORE_NW = 105;
const int SHORE_SW = 107;

const int WIDTH = 48;
const int HEIGHT = 24;

// The first column of the sea: a gently wavy line near the east edge.
int coastColumn(int wobble) {
  int column = 38 + wobble;
  if (column > WIDTH - 2) column = WIDTH - 2;
  return column;
}

void coastline() {
  int wobble = 0;
  int previous = coastColumn(0);
  for (int y = 1; y <= HEIGHT; y++) {
    wobble += rand() % 3 - 1;  // drift one cell left or right now and then
    if (wobble < -3) wobble = -3;
    if (wobble > 3) wobble = 3;
    int sea = coastColumn(wobble);
    settile(sea - 1, y, SAND);  // a strip of beach in front of the water
    for (int x = sea; x <= WIDTH; x++) {
      settile(x, y, WATER);
    }
    // The first water cell of the row shows the shore.
    int shore = SHORE_W;
    if (sea < previous) shore = SHORE_NW;  // the land above reaches further out
    settile(sea, y, shore);
    previous = sea;
  }
  // Where the row below reaches further out, the cell above gets a corner.
  for (int y = 1; y < HEIGHT; y++) {
    for (int x = 2; x <= WIDTH; x++) {
      if (gettile(x, y) == SHORE_W && gettile(x, y + 1) == SAND) {
        settile(x, y, SHORE_SW);
      }
    }
  }
}

// A fence along the top and the left edge, with a gate in each: a road runs
// through the gates.
void border() {
  for (int x = 1; x <= WIDTH; x++) {
    if (gettile(x, 1) == SAND) {
      break;  // the beach: no fence into the sea
    }
    settile(x, 1, FENCE);
  }
  for (int y = 1; y <= HEIGHT; y++) {
    settile(1, y, FENCE);
  }
  for (int y = 1; y <= HEIGHT / 2; y++) {
    settile(20, y, ROAD);  // the road in from the north gate
  }
  for (int x = 1; x <= 20; x++) {
    settile(x, HEIGHT / 2, ROAD);  // and from the west gate
  }
  settile(21, 2, SIGN);
}

void main() {
  coastline();
  border();
  // The map's kind and its exits, in the Script Output window.
  print("Kind " + getkind(1, 1) + " with " + teleportcount(1, 1) + " teleports:");
  for (int n = 1; n <= teleportcount(1, 1); n++) {
    int x, y;
    getteleport(1, 1, n, x, y);
    print("  (" + x + ", " + y + ") leads into " + teleportname(1, 1, n));
  }
  message("Added a coastline and a fenced border. Save the map to keep them.");
}
