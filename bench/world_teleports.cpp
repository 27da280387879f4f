// The teleport overlay of the world view beside its floor, a plain blit of
// the 864 x 480 canvas in the same depth: drawing the overlay of the demo
// world and of a dense world (four teleports on each of the 400 maps, half of
// them with lines across the world), done once per change of the world or
// its teleports, and a handled world view event with the overlay shown (the
// kept picture, overlay included, copied). Aim: within 3x of the floor.
#include <allegro.h>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "data/world_loader.h"
#include "gui/gui.h"
#include "platform/host_path.h"
#include "view/map_drawing.h"
#include "view/world_picture.h"
#include "view/world_teleport_overlay.h"

namespace {

const std::string kDemoDirectory = std::string(DOLA_BINARY_DIR) + "/demo/world";

struct Scene {
  BITMAP* canvas = nullptr;
  BITMAP* floorSource = nullptr;
  explicit Scene(int depth) {
    GuiInitHeadless(1024, 768, depth);
    set_color_depth(depth);
    BITMAP* screenBuffer = create_bitmap(1024, 768);
    canvas = create_sub_bitmap(screenBuffer, 5, 50, kMapCanvasWidth, kMapCanvasHeight);
    floorSource = create_bitmap(kMapCanvasWidth, kMapCanvasHeight);
    clear_to_color(floorSource, makecol(10, 20, 30));
  }
};

WorldTeleports demoTeleports(std::unique_ptr<WorldBuffer>& world) {
  char prefix[4096];
  pathToEditor((kDemoDirectory + "/").c_str(), prefix, sizeof prefix);
  WorldTeleports teleports;
  world = std::make_unique<WorldBuffer>();
  loadWorld(prefix, *world, nullptr, &teleports);
  return teleports;
}

WorldTeleports denseTeleports() {
  WorldTeleports teleports;
  srand(7);
  for (int row = 0; row < kWorldSquares; ++row) {
    for (int col = 0; col < kWorldSquares; ++col) {
      LocalMap map;
      for (int i = 0; i < 4; ++i) {
        char name[8] = "TAB2515";
        if (i < 2) snprintf(name, sizeof name, "ZAN%c%c", 'A' + rand() % 20, 'A' + rand() % 20);
        map.addTeleport(1 + rand() % kMapColumns, 1 + rand() % kMapRows, name);
      }
      teleports.addMap(map, col, row);
    }
  }
  return teleports;
}

void blitFloor(benchmark::State& state) {
  Scene scene(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    blit(scene.floorSource, scene.canvas, 0, 0, 0, 0, kMapCanvasWidth, kMapCanvasHeight);
    benchmark::ClobberMemory();
  }
}

void overlay(benchmark::State& state, const WorldTeleports& teleports) {
  Scene scene(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    drawWorldTeleports(scene.canvas, teleports);
    benchmark::ClobberMemory();
  }
  state.counters["teleports"] = static_cast<double>(teleports.list.size());
}

void demoOverlay(benchmark::State& state) {
  std::unique_ptr<WorldBuffer> world;
  const WorldTeleports teleports = demoTeleports(world);
  if (teleports.list.empty()) {
    state.SkipWithError("no demo world: build the demo target");
    return;
  }
  overlay(state, teleports);
}

void denseOverlay(benchmark::State& state) { overlay(state, denseTeleports()); }

// What a handled move over the world view costs with the overlay shown.
void worldViewWithOverlay(benchmark::State& state, const WorldBuffer& world, const WorldTeleports& teleports) {
  Scene scene(static_cast<int>(state.range(0)));
  SpriteSet sprites;
  WorldPicture picture;
  for (auto _ : state) {
    picture.show(scene.canvas, sprites, world, &teleports);
    benchmark::ClobberMemory();
  }
}

void demoWorldViewWithOverlay(benchmark::State& state) {
  std::unique_ptr<WorldBuffer> world;
  const WorldTeleports teleports = demoTeleports(world);
  worldViewWithOverlay(state, *world, teleports);
}

void denseWorldViewWithOverlay(benchmark::State& state) {
  std::unique_ptr<WorldBuffer> world;
  demoTeleports(world);
  worldViewWithOverlay(state, *world, denseTeleports());
}

}  // namespace

BENCHMARK(blitFloor)->Arg(16)->Arg(32)->Unit(benchmark::kMicrosecond);
BENCHMARK(demoOverlay)->Arg(16)->Arg(32)->Unit(benchmark::kMicrosecond);
BENCHMARK(denseOverlay)->Arg(16)->Arg(32)->Unit(benchmark::kMicrosecond);
BENCHMARK(demoWorldViewWithOverlay)->Arg(16)->Arg(32)->Unit(benchmark::kMicrosecond);
BENCHMARK(denseWorldViewWithOverlay)->Arg(16)->Arg(32)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
