// Never losing an hour of painting to a crash: the open map's document keeps
// a recovery copy ("recovery\map.txt" beside dola.ini) in line with its
// unsaved state after every change, so a crash, a kill or a logout (SIGTERM,
// SIGHUP end the program as they always do) leaves the last completed edit on
// disk. Here the program offers a copy left behind at start-up.
#pragma once

#include "data/open_map.h"
#include "data/recovery_file.h"

struct EditorState;

// At start-up, when the document's copy exists: asks "DOLA was closed without
// saving <path>. Recover the unsaved changes?" with "~Recover" and "~Discard".
// True with the copy in out when the user chose Recover; Discard removes the
// copy. A copy that cannot be read is renamed, kept and reported.
bool askToRecover(EditorState& editor, RecoveredMap& out);

// Opens the recovered map's file (with its directory's tables) and puts the
// recovered changes on top, as one undo step: modified, not saved.
void recoverOpenMap(EditorState& editor, const RecoveredMap& recovered);

// Tells the user, once per run of failed writes of the recovery copy, that
// the changes are not protected: on the status line and in a message, from
// the event loop rather than from inside the edit that wrote. A listener of
// the open map, after the copy has followed each change.
class RecoveryCopyWatch final : public OpenMapListener {
 public:
  explicit RecoveryCopyWatch(EditorState& editor) : editor_(editor) {}
  void openMapChanged(const OpenMapEvent& event) override;

 private:
  static void tellOfProblem(void* watch);

  EditorState& editor_;
  bool told_ = false;  // the user heard of the failures since the last write that worked
};
