// menu: ~Rename a Teleport Destination
// runs on: each
//
// rename_teleport.as - every teleport that leads into OLD_NAME leads into
// NEW_NAME instead, in all world maps and in the maps named in OTHER_MAPS.
// Rename the map file itself (OLD_NAME.MAP to NEW_NAME.MAP) to match.
//
// Run it with Script > Run on Each World Map after setting the names below.
// The world maps come in turn in the top-left block; the other maps are put
// into free blocks of the grid once (usemap) and changed there. Nothing is
// written unless every turn ends well; the editor then reports how many
// maps and teleports changed.
//
// Functions used: teleportcount, getteleport, teleportname, setteleport,
// hasmap, usemap, mapname, print.

const string OLD_NAME = "OAKVALE";
const string NEW_NAME = "OAKTOWN";
// Maps outside the world grid whose teleports may lead into OLD_NAME.
const string OTHER_MAP = "OAKHOUSE";

// Renames in the map of the block that holds (x, y); returns how many.
int renameIn(int x, int y) {
  int renamed = 0;
  for (int n = 1; n <= teleportcount(x, y); n++) {
    if (teleportname(x, y, n) != OLD_NAME) continue;
    int tx, ty;
    getteleport(x, y, n, tx, ty);
    setteleport(x, y, n, tx, ty, NEW_NAME);
    renamed++;
  }
  return renamed;
}

void main() {
  int renamed = renameIn(1, 1);
  if (renamed > 0) print(mapname(1, 1) + ": " + renamed + " renamed");
  // The other map lives in block 2, 1 for the whole run: it is read and
  // renamed in the first turn only.
  if (!hasmap(49, 1) && usemap(49, 1, OTHER_MAP)) {
    renamed = renameIn(49, 1);
    if (renamed > 0) print(OTHER_MAP + ": " + renamed + " renamed");
  }
}
