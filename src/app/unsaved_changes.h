// Never losing unsaved changes silently: the question before the open map is
// dropped, and replacing the open map after it.
#pragma once

struct EditorState;

// When the open map has unsaved changes, asks
// "The map <path> has unsaved changes." with "~Save", "~Discard" and "~Cancel"
// ("The new map ..." for changes made before any map was opened; its Save
// asks for a file as Save As does).
// True when the caller may go on and drop the open map: nothing was changed,
// it was saved completely, or the user discarded the changes (the document
// then holds its files' content again, placements included).
bool settleUnsavedChanges(EditorState& editor);

// Replaces the open map by the map at path (copied first, so a selector's
// buffer may be passed), after settling unsaved changes. False, with the
// open map kept, when the user cancelled, the save failed or the path is
// longer than a map path may be (which is said).
bool replaceOpenMap(const char* path, EditorState& editor);
