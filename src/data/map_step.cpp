// Packing a step: a fixed header, the changed tiles, the changed placements,
// then the teleport lists before and after when they differ. Every part is
// copied with memcpy, so the block needs no alignment.
#include "data/map_step.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <new>

namespace {

struct StepHeader {
  uint16_t tileCount;
  uint16_t placementCount;
  int32_t kindBefore, kindAfter;
  uint32_t teleportsBefore, teleportsAfter;  // packed sizes; both 0 when the list did not change
  uint8_t teleportsChanged;
  int16_t box[4];  // left, top, right, bottom
};

struct TileChange {
  uint16_t cell;  // row * 48 + column
  uint8_t before, after;
};

struct PlacementChange {
  uint8_t index;
  Placement before, after;
};

void packTeleports(const LocalMap& map, std::string& out) {
  out.clear();
  for (int i = 0; i < map.teleportCount(); ++i) {
    const Teleport* t = map.teleport(i);
    if (t == nullptr) continue;
    const int32_t xy[2] = {t->x, t->y};
    const uint8_t length = static_cast<uint8_t>(strnlen(t->name, kTeleportNameSize - 1));
    out.append(reinterpret_cast<const char*>(xy), sizeof xy);
    out.push_back(static_cast<char>(length));
    out.append(t->name, length);
  }
}

// Calls visit(x, y, name, length) for each teleport of a packed list.
template <typename Visit>
void eachTeleport(const unsigned char* list, size_t size, Visit visit) {
  size_t at = 0;
  while (at + 9 <= size) {
    int32_t xy[2];
    memcpy(xy, list + at, sizeof xy);
    const size_t length = list[at + 8];
    if (at + 9 + length > size) return;
    visit(xy[0], xy[1], reinterpret_cast<const char*>(list + at + 9), length);
    at += 9 + length;
  }
}

// Field by field, as the file holds them (the struct has padding).
bool samePlacement(const Placement& a, const Placement& b) {
  unsigned char bytesA[kPlacementSize], bytesB[kPlacementSize];
  encodePlacement(a, bytesA);
  encodePlacement(b, bytesB);
  return memcmp(bytesA, bytesB, kPlacementSize) == 0;
}

void growBox(CellBox& box, int column, int row) {
  if (column < 0 || column >= kMapColumns || row < 0 || row >= kMapRows) return;
  box.left = std::min(box.left, column);
  box.top = std::min(box.top, row);
  box.right = std::max(box.right, column);
  box.bottom = std::max(box.bottom, row);
}

// The cells of the teleports in one packed list that the other lacks.
void growBoxByMissing(CellBox& box, const std::string& list, const std::string& other) {
  const auto* bytes = reinterpret_cast<const unsigned char*>(list.data());
  const auto* otherBytes = reinterpret_cast<const unsigned char*>(other.data());
  eachTeleport(bytes, list.size(), [&](int x, int y, const char* name, size_t length) {
    bool found = false;
    eachTeleport(otherBytes, other.size(), [&](int ox, int oy, const char* otherName, size_t otherLength) {
      found = found || (ox == x && oy == y && otherLength == length && memcmp(name, otherName, length) == 0);
    });
    if (!found) growBox(box, x - 1, y - 1);
  });
}

}  // namespace

void captureMapState(const LocalMap& map, const MapDataFile& data, MapState& state) {
  for (int r = 0; r < kMapRows; ++r)
    for (int c = 0; c < kMapColumns; ++c) state.tiles[r * kMapColumns + c] = map.getTile(c, r);
  state.kind = map.kind;
  state.hasPlacements = data.placement(0) != nullptr;
  for (int i = 0; i < kPlacementCount; ++i) {
    const Placement* p = data.placement(i);
    state.placements[i] = p != nullptr ? *p : Placement{};
  }
  if (state.teleportRevision == map.teleportRevision()) return;
  packTeleports(map, state.teleports);
  state.teleportRevision = map.teleportRevision();
}

