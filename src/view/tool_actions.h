// What the area tools do on the map canvas and from the Edit menu and its
// keys: the left button by tool, paste mode, copy, the selection, Escape, and
// the overlay drawn over the map picture. Each action that changes the map
// changes it in one go and marks it changed once; refusals are told through
// the tools' note, which the status line shows.
#pragma once
#include <allegro.h>

#include "view/map_view.h"

// The left button at an event in LocalEdit over cell (column, row), pressed
// at pressMs (the toolkit's clock). A press starts an action, holding drags
// it, the release ends it.
void areaToolLeftButton(MapView& view, int column, int row, bool leftDown, long pressMs);

// In paste mode the right button leaves it instead of picking: true when the
// button was taken so.
bool areaToolTakesRightButton(MapView& view);

// With Fill chosen, the pointer on the map and a fill there that would change
// something: its region is outlined.
bool fillPreviewShown(const MapView& view);

// The cells drawAreaToolOverlay draws on now (kNoCells: none), so that a
// preview that follows the pointer is drawn and copied only where it was
// and where it is.
CellRect areaOverlayCells(MapView& view);

// The drag's preview, the selection's frame and the block in paste mode,
// over the map picture on bitmap.
void drawAreaToolOverlay(MapView& view, BITMAP* bitmap);

// Makes tool the left button's meaning; a drag or paste mode in progress ends.
void chooseAreaTool(MapView& view, AreaTool tool);

// Copies the selected cells' codes, or the whole map's stored rows without a
// selection.
void copyCells(MapView& view);

// Enters paste mode with the copied block; refused with a note when nothing
// was copied.
void startPaste(MapView& view);

// Escape: ends a drag, else a move (the cells stay where they were), else
// paste mode, else the selection. False when there
// was nothing to end.
bool escapeAreaTool(MapView& view);

// The selected tile when a map file can hold it (the note cleared); else
// false, with a note saying why.
bool selectedPaintableCode(MapView& view, unsigned char* code);

// Shows text in the tools' note (the status line); "" clears it.
void setAreaNote(MapView& view, const char* text);

// Ends a drag and paste mode without acting, so no half action is left (an
// undo, another map).
void endAreaToolAction(MapView& view);

// Ends a brush stroke in progress: what it painted is one edit from here on
// (before the open map is replaced, or an undo).
void endStroke(MapView& view);
