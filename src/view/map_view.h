// MapView: the context of every map view callback. The view's own values
// (MapViewState) and its widget ids (MapViewWidgets) are plain structs that
// the program holds by value; the documents belong to the program; whatever
// the view needs the program to do goes through MapViewHost. The view owns
// its cached pictures of the map and the world, and its area tools' state
// (the selection, and the copied block, which is kept across maps). Every
// change of the open map goes through the document's edit gate; the view
// hears of each change as a listener of the document (MapViewListener) and
// redraws what shows it.
#pragma once
#include "data/creature_list.h"
#include "data/local_map.h"
#include "data/map_data_file.h"
#include "data/map_step.h"
#include "data/object_list.h"
#include "data/open_map.h"
#include "data/sprite_set.h"
#include "data/world_buffer.h"
#include "data/world_teleports.h"
#include "view/area_tools.h"
#include "view/map_picture.h"
#include "view/view_types.h"
#include "view/world_picture.h"

// The widgets the view draws into or refreshes. The page fills write the
// list and edit box ids; 0 (never created) makes a refresh do nothing.
struct MapViewWidgets {
  int mapCanvas;  // 864 x 480
  int paletteCanvas;
  int selectedTilePreview;
  int selectedTileField;
  int mapTilePreview;
  int mapTileField;
  int positionField;
  int statusLine;
  int teleportList;
  int constantObjectList;
  int quantityBox;
  int placementList;
};

// The values the view reads and writes: those bound to widgets, then the
// editing state of the canvases.
struct MapViewState {
  int showObjects;             // 0 or 1, bound to "Show Objects + Creatures"
  int selectedTeleport;        // -1 none
  int teleportRows;            // kept equal to the open map's teleport count
  int selectedConstantObject;  // -1 none
  int constantObjectRows;      // 400
  int selectedPlacement;       // -1 none
  int placementRows;           // 0 before the first open, then 200
  char quantityText[kQuantityTextSize];  // the "Qty" box, read as a decimal number
  int rowIndex[kRowIndexSize];           // entry i holds i: the row data of every list box

  int canvasMode;    // a CanvasMode
  int selectedTile;  // tile code chosen in the palette
  int mapTile;       // tile of the map cell last pointed at
  int cursorX, cursorY;  // cell under the cursor as the map canvas last computed it
  int lastMouseX, lastMouseY, lastMouseZ, lastMouseButtons;  // mouse as last acted on
  int paintNeedsPress;  // 1: the left button paints only after a new press
  int followNeedsPress;  // 1: the middle button follows only after a new press
  int showTeleports;    // 0 or 1, View > "Show Teleports": the teleports over the world view
  int markedColumn, markedRow;  // 1-based cell outlined until the next click on the map; 0: none
  // The directory prefix (ending in "\\") of the world the program last loaded
  // into the world grid; a world-view click opens the map of its square there.
  char worldPrefix[1024];

  // The line the map canvas shows in LocalEdit while no map is open ("To
  // begin: File > Open ..."); "" shows nothing. The program writes it.
  char startHint[kStartHintSize];
  int startHintShown;  // 1 while the canvas's bitmap holds the line

  CellBox outline;    // cells outlined on the map after an undo or redo
  int outlineTimers;  // queued calls that will take the outline away; 0: no outline
};

// After the canvas changed what it shows, the position field says nothing
// until the pointer is over the map again.
inline void forgetCursor(MapViewState& state) { state.cursorX = state.cursorY = -1; }

// A dialog or another nested loop ran: a button held through it (the second
// press of a double click that closed a file selector over the map) neither
// paints nor follows a teleport until it is pressed anew.
inline void waitForNewPress(MapViewState& state) { state.paintNeedsPress = state.followNeedsPress = 1; }

// What the view asks of the program.
class MapViewHost {
 public:
  // Asks about unsaved changes, then opens the map at path with its companion
  // files (in LocalEdit, every map widget refreshed). False when the user kept
  // the map that was open.
  virtual bool replaceOpenMap(const char* path) = 0;
  // A modal requester showing text literally; returns the index of the button.
  virtual int showText(const char* text, const char* buttons) = 0;
  // The modal file selector; the chosen path (the program's buffer, copy it
  // at once) or "" when cancelled.
  virtual const char* selectFile(const char* masks, const char* startPath, int flags, const char* title,
                                 const char* buttonLabel) = 0;
  // The user added teleport index to the open map.
  virtual void teleportAdded(int index) {}

 protected:
  ~MapViewHost() = default;
};

struct MapView {
  MapViewState& state;
  MapViewWidgets& widgets;
  // ---- Documents (the program's) ----
  OpenMap& document;      // the open map's owner: its edit gate
  LocalMap& openMap;      // document.map

  ObjectList& objectList;
  CreatureList& creatureList;
  MapDataFile& mapData;   // document.data
  const SpriteSet& sprites;
  const WorldBuffer& worldBuffer;
  const WorldTeleports& worldTeleports;  // the world maps' teleports, read with the world
  MapViewHost& host;

  // ---- The view's own ----
  MapPicture picture;         // the open map as last composed, redrawn cell by cell
  WorldPicture worldPicture;  // the world view as last drawn
  AreaToolState tools;        // the left button's tool, the selection, the copied block
  // An earlier version of the open map shown read-only in its place, the
  // cells that differ outlined; nullptr: the open map shows. The program owns it.
  const LocalMap* version = nullptr;
  // Canvas pixels the area tools' overlay covers over the picture; the next
  // event restores them from the picture before it draws the overlay again.
  PixelRect overlayShown = PixelRect();
};

// The view context of the callbacks that get no data argument (list rows).
void setActiveMapView(MapView* view);
MapView* activeMapView();

// The view as a listener of its document: after an open or a reload the
// selections and scrolled lists start afresh; after an edit, an undo or a
// redo the canvas, the lists and the position show it (an undone or redone
// step outlined, in LocalEdit).
class MapViewListener final : public OpenMapListener {
 public:
  explicit MapViewListener(MapView& view) : view_(view) {}
  void openMapChanged(const OpenMapEvent& event) override;

 private:
  MapView& view_;
};
