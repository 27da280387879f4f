// The histories: one record per map (its steps, the current and the saved
// step), the open map's record active. States are numbered by the steps
// before them: state i follows steps[0..i-1]; saved -1 is a saved state that
// is no longer in the history, so the map's history cannot go on from its
// files when it is opened again. Whether the map is changed is not read from
// these numbers but from its content against the saved content.
#include "data/edit_history.h"

#include <strings.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <new>

struct EditHistory::Record {
  char key[kMapPathSize];
  MapFileStamps stamps;
  std::deque<MapStep> steps;
  size_t current = 0;
  long saved = 0;
  size_t bytes = 0;
  unsigned long long lastUsed = 0;
};

namespace {

bool sameFiles(const MapFileStamps& a, const MapFileStamps& b) {
  return sameStamp(a.map, b.map) && sameStamp(a.data, b.data);
}

bool sameMapPart(const MapState& a, const MapState& b) {
  return a.kind == b.kind && memcmp(a.tiles, b.tiles, sizeof a.tiles) == 0 && a.teleports == b.teleports;
}

// Placements compare as the bytes a save writes (the records hold padding).
bool samePlacements(const MapState& a, const MapState& b) {
  if (a.hasPlacements != b.hasPlacements) return false;
  for (int i = 0; i < kPlacementCount; ++i) {
    unsigned char x[kPlacementSize], y[kPlacementSize];
    encodePlacement(a.placements[i], x);
    encodePlacement(b.placements[i], y);
    if (memcmp(x, y, kPlacementSize) != 0) return false;
  }
  return true;
}

void copyMapPart(const MapState& from, MapState& to) {
  memcpy(to.tiles, from.tiles, sizeof to.tiles);
  to.kind = from.kind;
  to.teleports = from.teleports;
}

void copyPlacements(const MapState& from, MapState& to) {
  to.hasPlacements = from.hasPlacements;
  memcpy(to.placements, from.placements, sizeof to.placements);
}

}  // namespace

EditHistory::EditHistory(LocalMap& map, MapDataFile& data, size_t memoryLimit, int stepsPerMap)
    : map_(map), data_(data), memoryLimit_(memoryLimit), stepsPerMap_(stepsPerMap) {
  mapLoaded("", MapFileStamps{});
}

EditHistory::~EditHistory() = default;

void EditHistory::beginStep() {
  commitStep();
  if (!pending_) pending_.reset(new (std::nothrow) MapState);
  if (!pending_) return;  // no memory: this edit cannot be undone, the edit itself goes on
  captureMapState(map_, data_, *pending_);
  open_ = true;
}

bool EditHistory::commitStep() {
  if (!open_) return false;
  open_ = false;
  return recordStep(*pending_);
}

bool EditHistory::recordStep(const MapState& before) {
  MapStep step;
  bool noMemory = false;
  bool recorded;
  while (!(recorded = step.record(before, map_, data_, scratch_, &noMemory)) && noMemory) {
    if (!dropOldest()) {
      // Not even an empty history leaves room: the map keeps the edit, and
      // its saved state can no longer be reached by undo.
      clearRecord(*active_);
      active_->saved = -1;
      return false;
    }
  }
  if (!recorded) return false;
  return pushStep(std::move(step));
}

bool EditHistory::pushStep(MapStep&& step) {
  Record& r = *active_;
  trimTo(r, r.current);  // a new edit drops the steps that could be redone
  r.bytes += step.bytes();
  memoryUsed_ += step.bytes();
  r.steps.push_back(std::move(step));
  r.current++;
  while (r.steps.size() > static_cast<size_t>(stepsPerMap_)) dropFront(r);
  while (memoryUsed_ > memoryLimit_ && dropOldest()) {
  }
  return true;
}

void EditHistory::trimTo(Record& r, size_t steps) {
  while (r.steps.size() > steps) {
    r.bytes -= r.steps.back().bytes();
    memoryUsed_ -= r.steps.back().bytes();
    r.steps.pop_back();
  }
  if (r.saved > static_cast<long>(r.steps.size())) r.saved = -1;
  if (r.current > r.steps.size()) r.current = r.steps.size();
}

void EditHistory::dropFront(Record& r) {
  r.bytes -= r.steps.front().bytes();
  memoryUsed_ -= r.steps.front().bytes();
  r.steps.pop_front();
  r.current--;
  if (r.saved >= 0) r.saved--;  // saved 0 becomes -1: that state is gone
}

