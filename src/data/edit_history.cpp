// The histories: one record per map (its steps, the current and the saved
// step), the open map's record active. States are numbered by the steps
// before them: state i follows steps[0..i-1]; saved -1 is a saved state that
// is no longer in the history, so the map counts as changed until saved again.
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

bool EditHistory::savedStepsDiffer(bool tilesOrTeleportsOnly) const {
  const Record& r = *active_;
  if (r.saved < 0) return true;
  const size_t saved = static_cast<size_t>(r.saved);
  for (size_t i = std::min(saved, r.current); i < std::max(saved, r.current); ++i) {
    if (!tilesOrTeleportsOnly || r.steps[i].touchesMap()) return true;
  }
  return false;
}

bool EditHistory::openStepDiffers(bool tilesOrTeleportsOnly) const {
  if (!open_) return false;
  std::unique_ptr<MapState> now(new (std::nothrow) MapState);
  if (!now) return true;  // cannot tell: say changed, never lose work
  captureMapState(map_, data_, *now);
  const MapState& before = *pending_;
  if (memcmp(now->tiles, before.tiles, sizeof now->tiles) != 0 || now->kind != before.kind ||
      now->teleports != before.teleports)
    return true;
  if (tilesOrTeleportsOnly) return false;
  for (int i = 0; i < kPlacementCount; ++i) {
    unsigned char a[kPlacementSize], b[kPlacementSize];
    encodePlacement(now->placements[i], a);
    encodePlacement(before.placements[i], b);
    if (memcmp(a, b, kPlacementSize) != 0) return true;
  }
  return false;
}

bool EditHistory::changed() const { return savedStepsDiffer(false) || openStepDiffers(false); }

bool EditHistory::tilesOrTeleportsChanged() const { return savedStepsDiffer(true) || openStepDiffers(true); }

void EditHistory::markSaved(const MapFileStamps& stamps) {
  commitStep();
  active_->saved = static_cast<long>(active_->current);
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
}

int EditHistory::stepCount() const { return static_cast<int>(active_->steps.size()); }
