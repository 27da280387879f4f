// Terrain rules: the grammar on a table of good and bad files, matching with
// turns and mirrors against a direct reading of the patterns over random
// cases, and bad input (empty, huge, circular, binary, 5 x 5 everywhere).
#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>
#include <vector>

#include "data/terrain_eval.h"
#include "data/terrain_rules.h"

namespace {

std::string errorText(const TerrainRules& rules) {
  char text[300];
  formatTerrainError(rules.error(), text, sizeof text);
  return text;
}

const char* const kPlain3x3 = "any any any\nany any any\nany any any\n";

}  // namespace

TEST(TerrainRulesGrammar, GoodFilesCompileToTheirRulesAndVariants) {
  struct Good {
    std::string text;
    int rules, variants;
    uint32_t seed;
    int reach;
  };
  const Good goods[] = {
      {"class water = 208 97-103, 105-109 # trailing comment\nclass land = not water\n"
       "rule turn -> 97 / 100 / 98 / 99\nany land any\nany 208 any\nany water any\n",
       1, 4, 0, 1},
      // Forward class references, "!" in a class, CR LF line ends, a comment between rows.
      {"seed 4294967295\r\nclass a = !b\r\nclass b = 1-3\r\nrule mirror chance 50% -> 4*3 5\r\n"
       "a b any\r\n# between rows\r\n!a !7 any\r\nany any any\r\n",
       1, 2, 4294967295u, 1},
      {"rule turn mirror -> 1/2/3/4/5/6/7/8\n1 2 3 4 5\n" + std::string(4, ' ') + "any any any any any\n"
       "any any any any any\nany any any any any\nany any any any any\n\nrule -> 9\n" + kPlain3x3,
       2, 9, 0, 2},
      {"rule -> 1\n1 2 3 4 5\n1 2 3 4 5\n1 2 3 4 5\n", 1, 1, 0, 2},
  };
  for (const Good& good : goods) {
    TerrainRules rules;
    ASSERT_TRUE(rules.parse(good.text.data(), good.text.size())) << good.text << "\n" << errorText(rules);
    EXPECT_EQ(good.rules, static_cast<int>(rules.rules().size())) << good.text;
    EXPECT_EQ(good.variants, static_cast<int>(rules.variants().size())) << good.text;
    EXPECT_EQ(good.seed, rules.seed()) << good.text;
    EXPECT_EQ(good.reach, rules.reach()) << good.text;
  }
  // The second file: class a is every code but 1..3, and the weights hold.
  TerrainRules rules;
  const std::string text = goods[1].text;
  ASSERT_TRUE(rules.parse(text.data(), text.size()));
  EXPECT_EQ(4, rules.rules()[0].line);
  EXPECT_EQ(50, rules.rules()[0].chance);
  EXPECT_EQ(4u, rules.variants()[0].totalWeight);
  const TerrainCodeSet& a = rules.sets()[rules.tests()[rules.variants()[0].firstTest].set];
  EXPECT_EQ(0, a.member[1] + a.member[2] + a.member[3]);
  EXPECT_EQ(1, a.member[0]);
  EXPECT_EQ(1, a.member[4]);
}