// One step less, from the least recently used map with steps, the open map
// last: its oldest step it can undo, else a step to redo. False when no step is left.
bool EditHistory::dropOldest() {
  Record* victim = nullptr;
  for (auto& r : records_) {
    if (r.get() == active_ || r->steps.empty()) continue;
    if (victim == nullptr || r->lastUsed < victim->lastUsed) victim = r.get();
  }
  if (victim == nullptr) victim = active_;
  if (victim->steps.empty()) return false;
  if (victim->current > 0) dropFront(*victim);
  else trimTo(*victim, victim->steps.size() - 1);
  return true;
}

void EditHistory::clearRecord(Record& r) {
  memoryUsed_ -= r.bytes;
  r.bytes = 0;
  r.steps.clear();
  r.current = 0;
  r.saved = 0;
}

bool EditHistory::undo(CellBox* changed) {
  commitStep();
  if (!canUndo()) return false;
  const MapStep& step = active_->steps[--active_->current];
  step.apply(map_, data_, false);
  if (changed != nullptr) *changed = step.cells();
  return true;
}

bool EditHistory::redo(CellBox* changed) {
  commitStep();
  if (!canRedo()) return false;
  const MapStep& step = active_->steps[active_->current++];
  step.apply(map_, data_, true);
  if (changed != nullptr) *changed = step.cells();
  return true;
}

bool EditHistory::canUndo() const { return active_->current > 0; }

bool EditHistory::canRedo() const { return active_->current < active_->steps.size(); }

// The open map as it is now, in the scratch state; null without memory.
const MapState* EditHistory::currentState() const {
  if (!now_) now_.reset(new (std::nothrow) MapState);
  if (!now_) return nullptr;
  captureMapState(map_, data_, *now_);
  return now_.get();
}

// Without memory to compare, a map counts as changed: never lose work.
bool EditHistory::changed() const {
  const MapState* now = currentState();
  return now == nullptr || !saved_ || !sameMapPart(*now, *saved_) || !samePlacements(*now, *saved_);
}

bool EditHistory::mapPartChanged() const {
  const MapState* now = currentState();
  return now == nullptr || !saved_ || !sameMapPart(*now, *saved_);
}

bool EditHistory::placementsChanged() const {
  const MapState* now = currentState();
  return now == nullptr || !saved_ || !samePlacements(*now, *saved_);
}

void EditHistory::markSaved(const MapFileStamps& stamps, bool mapPart, bool placementsPart) {
  commitStep();
  const MapState* now = currentState();
  if (now != nullptr && saved_) {
    if (mapPart) copyMapPart(*now, *saved_);
    if (placementsPart) copyPlacements(*now, *saved_);
  }
  if (mapPart) active_->saved = static_cast<long>(active_->current);
  active_->stamps = stamps;
}

void EditHistory::dropUnsaved(Record& r) {
  if (r.saved < 0) {
    clearRecord(r);
    return;
  }
  trimTo(r, static_cast<size_t>(r.saved));
  r.current = static_cast<size_t>(r.saved);
}

EditHistory::Record* EditHistory::findRecord(const char* key) {
  for (auto& r : records_) {
    if (strcasecmp(r->key, key) == 0) return r.get();
  }
  return nullptr;
}

void EditHistory::mapLoaded(const char* key, const MapFileStamps& stamps) {
  open_ = false;
  if (active_ != nullptr) dropUnsaved(*active_);
  Record* r = findRecord(key != nullptr ? key : "");
  if (r == nullptr) {
    records_.emplace_back(new Record);
    r = records_.back().get();
    snprintf(r->key, sizeof r->key, "%s", key != nullptr ? key : "");
    r->stamps = stamps;
  }
  if (!sameFiles(r->stamps, stamps) || r->saved < 0) {
    clearRecord(*r);
    r->stamps = stamps;
  }
  r->current = static_cast<size_t>(r->saved);  // the files hold the saved state
  r->lastUsed = ++clock_;
  active_ = r;
  if (!saved_) saved_.reset(new (std::nothrow) MapState);
  if (saved_) captureMapState(map_, data_, *saved_);
}

int EditHistory::stepCount() const { return static_cast<int>(active_->steps.size()); }
