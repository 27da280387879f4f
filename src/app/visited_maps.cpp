// Back and forward through the maps opened since start-up.
#include "app/visited_maps.h"

#include <cstdio>
#include <cstring>

void VisitedMaps::visit(const char* path) {
  if (path == nullptr || path[0] == '\0' || strlen(path) >= kMapPathSize) return;
  if (count_ > 0 && strcmp(entries_[current_], path) == 0) return;
  count_ = count_ > 0 ? current_ + 1 : 0;  // what lay ahead is no longer reachable
  if (count_ == kCapacity) {
    memmove(entries_[0], entries_[1], sizeof entries_[0] * (kCapacity - 1));
    --count_;
  }
  snprintf(entries_[count_], sizeof entries_[count_], "%s", path);
  current_ = count_++;
}

const char* VisitedMaps::backTarget() const {
  return count_ > 0 && current_ > 0 ? entries_[current_ - 1] : nullptr;
}

const char* VisitedMaps::forwardTarget() const {
  return current_ + 1 < count_ ? entries_[current_ + 1] : nullptr;
}

bool VisitedMaps::stepBack() {
  if (backTarget() == nullptr) return false;
  --current_;
  return true;
}

bool VisitedMaps::stepForward() {
  if (forwardTarget() == nullptr) return false;
  ++current_;
  return true;
}
