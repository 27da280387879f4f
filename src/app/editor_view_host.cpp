// EditorViewHost: see editor_view_host.h.
#include "app/editor_view_host.h"

#include "app/crash_recovery.h"
#include "app/editor_state.h"
#include "app/map_edits.h"
#include "app/unsaved_changes.h"
#include "app/user_dialogs.h"

bool EditorViewHost::replaceOpenMap(const char* path) { return ::replaceOpenMap(path, editor_); }

int EditorViewHost::showText(const char* text, const char* buttons) { return askUser(text, buttons); }

const char* EditorViewHost::selectFile(const char* masks, const char* startPath, int flags, const char* title,
                                       const char* buttonLabel) {
  return chooseFile(masks, startPath, flags, title, buttonLabel);
}

void EditorViewHost::beginMapEdit() { ::beginMapEdit(editor_); }

void EditorViewHost::endMapEdit() { ::endMapEdit(editor_); }
