// OpenMap: the one owner of the open map. It holds the map, its ".DAT"
// placements, their edit history (with the files' stamps and the saved
// content) and the recovery copy, and it is the only way they change:
//   open / reload / discard   the files are read (a new map, the same files
//                             anew, or the unsaved changes dropped)
//   beginEdit ... commitEdit  THE EDIT GATE: everything changed between the
//                             two is one undo step (edit(f) wraps one call)
//   undo / redo / save        (save as is save to another path)
// modified() is the one answer to "does the map hold unsaved changes": its
// content against the content of its files. After every change the recovery
// copy follows modified(), then each listener hears of it, in the order they
// were added. Listeners never change the map from inside the call.
#pragma once
#include <vector>

#include "data/edit_history.h"
#include "data/local_map.h"
#include "data/map_data_file.h"
#include "data/recovery_copy.h"
#include "data/recovery_file.h"

class BackupOperation;
class OpenMap;

enum class MapChange {
  Opened,  // another map, or the same files read anew (reload, discard)
  Edited,  // an edit passed the gate and changed something
  Undone,
  Redone,
  Saved,  // written to its own files (or the placements alone were)
};

struct OpenMapEvent {
  MapChange change;
  CellBox cells;  // Undone and Redone: the cells the step touched; else empty
};

class OpenMapListener {
 public:
  virtual void openMapChanged(const OpenMapEvent& event) = 0;

 protected:
  ~OpenMapListener() = default;
};

// What a save did; errno values are 0 when nothing failed.
struct MapSaveResult {
  bool backedUp = false;        // both files were kept first (nothing is written otherwise)
  bool mapWritten = false;
  int mapError = 0;
  bool placementsToWrite = false;  // the placements differed from their file
  bool placementsWritten = false;
  int placementsError = 0;
};

// What runs inside the edit gate besides the change itself (Auto Terrain):
// editBegins before an edit changes anything; editProgressed while an edit
// that goes on (a stroke) has changed cells; editEnds before the step is
// recorded. The last two may change the map further: that belongs to the
// same step. None of them opens or commits an edit.
class OpenMapEditHook {
 public:
  virtual void editBegins(OpenMap& document) = 0;
  virtual void editProgressed(OpenMap& document) = 0;
  virtual void editEnds(OpenMap& document) = 0;

 protected:
  ~OpenMapEditHook() = default;
};

// The kind a map at path opens as, its file saying fileKind: a world map
// (ZANAA.MAP .. ZANTT.MAP) is wilderness, whatever its header says; any other
// map is what its header says.
MapKind kindOpenedAs(const char* path, MapKind fileKind);

class OpenMap {
 public:
  LocalMap map;      // read freely; change only between beginEdit and commitEdit
  MapDataFile data;  // the placements of the map's ".DAT", the same way

  // The history's bounds (see EditHistory); tests make them small.
  explicit OpenMap(size_t memoryLimit = EditHistory::kMemoryLimit, int stepsPerMap = EditHistory::kStepsPerMap);
  OpenMap(const OpenMap&) = delete;
  OpenMap& operator=(const OpenMap&) = delete;

  void addListener(OpenMapListener* listener);
  void removeListener(OpenMapListener* listener);

  // ---- Reading ----
  // Reads the map at path (an editor path) and the ".DAT" of the same name in
  // its directory, in the kind kindOpenedAs gives; an edit still open is
  // committed first (it belongs to the map that is leaving, whose unsaved
  // steps are dropped). False when the MAP file could not be read whole (see
  // LocalMap::load); the map that was read is open all the same.
  bool open(const char* path);
  // The same files read anew after something else wrote them (a restore, a
  // world write): the unsaved changes and the history of the old files go.
  void reload();
  // The unsaved changes are dropped: the map is as its files hold it.
  void discard();
  // Puts a recovered copy's content on top of the open map (its file, opened
  // before) as one undo step, so the map counts as modified, and keeps it as
  // this editor's copy.
  void recover(const RecoveredMap& recovered);

  // ---- The edit gate ----
  void beginEdit();
  bool commitEdit();  // true when a step was recorded
  bool editOpen() const { return history_.stepOpen(); }
  template <typename Change>
  bool edit(Change change) {
    beginEdit();
    change();
    return commitEdit();
  }
  // The hook that runs inside the gate (null: none); the caller keeps it alive.
  void setEditHook(OpenMapEditHook* hook) { hook_ = hook; }
  // An edit that goes on (a stroke) has changed cells: the hook may follow.
  void editProgressed() {
    if (hook_ != nullptr && editOpen()) hook_->editProgressed(*this);
  }
  // Steps recorded since the program started (every commitEdit that changed something).
  unsigned long stepsRecorded() const { return stepsRecorded_; }

  // ---- Undo and redo: false, nothing changed, when there is no step ----
  bool undo();
  bool redo();

  // ---- Saving ----
  // Writes the map to path and, when they differ from their file, the
  // placements into the ".DAT" read at open; backup (may be null) keeps both
  // files first, and when it cannot, nothing is written. The map content
  // counts as saved once written to its own file (or anywhere, for a map
  // that has none); the placements once written.
  MapSaveResult save(const char* path, BackupOperation* backup);

  // ---- What is unsaved: one answer, by content ----
  bool modified() const { return history_.changed(); }
  bool mapModified() const { return history_.mapPartChanged(); }
  bool placementsModified() const { return history_.placementsChanged(); }

  // ---- Figures and parts ----
  bool dataRead() const { return dataRead_; }  // the ".DAT" was read at open
  // What the status line says about the file, "" when nothing: its header
  // names a kind the map does not open as.
  const char* kindNote() const { return kindNote_; }
  MapKind fileKind() const { return fileKind_; }  // the kind the file's header names
  MapFileStamps stamps() const;
  RecoveryCopy& recovery() { return recovery_; }
  const EditHistory& history() const { return history_; }

 private:
  void announce(MapChange change, CellBox cells);
  void applyKindRule(const char* path);

  EditHistory history_;
  RecoveryCopy recovery_;
  std::vector<OpenMapListener*> listeners_;
  bool dataRead_ = false;
  char kindNote_[160] = "";
  MapKind fileKind_ = Wilderness;
  unsigned long stepsRecorded_ = 0;
  OpenMapEditHook* hook_ = nullptr;
};