bool MapStep::record(const MapState& before, const LocalMap& map, const MapDataFile& data, std::string& scratch,
                     bool* noMemory) {
  block_.reset();
  size_ = 0;
  *noMemory = false;
  StepHeader header = {};
  CellBox box = {kMapColumns, kMapRows, -1, -1};
  scratch.assign(sizeof header, '\0');
  for (int cell = 0; cell < kMapRows * kMapColumns; ++cell) {
    const TileChange change = {static_cast<uint16_t>(cell), before.tiles[cell],
                               map.getTile(cell % kMapColumns, cell / kMapColumns)};
    if (change.before == change.after) continue;
    scratch.append(reinterpret_cast<const char*>(&change), sizeof change);
    header.tileCount++;
    growBox(box, cell % kMapColumns, cell / kMapColumns);
  }
  for (int i = 0; i < kPlacementCount && before.hasPlacements; ++i) {
    const Placement* now = data.placement(i);
    if (now == nullptr || samePlacement(*now, before.placements[i])) continue;
    const PlacementChange change = {static_cast<uint8_t>(i), before.placements[i], *now};
    scratch.append(reinterpret_cast<const char*>(&change), sizeof change);
    header.placementCount++;
    growBox(box, change.before.x - 1, change.before.y - 1);
    growBox(box, change.after.x - 1, change.after.y - 1);
  }
  header.kindBefore = before.kind;
  header.kindAfter = map.kind;
  std::string after;
  if (map.teleportRevision() != before.teleportRevision) packTeleports(map, after);
  if (map.teleportRevision() != before.teleportRevision && after != before.teleports) {
    header.teleportsChanged = 1;
    header.teleportsBefore = static_cast<uint32_t>(before.teleports.size());
    header.teleportsAfter = static_cast<uint32_t>(after.size());
    scratch += before.teleports;
    scratch += after;
    growBoxByMissing(box, before.teleports, after);
    growBoxByMissing(box, after, before.teleports);
  }
  if (header.tileCount == 0 && header.placementCount == 0 && !header.teleportsChanged &&
      header.kindBefore == header.kindAfter)
    return false;
  const int16_t edges[4] = {static_cast<int16_t>(box.left), static_cast<int16_t>(box.top),
                            static_cast<int16_t>(box.right), static_cast<int16_t>(box.bottom)};
  memcpy(header.box, edges, sizeof edges);
  memcpy(&scratch[0], &header, sizeof header);
  block_.reset(new (std::nothrow) unsigned char[scratch.size()]);
  if (!block_) {
    *noMemory = true;
    return false;
  }
  memcpy(block_.get(), scratch.data(), scratch.size());
  size_ = scratch.size();
  return true;
}

void MapStep::apply(LocalMap& map, MapDataFile& data, bool after) const {
  if (!block_) return;
  StepHeader header;
  memcpy(&header, block_.get(), sizeof header);
  const unsigned char* at = block_.get() + sizeof header;
  map.kind = static_cast<MapKind>(after ? header.kindAfter : header.kindBefore);
  for (int i = 0; i < header.tileCount; ++i, at += sizeof(TileChange)) {
    TileChange change;
    memcpy(&change, at, sizeof change);
    map.restoreTile(change.cell % kMapColumns, change.cell / kMapColumns, after ? change.after : change.before);
  }
  for (int i = 0; i < header.placementCount; ++i, at += sizeof(PlacementChange)) {
    PlacementChange change;
    memcpy(&change, at, sizeof change);
    Placement* p = data.placement(change.index);
    if (p != nullptr) *p = after ? change.after : change.before;
  }
  if (!header.teleportsChanged) return;
  const unsigned char* list = after ? at + header.teleportsBefore : at;
  map.clearTeleports();
  eachTeleport(list, after ? header.teleportsAfter : header.teleportsBefore,
               [&](int x, int y, const char* name, size_t length) {
                 char text[kTeleportNameSize];
                 snprintf(text, sizeof text, "%.*s", static_cast<int>(length), name);
                 map.addTeleport(x, y, text);
               });
}

bool MapStep::touchesMap() const {
  if (!block_) return false;
  StepHeader header;
  memcpy(&header, block_.get(), sizeof header);
  return header.tileCount > 0 || header.teleportsChanged || header.kindBefore != header.kindAfter;
}

CellBox MapStep::cells() const {
  if (!block_) return CellBox{0, 0, -1, -1};
  StepHeader header;
  memcpy(&header, block_.get(), sizeof header);
  return CellBox{header.box[0], header.box[1], header.box[2], header.box[3]};
}
