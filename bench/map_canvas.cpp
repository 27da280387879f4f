// The map canvas's handled mouse events beside their floor, a plain blit of
// an 864 x 480 picture to where the canvas lies on the screen, in the same
// depth: a move and a paint stroke in LocalEdit with 200 placements shown,
// the world view's drawing into the canvas bitmap, a handled move over the
// world view (its kept picture), and the area tools' heaviest actions: a
// full-map fill and a full-map paste. Events go through the toolkit's own
// mouse dispatch to a real canvas, so each includes what it copies to the
// screen. By default the screen is the toolkit's memory screen (no display
// needed): the figures are the drawing. With --x11 every case runs in a real
// 1024 x 768 window on $DISPLAY (an Xvfb: see the README), so that each
// event and the floor's blit include the copy to X. The ratios to the floor
// are the figures to watch (aim: 3x). The moves, strokes and clicks run
// again on a map of 10,000 teleports, every edit recorded in an undo history
// as in the editor: they should cost what they cost on a map without
// teleports (aim: 1.2x).
#include <allegro.h>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "bench_directory.h"
#include "gui/gui.h"
#include "gui/gui_internal.h"
#include "platform/host_path.h"
#include "view/map_canvas.h"
#include "view/map_drawing.h"
#include "view/tool_actions.h"

namespace {

bool g_onX = false;  // --x11: a real window on $DISPLAY instead of the memory screen

// The toolkit on a real window of the given depth, made anew when the depth
// changes; false when there is no display.
bool startOnX(int depth) {
  static int windowDepth = 0;
  if (!system_driver && install_allegro(SYSTEM_AUTODETECT, &errno, atexit) != 0) return false;
  gui::resetContext();
  if (windowDepth != depth) {
    set_color_depth(depth);
    if (set_gfx_mode(GFX_AUTODETECT_WINDOWED, 1024, 768, 0, 0) != 0) return false;
    windowDepth = depth;
  }
  InitGui(1024, 768, depth, &errno, atexit);
  return gui::ensureGui();
}

// A program that opens nothing and answers nothing: the benchmarks only move
// and paint, each edit recorded by the open map's owner as in the editor.
class QuietHost final : public MapViewHost {
 public:
  bool replaceOpenMap(const char*) override { return false; }
  int showText(const char*, const char*) override { return 0; }
  const char* selectFile(const char*, const char*, int, const char*, const char*) override { return ""; }
};

// Editor values of one canvas: a full map, tables, 200 placements in use,
// sprites with masked pixels, on a headless screen of the given depth.
struct Scene {
  OpenMap document;
  LocalMap& openMap = document.map;
  ObjectList objects;
  CreatureList creatures;
  MapDataFile& data = document.data;
  SpriteSet sprites;
  std::unique_ptr<WorldBuffer> world = std::make_unique<WorldBuffer>();
  WorldTeleports teleports;
  MapViewWidgets widgets{};
  std::unique_ptr<MapViewState> values = std::make_unique<MapViewState>();
  QuietHost quiet;
  MapView view{*values, widgets, document, openMap, objects, creatures, data, sprites, *world, teleports, quiet, {}, {}, {}};
  BITMAP* canvas = nullptr;
  BITMAP* floorSource = nullptr;
  std::string host;

  explicit Scene(int depth, int teleportCount = 0) {
    if (g_onX ? !startOnX(depth) : !GuiInitHeadless(1024, 768, depth)) {
      fprintf(stderr, "no screen for the benchmark%s\n", g_onX ? ": is DISPLAY an X server?" : "");
      exit(1);
    }
    set_color_depth(depth);
    static const std::string files = makeBenchDirectory();  // one for every scene, removed at exit
    host = files;
    writeGameFiles();
    char editor[4096];
    pathToEditor(host.c_str(), editor, sizeof editor);
    sprites.loadSprites(editor, depth, nullptr, nullptr);
    objects.load(editor);
    creatures.load(editor);
    data.load((std::string(editor) + "\\MAP.DAT").c_str());
    srand(1);
    for (int r = 0; r < kMapRows; ++r)
      for (int c = 0; c < kMapColumns; ++c) openMap.setTile(c, r, static_cast<unsigned char>(rand() & 255));
    for (unsigned char& cell : world->cells) cell = static_cast<unsigned char>(rand() & 255);
    for (int i = 0; i < teleportCount; ++i) {
      char name[16];
      snprintf(name, sizeof name, "ZAN%c%c", 'A' + rand() % 20, 'A' + rand() % 20);
      openMap.addTeleport(1 + rand() % kMapColumns, 1 + rand() % kMapRows, name);
    }
    bind();
    makeWindow();
    floorSource = create_bitmap(kMapCanvasWidth, kMapCanvasHeight);
    clear_to_color(floorSource, makecol(10, 20, 30));
  }
  ~Scene() { CloseTopWindow(); }

