// The backup list window: a list box over the summaries, a Restore button
// that takes the selected row (as does a double click or Enter), Cancel.
#include "app/backup_chooser.h"

#include <allegro.h>

#include <cstdio>
#include <string>

#include "app/editor_state.h"
#include "gui/gui.h"

namespace {

struct Chooser;

// A row's data: its window and its index (list rows get no other data pointer).
struct Row {
  Chooser* chooser;
  int index;
};

struct Chooser {
  const std::vector<BackupSummary>* backups;
  std::vector<Row> rows;
  int rowCount;
  int selected;
  int chosen;
  bool done;
};

const Row& rowAt(void* rowData) { return *static_cast<const Row*>(rowData); }

void* rowOf(void* list, int row) { return &static_cast<Chooser*>(list)->rows[static_cast<size_t>(row)]; }

constexpr size_t kNamesInRow = 3;  // a world's 400 files are counted, not named

void rowText(void* rowData, char* buffer) {
  const Row& row = rowAt(rowData);
  const BackupSummary& b = (*row.chooser->backups)[static_cast<size_t>(row.index)];
  if (b.state != BackupState::Usable) {
    snprintf(buffer, kGuiRowBufferSize, "%s   cannot be read", b.when.c_str());
    return;
  }
  std::string names;
  for (size_t i = 0; i < b.files.size() && i < kNamesInRow; ++i) {
    const std::string& path = b.files[i].original;
    const size_t slash = path.find_last_of('\\');
    names += (i > 0 ? ", " : "") + (slash == std::string::npos ? path : path.substr(slash + 1));
  }
  if (b.files.size() > kNamesInRow) names += " and " + std::to_string(b.files.size() - kNamesInRow) + " more";
  snprintf(buffer, kGuiRowBufferSize, "%s   %s   %s", b.when.c_str(), b.operation.c_str(), names.c_str());
}

void rowSelected(int, void* rowData) { rowAt(rowData).chooser->selected = rowAt(rowData).index; }

void finish(Chooser& chooser, int chosen) {
  chooser.chosen = chosen;
  chooser.done = true;
  StopEventLoop();
}

void rowOpened(int, void* rowData) { finish(*rowAt(rowData).chooser, rowAt(rowData).index); }
void restorePressed(void* data) {
  Chooser& chooser = *static_cast<Chooser*>(data);
  if (chooser.selected >= 0) finish(chooser, chooser.selected);
}
void cancelPressed(void* data) { finish(*static_cast<Chooser*>(data), -1); }

bool cancelOnEscape(const GuiKey& key, void* data) {
  if (key.scancode != KEY_ESC) return false;
  finish(*static_cast<Chooser*>(data), -1);
  return true;
}

int chooseInWindow(const std::vector<BackupSummary>& backups) {
  Chooser chooser{&backups, {}, static_cast<int>(backups.size()), -1, -1, false};
  for (int i = 0; i < chooser.rowCount; i++) chooser.rows.push_back(Row{&chooser, i});
  const int visibleRows = 14;
  const int window = CreateWindow(0, AUTO, "Restore Backup", 0);
  AddLabel(8, 6, "Backups, newest first: date and time, operation, the files it holds");
  const int list = AddListBox(8, 22, &chooser, &chooser.rowCount, 700, kListLeftButton, rowText, rowOpened, visibleRows);
  SetListIndexer(list, rowOf);
  SetListSelectCallback(list, rowSelected);
  const int buttonsY = 22 + visibleRows * 20 + 12;
  AddButton(8, buttonsY, "~Restore", restorePressed, &chooser);
  AddButton(100, buttonsY, "~Cancel", cancelPressed, &chooser);
  SetKeyHandler(window, cancelOnEscape, &chooser);
  ShowWindow();
  while (!chooser.done) RunEventLoop();
  CloseTopWindow();
  return chooser.chosen;
}

}  // namespace

int chooseBackup(EditorState& editor, const std::vector<BackupSummary>& backups) {
  if (backups.empty()) return -1;
  return editor.backupChooser ? editor.backupChooser(backups) : chooseInWindow(backups);
}

BackupChooser setBackupChooser(EditorState& editor, BackupChooser chooser) {
  BackupChooser previous = editor.backupChooser;
  editor.backupChooser = chooser;
  return previous;
}
