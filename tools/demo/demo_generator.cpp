// Generating the demo: the palette, both sprite files, the tables, the world
// and the maps it leads into, each map written through the editor's own
// LocalMap so the files are exactly what the editor reads and writes.
#include "demo_generator.h"

#include <sys/stat.h>

#include <cstdio>
#include <map>
#include <memory>

#include "data/local_map.h"
#include "data/map_names.h"
#include "data/sprite_format.h"
#include "demo_palette.h"
#include "demo_tables.h"
#include "demo_terrain_rules.h"
#include "named_maps.h"
#include "platform/host_path.h"
#include "sprite_sheet.h"

namespace {

bool saveMap(const std::string& hostDirectory, const std::string& name, MapKind kind,
             const uint8_t (*rows)[kBlockW], const std::vector<DemoTeleport>& teleports) {
  LocalMap map;
  map.kind = kind;
  for (int y = 0; y < kBlockH; ++y) {
    for (int x = 0; x < kBlockW; ++x) map.setTile(x, y, rows[y][x]);
  }
  for (const DemoTeleport& teleport : teleports) map.addTeleport(teleport.x + 1, teleport.y + 1, teleport.name.c_str());
  char editorPath[1024];
  return pathToEditor((hostDirectory + "/" + name + ".MAP").c_str(), editorPath, sizeof editorPath) &&
         map.save(editorPath);
}

bool writeSprites(const std::string& world) {
  auto main = std::make_unique<SpriteSheet>();
  auto second = std::make_unique<SpriteSheet>();
  buildMainSheet(*main);
  buildSecondSheet(*second);
  return writeSpriteFile(*main, world + "/" + kMainSpriteFile) &&
         writeSpriteFile(*second, world + "/" + kSecondSpriteFile);
}

std::unique_ptr<DemoWorld> makeWorld() {
  auto world = std::make_unique<DemoWorld>();
  DemoRandom random(1987);
  shapeTerrain(*world, random);
  carveRivers(*world, random);
  buildVillages(*world, random);
  buildRoads(*world);
  openCaves(*world, random);
  settleCreatures(*world, random);
  edgeShores(*world);
  return world;
}

// The 400 world maps with their teleports and the ".DAT" files of the maps that hold placements.
bool writeWorldMaps(const DemoWorld& world, const std::string& directory, DemoSummary& summary) {
  std::map<std::string, std::vector<DemoTeleport>> teleports;
  std::map<std::string, std::vector<DemoPlacement>> placements;
  for (const DemoTeleport& t : world.teleports) {
    teleports[worldMapName(t.x, t.y)].push_back({t.x % kBlockW, t.y % kBlockH, t.name});
  }
  for (const DemoPlacement& p : world.placements) {
    placements[worldMapName(p.x, p.y)].push_back({p.x % kBlockW, p.y % kBlockH, p.id, p.quantity});
  }
  bool ok = true;
  uint8_t rows[kBlockH][kBlockW];
  for (int row = 0; row < kWorldSquares; ++row) {
    for (int col = 0; col < kWorldSquares; ++col) {
      for (int y = 0; y < kBlockH; ++y) {
        for (int x = 0; x < kBlockW; ++x) rows[y][x] = world.at(col * kBlockW + x, row * kBlockH + y);
      }
      const std::string name = worldMapName(col * kBlockW, row * kBlockH);
      const bool saved = saveMap(directory, name, Wilderness, rows, teleports[name]);
      ok = ok && saved;
      summary.worldMaps += saved ? 1 : 0;
      summary.teleports += static_cast<int>(teleports[name].size());
      if (!placements[name].empty()) {
        ok = ok && writePlacementFile(directory + "/" + name + ".DAT", placements[name]);
        ++summary.dataFiles;
      }
    }
  }
  return ok;
}

bool writeNamedMaps(const DemoWorld& world, const std::string& directory, DemoSummary& summary) {
  bool ok = true;
  for (const NamedMap& map : buildNamedMaps(world)) {
    ok = ok && saveMap(directory, map.name, map.kind, map.tile, map.teleports);
    ok = ok && writePlacementFile(directory + "/" + map.name + ".DAT", map.placements);
    ++summary.namedMaps;
    ++summary.dataFiles;
    summary.teleports += static_cast<int>(map.teleports.size());
  }
  return ok;
}

bool fail(const std::string& what) {
  fprintf(stderr, "dola-demo: could not write %s\n", what.c_str());
  return false;
}

}  // namespace

bool generateDemo(const std::string& outputDirectory, DemoSummary* summary) {
  DemoSummary counts;
  const std::string world = outputDirectory + "/" + kDemoWorldDirectory;
  mkdir(outputDirectory.c_str(), 0755);
  mkdir(world.c_str(), 0755);
  if (!writePaletteBmp(outputDirectory + "/palette.bmp")) return fail(outputDirectory + "/palette.bmp");
  if (!writeSprites(world)) return fail("the sprite files in " + world);
  if (!writeObjectTables(world)) return fail("the object tables in " + world);
  if (!writeCreatureTables(world, kDemoWorldDirectory)) return fail("the creature tables in " + world);
  if (!writeDemoTerrainRules(world)) return fail("the terrain rules in " + world);
  const std::unique_ptr<DemoWorld> made = makeWorld();
  counts.villages = static_cast<int>(made->villages.size());
  if (!writeWorldMaps(*made, world, counts)) return fail("the world maps in " + world);
  if (!writeNamedMaps(*made, world, counts)) return fail("the town, house and cave maps in " + world);
  if (summary != nullptr) *summary = counts;
  return true;
}
