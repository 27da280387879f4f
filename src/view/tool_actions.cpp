// The area tools' actions. A brush stroke paints the straight line from the
// cell it painted last to the cell under the pointer, so a fast drag leaves
// no gaps; Rectangle, Line and Select act at the release, Fill and a paste at
// the press.
#include "view/tool_actions.h"

#include <cassert>
#include <cstdio>

#include "gui/gui.h"
#include "view/tool_preview.h"

void setAreaNote(MapView& v, const char* text) {
  snprintf(v.tools.note, sizeof v.tools.note, "%s", text);
  Refresh(v.widgets.statusLine);
}

namespace {

void clearNote(MapView& v) {
  if (v.tools.note[0] != '\0') setAreaNote(v, "");
}

// Every change of the open map by a tool passes the document's gate: a brush
// stroke from press to release is one edit, every other action one edit.
// Only a stroke holds the gate open between events, so "a stroke is in
// progress" is the document's editOpen and nothing else.
template <typename Change>
void oneEdit(MapView& v, Change change) {
  v.document.edit(change);
}

void brush(MapView& v, int column, int row) {
  AreaToolState& t = v.tools;
  unsigned char code;
  if (!selectedPaintableCode(v, &code)) return;
  Cell cells[kMaxLineCells];
  const int count = v.document.editOpen() ? lineCells(t.strokeEnd.column, t.strokeEnd.row, column, row, cells)
                                          : lineCells(column, row, column, row, cells);
  if (!v.document.editOpen()) v.document.beginEdit();
  paintCells(v.openMap, cells, count, code);
  v.document.editProgressed();
  t.strokeEnd = Cell{column, row};
}

// One press to its release is at most one undo step of the tools: checked
// in debug builds, where a stroke split in two would stop the program.
void checkOneStepPerPress(const MapView& v) {
  assert(v.document.stepsRecorded() - v.tools.stepsAtPress <= 1 && "one press to release is one undo step");
  (void)v;
}

void paste(MapView& v, int column, int row) {
  int code = 0;
  if (blockHoldsUnstorableCode(v.tools.copied, &code)) {
    char text[kAreaNoteSize];
    snprintf(text, sizeof text, "Nothing was pasted: the copied cells hold tile code %d, which no map file can hold.",
             code);
    setAreaNote(v, text);
    return;
  }
  clearNote(v);
  oneEdit(v, [&] { pasteBlock(v.openMap, v.tools.copied, column, row); });
}

void press(MapView& v, int column, int row) {
  AreaToolState& t = v.tools;
  if (t.pasting) {
    paste(v, column, row);
    return;
  }
  unsigned char code;
  switch (t.tool) {
    case AreaTool::Brush: brush(v, column, row); break;
    case AreaTool::Fill:
      if (selectedPaintableCode(v, &code)) oneEdit(v, [&] { floodFill(v.openMap, column, row, code); });
      break;
    case AreaTool::Rectangle:
    case AreaTool::Line:
    case AreaTool::Select:
      t.dragging = true;
      t.anchor = t.current = Cell{column, row};
      break;
  }
}

void release(MapView& v) {
  AreaToolState& t = v.tools;
  endStroke(v);
  if (!t.dragging) return;
  t.dragging = false;
  const CellRect rect = cellRectBetween(t.anchor.column, t.anchor.row, t.current.column, t.current.row);
  unsigned char code;
  if (t.tool == AreaTool::Select) {
    t.selection = rect;
  } else if (t.tool == AreaTool::Rectangle && selectedPaintableCode(v, &code)) {
    oneEdit(v, [&] { fillRectangle(v.openMap, rect, code); });
  } else if (t.tool == AreaTool::Line && selectedPaintableCode(v, &code)) {
    Cell cells[kMaxLineCells];
    const int count = lineCells(t.anchor.column, t.anchor.row, t.current.column, t.current.row, cells);
    oneEdit(v, [&] { paintCells(v.openMap, cells, count, code); });
  }
}

}  // namespace

void endStroke(MapView& v) {
  if (v.document.editOpen()) v.document.commitEdit();
}

bool selectedPaintableCode(MapView& v, unsigned char* code) {
  if (!isStorableTileCode(v.state.selectedTile)) {
    char text[kAreaNoteSize];
    snprintf(text, sizeof text, "Tile code %d cannot be painted: no map file can hold it.", v.state.selectedTile);
    setAreaNote(v, text);
    return false;
  }
  *code = static_cast<unsigned char>(v.state.selectedTile);
  clearNote(v);
  return true;
}

