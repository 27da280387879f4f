// Shift held while dragging keeps a shape regular: a line horizontal,
// vertical or diagonal (whichever the pointer is nearest), a rectangle or a
// selection square. A pure function of the drag's two cells.
#pragma once
#include "data/cell_line.h"
#include "view/area_tools.h"

// The end cell the drag from anchor to pointer uses with Shift held; inside
// the 48 x 24 map, towards the pointer, as long as the pointer's longer
// distance when the map leaves room. Tools without a shape give pointer back.
Cell constrainedDragEnd(AreaTool tool, Cell anchor, Cell pointer);

// "5 x 3": the width and height in cells of the drag from anchor to end.
void dragSizeText(Cell anchor, Cell end, char* buffer, int size);