TEST(TerrainRulesGrammar, BadFilesNameTheLineColumnAndFault) {
  struct Bad {
    std::string text;
    const char* error;  // formatted exactly
  };
  const std::string pattern = kPlain3x3;
  const Bad bads[] = {
      {"", "the rules file holds no rules"},
      {"# nothing but a comment\n\n", "the rules file holds no rules"},
      {"hello", "line 1, column 1: expected \"class\", \"rule\" or \"seed\", found \"hello\""},
      {"rule -> 5\nany any\nany any\n", "line 1, column 1: the pattern is 2 x 2 cells; it must be 3 or 5 wide and 3 or 5 high"},
      {"rule -> 5\n1 2 3\n1 2\n", "line 3, column 1: this row has 2 cells, the pattern's first row 3"},
      {"rule -> 5\n" + pattern + pattern, "line 7, column 1: a pattern has at most 5 rows"},
      {"rule -> 5\n\n" + pattern, "line 1, column 1: the rule has no pattern: 3 or 5 rows of 3 or 5 cells must follow it"},
      {"rule -> 300\n" + pattern, "line 1, column 9: a tile code 300 is out of range (0..255)"},
      {"rule -> 13\n" + pattern, "line 1, column 9: code 13 cannot be stored in a MAP file (a row line cannot hold it)"},
      {"rule -> 1 2*0\n" + pattern, "line 1, column 13: a weight 0 is out of range (1..1000000)"},
      {"rule chance 0% -> 1\n" + pattern, "line 1, column 13: a chance in percent 0 is out of range (1..100)"},
      {"rule\n", "line 1, column 5: expected \"turn\", \"mirror\", \"chance\" or \"->\" and the codes it gives at the end of the line"},
      {"rule turn -> 1 / 2\n" + pattern, "line 1, column 14: the rule has 4 variants and 2 outputs; give 1 output or 4"},
      {"class a = b\nclass b = a\nrule -> 1\n" + pattern, "line 2, column 11: class \"a\" is defined through itself: a -> b -> a"},
      {"class a = 1\nclass a = 2\nrule -> 1\n" + pattern, "line 2, column 7: class \"a\" is defined twice (first on line 1)"},
      {"class any = 1\n", "line 1, column 7: \"any\" is a keyword, not a class name"},
      {"class a = 5-3\n", "line 1, column 13: the range 5-3 runs backwards"},
      {"class a =\n", "line 1, column 10: expected a tile code, a range or a class at the end of the line"},
      {"rule -> 1\nany watr any\nany any any\nany any any\n", "line 2, column 5: unknown class \"watr\""},
      {"rule -> 1\nany any any\nany $ any\n", "line 3, column 5: unexpected '$'"},
      {"rule -> 1\n\x01\x02\n", "line 2, column 1: unexpected byte 0x01"},
      {std::string("rule -> 1\nany \0 any\n", 19), "line 2, column 5: unexpected byte 0x00"},
      {"rule -> 1\nany 12ab any\n", "line 2, column 5: \"12ab\" is not a number"},
      {"seed 1 2\n", "line 1, column 8: expected the end of the line, found \"2\""},
      {"rule -> 1\nany = any\n", "line 2, column 5: expected \"any\", a tile code, a class or \"!\" and a class, found \"=\""},
  };
  for (const Bad& bad : bads) {
    TerrainRules rules;
    EXPECT_FALSE(rules.parse(bad.text.data(), bad.text.size())) << bad.text;
    EXPECT_EQ(bad.error, errorText(rules)) << bad.text;
    EXPECT_TRUE(rules.empty());
  }
  TerrainRules missing;
  EXPECT_FALSE(missing.loadFile("C:\\no\\such\\terrain.rules"));
  EXPECT_EQ(0u, errorText(missing).find("cannot read C:\\no\\such\\terrain.rules"));
}

