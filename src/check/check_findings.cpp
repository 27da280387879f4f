// Collecting findings: bounded printf formatting into one store of texts,
// texts made when asked for, and the stable kind names that the JSON report
// carries.
#include "check_findings.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

const char* findingKindName(FindingKind kind) {
  switch (kind) {
    case FindingKind::Unreadable: return "unreadable";
    case FindingKind::NoKind: return "no-kind";
    case FindingKind::ShortRow: return "short-row";
    case FindingKind::MissingRows: return "missing-rows";
    case FindingKind::UnwritableTile: return "unwritable-tile";
    case FindingKind::TeleportTarget: return "teleport-target";
    case FindingKind::TeleportCell: return "teleport-cell";
    case FindingKind::PlacementCell: return "placement-cell";
    case FindingKind::PlacementRecord: return "placement-record";
    case FindingKind::SpriteFile: return "sprite-file";
    case FindingKind::TableFile: return "table-file";
    case FindingKind::LineEnds: return "line-ends";
    case FindingKind::ShortDataFile: return "short-data-file";
    case FindingKind::WorldGrid: return "world-grid";
    case FindingKind::Unreached: return "unreached";
    case FindingKind::BlankSprite: return "blank-sprite";
    case FindingKind::UnsavedAsRead: return "unsaved-as-read";
    case FindingKind::NotRegular: return "not-regular";
    case FindingKind::NoWayOut: return "no-way-out";
    case FindingKind::SharedTeleportCell: return "shared-teleport-cell";
    case FindingKind::CaseTwins: return "case-twins";
    case FindingKind::BackslashName: return "backslash-name";
    case FindingKind::LeftTemporary: return "left-temporary";
    case FindingKind::UnfinishedWrite: return "unfinished-write";
  }
  return "unknown";
}

Finding& Findings::warning(const std::string& file, FindingKind kind, FindingFormat format,
                           std::initializer_list<std::string_view> names) {
  Finding& f = list_.emplace_back();
  f.file = file;
  f.severity = Severity::Warning;
  f.kind = kind;
  f.format = format;
  f.textAt = texts_.size();
  for (std::string_view name : names) texts_.append(name).push_back(0);
  f.textSize = texts_.size() - f.textAt;
  return f;
}

Finding& Findings::add(const std::string& file, Severity severity, FindingKind kind, const char* format,
                       va_list args) {
  char text[kFindingTextSize];
  vsnprintf(text, sizeof text, format, args);
  Finding& f = list_.emplace_back();
  f.file = file;
  f.severity = severity;
  f.kind = kind;
  f.textAt = texts_.size();
  f.textSize = strlen(text);
  texts_.append(text, f.textSize);
  if (severity == Severity::Error) errors_++;
  return f;
}

std::string Findings::text(const Finding& f) const {
  if (f.format == nullptr) return texts_.substr(f.textAt, f.textSize);
  FindingText text;
  f.format(f, texts_.data() + f.textAt, text);
  return std::string(text.text(), text.size());
}

Finding& Findings::error(const std::string& file, FindingKind kind, const char* format, ...) {
  va_list args;
  va_start(args, format);
  Finding& f = add(file, Severity::Error, kind, format, args);
  va_end(args);
  return f;
}

Finding& Findings::warning(const std::string& file, FindingKind kind, const char* format, ...) {
  va_list args;
  va_start(args, format);
  Finding& f = add(file, Severity::Warning, kind, format, args);
  va_end(args);
  return f;
}

int Findings::count(FindingKind kind) const {
  int n = 0;
  for (const Finding& f : list_) n += f.kind == kind;
  return n;
}
