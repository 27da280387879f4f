// The recovery copy: every byte of a map and its placements comes back, and a
// copy cut short or changed by hand is refused with the line that is wrong.
#include <gtest/gtest.h>

#include <random>

#include "data/recovery_file.h"
#include "support/temp_dir.h"

namespace {

// A map of a random kind with random tiles, teleports and placements.
void randomMap(std::mt19937& rng, LocalMap& map, MapDataFile& data, const std::string& dataPath) {
  const MapKind kinds[] = {Wilderness, Local, Interior};
  map.kind = kinds[rng() % 3];
  for (int y = 0; y < kMapRows; y++)
    for (int x = 0; x < kMapColumns; x++) map.setTile(x, y, static_cast<unsigned char>(rng()));
  map.clearTeleports();
  for (int t = static_cast<int>(rng() % 4); t > 0; t--) {
    std::string name;
    for (int i = 1 + static_cast<int>(rng() % 20); i > 0; i--) {
      char c = static_cast<char>(1 + rng() % 255);
      name += c == '\n' || c == '>' ? '!' : c;
    }
    map.addTeleport(static_cast<int>(rng() % 200) - 100, static_cast<int>(rng() % 50), name.c_str());
  }
  data.load(dataPath.c_str());  // a missing file: a table of free records
  for (int i = 0; i < kPlacementCount; i++) {
    Placement* p = data.placement(i);
    unsigned char bytes[kPlacementSize];
    for (unsigned char& b : bytes) b = static_cast<unsigned char>(rng());
    decodePlacement(bytes, *p);
  }
}

}  // namespace

TEST(RecoveryFile, GivesBackEveryByteOfRandomMaps) {
  TempDir dir;
  const std::string copy = dir.editorPath("map.txt");
  std::mt19937 rng(23);
  for (int round = 0; round < 20; round++) {
    LocalMap map, back;
    MapDataFile data, dataBack;
    randomMap(rng, map, data, dir.editorPath("none.DAT"));
    snprintf(map.path, sizeof map.path, "C:\\games\\w %d\\ZAN%c.MAP", round, 'A' + round);
    ASSERT_TRUE(writeRecoveryFile(copy.c_str(), recoveryText(map, data, true)));
    RecoveredMap recovered;
    std::string why;
    ASSERT_TRUE(readRecoveryFile(copy.c_str(), recovered, &why)) << why;
    EXPECT_EQ(map.path, recovered.path);
    EXPECT_TRUE(recovered.changed);
    dataBack.load(dir.editorPath("none.DAT").c_str());
    applyRecoveredMap(recovered, back, dataBack);
    snprintf(back.path, sizeof back.path, "%s", recovered.path.c_str());  // the editor opens that file
    EXPECT_TRUE(recoveryText(map, data, true) == recoveryText(back, dataBack, true)) << "round " << round;
    ASSERT_EQ(map.kind, back.kind);
    EXPECT_EQ(map.teleportCount(), back.teleportCount());
  }
}

TEST(RecoveryFile, RefusesACopyCutShortOrChanged) {
  TempDir dir;
  LocalMap map;
  MapDataFile data;
  std::mt19937 rng(5);
  randomMap(rng, map, data, dir.editorPath("none.DAT"));
  const std::string text = recoveryText(map, data, true);
  RecoveredMap recovered;
  std::string why;
  // Cut after every line but the last: never a whole copy.
  int lines = 0;
  for (size_t end = text.find('\n'); end + 1 < text.size(); end = text.find('\n', end + 1), lines++) {
    writeFileBytes(dir.file("map.txt"), text.substr(0, end + 1));
    ASSERT_FALSE(readRecoveryFile(dir.editorPath("map.txt").c_str(), recovered, &why)) << end;
  }
  EXPECT_GT(lines, 220);
  EXPECT_EQ("line " + std::to_string(lines + 1) + ": the copy ends early", why);

  std::string changed = text;
  changed.replace(changed.find("row=") + 4, 1, "x");
  writeFileBytes(dir.file("map.txt"), changed);
  EXPECT_FALSE(readRecoveryFile(dir.editorPath("map.txt").c_str(), recovered, &why));
  EXPECT_NE(std::string::npos, why.find(": a row is not 96 hexadecimal digits")) << why;
  EXPECT_FALSE(readRecoveryFile(dir.editorPath("missing.txt").c_str(), recovered, &why));
  EXPECT_EQ("No such file or directory", why);
}
