// Tools > Restore Backup...: choose a backup folder, confirm the files it
// puts back, restore them as an operation with its own backup (so a restore
// is undone the same way), and reload the open map when it was among them.
#pragma once
#include <string>

struct EditorState;
struct BackupSummary;

void restoreBackupByChoice(EditorState& editor);

// The two editor paths name the same file of the host (b "" never does).
bool sameFile(const std::string& a, const char* b);

// The same for one backup, from the question on. False when nothing was
// restored (cancelled, the open map's changes kept, or a failure reported).
bool restoreBackupAfterQuestion(EditorState& editor, const BackupSummary& backup);
