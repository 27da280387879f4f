// The recovery copy's life: written after edits (at most once a second, the
// last edit of a burst written when its second is up), removed after a save
// or a discard, offered at start-up, and written on SIGTERM and SIGHUP. A
// watch that runs five times a second notices the signals and any change
// that reached the map without a note.
#include "app/crash_recovery.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
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
#include "platform/instance_claim.h"
#include "view/tool_actions.h"

namespace {

constexpr long kMinimumGapMs = 1000;
constexpr int kCopySlots = 16;  // editors running at once in one working directory
constexpr int kSignalCheckMs = 200;
enum RecoverAnswer { kRecover = 0 };

struct RecoveryState {
  bool keeping = false;
  std::string directory;
  std::string path;
  long long lastWriteMs = -kMinimumGapMs;
  bool writeQueued = false;
  std::string lastText;  // what the copy holds; "" when there is none
  std::string problem;   // why the last write failed; "" after a write that worked
  bool problemTold = false;  // the user was told of the failures since the last write that worked
};
RecoveryState g_recovery;
InstanceClaim g_claim;  // the slot of this editor's copy while it runs
volatile std::sig_atomic_t g_logoutSignal = 0;

long long nowMs() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

// Tells the user, once per run of failed writes, that the changes are not
// protected: on the status line and in a message, from the event loop rather
// than from inside the edit that wrote.
void tellOfProblem(void*) {
  EditorState* editor = editorState();
  if (editor == nullptr || g_recovery.problem.empty()) return;
  char text[kAreaNoteSize];
  snprintf(text, sizeof text, "No recovery copy: %s", g_recovery.problem.c_str());
  setAreaNote(editor->mapView, text);
  Refresh(editor->statusLine);
  tellUser("The recovery copy of the unsaved changes cannot be written to %s (%s): if DOLA ends without saving, "
           "they are lost. DOLA keeps trying; save the map to be safe.",
           g_recovery.path.c_str(), g_recovery.problem.c_str());
}

void noteWriteFailure(int error, bool logout) {
  g_recovery.problem = error == ENOTDIR || error == EEXIST ? g_recovery.directory + " is not a folder"
                       : error == EISDIR                   ? g_recovery.path + " is a folder"
                                                            : std::string(strerror(error ? error : EIO));
  if (g_recovery.problemTold || logout) return;
  g_recovery.problemTold = true;
  GuiQueueCall(tellOfProblem, nullptr, 0);
}

void writeCopy(const EditorState& editor, bool logout = false) {
  if (!g_recovery.keeping) return;
  g_recovery.lastWriteMs = nowMs();
  errno = 0;
  if (!makeDirectory(g_recovery.directory.c_str())) {
    noteWriteFailure(errno ? errno : ENOTDIR, logout);
    return;
  }
  std::string text = recoveryText(editor.openMap, editor.mapData, hasUnsavedChanges(editor));
  errno = 0;
  if (!writeRecoveryFile(g_recovery.path.c_str(), text)) {
    noteWriteFailure(errno, logout);
    return;
  }
  g_recovery.lastText.swap(text);
  g_recovery.problem.clear();
  g_recovery.problemTold = false;
}

// The write held back by the one-second gap. The editor is looked up again:
// the call may outlive the editor it was queued for.
void writeHeldBackCopy(void*) {
  g_recovery.writeQueued = false;
  const EditorState* editor = editorState();
  if (editor && hasUnsavedChanges(*editor)) writeCopy(*editor);
}

void onLogoutSignal(int signal) { g_logoutSignal = signal; }

// Once a second at most: a change that reached the map without a note (a
// placement, a command that forgot to say) still gets into the copy, and a
// map that is no longer changed loses its copy.
void catchUnnotedChanges(const EditorState& editor) {
  if (!g_recovery.keeping) return;
  if (!hasUnsavedChanges(editor)) {
    if (!g_recovery.lastText.empty()) removeRecoveryCopy();  // saved or reloaded by a path that did not say
    return;
  }
  if (nowMs() < g_recovery.lastWriteMs + kMinimumGapMs) return;
  if (recoveryText(editor.openMap, editor.mapData, true) != g_recovery.lastText) writeCopy(editor);
}

// Polled from the event loop: a logout writes the copy and ends the program
// the way the signal would have.
void checkLogoutSignal(void*) {
  if (!g_logoutSignal) {
    if (const EditorState* editor = editorState()) catchUnnotedChanges(*editor);
    GuiQueueCall(checkLogoutSignal, nullptr, kSignalCheckMs);
    return;
  }
  const int signal = g_logoutSignal;
  const EditorState* editor = editorState();
  if (editor && hasUnsavedChanges(*editor)) writeCopy(*editor, true);
  std::signal(signal, SIG_DFL);
  std::raise(signal);
}

// The copy of slot 1 is "map.txt", of slot n "map-n.txt".
std::string copyPathOfSlot(int slot) {
  if (slot == 1) return g_recovery.directory + "\\map.txt";
  return g_recovery.directory + "\\map-" + std::to_string(slot) + ".txt";
}

// Keeps an unreadable copy under a new name beside it; that name, or "".
std::string keepUnreadableCopy() {
  char stamp[32];
  const time_t now = time(nullptr);
  struct tm local;
  localtime_r(&now, &local);
  strftime(stamp, sizeof stamp, "%Y-%m-%d_%H-%M-%S", &local);
  const std::string kept = g_recovery.directory + "\\unreadable " + stamp + ".txt";
  return renameFile(g_recovery.path.c_str(), kept.c_str()) ? kept : "";
}

}  // namespace

