// teleportWarning: the faults joined into one line for the status line.
#include "teleport_warning.h"

#include <cstdio>

#include "platform/host_path.h"

std::string teleportWarning(const LocalMap& map, const char* directory, int index) {
  char name[kTeleportNameSize], other[kTeleportNameSize], text[2 * kTeleportNameSize + 64];
  int x = 0, y = 0, ox = 0, oy = 0;
  if (!map.getTeleport(index, &x, &y, name)) return "";
  std::string warning;
  auto add = [&warning](const char* what) { warning += (warning.empty() ? "" : "; ") + std::string(what); };
  if (!isFilePath((std::string(directory) + "\\" + name + ".MAP").c_str())) {
    snprintf(text, sizeof text, "%s.MAP is not in this map's directory", name);
    add(text);
  }
  if (x < 1 || x > kMapColumns || y < 1 || y > kMapRows) {
    snprintf(text, sizeof text, "its cell (%d, %d) is outside 1..%d x 1..%d", x, y, kMapColumns, kMapRows);
    add(text);
  }
  for (int i = 0; i < index; i++) {
    if (!map.getTeleport(i, &ox, &oy, other) || ox != x || oy != y) continue;
    snprintf(text, sizeof text, "cell (%d, %d) already holds a teleport to %s, which is the one used", x, y, other);
    add(text);
    break;
  }
  return warning;
}
