// MapView: everything the map canvas, the palette, the previews, the fields
// and the side lists read and write, as pointers into the program's own state,
// plus the hooks back into the program. The program fills one MapView once at
// start-up; the view owns nothing in it but its composed map picture.
#pragma once
#include "data/creature_list.h"
#include "data/local_map.h"
#include "data/map_data_file.h"
#include "data/object_list.h"
#include "data/sprite_set.h"
#include "data/world_buffer.h"
#include "view/area_tools.h"
#include "view/map_picture.h"
#include "view/view_types.h"
#include "view/world_picture.h"

// Asks about unsaved changes, then opens the map at path with its companion
// files (in LocalEdit, every map widget refreshed). False when the user kept
// the map that was open.
typedef bool (*ReplaceOpenMap)(void* program, const char* path);
// A modal requester showing text literally; returns the index of the button.
typedef int (*ShowTextHook)(const char* text, const char* buttons);
// The modal file selector; returns the chosen path or "" when cancelled.
typedef const char* (*SelectFileHook)(const char* masks, const char* startPath, int flags,
                                      const char* title, const char* buttonLabel);

struct MapView {
  // ---- Documents (owned by the program) ----
  LocalMap* openMap;
  ObjectList* objectList;
  CreatureList* creatureList;
  MapDataFile* mapData;
  const SpriteSet* sprites;
  const WorldBuffer* worldBuffer;

  // ---- Widget ids; the page fills write the list and edit box ids ----
  int* mapCanvas;
  int* paletteCanvas;
  int* selectedTilePreview;
  int* selectedTileField;
  int* mapTilePreview;
  int* mapTileField;
  int* positionField;
  int* statusLine;
  int* teleportList;
  int* constantObjectList;
  int* quantityBox;
  int* placementList;

  // ---- Values bound to widgets ----
  int* showObjects;             // 0 or 1
  int* selectedTeleport;        // -1 none
  int* teleportRows;            // kept equal to openMap's teleport count
  int* selectedConstantObject;  // -1 none
  int* constantObjectRows;      // 400
  int* selectedPlacement;       // -1 none
  int* placementRows;           // 0 before the first open, then 200
  char* quantityText;           // kQuantityTextSize bytes, the "Qty" box
  int* rowIndex;                // kRowIndexSize entries, entry i holding i

  // ---- Editing state ----
  int* canvasMode;  // a CanvasMode
  int* selectedTile;
  int* mapTile;
  int* cursorX;
  int* cursorY;
  int* lastMouseX;
  int* lastMouseY;
  int* lastMouseZ;
  int* lastMouseButtons;
  int* mapChanged;       // set to 1 by every edit of openMap or mapData
  int* paintNeedsPress;  // 1: the left button paints only after a new press

  // ---- Hooks into the program ----
  void* program;                  // handed back to replaceOpenMap
  ReplaceOpenMap replaceOpenMap;  // required
  ShowTextHook showText;          // null: the toolkit's requester
  SelectFileHook selectFile;      // null: the toolkit's file selector

  // ---- The view's own ----
  MapPicture picture;       // the open map as last composed, redrawn cell by cell
  WorldPicture worldPicture;  // the world view as last drawn
  AreaToolState tools;        // the left button's tool, the selection, the copied block
};

// The view context of the callbacks that get no data argument (list rows).
void setActiveMapView(MapView* view);
MapView* activeMapView();

// The toolkit operations through the hooks (the toolkit's own when unset).
int viewShowText(const MapView& view, const char* text, const char* buttons);
const char* viewSelectFile(const MapView& view, const char* masks, const char* startPath, int flags,
                           const char* title, const char* buttonLabel);
