// A showcase of the GUI toolkit: one full-screen window with every widget,
// used by the end-to-end test under Xvfb. Every callback writes one line to
// the log file named by the first argument, so the test can check what the
// real X input did.
#include <allegro.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "gui/gui.h"

namespace {

FILE* g_log = nullptr;
int g_showFlag = 0;
int g_selectedTab = 0;
int g_rowIndex[200];
int g_rowCount = 40;
char g_nameText[21] = "edit me";
char g_qtyText[4] = "";
int g_status = 0;
int g_canvasClicks = 0;
int g_lastButtons = 0;
int g_lastX = -1, g_lastY = -1;
BITMAP* g_icons[3];

void logLine(const char* format, const char* text = "", int number = 0) {
  if (!g_log) return;
  fprintf(g_log, format, text, number);
  fputc('\n', g_log);
  fflush(g_log);
}

void quit(void*) {
  logLine("quit%s");
  StopEventLoop();
}
void message(void*) {
  int answer = ShowMessage("", "Progress is at 50%% now.|~Yes|~No");
  logLine("message%s %d", "", answer);
}
void openFile(void*) {
  const char* path = SelectFile("*.txt", getenv("DOLA_SHOWCASE_DIR") ? getenv("DOLA_SHOWCASE_DIR") : "",
                                kSelectOpenFlags, "Open a text file", "~Open");
  logLine("open %s", path);
}
void chooseDirectory(void*) {
  const char* path = SelectFile("*.*", getenv("DOLA_SHOWCASE_DIR") ? getenv("DOLA_SHOWCASE_DIR") : "",
                                kSelectDirectoryFlags, "Choose a directory", "~Choose");
  logLine("directory %s", path);
}
void progress(void*) {
  int window = OpenProgressWindow("Loading", "", 200);
  for (int p = 0; p <= 100; p += 10) {
    SetProgress(window, p);
    rest(20);
  }
  CloseTopWindow();
  logLine("progress done%s");
}
void applyText(void*) {
  logLine("edit %s", g_nameText);
  Refresh(g_status);
}

void fileMenu(void*) {
  AddMenuItem(0, "~Open...", "", openFile, nullptr);
  AddMenuItem(0, "Choose ~Directory...", "", chooseDirectory, nullptr);
  AddMenuItem(0, "~Quit", "", quit, nullptr);
}
void toolsMenu(void*) {
  AddMenuItem(0, "~Message", "", message, nullptr);
  AddMenuItem(0, "~Progress", "", progress, nullptr);
}

void* rowOf(void* listData, int row) { return static_cast<int*>(listData) + row; }
void rowText(void* rowData, char* buffer) {
  int row = *static_cast<int*>(rowData);
  snprintf(buffer, 100000, "#%d;Row number %d", row % 3, row);
}
void rowSelected(int, void* rowData) { logLine("select%s %d", "", *static_cast<int*>(rowData)); }
void rowDeleted(int, void* rowData) {
  logLine("delete%s %d", "", *static_cast<int*>(rowData));
  if (g_rowCount > 0) --g_rowCount;
}

int g_list = 0;
void listPage(void*) {
  logLine("page%s %d", "", 0);
  g_list = AddListBox(2, 2, g_rowIndex, &g_rowCount, 180, 1, rowText, nullptr, 16);
  SetListIndexer(g_list, rowOf);
  SetListSelectCallback(g_list, rowSelected);
  SetListDeleteCallback(g_list, rowDeleted);
  AddButton(2, 332, "~Refresh", [](void*) { Refresh(g_list); }, nullptr);
}
void formPage(void*) {
  logLine("page%s %d", "", 1);
  AddLabel(2, 4, "A form page");
  AddEditBox(2, 24, 100, "Qty", 5, 3, g_qtyText);
  AddButton(2, 48, "~Apply", applyText, nullptr);
}

void statusText(void*, char* buffer) {
  snprintf(buffer, 1000, "Clicks on the canvas: %d   Flag: %d   Text: %s", g_canvasClicks, g_showFlag, g_nameText);
}

void drawScene(BITMAP* b) {
  for (int y = 0; y < b->h; y += 20)
    for (int x = 0; x < b->w; x += 18) {
      int shade = ((x / 18 + y / 20) % 2) ? 60 : 80;
      rectfill(b, x, y, x + 17, y + 19, makecol(30, shade + 40, shade));
    }
  if (g_lastX >= 0) circlefill(b, g_lastX, g_lastY, 6, makecol(250, 220, 60));
}

int g_canvas = 0;
void canvas(BITMAP* b, int x, int y, void*) {
  if (y == -1) {
    clear_to_color(b, makecol(0, 0, 0));
    return;
  }
  const GuiMouse& m = GuiMouseState();
  if (x >= 0 && (m.b & 1) && !(g_lastButtons & 1)) {
    ++g_canvasClicks;
    g_lastX = x;
    g_lastY = y;
    logLine("canvas%s %d", "", x * 1000 + y);
    Refresh(g_status);
  }
  if (x >= 0) g_lastButtons = m.b;
  drawScene(b);
  if (x >= 0) Refresh(g_canvas);
}

void buildWindow() {
  CreateWindow(1, AUTO, "DOLA", 4);
  BeginMenuBar();
  AddMenuBarItem("~File", fileMenu, nullptr);
  AddMenuBarItem("~Tools", toolsMenu, nullptr);
  EndMenuBar();
  g_status = AddStatusField(0, SCREEN_H - 50, SCREEN_W - 15, statusText, nullptr);
  g_canvas = AddCanvas(2, 25, 540, 300, canvas, nullptr);
  AddLabel(560, 30, "Name");
  AddEditBox(560, 44, 160, "", 5, 20, g_nameText);
  AddCheckBox(560, 70, "Show ~flag", &g_showFlag);
  AddButton(560, 92, "~Apply", applyText, nullptr);
  AddButton(620, 92, "~Message", message, nullptr);
  AddButton(700, 92, "~Progress", progress, nullptr);
  int panel = AddTabPanel(800, 25, 210, 400, &g_selectedTab);
  AddTab(panel, listPage, nullptr, "list");
  AddTab(panel, formPage, nullptr, "form");
}

}  // namespace

int main(int argc, char** argv) {
  g_log = argc > 1 ? fopen(argv[1], "w") : nullptr;
  for (int i = 0; i < 200; ++i) g_rowIndex[i] = i;
  allegro_init();
  set_color_depth(16);
  if (set_gfx_mode(GFX_AUTODETECT_WINDOWED, 1024, 768, 0, 0) != 0) {
    fprintf(stderr, "no graphics mode: %s\n", allegro_error);
    return 1;
  }
  InitGui(0, 0, 0, &errno, atexit);
  for (int i = 0; i < 3; ++i) {
    g_icons[i] = create_bitmap(18, 20);
    clear_to_color(g_icons[i], makecol(255, 0, 255));
    circlefill(g_icons[i], 9, 10, 6, makecol(i == 0 ? 220 : 40, i == 1 ? 200 : 60, i == 2 ? 230 : 60));
    char name[8];
    snprintf(name, sizeof name, "%d", i);
    RegisterImage(g_icons[i], name, 1, 0);
  }
  buildWindow();
  ShowWindow();
  Refresh(g_status);
  Refresh(g_canvas);
  SetCloseCallback([](void*) { logLine("close%s"); }, nullptr);
  logLine("ready%s");
  RunEventLoop();
  for (BITMAP* icon : g_icons) destroy_bitmap(icon);
  if (g_log) fclose(g_log);
  return 0;
}
END_OF_MAIN()
