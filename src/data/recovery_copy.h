// RecoveryCopy: where this editor keeps the recovery copy of its open map and
// what the copy holds now. Editors running beside each other in one working
// directory keep copies of their own ("map.txt", "map-2.txt", ...): each
// claims a slot for as long as it runs, preferring a free slot that holds a
// copy left behind by a crash. The copy is written whole (a safe save) each
// time the map's unsaved state changes, so a crash, a kill or a logout at any
// moment leaves the last completed edit on disk.
#pragma once
#include <string>

#include "data/local_map.h"
#include "data/map_data_file.h"
#include "platform/instance_claim.h"

class RecoveryCopy {
 public:
  static constexpr int kSlots = 16;  // editors running at once in one working directory

  RecoveryCopy() = default;
  RecoveryCopy(const RecoveryCopy&) = delete;
  RecoveryCopy& operator=(const RecoveryCopy&) = delete;

  // Starts keeping copies in directory (an editor path); until then, and
  // after stop, nothing is written or removed. False when every slot is
  // taken by a running editor (no copy is kept then).
  bool start(const char* directory);
  void stop();
  bool keeping() const { return keeping_; }
  // The copy's editor path ("" while copies are not kept).
  const char* path() const { return keeping_ ? path_.c_str() : ""; }
  const std::string& directory() const { return directory_; }

  // Brings the copy in line with the map: written while modified (only when
  // its text changed), removed when not. False when a write failed; problem
  // then says why until a write works.
  bool update(const LocalMap& map, const MapDataFile& data, bool modified);
  const std::string& problem() const { return problem_; }
  // Removes the copy (saved, discarded, or a clean quit).
  void remove();
  // What the copy on disk holds; "" when this editor wrote none.
  const std::string& text() const { return text_; }

 private:
  std::string slotPath(int slot) const;

  bool keeping_ = false;
  std::string directory_;
  std::string path_;
  std::string text_;
  std::string problem_;
  InstanceClaim claim_;  // the slot of this editor's copy while it runs
};
