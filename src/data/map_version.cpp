// A version compared with and copied into the open map.
#include "data/map_version.h"

#include <algorithm>

int differingCells(const LocalMap& a, const LocalMap& b, CellMask& differing) {
  differing = CellMask{};
  const int rows = std::max(a.paintableRows(), b.paintableRows());
  int count = 0;
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < kMapColumns; ++c) {
      // A row only one of them stores reads as 0 in the other, as its file would.
      const int ta = r < a.paintableRows() ? a.getTile(c, r) : 0, tb = r < b.paintableRows() ? b.getTile(c, r) : 0;
      if (ta == tb) continue;
      differing.cells[r][c] = true;
      ++count;
    }
  }
  return count;
}

void takeMapContent(const LocalMap& version, LocalMap& map) {
  map.kind = version.kind;
  for (int r = 0; r < version.paintableRows(); ++r)
    for (int c = 0; c < kMapColumns; ++c) map.setTile(c, r, version.getTile(c, r));
  map.clearTeleports();
  char name[kTeleportNameSize];
  for (int i = 0; i < version.teleportCount(); ++i) {
    int x, y;
    if (version.getTeleport(i, &x, &y, name)) map.addTeleport(x, y, name);
  }
}