void areaToolLeftButton(MapView& v, int column, int row, bool leftDown, long pressMs) {
  AreaToolState& t = v.tools;
  // A release outside the canvas is never seen here; the press time tells a
  // new press that came back in held from the one before.
  const bool newPress = leftDown && (!t.leftHeld || pressMs != t.pressMs);
  const bool wasHeld = t.leftHeld;
  t.leftHeld = leftDown;
  t.pressMs = pressMs;
  if (!leftDown) {
    // A button still held from a click that opened this map or ended a
    // one-shot mode does not paint: painting waits for the next press.
    v.state.paintNeedsPress = 0;
    release(v);
    if (wasHeld) checkOneStepPerPress(v);
    return;
  }
  if (v.state.paintNeedsPress) return;
  if (newPress) {
    endStroke(v);  // the release of the stroke before was not seen here
    t.stepsAtPress = v.document.stepsRecorded();
    t.dragging = false;
    press(v, column, row);
  } else if (t.dragging) {
    t.current = Cell{column, row};
  } else if (t.tool == AreaTool::Brush && !t.pasting) {
    brush(v, column, row);
  }
}

bool areaToolTakesRightButton(MapView& v) {
  if (!v.tools.pasting) return false;
  v.tools.pasting = false;
  return true;
}

void drawAreaToolOverlay(MapView& v, BITMAP* bitmap) {
  const AreaToolState& t = v.tools;
  const int kind = v.openMap.kind;
  if (!(t.dragging && t.tool == AreaTool::Select)) drawCellFrame(bitmap, t.selection, FrameStyle::Selection);
  if (t.dragging) {
    const CellRect rect = cellRectBetween(t.anchor.column, t.anchor.row, t.current.column, t.current.row);
    if (t.tool == AreaTool::Line && isStorableTileCode(v.state.selectedTile)) {
      Cell cells[kMaxLineCells];
      const int count = lineCells(t.anchor.column, t.anchor.row, t.current.column, t.current.row, cells);
      drawTileCells(bitmap, v.picture.cellCache(), v.sprites, cells, count, v.state.selectedTile, kind);
    } else {
      drawCellFrame(bitmap, rect, t.tool == AreaTool::Select ? FrameStyle::Selection : FrameStyle::Paint);
    }
  }
  if (t.pasting && t.pointerOnMap)
    drawBlockPreview(bitmap, v.picture.cellCache(), v.sprites, t.copied, t.pointer.column, t.pointer.row, kind);
}

void chooseAreaTool(MapView& v, AreaTool tool) {
  endAreaToolAction(v);
  v.tools.tool = tool;
  clearNote(v);
  Refresh(v.widgets.mapCanvas);
}

void copyCells(MapView& v) {
  const CellRect whole = cellRectBetween(0, 0, kMapColumns - 1, v.openMap.paintableRows() - 1);
  v.tools.copied = copyBlock(v.openMap, v.tools.selection.empty() ? whole : v.tools.selection);
  char text[kAreaNoteSize];
  snprintf(text, sizeof text, "Copied %d x %d cells.", v.tools.copied.width, v.tools.copied.height);
  setAreaNote(v, text);
}

void startPaste(MapView& v) {
  if (v.tools.copied.empty()) {
    setAreaNote(v, "Nothing to paste: copy cells first.");
    return;
  }
  v.tools.dragging = false;
  v.tools.pasting = true;
  clearNote(v);
  Refresh(v.widgets.mapCanvas);
}

bool escapeAreaTool(MapView& v) {
  AreaToolState& t = v.tools;
  if (t.dragging) {
    t.dragging = false;
  } else if (t.pasting) {
    t.pasting = false;
  } else if (!t.selection.empty()) {
    t.selection = kNoCells;
  } else {
    return false;
  }
  Refresh(v.widgets.mapCanvas);
  return true;
}

void endAreaToolAction(MapView& v) {
  // A button still held goes on only after a new press.
  if (v.tools.leftHeld) v.state.paintNeedsPress = 1;
  v.tools.dragging = false;
  v.tools.pasting = false;
  endStroke(v);
  v.tools.stepsAtPress = v.document.stepsRecorded();  // what follows is no part of the press
  Refresh(v.widgets.mapCanvas);
}
