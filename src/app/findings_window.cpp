// Check World: checking with a progress window, then the findings window:
// the summary at the top, one row per finding as dola-check prints it
// (errors first), the first row selected in the list that has the focus.
// Return or a double click opens the finding's map (a ".DAT" finding: the map
// of the same name; after the unsaved-changes question) and outlines its
// cell, or says why there is none; Escape or Close just closes.
#include "app/findings_window.h"

#include <allegro.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/editor_state.h"
#include "app/game_directory_setting.h"
#include "app/unsaved_changes.h"
#include "app/user_dialogs.h"
#include "check/check_directory.h"
#include "check/check_report.h"
#include "check/game_directory.h"
#include "data/count_text.h"
#include "data/map_names.h"
#include "data/progress.h"
#include "gui/gui.h"
#include "platform/host_path.h"
#include "script/toolkit_progress.h"

namespace {

constexpr int kListWidth = 900;
constexpr int kVisibleRows = 24;
constexpr int kProgressBarWidth = 200;

struct FindingsWindow;

struct FindingRow {
  FindingsWindow* window;
  int index;
  std::string text;
};

struct FindingsWindow {
  const Findings* all = nullptr;  // what the check found, holding the texts
  std::vector<Finding> findings;  // errors first
  std::vector<FindingRow> rows;
  int rowCount = 0;
  int chosen = -1;  // the finding whose map is to be opened, -1 for none
};

void* rowOf(void* listData, int row) {
  FindingsWindow* window = static_cast<FindingsWindow*>(listData);
  return row >= 0 && row < window->rowCount ? &window->rows[row] : nullptr;
}

void rowText(void* rowData, char* buffer) {
  snprintf(buffer, kGuiRowBufferSize, "%s", rowData != nullptr ? static_cast<FindingRow*>(rowData)->text.c_str() : "");
}

void openFinding(int, void* rowData) {
  if (rowData == nullptr) return;
  FindingRow* row = static_cast<FindingRow*>(rowData);
  row->window->chosen = row->index;
  StopEventLoop();
}

void closeFindings(void*) { StopEventLoop(); }

bool closeOnEscape(const GuiKey& key, void*) {
  if (key.scancode != KEY_ESC) return false;
  StopEventLoop();
  return true;
}

// The directory Check World looks at: the open map's, or "ZANDirectory".
bool checkedDirectory(const EditorState& editor, char* directory, size_t size) {
  if (editor.openMap.path[0] != '\0') return directoryOf(editor.openMap.path, directory, size);
  snprintf(directory, size, "%s", zanDirectory(editor));
  return directory[0] != '\0';
}

// Shows the window; the finding chosen for opening, or -1.
int showFindings(FindingsWindow& window, const char* summary) {
  for (size_t i = 0; i < window.findings.size(); i++)
    window.rows.push_back(FindingRow{&window, static_cast<int>(i), findingLine(*window.all, window.findings[i])});
  window.rowCount = static_cast<int>(window.rows.size());
  const int id = CreateWindow(kListWidth + 16, 20 * kVisibleRows + 80, "Check World", 0);
  if (id == 0) return -1;
  AddLabel(8, 8, summary);
  const int list = AddListBox(8, 28, &window, &window.rowCount, kListWidth, kListLeftButton, rowText, openFinding,
                              kVisibleRows);
  SetListIndexer(list, rowOf);
  AddButton(kListWidth / 2 - 24, 20 * kVisibleRows + 44, "~Close", closeFindings, nullptr);
  SetKeyHandler(id, closeOnEscape, nullptr);
  ShowWindow();
  SetListSelection(list, 0);
  RunEventLoop();
  CloseTopWindow();
  return window.chosen;
}

// The map file a finding is about: its own ".MAP", or the map of a ".DAT"
// (the same name). False for findings about other files or the directory.
bool mapFileOfFinding(const Finding& finding, std::string* mapFile) {
  if (hasExtension(finding.file, ".MAP")) {
    *mapFile = finding.file;
    return true;
  }
  if (!hasExtension(finding.file, ".DAT")) return false;
  *mapFile = finding.file.substr(0, finding.file.size() - 4) + ".MAP";
  return true;
}

// Opens the finding's map with its cell outlined, or says why there is none to open.
void openFindingMap(EditorState& editor, const char* directory, const char* hostDirectory, const Findings& findings,
                    const Finding& finding) {
  std::string mapFile;
  if (finding.file == hostDirectory) {
    tellUser("This finding is about the directory %s itself, not about one map: %s", directory,
             findings.text(finding).c_str());
    return;
  }
  if (!mapFileOfFinding(finding, &mapFile)) {
    tellUser("This finding is about %s, which is no map: %s", finding.file.c_str(), findings.text(finding).c_str());
    return;
  }
  char path[kPathBufferSize];
  if (snprintf(path, sizeof path, "%s\\%s", directory, mapFile.c_str()) >= static_cast<int>(sizeof path)) return;
  if (!isFilePath(path)) {
    tellUser("%s has no map %s to open.", finding.file.c_str(), mapFile.c_str());
    return;
  }
  if (!replaceOpenMap(path, editor)) return;
  if (finding.column > 0 && finding.row > 0) {
    editor.markedColumn = finding.column;
    editor.markedRow = finding.row;
  }
  Refresh(editor.mapCanvas);
}

}  // namespace

void showWorldFindings(EditorState& editor) {
  char directory[kPathBufferSize], host[4096];
  if (!checkedDirectory(editor, directory, sizeof directory) || !pathToHost(directory, host, sizeof host)) {
    tellUser("There is no world to check: open a map, or choose the game directory with Tools > Set ZAN Directory.");
    return;
  }
  FindingsWindow window;
  Findings findings;
  CheckSummary summary;
  ToolkitProgress progress("Checking the world", kProgressBarWidth);
  if (!checkGameDirectory(host, findings, summary, &progress)) {
    tellUser("The directory %s cannot be read.", directory);
    return;
  }
  if (findings.all().empty()) {
    char maps[48], dataFiles[48];
    countText(summary.maps, "map", "maps", maps, sizeof maps);
    countText(summary.dataFiles, "data file", "data files", dataFiles, sizeof dataFiles);
    tellUser("Check World found nothing wrong in %s (%s, %s).", directory, maps, dataFiles);
    return;
  }
  window.all = &findings;
  window.findings = findings.all();
  std::stable_sort(window.findings.begin(), window.findings.end(),
                   [](const Finding& a, const Finding& b) { return a.severity == Severity::Error && b.severity != Severity::Error; });
  char text[kPathBufferSize + 64];
  snprintf(text, sizeof text, "%s in %s", findingCounts(findings).c_str(), directory);
  const int chosen = showFindings(window, text);
  if (chosen >= 0) openFindingMap(editor, directory, host, findings, window.findings[static_cast<size_t>(chosen)]);
}

void checkWorldCommand(void* editor) { showWorldFindings(*static_cast<EditorState*>(editor)); }