  void writeGameFiles() {
    std::string spr(360 * 248, '\0');
    for (size_t i = 0; i < spr.size(); ++i) spr[i] = static_cast<char>(i % 7 == 0 ? 255 : i % 250);
    std::string objectFile(79 * 400, '\0'), creatureFile(431 * 3000, '\0'), dat;
    for (int i = 0; i < 400; ++i) objectFile[79 * i + 53] = static_cast<char>(1 + i % 240);
    for (int i = 0; i < 3000; ++i) creatureFile[431 * i + 3] = static_cast<char>(1 + i % 240);
    for (int i = 0; i < 200; ++i) {
      const int id = i % 2 ? i : 1000 + i;
      const char r[11] = {static_cast<char>(1 + i % 48), static_cast<char>(1 + i / 48 * 5), 1, 1, 0, 0, 0,
                          static_cast<char>(id & 255), static_cast<char>(id >> 8), 0, 0};
      dat.append(r, 11);
    }
    const std::string lastName = host.substr(host.rfind('/') + 1);
    const std::pair<std::string, const std::string*> files[] = {
        {"ZAN.SPR", &spr}, {"ZAN2.SPR", &spr}, {"CONSTANT.OBJ", &objectFile}, {"playername.OBJ", &objectFile},
        {"CONSTANT.CRE", &creatureFile}, {lastName + ".CRS", &creatureFile}, {"MAP.DAT", &dat}};
    for (const auto& file : files) {
      FILE* out = fopen((host + "/" + file.first).c_str(), "wb");
      fwrite(file.second->data(), 1, file.second->size(), out);
      fclose(out);
    }
  }

  // The map canvas where the editor has it, on the toolkit's screen.
  void makeWindow() {
    CreateWindow(1024, 768, "", kWindowNotMovable);
    widgets.mapCanvas = AddCanvas(2, 25, kMapCanvasWidth, kMapCanvasHeight, mapCanvasHandler, &view);
    ShowWindow();
    const gui::Widget* widget = gui::findWidget(widgets.mapCanvas);
    canvas = widget != nullptr ? widget->bitmap : nullptr;
    if (canvas == nullptr) {
      fprintf(stderr, "no map canvas on the memory screen\n");
      exit(1);
    }
  }

  // One poll of the toolkit with the pointer at canvas pixel (x, y).
  void poll(int x, int y, int buttons) {
    mouse_x = x + 5;
    mouse_y = y + 50;
    mouse_b = buttons;
    gui::dispatchMouse(GuiPollMouse());
  }

