// The recovery copy at start-up: the question, an unreadable copy kept under
// a new name, and the recovered map opened.
#include "app/crash_recovery.h"

#include <cstdio>
#include <ctime>
#include <string>

#include "app/editor_state.h"
#include "app/map_file.h"
#include "app/user_dialogs.h"
#include "data/map_names.h"
#include "gui/gui.h"
#include "platform/file_ops.h"
#include "platform/host_path.h"
#include "view/tool_actions.h"

namespace {

enum RecoverAnswer { kRecover = 0 };

// Keeps an unreadable copy under a new name beside it; that name, or "".
std::string keepUnreadableCopy(const RecoveryCopy& copy) {
  char stamp[32];
  const time_t now = time(nullptr);
  struct tm local;
  localtime_r(&now, &local);
  strftime(stamp, sizeof stamp, "%Y-%m-%d_%H-%M-%S", &local);
  const std::string kept = copy.directory() + "\\unreadable " + stamp + ".txt";
  return renameFile(copy.path(), kept.c_str()) ? kept : "";
}

}  // namespace

bool askToRecover(EditorState& editor, RecoveredMap& out) {
  RecoveryCopy& copy = editor.document.recovery();
  if (!copy.keeping() || !isFilePath(copy.path())) return false;
  std::string why;
  if (!readRecoveryFile(copy.path(), out, &why)) {
    const std::string kept = keepUnreadableCopy(copy);
    if (kept.empty())
      tellUser("The recovery copy %s of a map not saved before DOLA was closed cannot be read (%s). It was left as it is.",
               copy.path(), why.c_str());
    else
      tellUser("The recovery copy of a map not saved before DOLA was closed cannot be read (%s). It was kept as %s.",
               why.c_str(), kept.c_str());
    return false;
  }
  char question[kPathBufferSize + 128];
  snprintf(question, sizeof question, "DOLA was closed without saving %s. Recover the unsaved changes?",
           out.path.empty() ? "a new map" : out.path.c_str());
  if (askQuestion(question, "~Recover|~Discard") == kRecover) return true;
  copy.remove();
  return false;
}

void recoverOpenMap(EditorState& editor, const RecoveredMap& recovered) {
  if (!recovered.path.empty()) openMapFile(recovered.path.c_str(), editor);
  editor.document.recover(recovered);
}

void RecoveryCopyWatch::openMapChanged(const OpenMapEvent&) {
  if (editor_.document.recovery().problem().empty()) {
    told_ = false;
    return;
  }
  if (told_) return;
  told_ = true;
  GuiQueueCall(tellOfProblem, nullptr, 0);
}

// Queued: the editor is looked up again, as the call may outlive the editor it was queued for.
void RecoveryCopyWatch::tellOfProblem(void*) {
  if (editorState() == nullptr) return;
  EditorState& editor = *editorState();
  const RecoveryCopy& copy = editor.document.recovery();
  if (copy.problem().empty()) return;
  char text[kAreaNoteSize];
  snprintf(text, sizeof text, "No recovery copy: %s", copy.problem().c_str());
  setAreaNote(editor.mapView, text);
  Refresh(editor.statusLine);
  tellUser("The recovery copy of the unsaved changes cannot be written to %s (%s): if DOLA ends without saving, "
           "they are lost. DOLA keeps trying; save the map to be safe.",
           copy.path(), copy.problem().c_str());
}
