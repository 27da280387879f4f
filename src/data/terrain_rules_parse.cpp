// Reading a rules file line by line into its source form. Lines are cut into
// tokens (words, numbers, "=", "->", "/", "*", "!", "%", "-", ","); "#" starts a
// comment; a CR before a line end is part of the line end. Any other byte is
// an error at its column, so a binary file stops at its first odd byte.
#include <cctype>
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "data/terrain_rules_source.h"

void setTerrainError(TerrainRuleError& error, const SourcePlace& place, const char* format, ...) {
  error.line = place.line;
  error.column = place.column;
  va_list args;
  va_start(args, format);
  vsnprintf(error.message, sizeof error.message, format, args);
  va_end(args);
}

namespace {

struct Token {
  enum Kind { Word, Number, Symbol } kind;
  std::string text;  // Symbol: "=", "->", "/", "*", "!", "%", "-", ","
  long long value;   // Number
  SourcePlace place;
};

bool isWordByte(unsigned char c) { return isalnum(c) || c == '_'; }

// The printable form of a byte for a message: 'x', or byte 0x1f.
void describeByte(unsigned char c, char* out, size_t size) {
  if (c > 32 && c < 127) snprintf(out, size, "'%c'", c);
  else snprintf(out, size, "byte 0x%02x", c);
}

// Cuts one line (no line end) into tokens; false with error at a bad byte.
bool tokenize(const char* line, size_t length, int lineNumber, std::vector<Token>& tokens,
              TerrainRuleError& error) {
  tokens.clear();
  size_t i = 0;
  while (i < length) {
    const unsigned char c = static_cast<unsigned char>(line[i]);
    const SourcePlace place{lineNumber, static_cast<int>(i) + 1};
    if (c == ' ' || c == '\t' || (c == '\r' && i + 1 == length)) {
      ++i;
    } else if (c == '#') {
      break;
    } else if (isWordByte(c)) {
      size_t end = i;
      while (end < length && isWordByte(static_cast<unsigned char>(line[end]))) ++end;
      Token token{Token::Word, std::string(line + i, end - i), 0, place};
      if (isdigit(c)) {
        if (token.text.find_first_not_of("0123456789") != std::string::npos) {
          setTerrainError(error, place, "\"%s\" is not a number", token.text.c_str());
          return false;
        }
        token.kind = Token::Number;
        token.value = token.text.size() > 10 ? 9999999999LL : atoll(token.text.c_str());
      }
      tokens.push_back(token);
      i = end;
    } else if (c == '-' && i + 1 < length && line[i + 1] == '>') {
      tokens.push_back({Token::Symbol, "->", 0, place});
      i += 2;
    } else if (strchr("=/*!%-,", c) != nullptr && c != 0) {
      tokens.push_back({Token::Symbol, std::string(1, static_cast<char>(c)), 0, place});
      ++i;
    } else {
      char shown[16];
      describeByte(c, shown, sizeof shown);
      setTerrainError(error, place, "unexpected %s", shown);
      return false;
    }
  }
  return true;
}

bool isKeyword(const std::string& word) {
  static const char* const kWords[] = {"class", "rule", "seed", "any", "not", "turn", "mirror", "chance"};
  for (const char* keyword : kWords)
    if (word == keyword) return true;
  return false;
}

// Reads the tokens of one line from a position, reporting errors at them.
class LineParser {
 public:
  LineParser(const std::vector<Token>& tokens, int lineNumber, int lineLength, TerrainRuleError& error)
      : tokens_(tokens), lineEnd_{lineNumber, lineLength + 1}, error_(error) {}

  bool atEnd() const { return next_ >= tokens_.size(); }
  const Token* peek() const { return atEnd() ? nullptr : &tokens_[next_]; }
  SourcePlace place() const { return atEnd() ? lineEnd_ : tokens_[next_].place; }
  bool peekSymbol(const char* symbol) const { return !atEnd() && tokens_[next_].kind == Token::Symbol && tokens_[next_].text == symbol; }
  bool peekWord(const char* word) const { return !atEnd() && tokens_[next_].kind == Token::Word && tokens_[next_].text == word; }
  void skip() { ++next_; }