namespace {

// A pattern cell as the reference reads it.
struct RefCell {
  int kind;  // 0 any, 1 code, 2 class, 3 not class, 4 not code
  int value;
};

struct RefRule {
  bool turn, mirror;
  int chance, size;  // size 3 or 5 (square) or rows/columns below
  int rows, columns;
  std::vector<RefCell> cells;
  std::vector<std::vector<std::pair<int, int>>> outputs;  // (code, weight)
};

// Three classes over a small alphabet 0..5, written out as text too.
const std::set<int> kClasses[3] = {{0, 1}, {2, 3, 4}, {1, 5}};

bool refCellHolds(const RefCell& cell, int code) {
  switch (cell.kind) {
    case 0: return true;
    case 1: return code == cell.value;
    case 2: return kClasses[cell.value].count(code) > 0;
    case 3: return kClasses[cell.value].count(code) == 0;
    default: return code != cell.value;
  }
}

// The rule's variant v at cell (x, y), read straight from the written
// pattern: each offset mirrored (dx -> -dx) and turned clockwise (dx, dy) -> (-dy, dx).
bool refVariantMatches(const RefRule& rule, int v, const TerrainGrid& grid, int x, int y) {
  const bool mirrored = rule.turn ? v >= 4 : v == 1;
  const int turns = rule.turn ? v % 4 : 0;
  for (int r = 0; r < rule.rows; ++r) {
    for (int c = 0; c < rule.columns; ++c) {
      int dx = c - rule.columns / 2, dy = r - rule.rows / 2;
      if (mirrored) dx = -dx;
      for (int t = 0; t < turns; ++t) {
        const int old = dx;
        dx = -dy;
        dy = old;
      }
      if (!refCellHolds(rule.cells[r * rule.columns + c], grid.at(x + dx, y + dy))) return false;
    }
  }
  return true;
}

TerrainMatch refMatch(const std::vector<RefRule>& rules, uint32_t seed, const TerrainGrid& grid, int x, int y) {
  for (size_t i = 0; i < rules.size(); ++i) {
    const RefRule& rule = rules[i];
    const int variants = (rule.turn ? 4 : 1) * (rule.mirror ? 2 : 1);
    for (int v = 0; v < variants; ++v) {
      if (!refVariantMatches(rule, v, grid, x, y)) continue;
      const int wx = grid.originX + x, wy = grid.originY + y;
      if (terrainHash(seed, wx, wy, static_cast<uint32_t>(i)) % 100 >= static_cast<uint32_t>(rule.chance)) continue;
      const auto& output = rule.outputs[rule.outputs.size() == 1 ? 0 : v];
      uint32_t total = 0;
      for (const auto& choice : output) total += choice.second;
      uint32_t roll = output.size() == 1 ? 0 : terrainHash(seed, wx, wy, 0x80000000u | static_cast<uint32_t>(i)) % total;
      for (const auto& choice : output) {
        if (roll < static_cast<uint32_t>(choice.second)) return {static_cast<int>(i), static_cast<uint8_t>(choice.first)};
        roll -= choice.second;
      }
    }
  }
  return {-1, grid.at(x, y)};
}

std::string cellText(const RefCell& cell) {
  static const char* const kNames[3] = {"low", "mid", "odd"};
  switch (cell.kind) {
    case 0: return "any";
    case 1: return std::to_string(cell.value);
    case 2: return kNames[cell.value];
    case 3: return std::string("!") + kNames[cell.value];
    default: return "!" + std::to_string(cell.value);
  }
}

RefRule randomRule(std::mt19937& random) {
  RefRule rule{};
  rule.turn = random() % 2;
  rule.mirror = random() % 3 == 0;
  rule.chance = random() % 4 == 0 ? 1 + random() % 100 : 100;
  rule.rows = random() % 4 == 0 ? 5 : 3;
  rule.columns = random() % 4 == 0 ? 5 : 3;
  for (int i = 0; i < rule.rows * rule.columns; ++i) {
    const int kind = random() % 10 < 5 ? 0 : static_cast<int>(random() % 5);
    rule.cells.push_back({kind, kind == 2 || kind == 3 ? static_cast<int>(random() % 3) : static_cast<int>(random() % 6)});
  }
  const int variants = (rule.turn ? 4 : 1) * (rule.mirror ? 2 : 1);
  const int outputs = random() % 2 ? variants : 1;
  for (int o = 0; o < outputs; ++o) {
    rule.outputs.emplace_back();
    const int choices = 1 + random() % 3;
    for (int c = 0; c < choices; ++c) rule.outputs.back().push_back({20 + random() % 40, 1 + random() % 5});
  }
  return rule;
}

std::string ruleText(const RefRule& rule) {
  std::string text = "rule";
  if (rule.turn) text += " turn";
  if (rule.mirror) text += " mirror";
  if (rule.chance < 100) text += " chance " + std::to_string(rule.chance) + "%";
  text += " ->";
  for (size_t o = 0; o < rule.outputs.size(); ++o) {
    if (o > 0) text += " /";
    for (const auto& choice : rule.outputs[o]) text += " " + std::to_string(choice.first) + "*" + std::to_string(choice.second);
  }
  text += "\n";
  for (int r = 0; r < rule.rows; ++r) {
    for (int c = 0; c < rule.columns; ++c) text += cellText(rule.cells[r * rule.columns + c]) + " ";
    text += "\n";
  }
  return text + "\n";
}

}  // namespace

