// The backup list window: a list box over the summaries, a Restore button
// that takes the selected row (as does a double click or Enter), Cancel.
#include "app/backup_chooser.h"

#include <allegro.h>

#include <cstdio>

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

void rowText(void* rowData, char* buffer) {
  const Row& row = rowAt(rowData);
  const BackupSummary& b = (*row.chooser->backups)[static_cast<size_t>(row.index)];
  const size_t files = b.files.size();
  if (b.state != BackupState::Usable)
    snprintf(buffer, kGuiRowBufferSize, "%s   cannot be read", b.when.c_str());
  else
    snprintf(buffer, kGuiRowBufferSize, "%s   %s   %zu file%s", b.when.c_str(), b.operation.c_str(), files,
             files == 1 ? "" : "s");
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
  AddLabel(8, 6, "Backups, newest first: date and time, operation, files");
  const int list = AddListBox(8, 22, &chooser, &chooser.rowCount, 480, kListLeftButton, rowText, rowOpened, visibleRows);
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

BackupChooser g_choose = chooseInWindow;

}  // namespace

int chooseBackup(const std::vector<BackupSummary>& backups) { return backups.empty() ? -1 : g_choose(backups); }

BackupChooser setBackupChooser(BackupChooser chooser) {
  BackupChooser previous = g_choose;
  g_choose = chooser ? chooser : chooseInWindow;
  return previous;
}