  bool fail(const char* expected) {
    if (atEnd()) setTerrainError(error_, lineEnd_, "expected %s at the end of the line", expected);
    else setTerrainError(error_, place(), "expected %s, found \"%s\"", expected, tokens_[next_].text.c_str());
    return false;
  }
  bool symbol(const char* symbol, const char* expected) {
    if (!peekSymbol(symbol)) return fail(expected);
    skip();
    return true;
  }
  // A number within [low, high], else an error naming what it is for.
  bool number(long long low, long long high, const char* what, long long& value) {
    if (atEnd() || tokens_[next_].kind != Token::Number) return fail(what);
    value = tokens_[next_].value;
    if (value < low || value > high) {
      setTerrainError(error_, place(), "%s %s is out of range (%lld..%lld)", what, tokens_[next_].text.c_str(), low, high);
      return false;
    }
    skip();
    return true;
  }
  // A tile code, which must be storable when it is an output.
  bool code(bool output, int& value) {
    long long v;
    const SourcePlace at = place();
    if (!number(0, 255, "a tile code", v)) return false;
    if (output && (v == 10 || v == 13)) {
      setTerrainError(error_, at, "code %lld cannot be stored in a MAP file (a row line cannot hold it)", v);
      return false;
    }
    value = static_cast<int>(v);
    return true;
  }
  bool name(std::string& out) {
    if (atEnd() || tokens_[next_].kind != Token::Word) return fail("a class name");
    if (isKeyword(tokens_[next_].text)) {
      setTerrainError(error_, place(), "\"%s\" is a keyword, not a class name", tokens_[next_].text.c_str());
      return false;
    }
    out = tokens_[next_].text;
    skip();
    return true;
  }
  bool done() { return atEnd() || fail("the end of the line"); }

  // A class item: CODE, CODE-CODE, NAME, not NAME, !NAME.
  bool classItem(SourceTerm& term) {
    term.place = place();
    if (peekWord("not") || peekSymbol("!")) {
      skip();
      term.kind = SourceTerm::NotClass;
      return name(term.name);
    }
    if (!atEnd() && tokens_[next_].kind == Token::Number) {
      term.kind = SourceTerm::Code;
      if (!code(false, term.low)) return false;
      term.high = term.low;
      if (!peekSymbol("-")) return true;
      skip();
      term.kind = SourceTerm::Range;
      const SourcePlace at = place();
      if (!code(false, term.high)) return false;
      if (term.high < term.low) {
        setTerrainError(error_, at, "the range %d-%d runs backwards", term.low, term.high);
        return false;
      }
      return true;
    }
    term.kind = SourceTerm::Class;
    return name(term.name);
  }

  // A pattern cell: any, CODE, NAME, !NAME, !CODE.
  bool cell(SourceTerm& term) {
    term.place = place();
    if (peekWord("any")) {
      skip();
      term.kind = SourceTerm::Any;
      return true;
    }
    const bool negated = peekSymbol("!");
    if (negated) skip();
    if (!atEnd() && tokens_[next_].kind == Token::Number) {
      term.kind = negated ? SourceTerm::NotCode : SourceTerm::Code;
      return code(false, term.low);
    }
    if (!negated && !atEnd() && tokens_[next_].kind == Token::Symbol)
      return fail("\"any\", a tile code, a class or \"!\" and a class");
    term.kind = negated ? SourceTerm::NotClass : SourceTerm::Class;
    return name(term.name);
  }

