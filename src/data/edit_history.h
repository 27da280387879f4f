// EditHistory: the undo and redo steps of the open map, and the histories of
// the maps opened before while the editor runs, within a bound on memory.
// It also keeps the content of the open map's saved state (what its files
// hold), so "changed" is a comparison of contents: a cell painted and painted
// back is no change, whatever steps lie between. The history never touches
// the disk; OpenMap is the one program object that drives it.
//
// THE RECORDING GATE: every edit of the open map passes here.
//   history.beginStep();   // before the first change: takes the map's state
//   ...                    // change the map, its teleports, its placements
//   history.commitStep();  // ONE undo step: everything that differs now
// An action that changes many cells (a stroke, an area tool, a paste, a
// Replace, a script run) is one begin and one commit. Nothing recorded when
// nothing differs. beginStep with a step open closes that one first;
// commitStep with none open does nothing. Undo, redo and markSaved close an
// open step first, so no half-stroke is left over.
#pragma once
#include <cstddef>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "data/map_step.h"
#include "platform/file_stamp.h"

// The files a map was read from: its MAP file and its ".DAT".
struct MapFileStamps {
  FileStamp map;
  FileStamp data;
};

class EditHistory {
 public:
  static constexpr int kStepsPerMap = 1000;             // the newest steps kept of each map
  static constexpr size_t kMemoryLimit = 64u << 20;     // all histories together

  // The history of the map and data objects the program edits (they stay
  // the same objects; each load puts another map into them).
  EditHistory(LocalMap& map, MapDataFile& data, size_t memoryLimit = kMemoryLimit,
             int stepsPerMap = kStepsPerMap);
  ~EditHistory();
  EditHistory(const EditHistory&) = delete;
  EditHistory& operator=(const EditHistory&) = delete;

  // ---- The recording gate ----
  void beginStep();
  bool commitStep();  // true when a step was recorded
  bool stepOpen() const { return open_; }

  // ---- Undo and redo: false, nothing changed, when there is no step ----
  // changed receives the bounding box of the cells the step touched.
  bool undo(CellBox* changed);
  bool redo(CellBox* changed);
  bool canUndo() const;
  bool canRedo() const;

  // ---- Saved state ----
  // The open map's content differs from the state it was last saved or
  // opened in (an open step counts with what it changed so far).
  bool changed() const;
  // The same for its tiles, teleports and kind alone, and for its placements alone.
  bool mapPartChanged() const;
  bool placementsChanged() const;
  // The open map's tiles, kind and teleports (mapPart) and its placements
  // (placementsPart) were written to its own files: that content is on disk.
  void markSaved(const MapFileStamps& stamps, bool mapPart = true, bool placementsPart = true);
  // Call right after a map was loaded into the map and data objects (a step
  // left open from the map before is dropped: close it before loading). The
  // map that was open leaves its unsaved steps behind (its changes were saved
  // or discarded), so its history ends at the state on disk, or is dropped
  // when that state is no longer in it. The history kept under key (the
  // map's path) goes on when its files are as they were when it was kept;
  // otherwise the map starts a new history. The loaded map counts as unchanged.
  void mapLoaded(const char* key, const MapFileStamps& stamps);

  // ---- Figures ----
  size_t memoryUsed() const { return memoryUsed_; }
  int stepCount() const;  // steps kept of the open map
  int mapCount() const { return static_cast<int>(records_.size()); }

 private:
  struct Record;

  Record* findRecord(const char* key);
  bool pushStep(MapStep&& step);
  void trimTo(Record& record, size_t steps);
  bool dropOldest();
  void dropFront(Record& record);
  void clearRecord(Record& record);
  void dropUnsaved(Record& record);
  bool recordStep(const MapState& before);
  const MapState* currentState() const;

  LocalMap& map_;
  MapDataFile& data_;
  size_t memoryLimit_;
  int stepsPerMap_;
  std::vector<std::unique_ptr<Record>> records_;
  Record* active_ = nullptr;
  std::unique_ptr<MapState> pending_;  // the state at beginStep
  std::unique_ptr<MapState> saved_;    // the content of the open map's files
  mutable std::unique_ptr<MapState> now_;  // scratch for the comparisons
  bool open_ = false;
  std::string scratch_;
  size_t memoryUsed_ = 0;
  unsigned long long clock_ = 0;
};
