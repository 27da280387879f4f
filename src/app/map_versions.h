// File > Versions of This Map...: every backup that holds the open map's
// file, newest first, with its time and operation. Choosing one shows that
// version in the canvas, read-only, with the cells that differ from the open
// map outlined; Restore makes it the open map's content as one undo step (no
// file is written); Escape or Back goes back to the open map.
#pragma once
#include <string>
#include <vector>

#include "platform/backup_store.h"

struct EditorState;

// One version: the backup it is in and its copy of the map's file.
struct MapVersion {
  std::string when;       // "2026-12-07 14:37:05"
  std::string operation;  // "Save", ...
  std::string copy;       // editor path of the copy
};

// The versions of the map at mapPath among backups (newest first stays so).
std::vector<MapVersion> versionsOf(const std::vector<BackupSummary>& backups, const char* mapPath);

// Loads version into the view in the open map's place; false, with the
// view unchanged, when its copy cannot be read as a map.
bool showVersion(EditorState& editor, const MapVersion& version);

// The version shown becomes the open map's content, one undo step; the view
// shows the open map again.
void restoreShownVersion(EditorState& editor);

// The open map shows again.
void leaveVersions(EditorState& editor);

void versionsOfThisMapCommand(void* editor);
