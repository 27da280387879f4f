// menu: Place ~Creatures by Terrain
// runs on: each
//
// creatures_by_terrain.as - puts creatures on the world maps where their
// ground is: wolves in the forests, deer on the meadows, snakes in the
// swamps. Every eighth cell of every fourth row is looked at; a map gets at
// most four new creatures, and none on a cell where something stands.
//
// Run it with Script > Run on Each World Map. Placements live in a map's
// ".DAT" file; a map without one is left alone (placementcount is then 0).
// The creatures are found by name in the game's tables with findid.
//
// Functions used: gettile, findid, idname, placementcount, getplacement,
// placementinuse, addplacement, mapname, print.

const int TREE = 4;
const int PINE = 15;
const int GRASS = 250;
const int FLOWERS = 251;
const int SWAMP = 192;
const int MOST = 4;

// The creature id for a ground, -1 for none.
int creatureFor(int ground) {
  if (ground == TREE || ground == PINE) return findid("Grey Wolf", -1);
  if (ground == GRASS || ground == FLOWERS) return findid("Deer", -1);
  if (ground == SWAMP) return findid("Marsh Snake", -1);
  return -1;
}

// Whether a placement in use stands on cell (x, y).
bool taken(int x, int y) {
  for (int n = 1; n <= placementcount(1, 1); n++) {
    int id, px, py;
    getplacement(1, 1, n, id, px, py);
    if (px == x && py == y && placementinuse(1, 1, n)) return true;
  }
  return false;
}

void main() {
  if (placementcount(1, 1) == 0) return;
  int placed = 0;
  for (int y = 4; y <= 24 && placed < MOST; y += 4) {
    for (int x = 4; x <= 48 && placed < MOST; x += 8) {
      int id = creatureFor(gettile(x, y));
      if (id < 0 || taken(x, y)) continue;
      addplacement(1, 1, id, x, y);
      placed++;
      print(mapname(1, 1) + " (" + x + ", " + y + "): " + idname(id));
    }
  }
}