void startRecoveryCopies(const char* directory) {
  g_recovery = RecoveryState();
  g_recovery.keeping = true;
  g_recovery.directory = directory;
  g_recovery.path = copyPathOfSlot(1);
  g_claim.release();
  if (!makeDirectory(directory)) return;  // nothing to share: the copy cannot be written either
  // First a slot whose copy a crashed editor left, then any free one.
  for (int pass = 0; pass < 2; pass++) {
    for (int slot = 1; slot <= kCopySlots; slot++) {
      const std::string path = copyPathOfSlot(slot);
      if (pass == 0 && !isFilePath(path.c_str())) continue;
      // A folder (or anything else) under a slot's name could never take a copy.
      if (pass == 1 && !isFilePath(path.c_str()) && pathExists(path.c_str())) continue;
      const ClaimResult claimed = g_claim.claim(directory, slot);
      if (claimed == ClaimResult::Unavailable) return;  // the host cannot tell: the one copy, as it is
      if (claimed == ClaimResult::InUse) continue;
      g_recovery.path = path;
      return;
    }
  }
  g_recovery.keeping = false;  // every slot is taken by a running editor
}

void stopRecoveryCopies() {
  g_recovery.keeping = false;
  g_claim.release();
}

const char* recoveryCopyPath() { return g_recovery.keeping ? g_recovery.path.c_str() : ""; }

void noteMapEdited(EditorState& editor) {
  if (!g_recovery.keeping || !hasUnsavedChanges(editor)) return;
  const long long due = g_recovery.lastWriteMs + kMinimumGapMs;
  const long long now = nowMs();
  if (now >= due) {
    writeCopy(editor);
  } else if (!g_recovery.writeQueued) {
    g_recovery.writeQueued = true;
    GuiQueueCall(writeHeldBackCopy, nullptr, static_cast<int>(due - now));
  }
}

void updateRecoveryCopy(EditorState& editor) {
  if (hasUnsavedChanges(editor)) {
    noteMapEdited(editor);
  } else {
    removeRecoveryCopy();
  }
}

void removeRecoveryCopy() {
  if (!g_recovery.keeping) return;
  removeFile(g_recovery.path.c_str());
  g_recovery.lastText.clear();
}

bool askToRecover(RecoveredMap& out) {
  if (!g_recovery.keeping || !isFilePath(g_recovery.path.c_str())) return false;
  std::string why;
  if (!readRecoveryFile(g_recovery.path.c_str(), out, &why)) {
    const std::string kept = keepUnreadableCopy();
    if (kept.empty())
      tellUser("The recovery copy %s of a map not saved before DOLA was closed cannot be read (%s). It was left as it is.",
               g_recovery.path.c_str(), why.c_str());
    else
      tellUser("The recovery copy of a map not saved before DOLA was closed cannot be read (%s). It was kept as %s.",
               why.c_str(), kept.c_str());
    return false;
  }
  char question[kPathBufferSize + 128];
  snprintf(question, sizeof question, "DOLA was closed without saving %s. Recover the unsaved changes?",
           out.path.empty() ? "a new map" : out.path.c_str());
  if (askQuestion(question, "~Recover|~Discard") == kRecover) return true;
  removeRecoveryCopy();
  return false;
}

void recoverOpenMap(EditorState& editor, const RecoveredMap& recovered) {
  if (!recovered.path.empty()) openMapFile(recovered.path.c_str(), editor);
  // One undo step: the recovered changes over the map as its file holds it.
  editor.edits.beginStep();
  applyRecoveredMap(recovered, editor.openMap, editor.mapData);
  editor.edits.commitStep();
  refreshAfterLoad(editor);
  writeCopy(editor);
}

void writeRecoveryCopyOnLogout() {
  static bool checking = false;  // one chain of checks per process, however often the editor starts
  g_logoutSignal = 0;
  std::signal(SIGTERM, onLogoutSignal);
  std::signal(SIGHUP, onLogoutSignal);
  if (!checking) GuiQueueCall(checkLogoutSignal, nullptr, kSignalCheckMs);
  checking = true;
}
