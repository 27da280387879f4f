// The status field texts of the main window: see status_texts.h.
#include "app/status_texts.h"

#include <cstdio>
#include <cstring>

#include "app/editor_state.h"
#include "app/map_file.h"
#include "app/terrain_editing.h"
#include "data/map_names.h"
#include "data/world_buffer.h"
#include "view/drag_shape.h"
#include "view/world_teleport_overlay.h"

namespace {
EditorState& stateOf(void* editor) { return *static_cast<EditorState*>(editor); }

// What a one-shot mode of the canvas waits for; "" in none.
const char* waitingModeText(const EditorState& e) {
  if (e.canvasMode == PickTeleportCell) return "New teleport: click its cell, Escape cancels";
  if (e.canvasMode == PlaceObject) return "New placement: click its cell, Escape cancels";
  if (e.canvasMode == LocalEdit && e.mapView.tools.pasting) return "Paste: click to stamp, X/Y/Z flip or turn, Escape ends";
  return "";
}
}  // namespace

void statusText(void* editor, char* buffer) {
  const EditorState& e = stateOf(editor);
  const LocalMap& map = e.openMap;
  const char* note = e.mapView.tools.note;
  const char* mode = waitingModeText(e);
  const char* after = mode[0] != '\0' ? mode : e.statusWarning;
  const char* mark = e.document.modified() ? "*" : "";
  if (note[0] != '\0')
    snprintf(buffer, kStatusTextSize, "%s", note);
  else if (map.path[0] != '\0' && after[0] != '\0')
    snprintf(buffer, kStatusTextSize, "%s%s   %s", mark, map.path, after);
  else if (map.path[0] != '\0')
    snprintf(buffer, kStatusTextSize, "%s%s", mark, map.path);
  else if (mode[0] != '\0')
    snprintf(buffer, kStatusTextSize, "%s", mode);
  else if (map.kind == NoKind)
    snprintf(buffer, kStatusTextSize, "Invalid map file");
  else
    snprintf(buffer, kStatusTextSize, "Load a map to continue");
}

void toolText(void* editor, char* buffer) {
  snprintf(buffer, kStatusTextSize, "Tool: %s", areaToolName(stateOf(editor).mapView.tools.tool));
}

void selectedTileText(void* editor, char* buffer) {
  snprintf(buffer, kStatusTextSize, "%i", stateOf(editor).selectedTile);
}

void mapTileText(void* editor, char* buffer) {
  snprintf(buffer, kStatusTextSize, "%i", stateOf(editor).mapTile);
}

void positionText(void* editor, char* buffer) {
  EditorState& e = stateOf(editor);
  buffer[0] = '\0';
  if (e.cursorX < 0) return;  // not pointed at since the view changed
  const AreaToolState& tools = e.mapView.tools;
  if (e.canvasMode == LocalEdit && tools.dragging) {
    dragSizeText(tools.anchor, tools.current, buffer, kStatusTextSize);
  } else if (e.canvasMode == LocalEdit) {
    // The terrain rule that gives the cell its code, when rules are in use.
    char rule[64];
    terrainRuleText(e, e.cursorX - 1, e.cursorY - 1, rule, sizeof rule);
    snprintf(buffer, kStatusTextSize, rule[0] ? "%i, %i   %s" : "%i, %i", e.cursorX, e.cursorY, rule);
  } else if (e.canvasMode == WorldView) {
    worldMapName(squareColumnOf(e.cursorX), squareRowOf(e.cursorY), buffer, kStatusTextSize);
    const int length = static_cast<int>(strlen(buffer));
    // The cursor is the world cell of the pointed pixel, which worldCellPixel gives back.
    int px, py;
    worldCellPixel(e.cursorX, e.cursorY, &px, &py);
    const WorldTeleport* t = e.showTeleports ? teleportAtPixel(e.worldTeleports, px, py) : nullptr;
    if (t != nullptr) snprintf(buffer + length, kStatusTextSize - length, " -> %s", t->name);
  }
}