 private:
  const std::vector<Token>& tokens_;
  size_t next_ = 0;
  SourcePlace lineEnd_;
  TerrainRuleError& error_;
};

bool parseClass(LineParser& in, SourceFile& file) {
  SourceClass entry;
  entry.place = in.place();
  if (!in.name(entry.name) || !in.symbol("=", "\"=\"")) return false;
  if (in.atEnd()) return in.fail("a tile code, a range or a class");
  while (!in.atEnd()) {
    SourceTerm term;
    if (!in.classItem(term)) return false;
    entry.items.push_back(term);
    if (in.peekSymbol(",")) in.skip();
  }
  file.classes.push_back(entry);
  return true;
}

// One output: CODE [* WEIGHT] ... up to "/" or the end of the line.
bool parseChoices(LineParser& in, std::vector<TerrainChoice>& choices, TerrainRuleError& error) {
  do {
    const SourcePlace at = in.place();
    int code;
    if (!in.code(true, code)) return false;
    long long weight = 1;
    if (in.peekSymbol("*")) {
      in.skip();
      if (!in.number(1, 1000000, "a weight", weight)) return false;
    }
    if (choices.size() == 256) {
      setTerrainError(error, at, "an output gives at most 256 codes");
      return false;
    }
    choices.push_back({static_cast<uint8_t>(code), static_cast<uint32_t>(weight)});
    if (in.peekSymbol(",")) in.skip();
  } while (!in.atEnd() && !in.peekSymbol("/"));
  return true;
}

bool parseRuleLine(LineParser& in, SourceRule& rule, TerrainRuleError& error) {
  for (;;) {
    if (in.peekWord("turn")) {
      rule.turn = true;
      in.skip();
    } else if (in.peekWord("mirror")) {
      rule.mirror = true;
      in.skip();
    } else if (in.peekWord("chance")) {
      in.skip();
      long long percent;
      if (!in.number(1, 100, "a chance in percent", percent) || !in.symbol("%", "\"%\"")) return false;
      rule.chance = static_cast<int>(percent);
    } else {
      break;
    }
  }
  if (!in.symbol("->", "\"turn\", \"mirror\", \"chance\" or \"->\" and the codes it gives")) return false;
  rule.outputsPlace = in.place();
  for (;;) {
    rule.outputs.emplace_back();
    if (!parseChoices(in, rule.outputs.back(), error)) return false;
    if (in.atEnd()) return true;
    in.skip();  // the "/" between outputs
  }
}

// The rule whose pattern rows are being read, and the checks when it ends.
class RuleRows {
 public:
  explicit RuleRows(std::vector<SourceRule>& rules) : rules_(rules) {}
  bool open() const { return open_; }
  void start() { open_ = true; }
  bool addRow(LineParser& in, TerrainRuleError& error) {
    SourceRule& rule = rules_.back();
    const SourcePlace at = in.place();
    int columns = 0;
    while (!in.atEnd()) {
      SourceTerm term;
      if (!in.cell(term)) return false;
      rule.cells.push_back(term);
      ++columns;
    }
    if (rule.rows == 0) rule.columns = columns;
    if (columns != rule.columns) {
      setTerrainError(error, at, "this row has %d cells, the pattern's first row %d", columns, rule.columns);
      return false;
    }
    if (++rule.rows > 5) {
      setTerrainError(error, at, "a pattern has at most 5 rows");
      return false;
    }
    return true;
  }
  bool close(TerrainRuleError& error) {
    if (!open_) return true;
    open_ = false;
    const SourceRule& rule = rules_.back();
    if (rule.rows == 0) {
      setTerrainError(error, rule.place, "the rule has no pattern: 3 or 5 rows of 3 or 5 cells must follow it");
      return false;
    }
    if ((rule.rows != 3 && rule.rows != 5) || (rule.columns != 3 && rule.columns != 5)) {
      setTerrainError(error, rule.place, "the pattern is %d x %d cells; it must be 3 or 5 wide and 3 or 5 high",
                      rule.columns, rule.rows);
      return false;
    }
    return true;
  }

 private:
  std::vector<SourceRule>& rules_;
  bool open_ = false;
};

bool parseLine(LineParser& in, SourceFile& file, RuleRows& rows, TerrainRuleError& error) {
  if (in.peekWord("class") || in.peekWord("rule") || in.peekWord("seed")) {
    if (!rows.close(error)) return false;
    const bool isClass = in.peekWord("class"), isRule = in.peekWord("rule");
    const SourcePlace at = in.place();
    in.skip();
    if (isClass) {
      if (file.classes.size() >= static_cast<size_t>(kMaxTerrainClasses)) {
        setTerrainError(error, at, "too many classes: a rules file holds at most %d", kMaxTerrainClasses);
        return false;
      }
      return parseClass(in, file) && in.done();
    }
    if (isRule) {
      if (file.rules.size() >= static_cast<size_t>(kMaxTerrainRules)) {
        setTerrainError(error, at, "too many rules: a rules file holds at most %d", kMaxTerrainRules);
        return false;
      }
      file.rules.emplace_back();
      file.rules.back().place = at;
      if (!parseRuleLine(in, file.rules.back(), error)) return false;
      rows.start();
      return true;
    }
    long long seed;
    if (!in.number(0, 4294967295LL, "a seed", seed)) return false;
    file.seed = static_cast<uint32_t>(seed);
    return in.done();
  }
  if (rows.open()) return rows.addRow(in, error);
  return in.fail("\"class\", \"rule\" or \"seed\"");
}

}  // namespace

bool parseTerrainSource(const char* text, size_t length, SourceFile& file, TerrainRuleError& error) {
  file = SourceFile();
  RuleRows rows(file.rules);
  std::vector<Token> tokens;
  int lineNumber = 0;
  size_t start = 0;
  while (start < length) {
    ++lineNumber;
    const char* line = text + start;
    const char* newline = static_cast<const char*>(memchr(line, '\n', length - start));
    const size_t lineLength = newline ? static_cast<size_t>(newline - line) : length - start;
    start += lineLength + 1;
    if (!tokenize(line, lineLength, lineNumber, tokens, error)) return false;
    if (tokens.empty()) {
      // A blank line ends a pattern; a line holding only a comment does not.
      const bool comment = memchr(line, '#', lineLength) != nullptr;
      if (!comment && !rows.close(error)) return false;
      continue;
    }
    LineParser in(tokens, lineNumber, static_cast<int>(lineLength), error);
    if (!parseLine(in, file, rows, error)) return false;
  }
  if (!rows.close(error)) return false;
  if (file.rules.empty()) {
    setTerrainError(error, {0, 0}, "the rules file holds no rules");
    return false;
  }
  return true;
}
