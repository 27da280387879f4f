// The faults of a map's teleports: see teleport_faults.h.
#include "teleport_faults.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <string>
#include <unordered_map>

namespace {

// The destinations of one map's teleports, each looked up once: thousands of
// teleports name few maps. Open addressing over a power-of-two table, with
// each name's hash made in the same pass that finds its end.
class TargetTable {
 public:
  struct Target {
    const char* name;  // the first teleport's copy of it
    size_t length;
    uint32_t hash;
    bool found;
  };

  // The target named name, and whether it is new (then it still needs found).
  Target& find(const char* name, bool* added) {
    uint32_t hash = 2166136261u;  // FNV-1a
    const char* end = name;
    for (; *end; end++) hash = (hash ^ static_cast<unsigned char>(*end)) * 16777619u;
    if ((targets_.size() + 1) * 2 > slots_.size()) grow();
    for (size_t i = hash & (slots_.size() - 1);; i = (i + 1) & (slots_.size() - 1)) {
      const int at = slots_[i];
      if (at < 0) {
        slots_[i] = static_cast<int>(targets_.size());
        targets_.push_back(Target{name, static_cast<size_t>(end - name), hash, false});
        *added = true;
        return targets_.back();
      }
      Target& t = targets_[static_cast<size_t>(at)];
      if (t.hash == hash && strcmp(t.name, name) == 0) {
        *added = false;
        return t;
      }
    }
  }

 private:
  std::vector<int> slots_;  // indexes into targets_, -1 for an empty slot
  std::vector<Target> targets_;

  void grow() {
    slots_.assign(std::max<size_t>(64, slots_.size() * 2), -1);
    for (size_t t = 0; t < targets_.size(); t++) {
      size_t i = targets_[t].hash & (slots_.size() - 1);
      while (slots_[i] >= 0) i = (i + 1) & (slots_.size() - 1);
      slots_[i] = static_cast<int>(t);
    }
  }
};

}  // namespace

bool teleportCellOnMap(int x, int y) { return x >= 1 && x <= kMapColumns && y >= 1 && y <= kMapRows; }

void listTeleports(const LocalMap& map, TeleportList& list) {
  list.clear();
  for (int i = 0; i < map.teleportCount(); i++) {
    const Teleport* t = map.teleport(i);
    list.add(t->x, t->y, t->name, strlen(t->name));
  }
}

std::vector<TeleportFaults> teleportFaults(const TeleportList& teleports,
                                           const std::function<bool(const std::string& fileName)>& mapFileExists) {
  std::vector<TeleportFaults> all;
  if (teleports.count() == 0) return all;
  all.reserve(static_cast<size_t>(teleports.count()));
  // The first teleport on each cell, so that every later one there is found
  // in one look: a table for the cells of the map, a hash for those outside.
  int firstOnMapCell[kMapColumns * kMapRows];
  std::fill(std::begin(firstOnMapCell), std::end(firstOnMapCell), -1);
  std::unordered_map<uint64_t, int> firstOutside;
  // Later teleports with a name point at the first one's copy of it, so that
  // what reads the names reads few places of the list.
  TargetTable targets;
  std::string fileName;
  for (int i = 0; i < teleports.count(); i++) {
    const char* name = teleports.name(i);
    TeleportFaults f;
    f.x = teleports.x(i);
    f.y = teleports.y(i);
    f.cellOutside = !teleportCellOnMap(f.x, f.y);
    if (!f.cellOutside) {
      int& first = firstOnMapCell[(f.y - 1) * kMapColumns + (f.x - 1)];
      if (first >= 0) f.sharesCellWith = first;
      else first = i;
    } else {
      const uint64_t cell = static_cast<uint64_t>(static_cast<uint32_t>(f.x)) << 32 | static_cast<uint32_t>(f.y);
      const auto first = firstOutside.emplace(cell, i);
      if (!first.second) f.sharesCellWith = first.first->second;
    }
    TargetTable::Target& target = targets.find(name, &f.firstWithName);
    if (f.firstWithName) target.found = mapFileExists(fileName.assign(name, target.length).append(".MAP"));
    f.name = target.name;
    f.nameLength = target.length;
    f.targetMissing = !target.found;
    all.push_back(f);
  }
  return all;
}
