// The MAP file checks, one function per kind of fault.
#include "check_map.h"

#include <cstring>
#include <vector>

#include "data/line_reader.h"
#include "platform/host_path.h"
#include "teleport_faults.h"

namespace {

bool hasOverlongLine(const TextLines& lines) {
  for (size_t length : lines.lengths) {
    if (length > kLineLengthLimit) return true;
  }
  return false;
}

}  // namespace

std::vector<TeleportFaults> checkMapFile(const GameDirectory& dir, const std::string& file, LocalMap& map,
                                         TeleportList& teleports, Findings& findings) {
  teleports.clear();
  const std::string path = dir.pathOf(file);
  std::string bytes;
  long size = 0;
  if (!dir.read(file, bytes, &size)) {
    if (size > kMostFileBytes)
      findings.error(file, FindingKind::Unreadable,
                     "holds %ld bytes, more than any map (%ld MiB read at most): not read", size, kMostFileBytes >> 20);
    else
      findings.error(file, FindingKind::Unreadable, "cannot be read");
    return {};
  }
  if (path.size() >= sizeof map.path) {
    findings.error(file, FindingKind::Unreadable, "the path is longer than the editor's 255 characters");
    return {};
  }
  const TextLines lines = scanTextLines(bytes);
  checkLineEnds(file, lines, findings);
  map.kind = NoKind;
  const bool loaded = map.loadFromBytes(path.c_str(), bytes, &teleports);
  if (!checkMapLoad(file, map, loaded, lines, findings)) return {};
  checkLoadNotes(file, map.loadNotes(), findings);
  checkMapTiles(file, map, findings);
  return checkTeleports(file, teleports, dir, findings);
}

bool checkMapLoad(const std::string& file, const LocalMap& map, bool loaded, const TextLines& lines,
                  Findings& findings) {
  if (map.kind == NoKind) {
    if (map.path[0] != 0) {
      findings.error(file, FindingKind::Unreadable, "cannot be read: the editor would show an empty map");
    } else if (hasOverlongLine(lines)) {
      findings.error(file, FindingKind::NoKind, "a line longer than 1 MiB: the editor takes it for no MAP file");
    } else {
      findings.error(file, FindingKind::NoKind,
                     "the first line names no kind (WILDERNESS, LOCAL or INTERIOR): the editor cannot open it")
          .line = 1;
    }
    return false;
  }
  const int rows = mapKindRowCount(map.kind);
  const int read = map.rowsRead();
  if (!loaded) {
    // The row line after the header; its length decides how short it is.
    const size_t index = static_cast<size_t>(read) + 1;
    const int length = index < lines.lengths.size() ? static_cast<int>(lines.lengths[index]) : 0;
    findings.error(file, FindingKind::ShortRow,
                   "row %d is short: %d tiles where %d belong; the editor stops reading the map there",
                   read + 1, length > 0 ? length - 1 : 0, kMapColumns)
        .row = read + 1;
  } else if (read < rows) {
    findings.error(file, FindingKind::MissingRows,
                   "the file stops after row %d of %d: the editor reads rows %d to %d as 0", read, rows, read + 1,
                   rows)
        .row = read + 1;
  }
  return true;
}

void checkMapTiles(const std::string& file, const LocalMap& map, Findings& findings) {
  for (int y = 0; y < map.rowsRead(); y++) {
    // Rows without either code, nearly all of them, are passed over whole.
    const unsigned char* row = map.tileRow(y);
    if (!memchr(row, 10, kMapColumns) && !memchr(row, 13, kMapColumns)) continue;
    for (int x = 0; x < kMapColumns; x++) {
      const int code = row[x];
      if (code != 10 && code != 13) continue;
      Finding* f;
      if (code == 10 && x == kMapColumns - 1) {
        f = &findings.error(file, FindingKind::ShortRow,
                            "row %d holds 47 tiles: the editor reads its line end as the tile in column 48", y + 1);
      } else {
        f = &findings.error(file, FindingKind::UnwritableTile,
                            "tile code %d at column %d, row %d: no row line can carry it", code, x + 1, y + 1);
        f->column = x + 1;
      }
      f->row = y + 1;
    }
  }
}

