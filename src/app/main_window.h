// The main window: menu bar, map canvas, tile palette, tile previews and
// their numbers, position field, side panel with its two tabs, labels, the
// "Show Objects + Creatures" check box and the status line, at fixed places.
#pragma once

struct EditorState;

// Builds the window over the whole screen (width x height), stores every
// widget id in its field, shows it and draws the status line, the palette and
// the selected tile preview.
void buildMainWindow(EditorState& editor, int width, int height);
