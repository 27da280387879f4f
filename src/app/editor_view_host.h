// The program's answers to what the map view asks: opening a map after the
// unsaved-changes question, the editor's user dialogs, and the status line's
// word on a new teleport.
#pragma once
#include "view/map_view.h"

struct EditorState;

class EditorViewHost final : public MapViewHost {
 public:
  explicit EditorViewHost(EditorState& editor) : editor_(editor) {}
  bool replaceOpenMap(const char* path) override;
  int showText(const char* text, const char* buttons) override;
  const char* selectFile(const char* masks, const char* startPath, int flags, const char* title,
                         const char* buttonLabel) override;
  // Says on the status line what the new teleport gets wrong, if anything.
  void teleportAdded(int index) override;

 private:
  EditorState& editor_;
};
