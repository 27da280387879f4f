// EditorState: the one editor object. It owns every document, the sprite set,
// the world grid, the script engine, every widget id and list selection and
// the editing state; the program allocates it once at start-up and frees it
// after the event loop has ended. Only app/ includes this header: the layers
// below are handed what they need (a WorldBuffer, a LocalMap, a callback).
#pragma once

#include <allegro.h>

#include <memory>
#include <vector>

#include "data/creature_list.h"
#include "data/local_map.h"
#include "data/map_data_file.h"
#include "data/object_list.h"
#include "data/open_map.h"
#include "data/settings_file.h"
#include "data/sprite_set.h"
#include "data/world_buffer.h"
#include "data/world_replace.h"
#include "data/world_teleports.h"
#include "app/backup_chooser.h"
#include "app/editor_listeners.h"
#include "app/editor_script_user.h"
#include "app/editor_view_host.h"
#include "app/terrain_editing_state.h"
#include "app/user_dialogs.h"
#include "app/visited_maps.h"
#include "script/script_header.h"
#include "view/map_view.h"

namespace AngelScript {
class asIScriptEngine;
}

// The view's values and widget ids are parts of the editor object (its two
// base structs), so the program reads them by their own names
// (editor.canvasMode, editor.mapCanvas) and the view is handed exactly those
// parts. The fields below keep one fixed order, in groups: the documents and
// their data, the program's own widgets, the editing state, and last what the
// editor keeps to never lose work silently.
struct EditorState : MapViewWidgets, MapViewState {
  // ---- Documents and their data ----
  SettingsFile settings;      // contents of dola.ini
  // The open map with its placements, history and recovery copy: every
  // change of them passes its gate, and it alone says what is unsaved.
  OpenMap document;
  LocalMap& openMap = document.map;      // the open map; its path is empty until one is opened
  ObjectList objectList;                 // object tables of the open map's directory
  CreatureList creatureList;             // creature tables of the open map's directory
  MapDataFile& mapData = document.data;  // placements of the open map
  PALETTE palette;            // colours read from "palette.bmp"
  SpriteSet sprites;          // tile, object and creature sprites (owns the bitmaps)
  WorldBuffer worldBuffer;    // world grid for the world view and for scripts
  WorldTeleports worldTeleports;  // teleports of the world maps, read with the world view
  WorldMaps worldMaps;  // the world maps as Replace Tile read them last, read again where a file changed

  // ---- The program's own widgets ----
  int mainWindow;
  int sidePanel;       // tabs "teleports" and "objects"
  int selectedTab;     // index of the tab sidePanel shows
  int progressWindow;  // open progress window of the world view, -1 when none
  int toolField;       // the left button's tool, beside the tile previews

  // ---- Editing state ----
  AngelScript::asIScriptEngine* scriptEngine;  // the one script engine
  VisitedMaps visitedMaps;  // every map opened since start-up, for Back and Forward
  char statusWarning[512];  // said after the open map's path on the status line until the next open; "" none
  EditorScriptUser scriptUser;  // the scripts' mouse, Escape, progress window and dialogs
  TerrainEditing terrain;       // the terrain rules in use and Auto Terrain's state

  // ---- What the dialogs and windows beside the map hold ----
  DialogContext dialogs;                    // the table messages go through (tests answer there), how many wait
  BackupChooser backupChooser = nullptr;    // Restore Backup's chooser; null: its window (tests put one here)
  std::unique_ptr<LocalMap> versionShown;   // the backup shown on the canvas by Versions of This Map
  std::vector<FolderScript> folderScripts;  // the Script menu's folder items since it last opened

  // ---- The map view: its context over the parts above, and the program's
  // answers to what it asks ----
  EditorViewHost viewHost{*this};
  MapView mapView{*this, *this, document, openMap, objectList, creatureList, mapData, sprites, worldBuffer, worldTeleports, viewHost, {}, {}, {}};
  // What hears of every change of the open map: the view's widgets, then the
  // program's texts (added to the document at construction, in that order).
  EditorListeners listeners{*this};
};

// The process-wide pointer: set right after construction, cleared at shutdown.
void setEditorState(EditorState* editor);
EditorState* editorState();