  void bind() {
    values->showObjects = 1;
    values->canvasMode = LocalEdit;
    values->selectedTile = 250;
    values->quantityText[0] = '1';
  }
};

// The floor: the picture blitted to the screen where the canvas lies (on X,
// Allegro's plain blit to its window; on the memory screen, into the canvas
// and from there to the screen, as the toolkit copies a canvas).
void blitFloor(benchmark::State& state) {
  Scene scene(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    if (g_onX) {
      blit(scene.floorSource, screen, 0, 0, 5, 50, kMapCanvasWidth, kMapCanvasHeight);
    } else {
      blit(scene.floorSource, scene.canvas, 0, 0, 0, 0, kMapCanvasWidth, kMapCanvasHeight);
      gui::present(5, 50, kMapCanvasWidth, kMapCanvasHeight);
    }
    benchmark::ClobberMemory();
  }
}

// Moves across the map, every event handled (buttons held: paint stroke).
// The second argument is the map's count of teleports.
void localEditEvent(benchmark::State& state, int buttons) {
  Scene scene(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  int step = 0;
  for (auto _ : state) {
    scene.poll((step * 7) % kMapCanvasWidth, (step * 3) % kMapCanvasHeight, buttons);
    scene.view.state.selectedTile = step & 255;
    ++step;
  }
  scene.poll(0, 0, 0);
}

void localEditMove(benchmark::State& state) { localEditEvent(state, 0); }
void localEditPaint(benchmark::State& state) { localEditEvent(state, 1); }

// Clicks that paint one cell each: a press and a release, one undo step.
void localEditClick(benchmark::State& state) {
  Scene scene(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  int step = 0;
  for (auto _ : state) {
    const int x = (step * 7) % kMapCanvasWidth, y = (step * 3) % kMapCanvasHeight;
    scene.view.state.selectedTile = step & 255;
    scene.poll(x, y, 1);
    scene.poll(x, y, 0);
    ++step;
  }
}

// A full-map fill: a click with Fill on a map of one code repaints every
// cell, and the canvas shows it before the event ends. Press and release.
void fullMapFill(benchmark::State& state) {
  Scene scene(static_cast<int>(state.range(0)));
  chooseAreaTool(scene.view, AreaTool::Fill);
  fillRectangle(scene.openMap, cellRectBetween(0, 0, 47, 23), 1);
  int step = 0;
  for (auto _ : state) {
    scene.view.state.selectedTile = 1 + (step + 1) % 2;  // 1 and 2 by turns: every cell changes
    scene.poll(100, 100, 1);
    scene.poll(100, 100, 0);
    ++step;
  }
}

// A full-map paste: a whole random map stamped over its opposite, every cell
// changing, and the preview of the block under the pointer drawn with it.
void fullMapPaste(benchmark::State& state) {
  Scene scene(static_cast<int>(state.range(0)));
  TileBlock blocks[2];
  blocks[0] = copyBlock(scene.openMap, cellRectBetween(0, 0, 47, 23));
  for (int r = 0; r < kMapRows; ++r)
    for (int c = 0; c < kMapColumns; ++c) blocks[1].set(c, r, static_cast<unsigned char>(blocks[0].at(c, r) ^ 1));
  blocks[1].width = kMapColumns;
  blocks[1].height = kMapRows;
  int step = 0;
  for (auto _ : state) {
    scene.view.tools.copied = blocks[step % 2];
    startPaste(scene.view);
    scene.poll(0, 0, 1);
    scene.poll(0, 0, 0);
    ++step;
  }
}

void worldViewDraw(benchmark::State& state) {
  Scene scene(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    drawWorld(scene.canvas, scene.sprites, *scene.world);
    benchmark::ClobberMemory();
  }
}

// Handled moves over the world view: the picture of an unchanged world.
void worldViewEvent(benchmark::State& state) {
  Scene scene(static_cast<int>(state.range(0)));
  scene.view.state.canvasMode = WorldView;
  int step = 0;
  for (auto _ : state) {
    scene.poll((step * 7) % kMapCanvasWidth, (step * 3) % kMapCanvasHeight, 0);
    ++step;
  }
}

}  // namespace

BENCHMARK(blitFloor)->Arg(16)->Arg(32)->Unit(benchmark::kMicrosecond);
BENCHMARK(localEditMove)->ArgsProduct({{16, 32}, {0, 10000}})->Unit(benchmark::kMicrosecond);
BENCHMARK(localEditPaint)->ArgsProduct({{16, 32}, {0, 10000}})->Unit(benchmark::kMicrosecond);
BENCHMARK(localEditClick)->ArgsProduct({{16, 32}, {0, 10000}})->Unit(benchmark::kMicrosecond);
BENCHMARK(fullMapFill)->Arg(16)->Arg(32)->Unit(benchmark::kMicrosecond);
BENCHMARK(fullMapPaste)->Arg(16)->Arg(32)->Unit(benchmark::kMicrosecond);
BENCHMARK(worldViewDraw)->Arg(16)->Arg(32)->Unit(benchmark::kMicrosecond);
BENCHMARK(worldViewEvent)->Arg(16)->Arg(32)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
  std::vector<char*> args;
  for (int i = 0; i < argc; ++i) {
    if (strcmp(argv[i], "--x11") == 0) g_onX = true;
    else args.push_back(argv[i]);
  }
  int count = static_cast<int>(args.size());
  benchmark::Initialize(&count, args.data());
  if (benchmark::ReportUnrecognizedArguments(count, args.data())) return 1;
  benchmark::AddCustomContext("screen", g_onX ? "a window on X" : "the toolkit's memory screen");
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
