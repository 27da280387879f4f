// The Script Output window: one list box over the run's lines and its end
// message, in a modal window of its own.
#include "app/script_output.h"

#include <allegro.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/editor_state.h"
#include "gui/gui.h"
#include "script/reach_functions.h"
#include "script/script_host.h"

namespace {

constexpr int kListWidth = 640;
constexpr int kVisibleRows = 20;

struct OutputWindow {
  std::vector<std::string> lines;  // row i's data: line i
  int rowCount;
};

void* rowOf(void* list, int row) { return &static_cast<OutputWindow*>(list)->lines[static_cast<size_t>(row)]; }

void rowText(void* rowData, char* buffer) {
  snprintf(buffer, kGuiRowBufferSize, "%s", static_cast<const std::string*>(rowData)->c_str());
}

void closeWindow(void*) { StopEventLoop(); }

bool closeOnEscape(const GuiKey& key, void*) {
  if (key.scancode != KEY_ESC) return false;
  StopEventLoop();
  return true;
}

}  // namespace

void showScriptOutput(EditorState& editor) {
  ScriptReach* reach = scriptReach(editor.scriptEngine);
  if (reach == nullptr) return;
  OutputWindow window;
  window.lines = reach->output();
  // A line of the script's text may hold line ends: each shows as a row.
  std::vector<std::string> split;
  for (const std::string& line : window.lines) {
    size_t start = 0;
    for (size_t end; (end = line.find('\n', start)) != std::string::npos; start = end + 1)
      split.push_back(line.substr(start, end - start));
    split.push_back(line.substr(start));
  }
  window.lines.swap(split);
  window.lines.push_back(reach->endMessage()[0] == '\0' ? "No script has run yet." : reach->endMessage());
  window.rowCount = static_cast<int>(window.lines.size());
  const int id = CreateWindow(kListWidth + 16, 20 * kVisibleRows + 60, "Script Output", 0);
  if (id != 0) {
    const int list = AddListBox(8, 8, &window, &window.rowCount, kListWidth, kListLeftButton, rowText, nullptr,
                                kVisibleRows);
    SetListIndexer(list, rowOf);
    AddButton(kListWidth / 2 - 24, 20 * kVisibleRows + 24, "~Close", closeWindow, nullptr);
    SetKeyHandler(id, closeOnEscape, nullptr);
    ShowWindow();
    SetListSelection(list, window.rowCount - 1);
    RunEventLoop();
    CloseTopWindow();
  }
}

void showScriptOutputIfPrinted(EditorState& editor) {
  ScriptReach* reach = scriptReach(editor.scriptEngine);
  if (reach != nullptr && !reach->output().empty()) showScriptOutput(editor);
}
