// SelectFile: the modal file and directory selector over the host's file
// system (through the platform layer). It returns an editor path, or "" when
// cancelled; the flag bits it knows are named below.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include <unistd.h>

#include "gui/gui_internal.h"
#include "gui/selector_paths.h"
#include "platform/directory_list.h"
#include "platform/host_path.h"

namespace gui {

namespace {
constexpr int kAskOverwrite = kSelectAskOverwrite, kMustExist = kSelectMustExist, kChooseDirectory = kSelectDirectory,
              kDisplayButton = kSelectDisplayButton, kUseStartPath = kSelectUseStartPath, kKeepName = kSelectKeepName;
constexpr int kNameMax = 255;
}  // namespace

struct Selector {
  char masks[256];
  int flags;
  char dir[1024];
  char name[kNameMax + 1];
  std::vector<DirectoryEntry> entries;
  int rows;
  bool showHidden;
  bool done;
  int window, list, nameBox, dirField, hiddenButton;
};

namespace {

SelectorMemory& memory() { return state().selector; }

bool wanted(const Selector& s, const DirectoryEntry& e) {
  if (e.name == "..") return true;
  if (!s.showHidden && e.name[0] == '.') return false;
  if (e.isDirectory) return true;
  return !(s.flags & kChooseDirectory) && matchesMask(s.masks, e.name.c_str());
}

// Lists dir; false (and nothing changed) when it cannot be read.
bool loadDirectory(Selector& s, const char* dir) {
  std::vector<DirectoryEntry> all;
  if (!listDirectory(dir, all)) return false;
  snprintf(s.dir, sizeof s.dir, "%s", dir);
  s.entries.clear();
  for (const DirectoryEntry& e : all)
    if (wanted(s, e)) s.entries.push_back(e);
  s.rows = static_cast<int>(s.entries.size());
  return true;
}

void changeDirectory(Selector& s, const char* dir) {
  if (!loadDirectory(s, dir)) return;
  if (!(s.flags & kKeepName)) s.name[0] = '\0';
  if (Widget* list = findWidget(s.list)) {
    list->list.top = 0;
    list->list.selected = -1;
  }
  Refresh(s.dirField);
  Refresh(s.list);
  Refresh(s.nameBox);
}

void finish(Selector& s, const char* path) {
  snprintf(memory().result, sizeof memory().result, "%s", path);
  s.done = true;
  StopEventLoop();
}

// A message that names what the user typed, shown literally whatever the
// name holds. Returns the button pressed.
int complain(const char* format, const char* name, const char* buttons) {
  char text[1024];
  snprintf(text, sizeof text, format, name);
  return ShowText(text, buttons);
}

// fromField: the text is what the name field holds (and is used up by it).
void confirmTyped(Selector& s, const char* typed, bool fromField) {
  char path[1024];
  if (!resolveTyped(s.dir, typed, path, sizeof path)) return;
  bool directory = isDirectoryPath(path);
  if (s.flags & kChooseDirectory) {
    if (!directory) {
      complain("%s is no directory", typed, "Close");
      return;
    }
    spellAsOnDisk(path, sizeof path);
    size_t n = strlen(path);
    if (n > 0 && path[n - 1] == '\\') path[n - 1] = '\0';  // the editor appends "\" and a name
    finish(s, path);
    return;
  }
  if (directory) {
    if (fromField) s.name[0] = '\0';
    changeDirectory(s, path);
    return;
  }
  if (strchr(typed, '*') || strchr(typed, '?')) {
    snprintf(s.masks, sizeof s.masks, "%s", typed);
    changeDirectory(s, s.dir);
    s.name[0] = '\0';
    Refresh(s.nameBox);
    return;
  }
  bool exists = isFilePath(path);
  if ((s.flags & kMustExist) && !exists) {
    complain("%s does not exist. Try again.", typed, "Close");
    return;
  }
  if ((s.flags & kAskOverwrite) && exists && complain("%s does already exist, are you really sure?", typed, "Yes|Cancel") != 0)
    return;
  spellAsOnDisk(path, sizeof path);
  finish(s, path);
}

// The button (or Enter outside the list): the typed name, else the selected
// row; in a directory chooser with neither, the directory shown.
void confirm(void* data) {
  Selector& s = *static_cast<Selector*>(data);
  char typed[kNameMax + 1];
  snprintf(typed, sizeof typed, "%s", s.name);
  Widget* list = findWidget(s.list);
  int row = list ? list->list.selected : -1;
  bool fromField = typed[0] != '\0';
  if (!fromField) {
    if (row >= 0 && row < s.rows) snprintf(typed, sizeof typed, "%s", s.entries[row].name.c_str());
    else if (s.flags & kChooseDirectory) snprintf(typed, sizeof typed, "%s", ".");
    else return;
  }
  confirmTyped(s, typed, fromField);
}

void cancel(void* data) { finish(*static_cast<Selector*>(data), ""); }

void toggleHidden(void* data) {
  Selector& s = *static_cast<Selector*>(data);
  s.showHidden = !s.showHidden;
  if (Widget* button = findWidget(s.hiddenButton))
    snprintf(button->label, sizeof button->label, "%s", s.showHidden ? "~Hide hidden" : "Show ~hidden");
  changeDirectory(s, s.dir);
  Refresh(s.hiddenButton);
}

void* entryOf(void* listData, int row) {
  Selector& s = *static_cast<Selector*>(listData);
  return row >= 0 && row < s.rows ? &s.entries[row] : nullptr;
}

void entryText(void* rowData, char* buffer) {
  const DirectoryEntry* e = static_cast<const DirectoryEntry*>(rowData);
  if (!e) return;
  // A leading "#" would read as an image tag; "##" shows it as it is.
  const char* escape = e->name[0] == '#' ? "#" : "";
  snprintf(buffer, 100000, "%s%s%s", escape, e->name.c_str(), e->isDirectory ? "\\" : "");
}

// A click on a row puts its name in the name field: a file's in a file
// selector, a directory's (".." too) in a directory chooser.
void entrySelected(int row, void* rowData) {
  const DirectoryEntry* e = static_cast<const DirectoryEntry*>(rowData);
  Selector* s = memory().open;
  if (!s || !e) return;
  bool choosingDirectory = (s->flags & kChooseDirectory) != 0;
  if (e->isDirectory != choosingDirectory) return;
  snprintf(s->name, sizeof s->name, "%s", e->name.c_str());
  Refresh(s->nameBox);
}

// A double click or Enter on a row opens a directory, chooses a file.
void entryOpened(int row, void* rowData) {
  const DirectoryEntry* e = static_cast<const DirectoryEntry*>(rowData);
  if (!memory().open || !e) return;
  Selector& s = *memory().open;
  if (!e->isDirectory) {
    confirmTyped(s, e->name.c_str(), false);
    return;
  }
  char path[1024];
  if (!resolveTyped(s.dir, e->name.c_str(), path, sizeof path)) return;
  if (s.flags & kChooseDirectory) s.name[0] = '\0';  // the name was the row's, not typed
  changeDirectory(s, path);
}

void directoryText(void* data, char* buffer) {
  const Selector& s = *static_cast<const Selector*>(data);
  const int fit = 50;
  int n = static_cast<int>(strlen(s.dir));
  if (n <= fit) snprintf(buffer, 1000, "%.990s", s.dir);
  else snprintf(buffer, 1000, "...%s", s.dir + n - (fit - 3));
}

// The working directory in editor form; the root when it cannot be told.
void workingDirectory(char* out, size_t size) {
  char host[1024];
  if (!getcwd(host, sizeof host) || !pathToEditor(host, out, size)) snprintf(out, size, "%s", "C:\\");
}

void startDirectory(Selector& s, const char* startPath) {
  char dir[1024] = "", name[kNameMax + 1] = "", base[1024];
  if (!(s.flags & kUseStartPath) && memory().remembered[0] && loadDirectory(s, memory().remembered)) return;
  workingDirectory(base, sizeof base);  // a relative start path is taken from here
  if (!startPath || !startPath[0]) {
    snprintf(dir, sizeof dir, "%s", "C:\\");
  } else if (resolveTyped(base, startPath, dir, sizeof dir) && isDirectoryPath(dir)) {
  } else {
    char full[1024];
    resolveTyped(base, startPath, full, sizeof full);
    splitLast(full, dir, sizeof dir, name, sizeof name);
    if (!(s.flags & kChooseDirectory)) snprintf(s.name, sizeof s.name, "%s", name);
  }
  if (!loadDirectory(s, dir)) loadDirectory(s, "C:\\");
}

void buildSelector(Selector& s, const char* title, const char* buttonLabel) {
  const int rows = 14, listBottom = 20 + rows * kRowHeight + 4;
  s.window = CreateWindow(0, AUTO, title && title[0] ? title : "Select", 0);
  s.dirField = AddStatusField(8, 6, 400, directoryText, &s);
  s.list = AddListBox(8, 20, &s, &s.rows, 400, kListLeftButton, entryText, entryOpened, rows);
  SetListIndexer(s.list, entryOf);
  SetListSelectCallback(s.list, entrySelected);
  s.nameBox = AddEditBox(8, listBottom + 8, 360, "Name:", kEditBoxText, kNameMax, s.name);
  int buttonsY = listBottom + 30;
  int ok = AddButton(8, buttonsY, buttonLabel && buttonLabel[0] ? buttonLabel : "~OK", confirm, &s);
  int cancelButton = AddButton(100, buttonsY, "~Cancel", cancel, &s);
  if (Widget* w = findWidget(ok)) w->w = std::max(w->w, 80);
  if (Widget* w = findWidget(cancelButton)) w->w = 80;
  if (s.flags & kDisplayButton) s.hiddenButton = AddButton(300, buttonsY, "Show ~hidden", toggleHidden, &s);
  if (Widget* w = findWidget(s.hiddenButton)) w->w = 108;
  char types[300];
  snprintf(types, sizeof types, "Files: %s", (s.flags & kChooseDirectory) ? "directories" : s.masks);
  AddLabel(8, buttonsY + 24, types);
  if (Window* w = findWindow(s.window)) {
    w->defaultButton = ok;
    w->escapeButton = cancelButton;
    w->focus = s.nameBox;
  }
}

}  // namespace

}  // namespace gui

using namespace gui;

const char* SelectFile(const char* masks, const char* startPath, int flags, const char* title,
                       const char* buttonLabel) {
  memory().result[0] = '\0';
  if (!ensureGui()) return memory().result;
  Selector s = Selector();
  snprintf(s.masks, sizeof s.masks, "%s", masks && masks[0] ? masks : "*.*");
  s.flags = flags;
  startDirectory(s, startPath);
  Selector* outer = memory().open;
  memory().open = &s;
  buildSelector(s, title, buttonLabel);
  ShowWindow();
  while (!s.done && findWindow(s.window)) RunEventLoop();
  while (findWindow(s.window)) CloseTopWindow();
  memory().open = outer;
  snprintf(memory().remembered, sizeof memory().remembered, "%s", s.dir);
  return memory().result;
}
