// Compiling a parsed rules file: classes resolved into code sets (a class may
// name classes defined later; one defined through itself is an error), every
// rule's turned and mirrored variants laid out as tests of the positions that
// are not "any", and the variants listed by the codes their centre accepts,
// so that a cell tries only the rules its own code can start.
#include <cstdio>
#include <map>

#include "data/terrain_rules_source.h"

class TerrainCompiler {
 public:
  TerrainCompiler(const SourceFile& file, TerrainRules& rules, TerrainRuleError& error)
      : file_(file), rules_(rules), error_(error) {}

  bool run() {
    rules_.seed_ = file_.seed;
    for (size_t i = 0; i < file_.classes.size(); ++i) {
      const SourceClass& entry = file_.classes[i];
      if (!classIndex_.emplace(entry.name, static_cast<int>(i)).second) {
        setTerrainError(error_, entry.place, "class \"%s\" is defined twice (first on line %d)", entry.name.c_str(),
                        file_.classes[classIndex_[entry.name]].place.line);
        return false;
      }
    }
    classSet_.assign(file_.classes.size(), -1);
    state_.assign(file_.classes.size(), 0);
    for (size_t i = 0; i < file_.classes.size(); ++i)
      if (!resolveClass(static_cast<int>(i))) return false;
    for (const SourceRule& rule : file_.rules)
      if (!compileRule(rule)) return false;
    buildCentreLists();
    return true;
  }

 private:
  // A set made from a member table, shared with an equal set made before.
  int addSet(const TerrainCodeSet& set) {
    const std::string key(reinterpret_cast<const char*>(set.member), 256);
    const auto found = setIndex_.find(key);
    if (found != setIndex_.end()) return found->second;
    rules_.sets_.push_back(set);
    const int index = static_cast<int>(rules_.sets_.size()) - 1;
    setIndex_.emplace(key, index);
    return index;
  }

  // The class named by term, resolved; -1 with the error set.
  int classOf(const SourceTerm& term) {
    const auto found = classIndex_.find(term.name);
    if (found == classIndex_.end()) {
      setTerrainError(error_, term.place, "unknown class \"%s\"", term.name.c_str());
      return -1;
    }
    if (state_[found->second] == 1) {
      std::string chain;
      for (int at : chain_) {
        if (!chain.empty() || file_.classes[at].name == term.name) chain += file_.classes[at].name + " -> ";
      }
      chain += term.name;
      setTerrainError(error_, term.place, "class \"%s\" is defined through itself: %s", term.name.c_str(),
                      chain.c_str());
      return -1;
    }
    if (!resolveClass(found->second)) return -1;
    return found->second;
  }

  bool resolveClass(int index) {
    if (state_[index] == 2) return true;
    state_[index] = 1;
    chain_.push_back(index);
    TerrainCodeSet set{};
    for (const SourceTerm& item : file_.classes[index].items) {
      if (item.kind == SourceTerm::Code || item.kind == SourceTerm::Range) {
        for (int code = item.low; code <= item.high; ++code) set.member[code] = 1;
        continue;
      }
      const int other = classOf(item);
      if (other < 0) return false;
      const TerrainCodeSet& members = rules_.sets_[classSet_[other]];
      for (int code = 0; code < 256; ++code)
        if (members.member[code] != (item.kind == SourceTerm::NotClass)) set.member[code] = 1;
    }
    chain_.pop_back();
    state_[index] = 2;
    classSet_[index] = addSet(set);
    return true;
  }

  // The set a pattern cell tests, -1 for "any", -2 on error.
  int cellSet(const SourceTerm& cell) {
    if (cell.kind == SourceTerm::Any) return -1;
    TerrainCodeSet set{};
    if (cell.kind == SourceTerm::Code || cell.kind == SourceTerm::NotCode) {
      for (int code = 0; code < 256; ++code) set.member[code] = (code == cell.low) != (cell.kind == SourceTerm::NotCode);
      return addSet(set);
    }
    const int index = classOf(cell);
    if (index < 0) return -2;
    if (cell.kind == SourceTerm::Class) return classSet_[index];
    const TerrainCodeSet& members = rules_.sets_[classSet_[index]];
    for (int code = 0; code < 256; ++code) set.member[code] = !members.member[code];
    return addSet(set);
  }

