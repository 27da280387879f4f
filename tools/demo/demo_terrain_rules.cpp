// The demo world's terrain rules, written beside its maps as "terrain.rules":
// the shores and narrow channels of its seas, lakes and rivers, exactly as the
// generator edges them, so that a modder who paints water gets the same pieces.
#include "demo_terrain_rules.h"

#include <cstdio>

#include "data/terrain_rules.h"

namespace {

constexpr const char kRules[] = R"(# Terrain rules of the demo world: the shore pieces around its water.
# A rule's pattern is read around a cell; the first rule that matches gives
# the cell its code. "turn" tries the pattern turned a quarter clockwise three
# more times; the codes after "->" are then given in that order.

class water = 208 97-103 105-109   # open water, shores, bridges, lilies, boat
class land = not water
class open = 208 97-100 103 105-108  # water that the rules edge anew

# A corner: land on two sides that meet, water on the two others.
# Turned: north-west 105, north-east 106, south-east 108, south-west 107.
rule turn -> 105 / 106 / 108 / 107
any   land  any
land  open  water
any   water any

# A straight shore: land on one side, water across from it.
# Turned: north 97, east 100, south 98, west 99.
rule turn -> 97 / 100 / 98 / 99
any   land  any
any   open  any
any   water any

# A narrow channel: land beside the water, and no shore piece fits.
rule turn -> 103
any   land  any
any   open  any
any   any   any

# No land beside it: open water.
rule -> 208
any   any   any
any   open  any
any   any   any
)";

}  // namespace

const char* demoTerrainRules() { return kRules; }

bool writeDemoTerrainRules(const std::string& gameDirectory) {
  const std::string path = gameDirectory + "/" + kTerrainRulesFileName;
  FILE* f = fopen(path.c_str(), "wb");
  if (f == nullptr) return false;
  const size_t length = sizeof kRules - 1;
  const bool written = fwrite(kRules, 1, length, f) == length;
  return fclose(f) == 0 && written;
}
