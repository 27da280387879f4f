// A map's teleports read into two flat stores, for code that only looks at
// them (the checker): no node per teleport, so a map of tens of thousands is
// read and dropped in a few small allocations that are kept for the next map.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class TeleportList {
 public:
  // Empties the list and keeps its room for the next map.
  void clear() {
    entries_.clear();
    names_.clear();
  }
  void add(int x, int y, const char* name, size_t length) {
    entries_.push_back(Entry{x, y, static_cast<uint32_t>(names_.size())});
    names_.insert(names_.end(), name, name + length);
    names_.push_back(0);
  }
  int count() const { return static_cast<int>(entries_.size()); }
  // The index-th teleport (0 <= index < count()); its name is valid until the
  // next add or clear.
  int x(int index) const { return entries_[static_cast<size_t>(index)].x; }
  int y(int index) const { return entries_[static_cast<size_t>(index)].y; }
  const char* name(int index) const { return names_.data() + entries_[static_cast<size_t>(index)].nameAt; }

 private:
  struct Entry {
    int32_t x, y;
    uint32_t nameAt;
  };
  std::vector<Entry> entries_;
  std::vector<char> names_;  // each name ended by a 0
};