  bool compileRule(const SourceRule& rule) {
    const int variantCount = (rule.turn ? 4 : 1) * (rule.mirror ? 2 : 1);
    if (rule.outputs.size() != 1 && rule.outputs.size() != static_cast<size_t>(variantCount)) {
      setTerrainError(error_, rule.outputsPlace, "the rule has %d variants and %d outputs; give 1 output or %d",
                      variantCount, static_cast<int>(rule.outputs.size()), variantCount);
      return false;
    }
    std::vector<int> grid(rule.cells.size());
    for (size_t i = 0; i < rule.cells.size(); ++i)
      if ((grid[i] = cellSet(rule.cells[i])) == -2) return false;
    TerrainRule compiled{rule.place.line, rule.chance, static_cast<int>(rules_.variants_.size()), variantCount};
    const int ruleIndex = static_cast<int>(rules_.rules_.size());
    for (int v = 0; v < variantCount; ++v) {
      const std::vector<TerrainChoice>& output = rule.outputs[rule.outputs.size() == 1 ? 0 : v];
      addVariant(ruleIndex, rule, grid, rule.turn ? v % 4 : 0, rule.turn ? v >= 4 : v == 1, output);
    }
    if (rule.rows == 5 || rule.columns == 5) rules_.reach_ = 2;
    rules_.rules_.push_back(compiled);
    return true;
  }

  // The pattern mirrored left to right (when asked), then turned clockwise
  // quarter by quarter: each turn moves the pattern's north to its east.
  void addVariant(int ruleIndex, const SourceRule& rule, const std::vector<int>& grid, int turns, bool mirrored,
                  const std::vector<TerrainChoice>& output) {
    int rows = rule.rows, columns = rule.columns;
    std::vector<int> cells = grid;
    if (mirrored) {
      for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c) cells[r * columns + c] = grid[r * columns + columns - 1 - c];
    }
    for (int t = 0; t < turns; ++t) {
      std::vector<int> turned(cells.size());
      for (int r = 0; r < columns; ++r)
        for (int c = 0; c < rows; ++c) turned[r * rows + c] = cells[(rows - 1 - c) * columns + r];
      cells.swap(turned);
      std::swap(rows, columns);
    }
    TerrainVariant variant{};
    variant.rule = ruleIndex;
    variant.centreSet = cells[(rows / 2) * columns + columns / 2];
    variant.firstTest = static_cast<int>(rules_.tests_.size());
    for (int r = 0; r < rows; ++r) {
      for (int c = 0; c < columns; ++c) {
        const int set = cells[r * columns + c];
        const int dx = c - columns / 2, dy = r - rows / 2;
        if (set >= 0 && (dx != 0 || dy != 0)) rules_.tests_.push_back({dx, dy, set});
      }
    }
    variant.testCount = static_cast<int>(rules_.tests_.size()) - variant.firstTest;
    variant.firstChoice = static_cast<int>(rules_.choices_.size());
    variant.choiceCount = static_cast<int>(output.size());
    variant.totalWeight = 0;
    for (const TerrainChoice& choice : output) {
      rules_.choices_.push_back(choice);
      variant.totalWeight += choice.weight;
    }
    rules_.variants_.push_back(variant);
  }

  void buildCentreLists() {
    int at = 0;
    for (int code = 0; code < 256; ++code) {
      rules_.centreStart_[code] = at;
      for (size_t v = 0; v < rules_.variants_.size(); ++v) {
        const int set = rules_.variants_[v].centreSet;
        if (set < 0 || rules_.sets_[set].member[code]) {
          rules_.byCentre_.push_back(static_cast<int>(v));
          ++at;
        }
      }
    }
    rules_.centreStart_[256] = at;
  }

  const SourceFile& file_;
  TerrainRules& rules_;
  TerrainRuleError& error_;
  std::map<std::string, int> classIndex_;
  std::map<std::string, int> setIndex_;
  std::vector<int> classSet_;  // each class's set, once resolved
  std::vector<int> state_;     // 0 not yet, 1 being resolved, 2 resolved
  std::vector<int> chain_;     // the classes being resolved, outermost first
};

bool compileTerrainSource(const SourceFile& file, TerrainRules& rules, TerrainRuleError& error) {
  return TerrainCompiler(file, rules, error).run();
}
