// Every checker rule that looks at a cell, on all four sides of the map and
// just beyond them, against a reference that knows only "1..48 x 1..24":
// teleport cells, destinations and shared cells, placement cells, and tile
// codes no row line can carry.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "check_map.h"
#include "check_placements.h"
#include "game_tables.h"
#include "support/temp_dir.h"

namespace {

bool onMap(int x, int y) { return x >= 1 && x <= 48 && y >= 1 && y <= 24; }

// The 1-based cells of the frame: the two outermost rings of the map and the
// ring just outside it, every column and row of each side.
std::vector<std::pair<int, int>> frameCells() {
  std::vector<std::pair<int, int>> cells;
  for (int y = 0; y <= 25; y++)
    for (int x = 0; x <= 49; x++)
      if (x <= 2 || x >= 47 || y <= 2 || y >= 23) cells.push_back({x, y});
  return cells;
}

std::string rows(int n, char tile = 'g') {
  std::string text;
  for (int r = 0; r < n; r++) text += " " + std::string(48, tile) + "\r\n";
  return text;
}

// kind, record, column, row of each finding of the kinds looked at.
using Seen = std::vector<std::tuple<FindingKind, int, int, int>>;
Seen seen(const Findings& f, std::initializer_list<FindingKind> kinds) {
  Seen out;
  for (const Finding& finding : f.all())
    for (FindingKind k : kinds)
      if (finding.kind == k) out.push_back({finding.kind, finding.record, finding.column, finding.row});
  return out;
}

Findings checkMap(const TempDir& dir, const std::string& file) {
  GameDirectory game;
  EXPECT_TRUE(game.open(dir.path().c_str()));
  LocalMap map;
  Findings findings;
  TeleportList teleports;
  checkMapFile(game, file, map, teleports, findings);
  return findings;
}

constexpr int kTeleportsPerMap = 40;

}  // namespace

TEST(DolaCheckSides, TeleportsOnEverySideAreCheckedAsTheMapsBoundsSay) {
  TempDir dir;
  writeFileBytes(dir.file("ZANAB.MAP"), "WILDERNESS!\r\n" + rows(24));
  const std::vector<std::pair<int, int>> cells = frameCells();
  for (size_t first = 0, n = 0; first < cells.size(); first += kTeleportsPerMap, n++) {
    // Each cell twice: to a missing map, then to a map that is there.
    std::string header = "WILDERNESS!";
    Seen expected;
    const size_t end = std::min(cells.size(), first + kTeleportsPerMap);
    for (size_t i = first; i < end; i++) {
      const int x = cells[i].first, y = cells[i].second;
      header += ">" + std::to_string(x + 20) + "," + std::to_string(y + 12) + ":GONE!";
      header += ">" + std::to_string(x + 20) + "," + std::to_string(y + 12) + ":ZANAB!";
      const int gone = static_cast<int>(2 * (i - first)), there = gone + 1;
      if (!onMap(x, y)) expected.push_back({FindingKind::TeleportCell, gone, 0, 0});
      expected.push_back({FindingKind::TeleportTarget, gone, onMap(x, y) ? x : 0, onMap(x, y) ? y : 0});
      expected.push_back({FindingKind::SharedTeleportCell, there, x, y});
      if (!onMap(x, y)) expected.push_back({FindingKind::TeleportCell, there, 0, 0});
    }
    const std::string file = "FROM" + std::to_string(n) + ".MAP";
    writeFileBytes(dir.file(file), header + "\r\n" + rows(24));
    EXPECT_EQ(expected, seen(checkMap(dir, file), {FindingKind::TeleportCell, FindingKind::TeleportTarget,
                                                   FindingKind::SharedTeleportCell}))
        << file;
  }
}

TEST(DolaCheckSides, PlacementsOnEverySideAreCheckedAsTheMapsBoundsSay) {
  TempDir dir;
  writeFileBytes(dir.file("CONSTANT.OBJ"), std::string(2, '\0') + "Chest" + std::string(79 - 7, '\0'));
  GameDirectory game;
  ASSERT_TRUE(game.open(dir.path().c_str()));
  GameTables tables;
  loadGameTables(game, tables);
  const std::vector<std::pair<int, int>> cells = frameCells();
  for (size_t first = 0, n = 0; first < cells.size(); first += 200, n++) {
    std::string bytes;
    Seen expected;
    for (size_t i = first; i < std::min(cells.size(), first + 200); i++) {
      std::string p(11, '\0');
      p[0] = static_cast<char>(cells[i].first);
      p[1] = static_cast<char>(cells[i].second);
      p[2] = 1;  // in use, id 0: the chest
      bytes += p;
      if (!onMap(cells[i].first, cells[i].second))
        expected.push_back({FindingKind::PlacementCell, static_cast<int>(i - first), 0, 0});
    }
    bytes.resize(2200, '\0');
    const std::string file = "P" + std::to_string(n) + ".DAT";
    writeFileBytes(dir.file(file), bytes);
    MapDataFile data;
    Findings f;
    checkDataFile(game, file, tables, data, f);
    EXPECT_EQ(expected, seen(f, {FindingKind::PlacementCell, FindingKind::PlacementRecord})) << file;
  }
}

TEST(DolaCheckSides, UnwritableTilesOnEverySideNameTheirCell) {
  TempDir dir;
  for (const auto& cell : frameCells()) {
    const int x = cell.first, y = cell.second;
    if (!onMap(x, y)) continue;
    std::string text = "WILDERNESS!\r\n" + rows(24);
    text[13 + (y - 1) * 51 + 1 + (x - 1)] = 13;
    writeFileBytes(dir.file("T.MAP"), text);
    const Seen expected = {{FindingKind::UnwritableTile, -1, x, y}};
    EXPECT_EQ(expected, seen(checkMap(dir, "T.MAP"), {FindingKind::UnwritableTile, FindingKind::ShortRow}))
        << x << ", " << y;
  }
}
