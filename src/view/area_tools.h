// The state of the map canvas's area tools: which tool the left button is
// (Brush, Rectangle, Fill, Line, Select), the drag in progress, the
// selection, the copied block, paste mode and the note that says why the last
// action did nothing. The actions that read and change it are in
// tool_actions.h; the cell arithmetic of each tool is data/map_area.h.
#pragma once
#include <allegro.h>

#include "data/block_transform.h"

enum class AreaTool { Brush, Rectangle, Fill, Line, Select };

constexpr int kAreaNoteSize = 200;

struct AreaToolState {
  AreaTool tool = AreaTool::Brush;
  bool leftHeld = false;   // the left button was down at the last event in LocalEdit
  long pressMs = 0;        // and was pressed then
  Cell strokeEnd = {0, 0};  // the cell the stroke in progress painted last
  bool strokeChanged = false;  // the stroke in progress has changed a cell
  unsigned long stepsAtPress = 0;  // the document's steps recorded when the press began
  bool dragging = false;   // a Rectangle, Line or Select drag from anchor to current
  Cell anchor = {0, 0};
  Cell current = {0, 0};
  CellRect selection = kNoCells;
  TileBlock copied;        // kept across maps: regions move between maps
  bool pasting = false;    // the copied block follows the pointer
  bool moving = false;     // the selection's cells are lifted and follow the pointer
  TileBlock lifted;        // those cells, flipped and turned as the user asked
  CellRect liftedFrom = kNoCells;  // where they were lifted: it takes the selected tile
  Cell grab = {0, 0};      // the cell of lifted held under the pointer
  bool shiftHeld = false;  // Shift was down at the last event: drags keep their shape
  bool pointerOnMap = false;
  Cell pointer = {0, 0};   // the cell under the pointer at the last event in LocalEdit
  char note[kAreaNoteSize] = "";  // why the last action did nothing, "" when it worked
};

// "Brush", "Rectangle", "Fill", "Line" or "Select".
const char* areaToolName(AreaTool tool);
