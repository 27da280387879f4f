// What dola-check found: one finding per fault, naming the file (relative to
// the checked directory), how bad it is, a stable code for other tools, the
// text for people, and where in the file it lies (a cell, a row, a record).
// The texts live in the Findings that made them; a kind found by the thousand
// keeps only its numbers and names, and its text is made when it is asked for.
#pragma once
#include <algorithm>
#include <cstdarg>
#include <cstddef>
#include <cstring>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "data/bounded_text.h"

enum class Severity { Error, Warning };

// Stable names for the JSON output ("kind"); one per check.
enum class FindingKind {
  Unreadable,         // a file the editor reads could not be read
  NoKind,             // a MAP file whose first line names no kind
  ShortRow,           // a row line too short to hold 48 tiles
  MissingRows,        // the file stops before the kind's last row
  UnwritableTile,     // tile code 10 or 13
  TeleportTarget,     // a teleport to a map that is not in the directory
  TeleportCell,       // a teleport whose cell is outside 1..48 x 1..24
  PlacementCell,      // a placement whose cell is outside the map
  PlacementRecord,    // a placement whose id names no record
  SpriteFile,         // "ZAN.SPR" / "ZAN2.SPR" missing or short
  TableFile,          // "CONSTANT.OBJ", "CONSTANT.CRE" or the ".CRS" missing
  LineEnds,           // a text file with line ends other than CR LF
  ShortDataFile,      // a ".DAT" shorter than its 200 records
  WorldGrid,          // world maps missing from the 20 x 20 grid
  Unreached,          // a map that nothing leads to
  BlankSprite,        // a record whose sprite number selects a blank slot
  UnsavedAsRead,      // a MAP file that a save would not write back as it was read
  NotRegular,         // a directory entry that is no regular file (a pipe, a device)
  NoWayOut,           // a map that teleports lead into but that has no teleport out
  SharedTeleportCell, // two or more teleports on one cell: only the first is ever used
  CaseTwins,          // map files whose names differ only in letter case
  BackslashName,      // a file whose name holds a "\", which no game path can name
  LeftTemporary,      // a new file of a save or world write that was never put in place
  UnfinishedWrite,    // the journal of a world write that stopped between its renames
};

const char* findingKindName(FindingKind kind);

struct Finding;
class FindingText;

// Makes the text of a finding from its fields and the names kept with it
// (names: each ended by a 0, one after another), when the text is asked for.
using FindingFormat = void (*)(const Finding& f, const char* names, FindingText& text);

struct Finding {
  std::string file;  // relative to the checked directory; the directory itself for its own findings
  Severity severity;
  FindingKind kind;
  int column = 0;        // 1-based cell column, 0 when the finding has none
  int row = 0;           // 1-based cell row or map row, 0 when none
  int line = 0;          // 1-based line of a text file, 0 when none
  int record = -1;       // 0-based record of a table or ".DAT", -1 when none
  int otherRecord = -1;  // a second record its text names (the teleport used on a shared cell), -1 when none
  // Where its text lies in the Findings that made it (read it with
  // Findings::text): the text itself, or the names that format makes it from.
  size_t textAt = 0;
  size_t textSize = 0;
  FindingFormat format = nullptr;
};

constexpr size_t kFindingTextSize = 512;  // a finding's text is cut to 511 characters

// A finding's text built piece by piece in a fixed buffer and cut where a
// printf into a buffer of the same size would cut it: what a FindingFormat
// writes into.
class FindingText {
 public:
  FindingText() : writer_(text_, sizeof text_) {}
  FindingText(const FindingText&) = delete;
  FindingText& operator=(const FindingText&) = delete;
  FindingText& add(const char* text, size_t length) {
    writer_.add(text, length);
    return *this;
  }
  FindingText& add(const char* text) { return add(text, strlen(text)); }
  FindingText& add(int number) {
    writer_.add(number);
    return *this;
  }
  const char* text() const { return text_; }
  size_t size() const { return writer_.size(); }

 private:
  char text_[kFindingTextSize];
  BoundedText writer_;
};

class Findings {
 public:
  // printf-style text; the location fields can be set on the returned finding.
  Finding& error(const std::string& file, FindingKind kind, const char* format, ...)
      __attribute__((format(printf, 4, 5)));
  Finding& warning(const std::string& file, FindingKind kind, const char* format, ...)
      __attribute__((format(printf, 4, 5)));

  // A warning whose text format makes when it is asked for, from the
  // finding's fields (set them on the returned finding) and these names,
  // which are copied: for findings made by the thousand (one per teleport of
  // a map), where making every text would cost more than finding them.
  Finding& warning(const std::string& file, FindingKind kind, FindingFormat format,
                   std::initializer_list<std::string_view> names);

  // The text of f, one of all(), cut to 511 characters.
  std::string text(const Finding& f) const;

  // Room for this many more findings, for a check that knows how many it will
  // add. The room only ever doubles (from 16), however often this is asked,
  // so that it is seldom left just full: one more finding would move them all.
  void reserve(size_t more) {
    size_t room = std::max<size_t>(list_.capacity(), 16);
    while (room < list_.size() + more) room *= 2;
    list_.reserve(room);
  }

  const std::vector<Finding>& all() const { return list_; }
  int errors() const { return errors_; }
  int warnings() const { return static_cast<int>(list_.size()) - errors_; }
  // The findings of one kind, for tests and summaries.
  int count(FindingKind kind) const;

 private:
  Finding& add(const std::string& file, Severity severity, FindingKind kind, const char* format, va_list args);

  std::vector<Finding> list_;
  std::string texts_;  // the findings' texts and kept names, one after another
  int errors_ = 0;
};
