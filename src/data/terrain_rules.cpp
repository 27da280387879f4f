// Reading a rules file whole and compiling it; a fault leaves no rules.
#include "data/terrain_rules.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "data/terrain_rules_source.h"
#include "platform/file_stream.h"

void TerrainRules::clear() {
  const TerrainRuleError kept = error_;
  *this = TerrainRules();
  error_ = kept;
}

bool TerrainRules::parse(const char* text, size_t length) {
  *this = TerrainRules();
  SourceFile file;
  if (parseTerrainSource(text, length, file, error_) && compileTerrainSource(file, *this, error_)) return true;
  clear();
  return false;
}

bool TerrainRules::loadFile(const char* editorPath) {
  *this = TerrainRules();
  FILE* f = openStream(editorPath, "rb");
  if (f == nullptr) {
    setTerrainError(error_, {0, 0}, "cannot read %s: %s", editorPath, strerror(errno));
    return false;
  }
  std::vector<char> text(kMaxTerrainFileBytes + 1);
  const size_t length = fread(text.data(), 1, text.size(), f);
  const bool failed = ferror(f) != 0;
  fclose(f);
  if (failed || length > kMaxTerrainFileBytes) {
    setTerrainError(error_, {0, 0}, failed ? "cannot read %s" : "%s is larger than 4 MiB: no rules file", editorPath);
    return false;
  }
  return parse(text.data(), length);
}

void formatTerrainError(const TerrainRuleError& error, char* out, size_t outSize) {
  if (error.line > 0) snprintf(out, outSize, "line %d, column %d: %s", error.line, error.column, error.message);
  else snprintf(out, outSize, "%s", error.message);
}
