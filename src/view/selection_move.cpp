// The lift, the preview and the drop of a moved selection.
#include "view/selection_move.h"

#include "view/tool_actions.h"
#include "view/tool_preview.h"

bool startSelectionMove(MapView& v, int column, int row) {
  AreaToolState& t = v.tools;
  if (t.tool != AreaTool::Select || t.pasting || !t.selection.contains(column, row)) return false;
  unsigned char code;
  if (!selectedPaintableCode(v, &code)) return true;  // said why; the press does nothing else
  t.lifted = copyBlock(v.openMap, t.selection);
  t.liftedFrom = t.selection;
  t.grab = Cell{column - t.selection.left, row - t.selection.top};
  t.moving = true;
  return true;
}

Cell movedBlockOrigin(const MapView& v) {
  return Cell{v.tools.pointer.column - v.tools.grab.column, v.tools.pointer.row - v.tools.grab.row};
}

void dropSelection(MapView& v) {
  AreaToolState& t = v.tools;
  if (!t.moving) return;
  t.moving = false;
  unsigned char code;
  if (!selectedPaintableCode(v, &code)) return;
  const Cell at = movedBlockOrigin(v);
  v.document.edit([&] {
    fillRectangle(v.openMap, t.liftedFrom, code);
    pasteBlock(v.openMap, t.lifted, at.column, at.row);
  });
  t.selection = blockCellsAt(t.lifted, at.column, at.row);
}

void drawSelectionMove(MapView& v, BITMAP* bitmap) {
  const AreaToolState& t = v.tools;
  const int stored = v.openMap.paintableRows();
  Cell cells[kBlockCellCount];
  int count = 0;
  for (int r = t.liftedFrom.top; r <= t.liftedFrom.bottom && r < stored; ++r)
    for (int c = t.liftedFrom.left; c <= t.liftedFrom.right; ++c) cells[count++] = Cell{c, r};
  drawTileCells(bitmap, v.picture.cellCache(), v.sprites, cells, count, v.state.selectedTile, v.openMap.kind);
  const Cell at = movedBlockOrigin(v);
  drawBlockPreview(bitmap, v.picture.cellCache(), v.sprites, t.lifted, at.column, at.row, v.openMap.kind, stored);
}
