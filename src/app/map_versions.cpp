// The versions window sits at the bottom of the screen, below the map
// canvas, so the version chosen in its list shows on the canvas above it.
#include "app/map_versions.h"

#include <cstdio>
#include <memory>

#include "app/editor_backups.h"
#include "app/editor_state.h"
#include "app/map_edits.h"
#include "app/restore_backup.h"
#include "app/terrain_editing.h"
#include "app/user_dialogs.h"
#include "data/map_names.h"
#include "data/map_version.h"
#include "gui/gui.h"
#include "view/tool_actions.h"

namespace {

struct VersionsWindow;

// A row's data: its window and its index (list rows get no other data pointer).
struct Row {
  VersionsWindow* window;
  size_t index;
};

struct VersionsWindow {
  EditorState* editor;
  std::vector<MapVersion> versions;
  std::vector<Row> rows;
  int rowCount = 0;
  int selected = -1;
  bool done = false;
};

constexpr int kVisibleRows = 6;

const Row& rowAt(void* rowData) { return *static_cast<const Row*>(rowData); }

void* rowOf(void* list, int row) { return &static_cast<VersionsWindow*>(list)->rows[static_cast<size_t>(row)]; }

void rowText(void* rowData, char* buffer) {
  const MapVersion& v = rowAt(rowData).window->versions[rowAt(rowData).index];
  snprintf(buffer, kGuiRowBufferSize, "%s   %s", v.when.c_str(), v.operation.c_str());
}

void rowSelected(int, void* rowData) {
  VersionsWindow& window = *rowAt(rowData).window;
  const size_t row = rowAt(rowData).index;
  if (showVersion(*window.editor, window.versions[row])) {
    window.selected = static_cast<int>(row);
    return;
  }
  window.selected = -1;
  tellUser("The copy %s could not be read as a map.", window.versions[row].copy.c_str());
}

void finish(VersionsWindow& window) {
  window.done = true;
  StopEventLoop();
}

void restorePressed(void* data) {
  VersionsWindow& window = *static_cast<VersionsWindow*>(data);
  if (window.selected < 0) return;
  restoreShownVersion(*window.editor);
  finish(window);
}

void backPressed(void* data) { finish(*static_cast<VersionsWindow*>(data)); }

bool windowKey(const GuiKey& key, void* data) {
  if (key.scancode != KEY_ESC) return false;
  finish(*static_cast<VersionsWindow*>(data));
  return true;
}

void runWindow(EditorState& editor, std::vector<MapVersion> versions) {
  VersionsWindow window;
  window.editor = &editor;
  window.versions = std::move(versions);
  window.rowCount = static_cast<int>(window.versions.size());
  for (size_t i = 0; i < window.versions.size(); i++) window.rows.push_back(Row{&window, i});
  char name[kPathBufferSize], title[kPathBufferSize + 32];
  if (!mapNameOf(editor.openMap.path, name, sizeof name)) snprintf(name, sizeof name, "this map");
  snprintf(title, sizeof title, "Versions of %s", name);
  const int id = CreateWindow(0, AUTO, title, 0);
  SetWindowPlace(5, SCREEN_H);
  AddLabel(8, 6, "Backups that hold this map, newest first. Choose one to see it above, the cells that differ outlined.");
  const int list = AddListBox(8, 22, &window, &window.rowCount, 600, kListLeftButton, rowText, nullptr, kVisibleRows);
  SetListIndexer(list, rowOf);
  SetListSelectCallback(list, rowSelected);
  const int buttonsY = 22 + kVisibleRows * 20 + 12;
  AddButton(8, buttonsY, "~Restore", restorePressed, &window);
  AddButton(100, buttonsY, "~Back", backPressed, &window);
  SetKeyHandler(id, windowKey, &window);
  ShowWindow();
  while (!window.done) RunEventLoop();
  CloseTopWindow();
  leaveVersions(editor);
}

}  // namespace

std::vector<MapVersion> versionsOf(const std::vector<BackupSummary>& backups, const char* mapPath) {
  std::vector<MapVersion> versions;
  for (const BackupSummary& backup : backups) {
    if (backup.state != BackupState::Usable) continue;
    for (const BackupFile& file : backup.files) {
      if (!sameFile(file.original, mapPath)) continue;
      versions.push_back(MapVersion{backup.when, backup.operation, file.copy});
      break;
    }
  }
  return versions;
}

bool showVersion(EditorState& editor, const MapVersion& version) {
  auto loaded = std::make_unique<LocalMap>();
  if (!loaded->loadForReading(version.copy.c_str()) || loaded->kind == NoKind) return false;
  editor.versionShown = std::move(loaded);
  editor.mapView.version = editor.versionShown.get();
  Refresh(editor.mapCanvas);
  return true;
}

void restoreShownVersion(EditorState& editor) {
  if (editor.mapView.version == nullptr) return;
  endAreaToolAction(editor.mapView);
  // The version comes back as it was kept: Auto Terrain stays out of it.
  holdAutoTerrain(editor, true);
  editor.document.edit([&] { takeMapContent(*editor.mapView.version, editor.openMap); });
  holdAutoTerrain(editor, false);
  editor.teleportRows = editor.openMap.teleportCount();
  Refresh(editor.teleportList);
  leaveVersions(editor);
}

void leaveVersions(EditorState& editor) {
  editor.mapView.version = nullptr;
  editor.versionShown.reset();
  editor.mapView.picture.forgetShown();
  Refresh(editor.mapCanvas);
}

void versionsOfThisMapCommand(void* data) {
  EditorState& editor = *static_cast<EditorState*>(data);
  if (editor.openMap.path[0] == '\0') {
    tellUser("Open a map first: its versions are the backups that hold its file.");
    return;
  }
  const BackupPlace place = editorBackupPlace(editor);
  std::vector<MapVersion> versions = versionsOf(listBackups(place.directory.c_str()), editor.openMap.path);
  if (versions.empty()) {
    tellUser("No backup holds %s yet: a backup of it is kept whenever it is replaced by a save%s.",
             editor.openMap.path, place.keep > 0 ? "" : " (backups are turned off: backups=0 in dola.ini)");
    return;
  }
  runWindow(editor, std::move(versions));
}
