// VisitedMaps: the maps opened since the editor started, in the order they
// were opened, with a place in that list, for Back and Forward as a web
// browser has them. Opening a map anew after going back drops the entries
// ahead. Plain fixed storage: it never allocates and never fails.
#pragma once
#include "data/local_map.h"  // kMapPathSize

class VisitedMaps {
 public:
  static constexpr int kCapacity = 100;  // the oldest entries go first beyond this

  // A map was opened at path. The same path as the current entry (the map
  // opened again, or reached by back and forward) changes nothing; any other
  // path drops the entries ahead of the current one and becomes the current
  // one. Empty paths and paths too long for a map are not kept.
  void visit(const char* path);

  // The entry that back or forward would open, or nullptr at that end.
  const char* backTarget() const;
  const char* forwardTarget() const;

  // Moves the current entry one back or forward; call it once the map of
  // backTarget or forwardTarget was opened. False at that end.
  bool stepBack();
  bool stepForward();

  int size() const { return count_; }
  const char* current() const { return count_ > 0 ? entries_[current_] : nullptr; }

 private:
  char entries_[kCapacity][kMapPathSize] = {};
  int count_ = 0;
  int current_ = 0;  // index of the open map's entry when count_ > 0
};
