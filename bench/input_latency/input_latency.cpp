// What a user feels, measured from outside: the editor runs on a private Xvfb,
// XTest sends real key presses, clicks, drags and moves, and the screen is
// read back until the pixels change. Every figure is printed beside the same
// figure of dola-input-floor, an Allegro program that only blits once per
// input, run on the same display in the same run.
// The floor and the editor are measured by turns, in rounds.
// Usage: bench_input_latency [--depth 16|32] [--trials N] [--rounds N]
//                            [--auto-terrain on|off|compare] [--floor flush|plain]
// (from the build directory's bench/); with Auto Terrain on, the presses and
// the drag that paint end with the demo world's terrain rules. "compare"
// measures only the painting: water painted over the land of a world map,
// with Auto Terrain off and on by turns in every round. The floor sends each
// blit to the X server at once, as the editor does ("flush", the default);
// "plain" leaves that to Allegro's input thread, as a program that does not
// flush would.
#include <ftw.h>
#include <signal.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "x_session.h"

namespace {

namespace fs = std::filesystem;

// Screen places of the main window (client area at (3, 25)).
constexpr ScreenRect kMapCanvas{5, 50, 864, 480};
constexpr ScreenRect kCanvasSample{300, 250, 160, 120};  // inside the map canvas
constexpr ScreenRect kSideSample{20, 300, 250, 150};    // the map canvas beside dialogs and progress
constexpr ScreenRect kViewMenu{40, 44, 110, 40};         // where View's drop-down opens
constexpr ScreenRect kPalette{5, 565, 576, 160};
constexpr ScreenRect kQuestion{312, 334, 400, 100};     // the middle of the screen, where questions open
constexpr int kRestX = 760, kRestY = 650;                // beside the previews: no canvas
constexpr double kTimeout = 1500;

double medianOf(std::vector<double> v) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

struct Samples {
  std::vector<double> ms;
  int timeouts = 0;
  void add(double v) {
    if (v < 0) ++timeouts;
    else ms.push_back(v);
  }
  double median() const { return medianOf(ms); }
  double max() const { return ms.empty() ? 0 : *std::max_element(ms.begin(), ms.end()); }
  long over(double limit) const { return std::count_if(ms.begin(), ms.end(), [limit](double v) { return v > limit; }); }
  void take(const Samples& other) {
    ms.insert(ms.end(), other.ms.begin(), other.ms.end());
    timeouts += other.timeouts;
  }
};

struct Options {
  int depth = 16;
  int trials = 10;  // per round
  int rounds = 5;   // the floor and the editor by turns, each round
  bool autoTerrain = false;
  bool compareTerrain = false;  // painting water with Auto Terrain off and on, by turns
  bool plainFloor = false;      // the floor leaves its blits in Xlib's queue
  fs::path buildDir;
};

// What a signal that ends the benchmark must not leave behind: the program
// under test, the display and the editor's copy of the demo world.
volatile pid_t g_program = -1;
volatile pid_t g_server = -1;
char g_workspace[256] = "";

int removeEntry(const char* path, const struct stat*, int, struct FTW*) { return remove(path); }

void endBySignal(int signal) {
  if (g_program > 0) kill(g_program, SIGKILL);
  if (g_server > 0) kill(g_server, SIGTERM);
  if (g_workspace[0] != '\0') nftw(g_workspace, removeEntry, 16, FTW_DEPTH | FTW_PHYS);
  ::signal(signal, SIG_DFL);
  raise(signal);
}

pid_t startProgram(const XSession& x, const std::vector<std::string>& argv, const std::string& dir) {
  const pid_t pid = x.run(argv, dir);
  g_program = pid;
  return pid;
}

void endProgram(pid_t pid) {
  stopProcess(pid);
  g_program = -1;
}

// A random pause, so that inputs land at every phase of the program's polls.
void restPointer() { sleepMs(60 + rand() % 140); }

double pressAndWait(const XSession& x, const char* keysym, const ScreenRect& watch, bool equal,
                    const Pixels& reference) {
  const Pixels before = equal ? reference : x.grab(watch);
  const double t0 = monotonicMs();
  x.key(keysym, true);
  const double ms = x.waitChange(watch, before, t0, kTimeout, equal);
  x.key(keysym, false);
  return ms;
}

// ---- The floor program ----

struct FloorFigures {
  Samples keys, clicks, moves;
  Samples idleCpu, ignoredMovesCpu;  // one a round
  void take(const FloorFigures& r) {
    for (auto part : {&FloorFigures::keys, &FloorFigures::clicks, &FloorFigures::moves, &FloorFigures::idleCpu,
                      &FloorFigures::ignoredMovesCpu})
      (this->*part).take(r.*part);
  }
};

// CPU milliseconds per second of pid while act runs for seconds.
template <typename Act>
double cpuPerSecond(pid_t pid, double seconds, Act act) {
  const double c0 = cpuMs(pid), t0 = monotonicMs();
  while (monotonicMs() - t0 < seconds * 1000) act();
  return (cpuMs(pid) - c0) / ((monotonicMs() - t0) / 1000);
}

void sweepMoves(const XSession& x, const ScreenRect& area, int& step) {
  ++step;
  x.move(area.x + (step * 7) % area.w, area.y + (step * 3) % area.h);
  sleepMs(5);
}

FloorFigures measureFloor(XSession& x, const Options& o) {
  FloorFigures f;
  const std::string floor = (o.buildDir / "bench" / "dola-input-floor").string();
  const std::string flush = o.plainFloor ? "" : "flush";
  pid_t pid = startProgram(x, {floor, std::to_string(o.depth), flush}, ".");
  sleepMs(1500);
  for (int i = 0; i < o.trials; ++i) {
    x.move(kRestX, kRestY);
    restPointer();
    f.keys.add(pressAndWait(x, "a", kCanvasSample, false, Pixels()));
  }
  for (int i = 0; i < o.trials; ++i) {
    x.move(kCanvasSample.x + 40 + i, kCanvasSample.y + 40);
    restPointer();
    const Pixels before = x.grab(kCanvasSample);
    const double t0 = monotonicMs();
    x.button(1, true);
    f.clicks.add(x.waitChange(kCanvasSample, before, t0, kTimeout));
    x.button(1, false);
  }
  for (int i = 0; i < o.trials; ++i) {
    restPointer();
    const Pixels before = x.grab(kCanvasSample);
    const double t0 = monotonicMs();
    x.move(kCanvasSample.x + 20 + i * 3, kCanvasSample.y + 20);
    f.moves.add(x.waitChange(kCanvasSample, before, t0, kTimeout));
  }
  x.move(300, 640);
  sleepMs(300);
  f.idleCpu.add(cpuPerSecond(pid, 3, [] { sleepMs(50); }));
  endProgram(pid);
  pid = startProgram(x, {floor, std::to_string(o.depth), "ignore-moves", flush}, ".");
  sleepMs(1500);
  int step = 0;
  f.ignoredMovesCpu.add(cpuPerSecond(pid, 3, [&] { sweepMoves(x, kMapCanvas, step); }));
  endProgram(pid);
  return f;
}

// ---- The editor ----

struct EditorFigures {
  Samples keysOff, keysMap, keysPalette, openMap, heldPress, drag, worldView, pastePreview, movePreview,
      fillPreview, replaceFirst, replaceAgain;
  // CPU per second, one a round.
  Samples idleCpu, idleMapCpu, idlePaletteCpu, idleWorldCpu, movesCpu, worldMovesCpu, offCanvasMovesCpu;
  void take(const EditorFigures& r) {
    for (auto part : {&EditorFigures::keysOff, &EditorFigures::keysMap, &EditorFigures::keysPalette,
                      &EditorFigures::openMap, &EditorFigures::heldPress, &EditorFigures::drag,
                      &EditorFigures::worldView, &EditorFigures::pastePreview, &EditorFigures::movePreview,
                      &EditorFigures::fillPreview, &EditorFigures::replaceFirst, &EditorFigures::replaceAgain,
                      &EditorFigures::idleCpu, &EditorFigures::idleMapCpu, &EditorFigures::idlePaletteCpu,
                      &EditorFigures::idleWorldCpu, &EditorFigures::movesCpu, &EditorFigures::worldMovesCpu,
                      &EditorFigures::offCanvasMovesCpu})
      (this->*part).take(r.*part);
  }
};

// A copy of the demo world, its palette and settings for a window at depth.
fs::path makeWorkspace(const Options& o) {
  char pattern[] = "/tmp/dola-latency-XXXXXX";
  if (mkdtemp(pattern) == nullptr) return fs::path();
  const fs::path work = pattern;
  snprintf(g_workspace, sizeof g_workspace, "%s", pattern);
  fs::copy(o.buildDir / "demo" / "world", work / "world", fs::copy_options::recursive);
  fs::copy(o.buildDir / "demo" / "palette.bmp", work / "palette.bmp");
  std::string world = "C:" + (work / "world").string();
  std::replace(world.begin(), world.end(), '/', '\\');
  FILE* ini = fopen((work / "dola.ini").c_str(), "wb");
  if (ini == nullptr) return fs::path();
  fprintf(ini, "mode=window\r\nZANDirectory=%s\r\ncolordepth=%d\r\n", world.c_str(), o.depth);
  fclose(ini);
  return work;
}

// The Alt+V press shows View's menu (the sample); Escape takes it away
// again, waited for but not counted: it closes a menu, it is no key to the map.
void keyTrials(const XSession& x, int trials, int restX, int restY, Samples& out) {
  for (int i = 0; i < trials; ++i) {
    x.move(restX, restY);
    restPointer();
    const Pixels closed = x.grab(kViewMenu);
    x.key("Alt_L", true);
    sleepMs(30);
    out.add(pressAndWait(x, "v", kViewMenu, false, Pixels()));
    x.key("Alt_L", false);
    restPointer();
    pressAndWait(x, "Escape", kViewMenu, true, closed);
  }
}

void openByKeyboard(const XSession& x, const char* name, Samples& out) {
  x.key("Alt_L", true);
  x.tapKey("f");
  x.key("Alt_L", false);
  x.tapKey("o");
  x.waitQuiet(ScreenRect{200, 150, 600, 400}, 200, 3000);
  x.type(name);
  restPointer();
  out.add(pressAndWait(x, "Return", kSideSample, false, Pixels()));
  x.waitQuiet(kMapCanvas, 200, 3000);
}

void chooseView(const XSession& x, const char* letter, Samples* out) {
  x.key("Alt_L", true);
  x.tapKey("v");
  x.key("Alt_L", false);
  x.waitQuiet(kViewMenu, 100, 1000);
  if (out != nullptr) out->add(pressAndWait(x, letter, kSideSample, false, Pixels()));
  else x.tapKey(letter);
  x.waitQuiet(kMapCanvas, 200, 3000);
}

ScreenRect cellRect(int column, int row) {
  return ScreenRect{kMapCanvas.x + column * 18, kMapCanvas.y + row * 20, 18, 20};
}

// Presses that paint: each on a cell that does not yet show the selected tile.
ScreenRect paletteCell(int code) { return ScreenRect{kPalette.x + 18 * (code % 32), kPalette.y + 20 * (code / 32), 18, 20}; }

void paintTrials(const XSession& x, int trials, int code, Samples& held, Samples& drag) {
  const Pixels selected = x.grab(paletteCell(code));
  int row = 2;
  for (int i = 0, column = 1; i < trials && column < 47; ++column) {
    const ScreenRect cell = cellRect(column, row);
    const Pixels before = x.grab(cell);
    if (before == selected) continue;
    x.move(cell.x + 9, cell.y + 10);
    restPointer();
    const double t0 = monotonicMs();
    x.button(1, true);
    held.add(x.waitChange(cell, before, t0, 600));
    x.button(1, false);
    ++i;
    if (column == 46) column = 0, row += 2;
  }
  x.move(cellRect(0, 15).x + 9, cellRect(0, 15).y + 10);
  restPointer();
  x.button(1, true);
  for (int column = 1; column < 48 && static_cast<int>(drag.ms.size()) + drag.timeouts < trials; ++column) {
    const ScreenRect cell = cellRect(column, 15);
    const Pixels before = x.grab(cell);
    const double t0 = monotonicMs();
    x.move(cell.x + 9, cell.y + 10);
    if (before != selected) drag.add(x.waitChange(cell, before, t0, 600));
    // Not a fixed pause: Allegro reads X input every 10 ms, and a fixed pace
    // would put every move at the same point of that cycle.
    sleepMs(20 + rand() % 40);
  }
  x.button(1, false);
}

// A move of the pointer to a cell, timed until that cell's pixels change.
void previewMove(const XSession& x, int column, int row, Samples& out) {
  const ScreenRect cell = cellRect(column, row);
  const Pixels before = x.grab(cell);
  const double t0 = monotonicMs();
  x.move(cell.x + 9, cell.y + 10);
  out.add(x.waitChange(cell, before, t0, 600));
  sleepMs(20 + rand() % 40);
}

// The previews that follow the pointer, after paintTrials painted row 15:
// a copied 3 x 1 block turned with Z in paste mode, the same cells moved as
// a selection, and with Fill chosen the outline of a region beside the row.
// The cell the pointer enters always changes: the block's frame, the lifted
// cells' frame, the outline's edge.
void previewTrials(const XSession& x, int trials, EditorFigures& f) {
  auto settle = [&] { x.waitQuiet(kMapCanvas, 100, 2000); };
  x.move(cellRect(3, 15).x + 9, cellRect(3, 15).y + 10);
  x.tapKey("s");
  x.button(1, true);
  sleepMs(40);
  x.move(cellRect(5, 15).x + 9, cellRect(5, 15).y + 10);
  sleepMs(40);
  x.button(1, false);
  x.key("Control_L", true);
  x.tapKey("c");
  x.tapKey("v");
  x.key("Control_L", false);
  x.tapKey("z");
  settle();
  for (int i = 0; i < trials; ++i) previewMove(x, 8 + (i * 5) % 36, 4 + (i % 2) * 3, f.pastePreview);
  x.tapKey("Escape");
  settle();
  x.move(cellRect(4, 15).x + 9, cellRect(4, 15).y + 10);
  sleepMs(40);
  x.button(1, true);
  sleepMs(40);
  for (int i = 0; i < trials; ++i) previewMove(x, 8 + (i * 5) % 36, 9 + (i % 2) * 2, f.movePreview);
  x.tapKey("Escape");
  x.button(1, false);
  x.tapKey("Escape");
  x.tapKey("f");
  settle();
  // Code 250 stays selected: a fill on row 15 changes nothing and shows no
  // outline; a cell of another code below it gets its region's top edge.
  const Pixels selected = x.grab(ScreenRect{kPalette.x + 18 * (250 % 32), kPalette.y + 20 * (250 / 32), 18, 20});
  for (int i = 0, column = 1; i < trials && column < 47; ++column) {
    if (x.grab(cellRect(column, 16)) == selected) continue;
    x.move(cellRect(column, 15).x + 9, cellRect(column, 15).y + 10);
    settle();
    previewMove(x, column, 16, f.fillPreview);
    ++i;
  }
}

// Ctrl+H with the pointer resting on a cell of the open map: the key to the
// question shown (its counts of the map and of all world maps are taken
// after the key), then Escape answers Cancel. The first press reads the
// world maps; the later ones find them kept. Tile 251 is selected for it
// (Map Tile must differ), 250 again afterwards.
void replaceTrials(const XSession& x, int trials, EditorFigures& f) {
  auto select = [&](int code) {
    x.move(kPalette.x + 18 * (code % 32) + 9, kPalette.y + 20 * (code / 32) + 10);
    sleepMs(40);
    x.button(1, true);
    sleepMs(60);
    x.button(1, false);
    x.waitQuiet(ScreenRect{600, 555, 300, 40}, 150, 2000);
  };
  select(251);
  for (int i = 0; i < trials; ++i) {
    const ScreenRect cell = cellRect(10 + (i * 7) % 30, 5 + (i * 3) % 14);
    x.move(cell.x + 9, cell.y + 10);
    restPointer();
    const Pixels closed = x.grab(kQuestion);
    x.key("Control_L", true);
    sleepMs(30);
    (i == 0 ? f.replaceFirst : f.replaceAgain).add(pressAndWait(x, "h", kQuestion, false, Pixels()));
    x.key("Control_L", false);
    restPointer();
    pressAndWait(x, "Escape", kQuestion, true, closed);
  }
  select(250);
}

// The editor started on a copy of the demo world, shown and quiet; -1 without a copy.
pid_t startEditor(const XSession& x, const Options& o, fs::path& work) {
  work = makeWorkspace(o);
  if (work.empty()) return -1;
  x.move(kRestX, kRestY);
  const pid_t pid = startProgram(x, {(o.buildDir / "dola").string()}, work.string());
  x.waitChange(kPalette, x.grab(kPalette), monotonicMs(), 20000);
  x.waitQuiet(ScreenRect{0, 0, 1024, 768}, 500, 5000);
  return pid;
}

void endEditor(pid_t pid, const fs::path& work) {
  endProgram(pid);
  std::error_code ec;
  fs::remove_all(work, ec);
  g_workspace[0] = '\0';
}

EditorFigures measureEditor(XSession& x, const Options& o) {
  EditorFigures f;
  fs::path work;
  const pid_t pid = startEditor(x, o, work);
  if (pid < 0) return f;
  const int opens = std::max(4, o.trials / 3);
  for (int i = 0; i < opens; ++i) openByKeyboard(x, i % 2 ? "oakvale.map" : "zanjj.map", f.openMap);
  keyTrials(x, o.trials, kRestX, kRestY, f.keysOff);
  keyTrials(x, o.trials / 2, 600, 400, f.keysMap);
  keyTrials(x, o.trials / 2, 300, 680, f.keysPalette);
  for (int i = 0; i < std::max(10, o.trials / 2); ++i) {
    chooseView(x, "w", &f.worldView);
    chooseView(x, "l", nullptr);
  }
  replaceTrials(x, o.trials, f);
  x.move(kRestX, kRestY);
  sleepMs(300);
  f.idleCpu.add(cpuPerSecond(pid, 3, [] { sleepMs(50); }));
  x.move(kCanvasSample.x + 80, kCanvasSample.y + 60);
  sleepMs(300);
  f.idleMapCpu.add(cpuPerSecond(pid, 3, [] { sleepMs(50); }));
  x.move(300, 640);
  sleepMs(300);
  f.idlePaletteCpu.add(cpuPerSecond(pid, 3, [] { sleepMs(50); }));
  int step = 0;
  f.movesCpu.add(cpuPerSecond(pid, 3, [&] { sweepMoves(x, kMapCanvas, step); }));
  f.offCanvasMovesCpu.add(cpuPerSecond(pid, 3, [&] { sweepMoves(x, ScreenRect{600, 600, 400, 100}, step); }));
  chooseView(x, "w", nullptr);
  x.move(kCanvasSample.x + 80, kCanvasSample.y + 60);
  sleepMs(300);
  f.idleWorldCpu.add(cpuPerSecond(pid, 3, [] { sleepMs(50); }));
  f.worldMovesCpu.add(cpuPerSecond(pid, 3, [&] { sweepMoves(x, kMapCanvas, step); }));
  chooseView(x, "l", nullptr);
  if (o.autoTerrain) {
    x.move(kMapCanvas.x + 300, kMapCanvas.y + 300);
    x.tapKey("t");
    x.waitQuiet(ScreenRect{0, 0, 1024, 768}, 300, 3000);
  }
  paintTrials(x, o.trials, 250, f.heldPress, f.drag);
  previewTrials(x, o.trials, f);
  endEditor(pid, work);
  return f;
}

// ---- Painting with Auto Terrain off and on ----

// Water (code 208) painted over the land of a world map that has land on the
// rows paintTrials paints, so that the demo world's shore rules fire at every
// step; the editor's CPU time over the painting, per painted input.
constexpr const char* kLandMap = "zanlq.map";
constexpr int kWater = 208;

struct PaintFigures {
  Samples heldPress, drag;
  std::vector<double> cpuPerInput;  // one per round
  void take(const PaintFigures& r) {
    heldPress.take(r.heldPress);
    drag.take(r.drag);
    cpuPerInput.insert(cpuPerInput.end(), r.cpuPerInput.begin(), r.cpuPerInput.end());
  }
};

PaintFigures measurePainting(XSession& x, const Options& o, bool autoTerrain) {
  PaintFigures f;
  fs::path work;
  const pid_t pid = startEditor(x, o, work);
  if (pid < 0) return f;
  Samples opened;
  openByKeyboard(x, kLandMap, opened);
  const ScreenRect water = paletteCell(kWater);
  x.move(water.x + 9, water.y + 10);
  sleepMs(40);
  x.button(1, true);
  sleepMs(60);
  x.button(1, false);
  x.move(kMapCanvas.x + 300, kMapCanvas.y + 300);
  if (autoTerrain) x.tapKey("t");
  x.waitQuiet(ScreenRect{0, 0, 1024, 768}, 300, 3000);
  const double cpu0 = cpuMs(pid);
  paintTrials(x, o.trials, kWater, f.heldPress, f.drag);
  const size_t inputs = f.heldPress.ms.size() + f.drag.ms.size();
  f.cpuPerInput.push_back(inputs > 0 ? (cpuMs(pid) - cpu0) / inputs : 0);
  endEditor(pid, work);
  return f;
}

void comparisonLine(const char* what, const Samples& on, const Samples& off, const Samples& floor) {
  printf("  %-34s on %6.1f  off %6.1f  floor %6.1f   on/off %5.2fx  (%zu/%zu samples, %d/%d timeouts)\n", what,
         on.median(), off.median(), floor.median(), off.median() > 0 ? on.median() / off.median() : 0, on.ms.size(),
         off.ms.size(), on.timeouts, off.timeouts);
}

void reportComparison(const Options& o, const PaintFigures& on, const PaintFigures& off, const FloorFigures& f) {
  printf("Painting water over land on %s with Auto Terrain on and off, %d rounds by turns, at %d bits.\n"
         "Input to pixels, medians in ms:\n",
         kLandMap, o.rounds, o.depth);
  comparisonLine("held press: the cell painted", on.heldPress, off.heldPress, f.clicks);
  comparisonLine("drag: the next cell painted", on.drag, off.drag, f.moves);
  const double cpuOn = medianOf(on.cpuPerInput), cpuOff = medianOf(off.cpuPerInput);
  printf("  %-34s on %6.2f  off %6.2f   on/off %5.2fx  (median of the rounds)\n", "editor CPU ms per painted input",
         cpuOn, cpuOff, cpuOff > 0 ? cpuOn / cpuOff : 0);
}

// ---- Report ----

void line(const char* what, const Samples& s, const Samples& floor) {
  printf("  %-42s %7.1f %7.1f %3zu %3ld   %7.1f %7.1f   %5.2fx\n", what, s.median(), s.max(), s.ms.size(),
         s.over(100), floor.median(), floor.max(), floor.median() > 0 ? s.median() / floor.median() : 0);
  if (s.timeouts) printf("  %-42s (%d more without a change within the time limit)\n", "", s.timeouts);
}

// Medians of the rounds, with the lowest and highest round.
void cpuLine(const char* what, const Samples& editor, const Samples& floor) {
  auto low = [](const Samples& s) { return s.ms.empty() ? 0 : *std::min_element(s.ms.begin(), s.ms.end()); };
  printf("  %-42s %6.1f (%5.1f-%5.1f) ms/s   floor %6.1f (%5.1f-%5.1f) ms/s   %5.2fx\n", what, editor.median(),
         low(editor), editor.max(), floor.median(), low(floor), floor.max(),
         floor.median() > 0 ? editor.median() / floor.median() : 0);
}

void report(const Options& o, const EditorFigures& e, const FloorFigures& f) {
  printf("Input to pixels at %d bits, in ms. Editor: median, max, count, count over 100 ms; floor program:\n"
         "median, max; ratio of the medians\n",
         o.depth);
  line("key, pointer resting beside the previews", e.keysOff, f.keys);
  line("key, pointer resting on the map", e.keysMap, f.keys);
  line("key, pointer resting on the palette", e.keysPalette, f.keys);
  line("File > Open: Return to the map shown", e.openMap, f.keys);
  line("View > World Map: key to the world shown", e.worldView, f.keys);
  line("Ctrl+H: key to the question, world maps read", e.replaceFirst, f.keys);
  line("Ctrl+H again: key to the question, maps kept", e.replaceAgain, f.keys);
  line("held press on the map: the cell painted", e.heldPress, f.clicks);
  line("drag on the map: the next cell painted", e.drag, f.moves);
  line("paste preview, turned: the block at the next cell", e.pastePreview, f.moves);
  line("moved selection: the lifted cells at the next cell", e.movePreview, f.moves);
  line("Fill chosen: the region outlined under the pointer", e.fillPreview, f.moves);
  const double brush = e.drag.median();
  printf("Previews against the brush's drag (median %.1f ms): paste %.2fx, move %.2fx, fill outline %.2fx\n", brush,
         brush > 0 ? e.pastePreview.median() / brush : 0, brush > 0 ? e.movePreview.median() / brush : 0,
         brush > 0 ? e.fillPreview.median() / brush : 0);
  printf("CPU time of all threads per second, median of %d rounds (lowest-highest); floor: idle, or ignoring\n"
         "the same moves\n",
         o.rounds);
  cpuLine("idle, pointer beside the previews", e.idleCpu, f.idleCpu);
  cpuLine("idle, pointer on the map", e.idleMapCpu, f.idleCpu);
  cpuLine("idle, pointer on the palette", e.idlePaletteCpu, f.idleCpu);
  cpuLine("idle, pointer on the world view", e.idleWorldCpu, f.idleCpu);
  cpuLine("moves over the map that paint nothing", e.movesCpu, f.ignoredMovesCpu);
  cpuLine("moves over the world view", e.worldMovesCpu, f.ignoredMovesCpu);
  cpuLine("the same moves beside the previews", e.offCanvasMovesCpu, f.ignoredMovesCpu);
}

bool parse(int argc, char** argv, Options& o) {
  o.buildDir = fs::canonical("/proc/self/exe").parent_path().parent_path();
  for (int i = 1; i + 1 < argc; i += 2) {
    if (strcmp(argv[i], "--depth") == 0) o.depth = atoi(argv[i + 1]);
    else if (strcmp(argv[i], "--trials") == 0) o.trials = atoi(argv[i + 1]);
    else if (strcmp(argv[i], "--rounds") == 0) o.rounds = atoi(argv[i + 1]);
    else if (strcmp(argv[i], "--auto-terrain") == 0) {
      o.autoTerrain = strcmp(argv[i + 1], "on") == 0;
      o.compareTerrain = strcmp(argv[i + 1], "compare") == 0;
    } else if (strcmp(argv[i], "--floor") == 0) {
      o.plainFloor = strcmp(argv[i + 1], "plain") == 0;
      if (!o.plainFloor && strcmp(argv[i + 1], "flush") != 0) return false;
    } else {
      return false;
    }
  }
  return (argc % 2) == 1 && (o.depth == 16 || o.depth == 32) && o.trials >= 4 && o.rounds >= 1;
}

}  // namespace

