// A rules file as written, before its classes are resolved and its patterns
// compiled: what the parser hands the compiler. Every piece keeps the line and
// column where it stands, so that the compiler's errors can name them too.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "data/terrain_rules.h"

struct SourcePlace {
  int line = 0, column = 0;
};

// A class item or a pattern cell: a code, a range of codes, a class, its
// negation, a negated code, or "any" (pattern cells only).
struct SourceTerm {
  enum Kind { Any, Code, Range, Class, NotClass, NotCode } kind = Any;
  int low = 0, high = 0;  // Code and NotCode: low; Range: low..high
  std::string name;       // Class, NotClass
  SourcePlace place;
};

struct SourceClass {
  std::string name;
  SourcePlace place;
  std::vector<SourceTerm> items;
};

struct SourceRule {
  SourcePlace place;  // its "rule" keyword
  bool turn = false, mirror = false;
  int chance = 100;
  std::vector<std::vector<TerrainChoice>> outputs;  // one, or one per variant
  SourcePlace outputsPlace;
  int rows = 0, columns = 0;
  std::vector<SourceTerm> cells;  // row by row
};

struct SourceFile {
  uint32_t seed = 0;
  std::vector<SourceClass> classes;
  std::vector<SourceRule> rules;
};

// Reads text into file; false with error set at the first fault.
bool parseTerrainSource(const char* text, size_t length, SourceFile& file, TerrainRuleError& error);

// Resolves the classes, compiles every rule's variants into rules; false with
// error set (rules then cleared by the caller).
bool compileTerrainSource(const SourceFile& file, TerrainRules& rules, TerrainRuleError& error);

// Sets error at place with a message.
void setTerrainError(TerrainRuleError& error, const SourcePlace& place, const char* format, ...)
    __attribute__((format(printf, 3, 4)));
