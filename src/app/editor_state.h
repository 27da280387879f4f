// EditorState: the one editor object. It owns every document, the sprite set,
// the world grid, the script engine, every widget id and list selection and
// the editing state; the program allocates it once at start-up and frees it
// after the event loop has ended. Only app/ includes this header: the layers
// below are handed what they need (a WorldBuffer, a LocalMap, a callback).
#pragma once

#include <allegro.h>

#include "data/creature_list.h"
#include "data/local_map.h"
#include "data/map_data_file.h"
#include "data/object_list.h"
#include "data/settings_file.h"
#include "data/sprite_set.h"
#include "data/world_buffer.h"
#include "view/view_types.h"  // CanvasMode, kRowIndexSize, kQuantityTextSize

namespace AngelScript {
class asIScriptEngine;
}

// The fields keep one fixed order, in four groups: the documents and their
// data, the widgets and the values bound to them, the editing state, and last
// what the editor keeps to never lose work silently.
struct EditorState {
  // ---- Documents and their data ----
  SettingsFile settings;      // contents of dola.ini
  LocalMap openMap;           // the open map; its path is empty until one is opened
  ObjectList objectList;      // object tables of the open map's directory
  CreatureList creatureList;  // creature tables of the open map's directory
  MapDataFile mapData;        // placements of the open map
  PALETTE palette;            // colours read from "palette.bmp"
  SpriteSet sprites;          // tile, object and creature sprites (owns the bitmaps)
  WorldBuffer worldBuffer;    // world grid for the world view and for scripts

  // ---- Widgets and the values bound to them ----
  int mainWindow;
  int mapCanvas;            // 864 x 480
  int paletteCanvas;        // 576 x 160
  int selectedTilePreview;  // 18 x 20
  int selectedTileField;
  int mapTilePreview;  // 18 x 20
  int mapTileField;
  int sidePanel;    // tabs "teleports" and "objects"
  int selectedTab;  // index of the tab sidePanel shows
  int progressWindow;  // open progress window of the world view, -1 when none
  int showObjects;     // 0 or 1, bound to "Show Objects + Creatures"
  int constantObjectList;
  int selectedConstantObject;  // -1 none
  int constantObjectRows;      // 400
  int quantityBox;
  char quantityText[kQuantityTextSize];  // the "Qty" box, read as a decimal number
  int teleportList;
  int selectedTeleport;  // -1 none
  int teleportRows;      // kept equal to the teleport count of openMap
  int placementList;
  int selectedPlacement;  // -1 none
  int placementRows;      // 0, then 200 once a map has been opened
  int rowIndex[kRowIndexSize];  // entry i holds i: the row data of every list box

  // ---- Editing state ----
  int positionField;
  int toolField;         // the left button's tool, beside the tile previews
  int cursorX, cursorY;  // cell under the cursor as the map canvas last computed it
  AngelScript::asIScriptEngine* scriptEngine;  // the one script engine
  int canvasMode;                               // a CanvasMode
  int selectedTile;                             // tile code chosen in the palette
  int mapTile;                                  // tile of the map cell last pointed at
  int lastMouseX, lastMouseY, lastMouseZ, lastMouseButtons;  // mouse as last acted on
  int statusLine;

  // ---- Never losing work ----
  int mapChanged;        // 1 after an edit of openMap or mapData, 0 after open and save
  int paintNeedsPress;   // 1 after a world-view click: painting waits for a new press
  int mapDataRead;       // 1 when the open map's ".DAT" was read: a failed save of it is reported
};

// The process-wide pointer: set right after construction, cleared at shutdown.
void setEditorState(EditorState* editor);
EditorState* editorState();
