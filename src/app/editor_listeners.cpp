// EditorListeners: see editor_listeners.h.
#include "app/editor_listeners.h"

#include <cstdio>

#include "app/editor_state.h"
#include "gui/gui.h"

void StatusLineListener::openMapChanged(const OpenMapEvent& event) {
  // A warning said about the map that was open (a new teleport's) goes with it.
  if (event.change == MapChange::Opened)
    snprintf(editor_.statusWarning, sizeof editor_.statusWarning, "%s", editor_.document.kindNote());
  Refresh(editor_.statusLine);
}

EditorListeners::EditorListeners(EditorState& editor)
    : document_(editor.document), view_(editor.mapView), statusLine_(editor), recoveryWatch_(editor) {
  document_.addListener(&view_);
  document_.addListener(&statusLine_);
  document_.addListener(&recoveryWatch_);
}

EditorListeners::~EditorListeners() {
  document_.removeListener(&recoveryWatch_);
  document_.removeListener(&statusLine_);
  document_.removeListener(&view_);
}
