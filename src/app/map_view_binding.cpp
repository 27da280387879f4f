// Filling the MapView from EditorState, field by field.
#include "app/map_view_binding.h"

#include "app/editor_state.h"
#include "app/map_file.h"
#include "app/user_dialogs.h"

namespace {

bool replaceOpenMapOf(void* program, const char* path) {
  return replaceOpenMap(path, *static_cast<EditorState*>(program));
}

void bindDocuments(EditorState& e, MapView& v) {
  v.openMap = &e.openMap;
  v.objectList = &e.objectList;
  v.creatureList = &e.creatureList;
  v.mapData = &e.mapData;
  v.sprites = &e.sprites;
  v.worldBuffer = &e.worldBuffer;
}

void bindWidgets(EditorState& e, MapView& v) {
  v.mapCanvas = &e.mapCanvas;
  v.paletteCanvas = &e.paletteCanvas;
  v.selectedTilePreview = &e.selectedTilePreview;
  v.selectedTileField = &e.selectedTileField;
  v.mapTilePreview = &e.mapTilePreview;
  v.mapTileField = &e.mapTileField;
  v.positionField = &e.positionField;
  v.statusLine = &e.statusLine;
  v.teleportList = &e.teleportList;
  v.constantObjectList = &e.constantObjectList;
  v.quantityBox = &e.quantityBox;
  v.placementList = &e.placementList;
  v.showObjects = &e.showObjects;
  v.selectedTeleport = &e.selectedTeleport;
  v.teleportRows = &e.teleportRows;
  v.selectedConstantObject = &e.selectedConstantObject;
  v.constantObjectRows = &e.constantObjectRows;
  v.selectedPlacement = &e.selectedPlacement;
  v.placementRows = &e.placementRows;
  v.quantityText = e.quantityText;
  v.rowIndex = e.rowIndex;
}

void bindEditing(EditorState& e, MapView& v) {
  v.canvasMode = &e.canvasMode;
  v.selectedTile = &e.selectedTile;
  v.mapTile = &e.mapTile;
  v.cursorX = &e.cursorX;
  v.cursorY = &e.cursorY;
  v.lastMouseX = &e.lastMouseX;
  v.lastMouseY = &e.lastMouseY;
  v.lastMouseZ = &e.lastMouseZ;
  v.lastMouseButtons = &e.lastMouseButtons;
  v.mapChanged = &e.mapChanged;
  v.paintNeedsPress = &e.paintNeedsPress;
}

}  // namespace

MapView& editorMapView() {
  static MapView view{};
  return view;
}

void releaseMapView() {
  MapView& view = editorMapView();
  view.picture.invalidate();
  view.worldPicture.invalidate();
  setActiveMapView(nullptr);
}

void bindMapView(EditorState& editor, MapView& view) {
  bindDocuments(editor, view);
  bindWidgets(editor, view);
  bindEditing(editor, view);
  view.worldPrefix[0] = '\0';  // no world loaded yet
  view.program = &editor;
  view.replaceOpenMap = replaceOpenMapOf;
  view.showText = askUser;
  view.selectFile = chooseFile;
  setActiveMapView(&view);
}
