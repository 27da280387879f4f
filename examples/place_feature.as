// place_feature.as - asks you for a cell and builds a small camp there: a
// campfire, tents around it and a few trees behind.
//
// Run it with Script > Place Feature while a map is open. The open map lies
// at x 1..48 and y 1..24 for the script (see change_open_map.as). getpos
// waits for your next click with the left mouse button on the map and tells
// which cell it was; if a button is held when the script starts, let go
// first. Save the map afterwards to keep the camp.
//
// A villager keeps the camp when the map has placements (a ".DAT" file).
//
// Functions: getpos(x, y), settile(x, y, code), gettile(x, y), rand(),
// message(text), placementcount(x, y), findid(name, after),
// addplacement(x, y, id, cellx, celly).

const int CAMPFIRE = 225;
const int TENT = 228;
const int TREE = 4;
const int PINE = 15;
const int DIRT = 254;

// Sets a cell only when it lies on the open map.
void put(int x, int y, int code) {
  if (x >= 1 && x <= 48 && y >= 1 && y <= 24) {
    settile(x, y, code);
  }
}

void main() {
  message("Click the cell where the camp should stand.");
  int x = 0;
  int y = 0;
  getpos(x, y);
  if (x < 1 || x > 48 || y < 1 || y > 24) {
    message("That was not a cell of the map; nothing was placed.");
    return;
  }
  // Trodden ground around the fire.
  for (int dy = -1; dy <= 1; dy++) {
    for (int dx = -2; dx <= 2; dx++) {
      put(x + dx, y + dy, DIRT);
    }
  }
  put(x, y, CAMPFIRE);
  put(x - 2, y - 1, TENT);
  put(x + 2, y - 1, TENT);
  put(x, y + 1, TENT);
  // A few trees behind the camp, where the ground is free.
  for (int i = 0; i < 5; i++) {
    int tx = x - 3 + rand() % 7;
    int ty = y - 3 + rand() % 2;
    put(tx, ty, i % 2 == 0 ? TREE : PINE);
  }
  // Someone to keep the fire, beside it.
  int keeper = findid("Villager", -1);
  if (placementcount(1, 1) > 0 && keeper >= 0 && x < 48) {
    addplacement(1, 1, keeper, x + 1, y);
  }
  message("Camp placed at " + x + ", " + y + ". Save the map to keep it.");
}
