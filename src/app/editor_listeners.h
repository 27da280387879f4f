// The program's listeners of the open map, added to the document when the
// editor object is made and removed when it goes: the map view (canvas,
// lists, palette), the status line with the file's kind note, and the watch
// on the recovery copy's writes.
#pragma once
#include "app/crash_recovery.h"
#include "data/open_map.h"
#include "view/map_view.h"

struct EditorState;

// The status line: it names the open map and what its file disagrees with.
class StatusLineListener final : public OpenMapListener {
 public:
  explicit StatusLineListener(EditorState& editor) : editor_(editor) {}
  void openMapChanged(const OpenMapEvent& event) override;

 private:
  EditorState& editor_;
};

class EditorListeners {
 public:
  explicit EditorListeners(EditorState& editor);
  ~EditorListeners();
  EditorListeners(const EditorListeners&) = delete;
  EditorListeners& operator=(const EditorListeners&) = delete;

 private:
  OpenMap& document_;
  MapViewListener view_;
  StatusLineListener statusLine_;
  RecoveryCopyWatch recoveryWatch_;
};