namespace {

// A teleport's name as a file of the directory: a name that holds a
// separator leads elsewhere, and is looked up as the editor would follow it.
bool targetExists(const GameDirectory& dir, const std::string& target) {
  if (target.find_first_of("\\/") == std::string::npos) return dir.holds(target);
  return isFilePath(dir.pathOf(target).c_str());
}

// "teleports 3 (to A) and 7 (to B) share cell (5, 6)...": a map may hold
// thousands of these, so the text is made only when it is shown.
void sharedCellText(const Finding& f, const char* names, FindingText& text) {
  const char* used = names;
  const char* unused = names + strlen(names) + 1;
  text.add("teleports ").add(f.otherRecord + 1).add(" (to ").add(used).add(") and ").add(f.record + 1);
  text.add(" (to ").add(unused).add(") share cell (").add(f.column).add(", ").add(f.row);
  text.add("): only the first can ever be used");
}

}  // namespace

// A teleport's faults as findings. A second teleport on a cell is a warning:
// the editor and the game take the first one in the list there, so this one
// can never be used.
std::vector<TeleportFaults> checkTeleports(const std::string& file, const TeleportList& teleports,
                                           const GameDirectory& dir, Findings& findings) {
  const std::vector<TeleportFaults> all =
      teleportFaults(teleports, [&dir](const std::string& fileName) { return targetExists(dir, fileName); });
  size_t faults = 0;
  for (const TeleportFaults& t : all) faults += (t.sharesCellWith >= 0) + t.cellOutside + t.targetMissing;
  findings.reserve(faults);
  for (int i = 0; i < static_cast<int>(all.size()); i++) {
    const TeleportFaults& t = all[static_cast<size_t>(i)];
    if (t.sharesCellWith >= 0) {
      const TeleportFaults& first = all[static_cast<size_t>(t.sharesCellWith)];
      Finding& f = findings.warning(file, FindingKind::SharedTeleportCell, sharedCellText,
                                    {{first.name, first.nameLength}, {t.name, t.nameLength}});
      f.column = t.x;
      f.row = t.y;
      f.record = i;
      f.otherRecord = t.sharesCellWith;
    }
    if (t.cellOutside) {
      Finding& f = findings.error(file, FindingKind::TeleportCell,
                                  "teleport %d to %s lies at cell (%d, %d), outside 1..%d x 1..%d", i + 1, t.name,
                                  t.x, t.y, kMapColumns, kMapRows);
      f.record = i;
    }
    if (t.targetMissing) {
      Finding& f = findings.error(file, FindingKind::TeleportTarget,
                                  "teleport %d at cell (%d, %d) leads to %s.MAP, which is not in the directory",
                                  i + 1, t.x, t.y, t.name);
      f.record = i;
      if (!t.cellOutside) {
        f.column = t.x;
        f.row = t.y;
      }
    }
  }
  return all;
}

void checkLoadNotes(const std::string& file, const MapLoadNotes& notes, Findings& findings) {
  const struct {
    const MapLoadNotes::Note& note;
    const char* what;
  } kinds[] = {
      {notes.kindWordNames, "teleport names holding a kind word (WILDERNESS, LOCAL, INTERIOR): a reader that "
                            "searches the header takes the map for that kind"},
      {notes.longNames, "teleport names longer than 255 characters: the editor drops those teleports"},
      {notes.malformedPieces, "teleport pieces that are no \">X,Y:NAME!\": the editor drops or rewrites them"},
      {notes.clampedNumbers, "teleport numbers beyond the int range: the editor holds them at its ends"},
      {notes.linesAfterRows, "lines after the last row: a save drops them"},
  };
  for (const auto& kind : kinds) {
    if (kind.note.count > 0) {
      findings.warning(file, FindingKind::UnsavedAsRead, "%d %s (the first: %s)", kind.note.count, kind.what,
                       kind.note.first.c_str());
    }
  }
}

void checkLineEnds(const std::string& file, const TextLines& lines, Findings& findings) {
  if (lines.bareLineFeeds > 0) {
    findings.warning(file, FindingKind::LineEnds, "%d of %zu lines end in LF without CR (the game's files use CR LF)",
                     lines.bareLineFeeds, lines.lengths.size())
        .line = lines.firstBareLineFeed;
  }
  if (lines.bareCarriageReturns > 0) {
    findings.warning(file, FindingKind::LineEnds,
                     "%d line ends are a CR without LF: the editor reads those lines as one (the game's files "
                     "use CR LF)",
                     lines.bareCarriageReturns);
  }
}
