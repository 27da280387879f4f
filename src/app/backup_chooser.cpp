// The backup list window: a list box over the summaries, a Restore button
// that takes the selected row (as does a double click or Enter), Cancel.
#include "app/backup_chooser.h"

#include <allegro.h>

#include <cstdio>

#include "gui/gui.h"

namespace {

struct Chooser {
  const std::vector<BackupSummary>* backups;
  std::vector<int> rows;  // row i's data: i
  int rowCount;
  int selected;
  int chosen;
  bool done;
};
Chooser* g_chooser = nullptr;  // the window open now (list rows get no data pointer)

void* rowOf(void* list, int row) { return &static_cast<Chooser*>(list)->rows[static_cast<size_t>(row)]; }

void rowText(void* rowData, char* buffer) {
  const BackupSummary& b = (*g_chooser->backups)[static_cast<size_t>(*static_cast<int*>(rowData))];
  const size_t files = b.files.size();
  if (b.state != BackupState::Usable)
    snprintf(buffer, kGuiRowBufferSize, "%s   cannot be read", b.when.c_str());
  else
    snprintf(buffer, kGuiRowBufferSize, "%s   %s   %zu file%s", b.when.c_str(), b.operation.c_str(), files,
             files == 1 ? "" : "s");
}

void rowSelected(int, void* rowData) { g_chooser->selected = *static_cast<int*>(rowData); }

void finish(int chosen) {
  g_chooser->chosen = chosen;
  g_chooser->done = true;
  StopEventLoop();
}

void rowOpened(int, void* rowData) { finish(*static_cast<int*>(rowData)); }
void restorePressed(void*) {
  if (g_chooser->selected >= 0) finish(g_chooser->selected);
}
void cancelPressed(void*) { finish(-1); }

bool cancelOnEscape(const GuiKey& key, void*) {
  if (key.scancode != KEY_ESC) return false;
  finish(-1);
  return true;
}

int chooseInWindow(const std::vector<BackupSummary>& backups) {
  Chooser chooser{&backups, {}, static_cast<int>(backups.size()), -1, -1, false};
  for (int i = 0; i < chooser.rowCount; i++) chooser.rows.push_back(i);
  Chooser* outer = g_chooser;
  g_chooser = &chooser;
  const int visibleRows = 14;
  const int window = CreateWindow(0, AUTO, "Restore Backup", 0);
  AddLabel(8, 6, "Backups, newest first: date and time, operation, files");
  const int list = AddListBox(8, 22, &chooser, &chooser.rowCount, 480, kListLeftButton, rowText, rowOpened, visibleRows);
  SetListIndexer(list, rowOf);
  SetListSelectCallback(list, rowSelected);
  const int buttonsY = 22 + visibleRows * 20 + 12;
  AddButton(8, buttonsY, "~Restore", restorePressed, nullptr);
  AddButton(100, buttonsY, "~Cancel", cancelPressed, nullptr);
  SetKeyHandler(window, cancelOnEscape, nullptr);
  ShowWindow();
  while (!chooser.done) RunEventLoop();
  CloseTopWindow();
  g_chooser = outer;
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