TEST(TerrainRulesMatching, TurnsAndMirrorsAgreeWithADirectReadingOfThePatterns) {
  std::mt19937 random(2026);
  int matched = 0;
  for (int round = 0; round < 60; ++round) {
    std::vector<RefRule> refs;
    const uint32_t seed = random();
    std::string text = "seed " + std::to_string(seed) + "\nclass low = 0 1\nclass mid = 2-4\nclass odd = 1, 5\n";
    const int count = 1 + random() % 6;
    for (int i = 0; i < count; ++i) {
      refs.push_back(randomRule(random));
      text += ruleText(refs.back());
    }
    TerrainRules rules;
    ASSERT_TRUE(rules.parse(text.data(), text.size())) << text << errorText(rules);
    TerrainGrid grid;
    grid.resize(9, 7);
    grid.originX = random() % 900;
    grid.originY = random() % 400;
    for (uint8_t& cell : grid.cells) cell = random() % 6;
    std::vector<uint8_t> out(9 * 7);
    evaluateTerrain(rules, grid, 0, 0, 9, 7, out.data());
    for (int y = 0; y < 7; ++y) {
      for (int x = 0; x < 9; ++x) {
        const TerrainMatch want = refMatch(refs, seed, grid, x, y);
        const TerrainMatch got = matchTerrainCell(rules, grid, x, y);
        ASSERT_EQ(want.rule, got.rule) << text << "cell " << x << "," << y;
        ASSERT_EQ(want.code, got.code) << text << "cell " << x << "," << y;
        ASSERT_EQ(want.code, out[y * 9 + x]) << text << "cell " << x << "," << y;
        matched += want.rule >= 0;
      }
    }
  }
  EXPECT_GT(matched, 500);  // the cases are not all misses
}

TEST(TerrainRulesBadInput, IsRefusedWithAMessageOrRunsWithoutHarm) {
  std::string huge;
  for (int i = 0; i < 100000; ++i) huge += "rule -> 1\n" + std::string(kPlain3x3) + "\n";
  TerrainRules rules;
  EXPECT_FALSE(rules.parse(huge.data(), huge.size()));
  EXPECT_EQ("line 5001, column 1: too many rules: a rules file holds at most 1000", errorText(rules));

  const std::string circular = "class a = 1 c\nclass b = a\nclass c = not b\nrule -> 1\n" + std::string(kPlain3x3);
  EXPECT_FALSE(rules.parse(circular.data(), circular.size()));
  EXPECT_EQ("line 2, column 11: class \"a\" is defined through itself: a -> c -> b -> a", errorText(rules));

  std::mt19937 random(7);
  for (int round = 0; round < 200; ++round) {
    std::string bytes(random() % 2000, '\0');
    for (char& byte : bytes) byte = static_cast<char>(random());
    if (round % 2) bytes = "rule -> 1\n" + std::string(kPlain3x3).substr(0, random() % 30) + bytes;
    EXPECT_FALSE(rules.parse(bytes.data(), bytes.size()));
    EXPECT_NE('\0', rules.error().message[0]);
    EXPECT_TRUE(rules.empty());
  }

  // The most a file may hold: 1000 rules of 5 x 5, turned and mirrored. It
  // compiles, and a pass over a map still gives every cell a code.
  std::string most = "class a = 0-127\n";
  for (int i = 0; i < 1000; ++i) {
    most += "rule turn mirror -> " + std::to_string(20 + i % 200) + "\n";
    for (int r = 0; r < 5; ++r) most += "a !a any a " + std::to_string((i + r) % 256) + "\n";
    most += "\n";
  }
  ASSERT_TRUE(rules.parse(most.data(), most.size())) << errorText(rules);
  EXPECT_EQ(8000, static_cast<int>(rules.variants().size()));
  TerrainGrid grid;
  grid.resize(48, 24);
  for (uint8_t& cell : grid.cells) cell = random() % 256;
  std::vector<uint8_t> out(48 * 24);
  evaluateTerrain(rules, grid, 0, 0, 48, 24, out.data());
  for (int i = 0; i < 48 * 24; ++i) ASSERT_EQ(matchTerrainCell(rules, grid, i % 48, i / 48).code, out[i]);
}
