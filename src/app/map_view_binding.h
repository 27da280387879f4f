// The map view's context, filled once at start-up from the editor state:
// the view reads and writes the editor's own fields through it, and opens
// maps and talks to the user through the program's own operations.
#pragma once
#include "view/map_view.h"

struct EditorState;

// Points every field of view at its EditorState field and sets the hooks;
// view becomes the active view of the list callbacks.
void bindMapView(EditorState& editor, MapView& view);

// The program's one MapView: the data of every map view callback.
MapView& editorMapView();

// Frees the view's kept pictures; called at shutdown while Allegro still runs.
void releaseMapView();
