// LocalMap's cells and teleport list. Reading and writing the MAP format
// lives in local_map_file.cpp.
#include "data/local_map.h"

#include <cstdio>
#include <cstring>

namespace {
unsigned long long lastTeleportRevision = 0;  // the editor's code runs on one thread
}  // namespace

LocalMap::LocalMap() : kind(Wilderness), teleportRevision_(++lastTeleportRevision) {
  path[0] = 0;
  memset(tiles_, 0, sizeof tiles_);
}

LocalMap::~LocalMap() { clearTeleports(); }

void LocalMap::setTile(int x, int y, unsigned char code) {
  if (x < 0 || x >= kMapColumns || y < 0 || y >= paintableRows()) return;
  tiles_[y][x] = code;
}

void LocalMap::restoreTile(int x, int y, unsigned char code) {
  if (x >= 0 && x < kMapColumns && y >= 0 && y < kMapRows) tiles_[y][x] = code;
}

bool storableTeleportName(const char* name, size_t length) {
  if (!name || length >= static_cast<size_t>(kTeleportNameSize)) return false;
  for (size_t i = 0; i < length; i++)
    if (name[i] == '>' || name[i] == '\n') return false;
  return true;
}

bool LocalMap::addTeleport(int x, int y, const char* name) {
  const size_t length = name ? strlen(name) : 0;
  if (!storableTeleportName(name, length)) return false;
  Teleport* t = new Teleport;
  t->x = x;
  t->y = y;
  memcpy(t->name, name, length + 1);  // a map may load tens of thousands: no printf here
  t->next = nullptr;
  if (lastTeleport_) lastTeleport_->next = t;
  else firstTeleport_ = t;
  lastTeleport_ = t;
  teleportAt_.push_back(t);
  teleportCount_++;
  teleportsChanged();
  return true;
}

bool LocalMap::removeTeleport(int index) {
  if (index < 0 || index >= teleportCount_) return false;
  Teleport* previous = index > 0 ? teleportAt_[index - 1] : nullptr;
  Teleport* t = teleportAt_[index];
  teleportAt_.erase(teleportAt_.begin() + index);
  if (previous) previous->next = t->next;
  else firstTeleport_ = t->next;
  if (lastTeleport_ == t) lastTeleport_ = previous;
  delete t;
  teleportCount_--;
  teleportsChanged();
  return true;
}

int LocalMap::teleportCount() const { return teleportCount_; }

bool LocalMap::getTeleport(int index, int* x, int* y, char* name) const {
  if (index < 0 || index >= teleportCount_) return false;
  const Teleport* t = teleportAt_[index];
  if (x) *x = t->x;
  if (y) *y = t->y;
  if (name) snprintf(name, kTeleportNameSize, "%s", t->name);
  return true;
}

void LocalMap::clearTeleports() {
  while (firstTeleport_) {
    Teleport* next = firstTeleport_->next;
    delete firstTeleport_;
    firstTeleport_ = next;
  }
  lastTeleport_ = nullptr;
  teleportAt_.clear();
  teleportCount_ = 0;
  teleportsChanged();
}

void LocalMap::teleportsChanged() { teleportRevision_ = ++lastTeleportRevision; }

const Teleport* LocalMap::teleport(int index) const {
  return index >= 0 && index < teleportCount_ ? teleportAt_[index] : nullptr;
}

bool LocalMap::findUnwritableTile(int* x, int* y) const {
  const int rows = mapKindRowCount(kind) > 0 ? mapKindRowCount(kind) : kMapRows;
  for (int r = 0; r < rows; r++) {
    for (int c = 0; c < kMapColumns; c++) {
      if (isStorableTileCode(tiles_[r][c])) continue;
      if (x) *x = c;
      if (y) *y = r;
      return true;
    }
  }
  return false;
}
