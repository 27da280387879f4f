// Never losing an hour of painting to a crash: while the open map has unsaved
// changes, the editor keeps a recovery copy of it ("recovery\map.txt" beside
// dola.ini), rewritten after each edit but at most once a second, and removed
// once the changes are saved or discarded. At start-up a copy left behind is
// offered back; SIGTERM and SIGHUP (a desktop logging out) write it and end
// the program without asking anything.
#pragma once

#include "data/recovery_file.h"

struct EditorState;

// Starts keeping copies in directory (an editor path, "recovery" for the
// editor); until then, and after stopRecoveryCopies, nothing is written.
// Editors running beside each other in one working directory keep copies of
// their own ("map.txt", "map-2.txt", ...): each claims a slot for as long as
// it runs, preferring a free slot that holds a copy left behind by a crash.
void startRecoveryCopies(const char* directory);
void stopRecoveryCopies();

// The copy's editor path ("" while copies are not kept).
const char* recoveryCopyPath();

// After an edit of the open map (or an undo step): writes the copy now when
// the last write is a second old, else once that second is up.
void noteMapEdited(EditorState& editor);

// Brings the copy in line with the "changed" state: written while the map is
// changed, removed when it is not (after a save).
void updateRecoveryCopy(EditorState& editor);

// Removes the copy (the changes were discarded, or the editor quit cleanly).
void removeRecoveryCopy();

// At start-up, when a copy exists: asks "DOLA was closed without saving
// <path>. Recover the unsaved changes?" with "~Recover" and "~Discard".
// True with the copy in out when the user chose Recover; Discard removes the
// copy. A copy that cannot be read is renamed, kept and reported.
bool askToRecover(RecoveredMap& out);

// Opens the recovered map's file with the recovered changes on top, marked
// changed and not saved.
void recoverOpenMap(EditorState& editor, const RecoveredMap& recovered);

// SIGTERM and SIGHUP from here on write the copy of a changed map and end
// the program; the event loop notices them within a fifth of a second.
void writeRecoveryCopyOnLogout();
