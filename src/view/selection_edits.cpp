// Cut, delete, select all, and the flips and turns of the block in hand.
#include "view/selection_edits.h"

#include <cstdio>

#include "gui/gui.h"
#include "view/tool_actions.h"

namespace {

// The selection filled with the selected tile as one edit; false, with a
// note, when there is no selection or the tile cannot be painted.
bool fillSelection(MapView& v, const char* nothingNote) {
  unsigned char code;
  if (v.tools.selection.empty()) {
    setAreaNote(v, nothingNote);
    return false;
  }
  if (!selectedPaintableCode(v, &code)) return false;
  v.document.edit([&] { fillRectangle(v.openMap, v.tools.selection, code); });
  Refresh(v.widgets.mapCanvas);
  return true;
}

}  // namespace

void cutCells(MapView& v) {
  if (v.tools.selection.empty()) {
    setAreaNote(v, "Nothing to cut: select cells first.");
    return;
  }
  unsigned char code;
  if (!selectedPaintableCode(v, &code)) return;  // nothing copied either: the cut is refused whole
  const TileBlock block = copyBlock(v.openMap, v.tools.selection);
  if (!fillSelection(v, "")) return;
  v.tools.copied = block;
  char text[kAreaNoteSize];
  snprintf(text, sizeof text, "Cut %d x %d cells.", block.width, block.height);
  setAreaNote(v, text);
}

void deleteCells(MapView& v) { fillSelection(v, "Nothing to delete: select cells first."); }

void selectWholeMap(MapView& v) {
  endAreaToolAction(v);
  v.tools.selection = cellRectBetween(0, 0, kMapColumns - 1, v.openMap.paintableRows() - 1);
  Refresh(v.widgets.mapCanvas);
}

void transformHeldBlock(MapView& v, BlockTransform transform) {
  AreaToolState& t = v.tools;
  if (t.moving) {
    t.grab = transformedCell(transform, t.lifted.width, t.lifted.height, t.grab);
    t.lifted = transformedBlock(t.lifted, transform);
  } else if (t.pasting) {
    t.copied = transformedBlock(t.copied, transform);
  } else {
    setAreaNote(v, "X, Y and Z flip and turn cells while pasting or moving a selection.");
    return;
  }
  Refresh(v.widgets.mapCanvas);
}
