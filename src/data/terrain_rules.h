// Terrain rules: named classes of tile codes, and rules that give a cell a
// code from the pattern of the cells around it (shores, channels, variations).
// A rules file is read whole and compiled; a faulty file gives no rules at all
// and an error that names its line, column and what is wrong, so a half-read
// file never changes a map. The file's grammar is in the README.
//
// Contract: parse never allocates without bound (a file holds at most
// kMaxTerrainRules rules and kMaxTerrainClasses classes) and never loops on
// any bytes; a compiled rule set is read-only and may be shared.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// The rules file the editor loads from the game directory.
constexpr const char* kTerrainRulesFileName = "terrain.rules";

constexpr int kMaxTerrainRules = 1000;
constexpr int kMaxTerrainClasses = 1000;
constexpr size_t kMaxTerrainFileBytes = 4u << 20;
constexpr int kTerrainMargin = 2;  // a 5 x 5 pattern reads two cells beyond its centre

struct TerrainRuleError {
  int line = 0;         // from 1; 0 when the fault is the file as a whole
  int column = 0;       // from 1; 0 with line 0
  char message[200] = {};
};

// One orientation of a rule, compiled: the positions of its pattern that are
// not "any", and the codes it gives.
struct TerrainVariant {
  int rule;                  // index into TerrainRules::rules()
  int centreSet;             // into sets(), -1 for "any"
  int firstTest, testCount;  // into tests(); the centre is tested by the dispatch
  int firstChoice, choiceCount;  // into choices()
  uint32_t totalWeight;          // sum of the choices' weights, at least 1
};

struct TerrainTest {
  int dx, dy;  // from the centre, each -2..2
  int set;     // into sets()
};

struct TerrainChoice {
  uint8_t code;
  uint32_t weight;
};

struct TerrainRule {
  int line;            // the line of its "rule" keyword
  int chance;          // percent, 1..100 (100 when the file gives none)
  int firstVariant, variantCount;  // into variants()
};

// A set of tile codes: member[code] is 1 for its members.
struct TerrainCodeSet {
  uint8_t member[256];
};

class TerrainRules {
 public:
  // Reads a whole rules text (any bytes, length given: NUL is no end). True
  // and the compiled rules, or false, no rules and error() set.
  bool parse(const char* text, size_t length);
  // Reads the file at an editor path; false with error() set (line 0) when it
  // cannot be read or is too large.
  bool loadFile(const char* editorPath);
  void clear();

  bool empty() const { return rules_.empty(); }
  const TerrainRuleError& error() const { return error_; }
  uint32_t seed() const { return seed_; }
  // 1 when every pattern is 3 x 3, 2 when one reaches two cells out.
  int reach() const { return reach_; }

  const std::vector<TerrainRule>& rules() const { return rules_; }
  const std::vector<TerrainVariant>& variants() const { return variants_; }
  const std::vector<TerrainTest>& tests() const { return tests_; }
  const std::vector<TerrainChoice>& choices() const { return choices_; }
  const std::vector<TerrainCodeSet>& sets() const { return sets_; }
  // The variants, in file order, whose centre holds code: the first
  // centreCount(code) entries from centreList(code).
  const int* centreList(uint8_t code) const { return byCentre_.data() + centreStart_[code]; }
  int centreCount(uint8_t code) const { return centreStart_[code + 1] - centreStart_[code]; }

 private:
  friend class TerrainCompiler;
  std::vector<TerrainRule> rules_;
  std::vector<TerrainVariant> variants_;
  std::vector<TerrainTest> tests_;
  std::vector<TerrainChoice> choices_;
  std::vector<TerrainCodeSet> sets_;
  std::vector<int> byCentre_;
  int centreStart_[257] = {};
  uint32_t seed_ = 0;
  int reach_ = 1;
  TerrainRuleError error_;
};

// "line 4, column 9: unknown class \"watr\"" (or the message alone for line 0).
void formatTerrainError(const TerrainRuleError& error, char* out, size_t outSize);