int main(int argc, char** argv) {
  Options o;
  if (!parse(argc, argv, o)) {
    fprintf(stderr,
            "usage: %s [--depth 16|32] [--trials N (4 or more)] [--rounds N] [--auto-terrain on|off|compare]\n"
            "       [--floor flush|plain]\n",
            argv[0]);
    return 2;
  }
  if (!fs::exists(o.buildDir / "dola") || !fs::exists(o.buildDir / "demo" / "world")) {
    fprintf(stderr, "%s: the editor and the demo world must be built in %s\n", argv[0], o.buildDir.c_str());
    return 1;
  }
  srand(7);
  for (int signal : {SIGINT, SIGTERM, SIGHUP}) ::signal(signal, endBySignal);
  XSession x;
  // Another program may take the display number Xvfb chose at the same moment: try again.
  bool started = false;
  for (int attempt = 0; attempt < 5 && !started; ++attempt) started = x.start();
  if (!started) {
    fprintf(stderr, "%s: no Xvfb with XTest could be started\n", argv[0]);
    return 1;
  }
  g_server = x.serverPid();
  // The floor and the editor by turns, so that a machine whose load changes
  // during the run weighs on both alike.
  FloorFigures floor;
  if (o.compareTerrain) {
    PaintFigures on, off;
    for (int round = 0; round < o.rounds; ++round) {
      floor.take(measureFloor(x, o));
      // Which goes first changes from round to round.
      for (int turn = 0; turn < 2; ++turn) {
        const bool autoTerrain = (turn + round) % 2 == 1;
        (autoTerrain ? on : off).take(measurePainting(x, o, autoTerrain));
      }
    }
    reportComparison(o, on, off, floor);
    return 0;
  }
  EditorFigures editor;
  for (int round = 0; round < o.rounds; ++round) {
    floor.take(measureFloor(x, o));
    editor.take(measureEditor(x, o));
  }
  report(o, editor, floor);
  return 0;
}
