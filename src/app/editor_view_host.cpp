// EditorViewHost: see editor_view_host.h.
#include "app/editor_view_host.h"

#include <cstdio>
#include <string>

#include "app/editor_state.h"
#include "app/unsaved_changes.h"
#include "app/user_dialogs.h"
#include "check/teleport_warning.h"
#include "data/map_names.h"
#include "gui/gui.h"

bool EditorViewHost::replaceOpenMap(const char* path) { return ::replaceOpenMap(path, editor_); }

int EditorViewHost::showText(const char* text, const char* buttons) { return askUser(text, buttons); }

const char* EditorViewHost::selectFile(const char* masks, const char* startPath, int flags, const char* title,
                                       const char* buttonLabel) {
  return chooseFile(masks, startPath, flags, title, buttonLabel);
}

void EditorViewHost::teleportAdded(int index) {
  char directory[kPathBufferSize];
  if (!directoryOf(editor_.openMap.path, directory, sizeof directory)) directory[0] = '\0';
  const std::string warning = teleportWarning(editor_.openMap, directory, index);
  snprintf(editor_.statusWarning, sizeof editor_.statusWarning, "%s",
           warning.empty() ? "" : ("Teleport: " + warning).c_str());
  Refresh(editor_.statusLine);
}
