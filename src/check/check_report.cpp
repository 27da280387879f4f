// The text and JSON forms of a check's findings.
#include "check_report.h"

#include "data/count_text.h"

namespace {

const char* severityName(Severity s) { return s == Severity::Error ? "error" : "warning"; }

void writeLocation(FILE* out, const char* name, int value, int none) {
  if (value != none) fprintf(out, ", \"%s\": %d", name, value);
}

}  // namespace

std::string jsonString(const std::string& s) {
  std::string out = "\"";
  char escape[8];
  for (unsigned char c : s) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c < 0x20) {
      snprintf(escape, sizeof escape, "\\u%04x", c);
      out += escape;
    } else if (c >= 0x80) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(c);
    }
  }
  return out + "\"";
}

std::string escapedText(const std::string& s) {
  std::string out;
  char escape[8];
  for (unsigned char c : s) {
    if (c < 0x20 || c == 0x7f) {
      snprintf(escape, sizeof escape, "\\x%02x", c);
      out += escape;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}

std::string findingLine(const Findings& findings, const Finding& f) {
  return escapedText(f.file) + ": " + severityName(f.severity) + ": " + escapedText(findings.text(f));
}

std::string findingCounts(const Findings& findings) {
  char errors[48], warnings[48];
  countText(findings.errors(), "error", "errors", errors, sizeof errors);
  countText(findings.warnings(), "warning", "warnings", warnings, sizeof warnings);
  return std::string(errors) + ", " + warnings;
}

std::string checkedFiles(const CheckSummary& summary) {
  char files[48], maps[48], dataFiles[48];
  countText(summary.files, "file", "files", files, sizeof files);
  countText(summary.maps, "map", "maps", maps, sizeof maps);
  countText(summary.dataFiles, "data file", "data files", dataFiles, sizeof dataFiles);
  return std::string(files) + " (" + maps + ", " + dataFiles + ")";
}

void writeTextReport(FILE* out, const std::string& directory, const Findings& findings, const CheckSummary& summary) {
  for (const Finding& f : findings.all()) fprintf(out, "%s\n", findingLine(findings, f).c_str());
  fprintf(out, "dola-check: %s: %s: %s\n", directory.c_str(), checkedFiles(summary).c_str(),
          findingCounts(findings).c_str());
}

void writeJsonReport(FILE* out, const std::string& directory, const Findings& findings, const CheckSummary& summary) {
  fprintf(out, "{\"directory\": %s, \"files\": %d, \"maps\": %d, \"dataFiles\": %d, \"errors\": %d, \"warnings\": %d,\n",
          jsonString(directory).c_str(), summary.files, summary.maps, summary.dataFiles, findings.errors(),
          findings.warnings());
  fprintf(out, " \"findings\": [");
  const char* separator = "\n";
  for (const Finding& f : findings.all()) {
    fprintf(out, "%s  {\"file\": %s, \"severity\": \"%s\", \"kind\": \"%s\"", separator, jsonString(f.file).c_str(),
            severityName(f.severity), findingKindName(f.kind));
    writeLocation(out, "column", f.column, 0);
    writeLocation(out, "row", f.row, 0);
    writeLocation(out, "line", f.line, 0);
    writeLocation(out, "record", f.record, -1);
    fprintf(out, ", \"message\": %s}", jsonString(findings.text(f)).c_str());
    separator = ",\n";
  }
  fprintf(out, "%s]}\n", findings.all().empty() ? "" : "\n ");
}
