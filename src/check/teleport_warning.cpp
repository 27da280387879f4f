// teleportWarning: the faults joined into one line for the status line.
#include "teleport_warning.h"

#include <cstdio>

#include "platform/host_path.h"
#include "teleport_faults.h"

std::string teleportWarning(const LocalMap& map, const char* directory, int index) {
  TeleportList teleports;
  listTeleports(map, teleports);
  const std::vector<TeleportFaults> all = teleportFaults(teleports, [directory](const std::string& fileName) {
    return isFilePath((std::string(directory) + "\\" + fileName).c_str());
  });
  if (index < 0 || index >= static_cast<int>(all.size())) return "";
  const TeleportFaults& f = all[static_cast<size_t>(index)];
  char text[2 * kTeleportNameSize + 64];
  std::string warning;
  auto add = [&warning](const char* what) { warning += (warning.empty() ? "" : "; ") + std::string(what); };
  if (f.targetMissing) {
    snprintf(text, sizeof text, "%s.MAP is not in this map's directory", f.name);
    add(text);
  }
  if (f.cellOutside) {
    snprintf(text, sizeof text, "its cell (%d, %d) is outside 1..%d x 1..%d", f.x, f.y, kMapColumns, kMapRows);
    add(text);
  }
  if (f.sharesCellWith >= 0) {
    snprintf(text, sizeof text, "cell (%d, %d) already holds a teleport to %s, which is the one used", f.x, f.y,
             all[static_cast<size_t>(f.sharesCellWith)].name);
    add(text);
  }
  return warning;
}
