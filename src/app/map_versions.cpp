// The versions window sits at the bottom of the screen, below the map
// canvas, so the version chosen in its list shows on the canvas above it.
#include "app/map_versions.h"

#include <cstdio>
#include <memory>

#include "app/editor_backups.h"
#include "app/editor_state.h"
#include "app/map_edits.h"
#include "app/restore_backup.h"
#include "app/user_dialogs.h"
#include "data/map_names.h"
#include "data/map_version.h"
#include "gui/gui.h"
#include "view/tool_actions.h"

namespace {

// The version on the canvas; lives while the versions window is open.
std::unique_ptr<LocalMap> g_shown;

struct VersionsWindow {
  EditorState* editor;
  std::vector<MapVersion> versions;
  std::vector<int> rows;  // row i's data: i
  int rowCount = 0;
  int selected = -1;
  bool done = false;
};
VersionsWindow* g_window = nullptr;  // list rows get no data pointer

constexpr int kVisibleRows = 6;

void* rowOf(void* list, int row) { return &static_cast<VersionsWindow*>(list)->rows[static_cast<size_t>(row)]; }

void rowText(void* rowData, char* buffer) {
  const MapVersion& v = g_window->versions[static_cast<size_t>(*static_cast<int*>(rowData))];
  snprintf(buffer, kGuiRowBufferSize, "%s   %s", v.when.c_str(), v.operation.c_str());
}

void rowSelected(int, void* rowData) {
  const int row = *static_cast<int*>(rowData);
  if (showVersion(*g_window->editor, g_window->versions[static_cast<size_t>(row)])) {
    g_window->selected = row;
    return;
  }
  g_window->selected = -1;
  tellUser("The copy %s could not be read as a map.", g_window->versions[static_cast<size_t>(row)].copy.c_str());
}

void finish() {
  g_window->done = true;
  StopEventLoop();
}

void restorePressed(void*) {
  if (g_window->selected < 0) return;
  restoreShownVersion(*g_window->editor);
  finish();
}

void backPressed(void*) { finish(); }

bool windowKey(const GuiKey& key, void*) {
  if (key.scancode != KEY_ESC) return false;
  finish();
  return true;
}

void runWindow(EditorState& editor, std::vector<MapVersion> versions) {
  VersionsWindow window;
  window.editor = &editor;
  window.versions = std::move(versions);
  window.rowCount = static_cast<int>(window.versions.size());
  for (int i = 0; i < window.rowCount; i++) window.rows.push_back(i);
  VersionsWindow* outer = g_window;
  g_window = &window;
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
  AddButton(8, buttonsY, "~Restore", restorePressed, nullptr);
  AddButton(100, buttonsY, "~Back", backPressed, nullptr);
  SetKeyHandler(id, windowKey, nullptr);
  ShowWindow();
  while (!window.done) RunEventLoop();
  CloseTopWindow();
  leaveVersions(editor);
  g_window = outer;
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
  g_shown = std::move(loaded);
  editor.mapView.version = g_shown.get();
  Refresh(editor.mapCanvas);
  return true;
}

void restoreShownVersion(EditorState& editor) {
  if (editor.mapView.version == nullptr) return;
  endAreaToolAction(editor.mapView);
  editor.document.edit([&] { takeMapContent(*editor.mapView.version, editor.openMap); });
  editor.teleportRows = editor.openMap.teleportCount();
  Refresh(editor.teleportList);
  leaveVersions(editor);
}

void leaveVersions(EditorState& editor) {
  editor.mapView.version = nullptr;
  g_shown.reset();
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
